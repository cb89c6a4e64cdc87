#include "data/RecordFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "data/Cp932.h"
#include "platform/Error.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

// The ten lines of a record of a kind-1 bank with two lessons and three questions.
const std::string kExample = "/home/hana/eigo.dat\r\n" + Sj("英語") + "\r\n" + Sj("花子") +
                             "\r\n1,3,0,5,0,1\r\n2\r\n1\r\n0\r\n0,-1\r\n3,2\r\n1,0\r\n";

RecordFile Example() {
  RecordFile r;
  r.QuesFileName = "/home/hana/eigo.dat";
  r.BankTitle = Sj("英語");
  r.PlayerName = Sj("花子");
  r.DataKind = 1;
  r.DataForm = 1;
  r.QuesCount = 3;
  r.FlashTime = 5;
  r.OneLetter = 1;
  r.LesCount = 2;
  r.LesSel = {1, 0};
  r.AnsCount = {0, 3, 1};
  r.OkLevel = {-1, 2, 0};
  return r;
}

TEST(RecordFileTest, TheExampleByteForByteAndBack) {
  EXPECT_EQ(FormatRecord(Example()), kExample);
  RecordFile back = ParseRecord(kExample, "r.ret");
  EXPECT_EQ(FormatRecord(back), kExample);
  EXPECT_EQ(back.FlashTime, 5);
  EXPECT_EQ(back.LesSel[1], 0);
  EXPECT_EQ(back.OkLevel[1], 2);
  // Every value the record stores, the untouched table ends included.
  EXPECT_TRUE(back.Values() == Example().Values());
}

TEST(RecordFileTest, ListsFollowTheLayout) {
  RecordFile r = Example();
  r.DataKind = r.DataForm = 0;
  EXPECT_EQ(FormatRecord(r), "/home/hana/eigo.dat\r\n" + Sj("英語") + "\r\n" + Sj("花子") +
                                 "\r\n0,3,0,5,0,1\r\n0,-1\r\n3,2\r\n1,0\r\n");
  r.DataKind = r.DataForm = 3;
  r.LesCount2 = 2;
  r.LesSel2 = {1, 1};
  const std::string three = FormatRecord(r);
  EXPECT_NE(three.find("\r\n2\r\n1\r\n0\r\n2\r\n1\r\n1\r\n0,-1"), std::string::npos);
  EXPECT_EQ(FormatRecord(ParseRecord(three, "r.ret")), three);
  // A lone LF ends a line too (a record edited on Linux).
  std::string lf = kExample;
  std::erase(lf, '\r');
  EXPECT_EQ(FormatRecord(ParseRecord(lf, "r.ret")), kExample);
}

// Given a broken record, the reader names the file, the line and what was expected.
TEST(RecordFileTest, BrokenRecordsSayWhereAndWhat) {
  auto message = [](const std::string& bytes) -> std::string {
    try {
      ParseRecord(bytes, "taro.ret");
    } catch (const Error& e) {
      return e.what();
    }
    return "read";
  };
  EXPECT_EQ(message("a\r\nb\r\n"), "「taro.ret」の 4 行目: 成績ファイルが途中で終わっています");
  EXPECT_EQ(message("a\r\nb\r\nc\r\n1,3,0,x,0,1\r\n"),
            "「taro.ret」の 4 行目: フラッシュ時間には整数が必要ですが「x」でした");
  EXPECT_EQ(message("a\r\nb\r\nc\r\n1,2,0,0,0,0\r\n1\r\n1\r\n0,-1\r\n"),
            "「taro.ret」の 8 行目: 問題 1 の解答回数には整数が必要ですが「」でした");
  EXPECT_EQ(message("a\r\nb\r\nc\r\n0,601,0,0,0,0\r\n"),
            "「taro.ret」の 4 行目: 問題数は 0 から 600 までですが 601 でした");
  EXPECT_EQ(message("a\r\nb\r\nc\r\n1,0,0,0,0,0\r\n21\r\n"),
            "「taro.ret」の 5 行目: 分野の数は 0 から 20 までですが 21 でした");
  EXPECT_EQ(message("a\r\nb\r\nc\r\n2,0,0,0,0,0\r\n0\r\n-1\r\n"),
            "「taro.ret」の 6 行目: 第二分類の数は 0 から 20 までですが -1 でした");
  EXPECT_NE(message("a\r\nb\r\nc\r\n1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\r\n").find("4 行目"),
            std::string::npos);
  // A line of a megabyte is read up to its limit and the rest skipped.
  EXPECT_EQ(message("a\r\nb\r\nc\r\n0,1,0,0,0,0\r\n0,-1" + std::string(1 << 20, '9') + "\r\n"),
            "「taro.ret」の 5 行目: 問題 0 の習得段階には整数が必要ですが「-19999999999999999999"
            "9999999999999999999」でした");
}

TEST(AtomicSaveTest, AFailedSaveLeavesTheOldFileWhole) {
  test::TempDir dir;
  const std::string path = dir / "r.ret";
  test::WriteBytes(path, "old record");
  FileOps ops;
  long written = 0;
  ops.write = [&](int fd, const char* data, unsigned long size) -> long {
    if (written >= 3) {
      errno = ENOSPC;
      return -1;
    }
    long n = ::write(fd, data, std::min<unsigned long>(size, 3));
    written += n;
    return n;
  };
  EXPECT_THROW(WriteFileAtomically(path, "new record, much longer", ops), IoError);
  EXPECT_EQ(test::ReadBytes(path), "old record");
  // Nothing is left beside it.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);

  FileOps noRename;
  noRename.rename = [](const char*, const char*) {
    errno = EXDEV;
    return -1;
  };
  EXPECT_THROW(WriteFileAtomically(path, "new", noRename), IoError);
  EXPECT_EQ(test::ReadBytes(path), "old record");

  WriteFileAtomically(path, "new");
  EXPECT_EQ(test::ReadBytes(path), "new");
}

TEST(AtomicSaveTest, NamesTheFileSystemRefuses) {
  test::TempDir dir;
  try {
    WriteFileAtomically(dir / (std::string(300, 'n') + ".ret"), "x");
    FAIL();
  } catch (const IoError& e) {
    EXPECT_NE(std::string(e.what()).find("を保存できません"), std::string::npos);
  }
  EXPECT_THROW(WriteFileAtomically(dir / "gone/r.ret", "x"), IoError);
}

namespace fs = std::filesystem;

unsigned ModeOf(const fs::path& p) {
  struct stat st {};
  ::stat(p.c_str(), &st);
  return st.st_mode & 07777;
}

// Given a private record in a synced folder reached through a relative link,
// two saves through the link should leave the link, a 0600 file behind it
// holding the new bytes, its owner, and nothing beside either; a new record
// should get 0666 less the umask.
TEST(AtomicSaveTest, SavesKeepTheLinkThePermissionsAndTheOwner) {
  test::TempDir dir;
  fs::create_directory(dir / "synced");
  fs::create_directory(dir / "home");
  const fs::path real = dir / "synced/mine.ret", link = dir / "home/mine.ret";
  test::WriteBytes(real, "old record");
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
  const bool root = ::geteuid() == 0;
  if (root) {
    ASSERT_EQ(::chown(real.c_str(), 65534, 65534), 0);
  }
  fs::create_symlink("../synced/mine.ret", link);
  for (const char* bytes : {"first save", "second save"}) {
    SCOPED_TRACE(bytes);
    WriteFileAtomically(link, bytes);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), "../synced/mine.ret");
    EXPECT_EQ(test::ReadBytes(real), bytes);
    EXPECT_EQ(ModeOf(real), 0600u);
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    if (root) {
      EXPECT_EQ(st.st_uid, 65534u);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "synced"), {}), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "home"), {}), 1);
  }
  const mode_t mask = ::umask(027);
  WriteFileAtomically(dir / "new.ret", "new record");
  ::umask(mask);
  EXPECT_EQ(ModeOf(dir / "new.ret"), 0640u);
}

// Given a folder that cannot be synced after the rename, the save should fail
// naming the file and the reason, and still say which file now lies there.
TEST(AtomicSaveTest, AFolderSyncThatFailsIsAFailedSave) {
  test::TempDir dir;
  const std::string path = dir / "r.ret";
  FileOps ops;
  ops.fsyncFolder = [](int) {
    errno = EIO;
    return -1;
  };
  FileStamp written;
  try {
    WriteFileAtomically(path, "new", ops, &written);
    FAIL();
  } catch (const IoError& e) {
    EXPECT_EQ(std::string(e.what()),
              "「" + path + "」を保存できません (フォルダの同期): " + std::strerror(EIO));
  }
  EXPECT_TRUE(written.exists);
  EXPECT_EQ(written, StampOf(path));
}

}  // namespace
}  // namespace vcq

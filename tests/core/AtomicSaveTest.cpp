#include "data/AtomicSave.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Error.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

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
  noRename.rename = [](int, const char*, const char*) {
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

// Given records whose name is as long as a name can be (255 bytes, and 81
// kana: 247 bytes with ".ret") or whose path is as long as a path can be
// (4095 bytes, with a short name too), a first save and a second should
// write each whole and leave nothing beside it.
TEST(AtomicSaveTest, EveryNameAndPathAFileCanHaveIsSaved) {
  test::TempDir dir;
  std::string kana;
  for (int i = 0; i < 81; ++i) kana += "あ";
  ASSERT_EQ(kana.size() + 4, 247u);
  // A file named `name` in folders of `letter`s under `dir`, 4095 bytes in all.
  auto deepPath = [&](char letter, const std::string& name) {
    fs::path folder = dir.path();
    std::size_t left = 4095 - folder.string().size() - 1 - name.size();
    while (left > 0) {
      std::size_t part = std::min<std::size_t>(left, 201) - 1;  // after its "/"
      if (left - (part + 1) == 1) --part;                       // a part must not be left one byte
      folder /= std::string(part, letter);
      left -= part + 1;
    }
    fs::create_directories(folder);
    return folder / name;
  };
  const std::vector<fs::path> paths = {dir / (std::string(251, 'n') + ".ret"),
                                       dir / (kana + ".ret"), deepPath('d', "r.ret"),
                                       deepPath('e', std::string(251, 'm') + ".ret")};
  EXPECT_EQ(paths[2].string().size(), 4095u);
  EXPECT_EQ(paths[3].string().size(), 4095u);
  for (const fs::path& path : paths) {
    SCOPED_TRACE(path.string().size());
    for (const char* bytes : {"first save", "second save"}) {
      ASSERT_NO_THROW(WriteFileAtomically(path, bytes));
      EXPECT_EQ(test::ReadBytes(path), bytes);
    }
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 4);  // and two folders
  for (const fs::path& deep : {paths[2], paths[3]})
    EXPECT_EQ(std::distance(fs::directory_iterator(deep.parent_path()), {}), 1);
}

unsigned ModeOf(const fs::path& p) {
  struct stat st = {};
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
    struct stat st = {};
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

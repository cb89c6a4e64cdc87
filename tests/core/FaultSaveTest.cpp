// Saves that the system refuses: a read-only folder, a folder that went away,
// a full disk. Each time the old record must stay whole on disk, the learner
// must be asked whether to end without saving, with the file and the reason;
// staying (the default) must keep the window open and the progress in memory,
// and the next save after the cause is gone must write the progress.
#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "data/AtomicSave.h"
#include "data/Cp932.h"
#include "data/RecordFile.h"
#include "platform/VirtualKeys.h"
#include "tests/support/Child.h"
#include "tests/support/TestProgram.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;

// A layout-0 bank of `n` one-gap questions.
std::string BigBank(int n) {
  std::string out = "\r\nBig 0 " + std::to_string(n) + "\r\n";
  for (int q = 0; q < n; ++q) out += "a @b\r\np\r\n";
  return out;
}

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : fs::directory_iterator(folder)) names.push_back(e.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// A write that fails with ENOSPC once `room` bytes have gone out, as a full
// disk does: a short write first, then the error.
auto FullAfter(long room) {
  return [room](int fd, const char* data, unsigned long size) mutable -> long {
    if (room <= 0) {
      errno = ENOSPC;
      return -1;
    }
    const long n = ::write(fd, data, std::min<unsigned long>(size, room));
    if (n > 0) room -= n;
    return n;
  };
}

// A tmpfs of `size` mounted on `dir` for the life of the object.
class SmallFileSystem {
 public:
  SmallFileSystem(const fs::path& dir, const char* size) : dir_(dir) {
    const std::string options = std::string("size=") + size;
    mounted_ = ::mount("tmpfs", dir.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
    if (!mounted_) why_ = std::strerror(errno);
  }
  ~SmallFileSystem() {
    if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
  }
  SmallFileSystem(const SmallFileSystem&) = delete;
  SmallFileSystem& operator=(const SmallFileSystem&) = delete;
  bool mounted() const { return mounted_; }
  const std::string& why() const { return why_; }

 private:
  fs::path dir_;
  bool mounted_ = false;
  std::string why_;
};

struct FaultSave : ::testing::Test {
  FaultSave() : folder(dir.path() / "rec"), t(folder.string()) { fs::create_directory(folder); }

  // A new record "mine" on a 600-question bank in `folder`, saved once by a
  // cancelled F2 (the old record), then more progress made (the new one).
  void Open() {
    test::WriteBytes(folder / "big.dat", BigBank(600));
    t.StartUp();
    t.NewRecord((folder / "big.dat").string(), "太郎", "mine");
    ASSERT_EQ(t.app.rec.RecOpen, 1);
    Progress(1);
    t.Key(vk::kF2);
    ASSERT_TRUE(t.dialogs.errors.empty()) << t.dialogs.errors[0];
    old = test::ReadBytes(RecordPath());
    ASSERT_EQ(old, InMemory());
    Progress(2);
    fresh = InMemory();
    ASSERT_NE(fresh, old);
  }

  void Progress(int stage) {
    for (int q = 0; q < 600; ++q) {
      t.app.rec.OkLevel[q] = (q * 7 + stage) % 4 - 1;
      t.app.rec.AnsCount[q] = (q + stage) % 50;
    }
  }
  std::string InMemory() const { return FormatRecord(ToRecordFile(t.app.bank, t.app.rec)); }
  std::string RecordPath() const { return (folder / "mine.ret").string(); }

  // F1 while saving fails with `reason`, and the learner stays. Empty when the
  // window stayed open, the question named the record and the reason, the
  // old record lies whole
  // at `onDisk` with no temporary file beside it, and the progress is still
  // in memory; otherwise what was wrong. (Also run in a child process, where
  // a failed expectation would not reach the test.)
  std::string RefusedQuit(int reason, const fs::path& onDisk) {
    std::string bad;
    auto check = [&bad](bool ok, const std::string& what) {
      if (!ok) bad += what + "\n";
    };
    const std::size_t asked = t.dialogs.questions.size();
    t.Key(vk::kF1);
    check(!t.app.frmMain.Closed, "the window closed");
    check(t.dialogs.errors.empty(), "an error box besides the question");
    if (t.dialogs.questions.size() != asked + 1) return bad + "no question";
    const std::string& e = t.dialogs.questions.back();
    check(e.starts_with("「" + RecordPath() + "」を保存できません ("),
          "the question names no file: " + e);
    check(e.find(std::strerror(reason)) != std::string::npos, "the question gives no reason: " + e);
    check(e.ends_with("。保存せずに終了しますか"), "not a question about ending: " + e);
    std::error_code ec;
    check(fs::is_regular_file(onDisk, ec) && test::ReadBytes(onDisk) == old,
          "the old record is not whole at " + onDisk.string());
    for (const std::string& name : Names(onDisk.parent_path()))
      check(name.find(".tmp") == std::string::npos, "left beside the record: " + name);
    check(InMemory() == fresh, "the progress in memory changed");
    return bad;
  }

  // F1 once the cause is gone: the program ends with the progress on disk.
  std::string QuitSaves() {
    t.Key(vk::kF1);
    if (!t.app.frmMain.Closed)
      return "the window stayed open: " + (t.dialogs.errors.empty() ? "" : t.dialogs.errors.back());
    if (test::ReadBytes(RecordPath()) != fresh) return "the file is not the progress in memory";
    return "";
  }

  // Makes the record's folder read-only and runs `learner` as a learner who
  // owns it and what it holds: as this user, or, since permissions do not
  // bind root, as an ordinary user in a child process. What `learner`
  // returns is the failure.
  std::string WithReadOnlyFolder(const std::function<std::string()>& learner) {
    if (::geteuid() != 0) {
      fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
      return learner();
    }
    constexpr uid_t kNobody = 65534;
    fs::permissions(dir.path(), fs::perms::all);
    if (::chown(folder.c_str(), kNobody, kNobody) != 0) return "cannot give the folder away";
    for (const auto& e : fs::directory_iterator(folder))
      if (::chown(e.path().c_str(), kNobody, kNobody) != 0) return "cannot give the files away";
    // As if the learner had written it: a new owner is no change of the record.
    if (t.app.rec.RecOpen == 1) t.app.rec.onDisk = StampOf(RecordPath());
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    return test::InChild([&]() -> std::string {
      if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) return "cannot drop root";
      return learner();
    });
  }

  test::TempDir dir;
  fs::path folder;
  test::TestProgram t;
  std::string old, fresh;
};

// Given a record in a folder the learner may not write to, quitting should
// fail with "permission denied", and succeed once the folder is writable.
TEST_F(FaultSave, ReadOnlyFolder) {
  ASSERT_NO_FATAL_FAILURE(Open());
  EXPECT_EQ(WithReadOnlyFolder([&] {
              std::string bad = RefusedQuit(EACCES, RecordPath());
              fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
              return bad + QuitSaves();
            }),
            "");
  EXPECT_EQ(test::ReadBytes(RecordPath()), fresh);
}

// Given a record whose folder became read-only after it was opened, a learner
// who stays at first and then answers Yes should end the program, with the
// old record whole and nothing beside it.
TEST_F(FaultSave, EndingWithoutSavingIsTheWayOut) {
  ASSERT_NO_FATAL_FAILURE(Open());
  EXPECT_EQ(WithReadOnlyFolder([&] {
              std::string bad = RefusedQuit(EACCES, RecordPath());
              t.dialogs.choices.push_back(1);
              t.Key(vk::kF1);
              if (!t.app.frmMain.Closed) bad += "Yes did not end the program\n";
              return bad;
            }),
            "");
  fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_EQ(test::ReadBytes(RecordPath()), old);
  for (const std::string& name : Names(folder))
    EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
}

// Given a record in a folder the learner may not write to, opening it should
// say so at once. At F1 the learner should be offered to save it elsewhere:
// a cancelled dialog and a declined replacement should ask again, and a new
// place should take the progress (".ret" added), the old record untouched.
TEST_F(FaultSave, ARecordThatCannotBeSavedWhereItIsGoesElsewhere) {
  test::WriteBytes(folder / "big.dat", BigBank(3));
  {
    test::TestProgram maker(folder.string());
    maker.StartUp();
    maker.NewRecord((folder / "big.dat").string(), "太郎", "mine");
    maker.Key(vk::kF1);
    ASSERT_TRUE(maker.app.frmMain.Closed);
  }
  old = test::ReadBytes(RecordPath());
  const fs::path elsewhere = dir.path() / "elsewhere";
  fs::create_directory(elsewhere);
  fs::permissions(elsewhere, fs::perms::all);
  EXPECT_EQ(
      WithReadOnlyFolder([&] {
        std::string bad;
        auto check = [&bad](bool ok, const std::string& what) {
          if (!ok) bad += what + "\n";
        };
        t.StartUp();
        t.dialogs.files.push_back(RecordPath());
        t.Key(vk::kF2);
        check(t.app.rec.RecOpen == 1, "not opened");
        check(t.dialogs.infos == std::vector<std::string>{"「" + RecordPath() +
                                                          "」は、この場所には保存できません (" +
                                                          std::strerror(EACCES) +
                                                          ")。学習の結果は、終わるときに別の場所"
                                                          "に保存できます。"},
              "no word on opening");
        t.app.rec.OkLevel[1] = 2;
        fresh = InMemory();
        test::WriteBytes(elsewhere / "taken.ret", "someone's");
        t.dialogs.choices = {0, 0, 0};
        t.dialogs.files = {std::nullopt, elsewhere / "taken.ret", elsewhere / "moved"};
        t.Key(vk::kF1);
        check(t.app.frmMain.Closed, "the program did not end");
        const std::string failed = "「" + RecordPath() +
                                   "」を保存できません (作成): " + std::strerror(EACCES) +
                                   "。保存せずに終了しますか";
        check(t.dialogs.questions ==
                  std::vector<std::string>{failed, failed,
                                           "「taken.ret」はすでにあります。上書きしますか", failed},
              "not the questions expected");
        check(t.dialogs.fileDialogs.size() == 4 && t.dialogs.fileDialogs[3].saveName == "mine.ret",
              "no save dialog proposing the record's name");
        check(test::ReadBytes(elsewhere / "moved.ret") == fresh, "the progress is not there");
        check(t.app.rec.RecFileName == elsewhere / "moved.ret", "the record did not move");
        check(test::ReadBytes(elsewhere / "taken.ret") == "someone's", "a file was replaced");
        check(test::ReadBytes(RecordPath()) == old, "the old record changed");
        return bad;
      }),
      "");
}

// Given a save whose new name cannot be synced to the folder, F2 should ask
// as for any failed save; the next save should not take the file this
// program wrote for a change made elsewhere.
TEST_F(FaultSave, AFolderThatCannotBeSyncedFailsTheSave) {
  ASSERT_NO_FATAL_FAILURE(Open());
  t.app.fileOps.fsyncFolder = [](int) {
    errno = EIO;
    return -1;
  };
  t.Key(vk::kF2);
  ASSERT_EQ(t.dialogs.questions.size(), 1u);
  EXPECT_EQ(t.dialogs.questions[0], "「" + RecordPath() + "」を保存できません (フォルダの同期): " +
                                        std::strerror(EIO) + "。保存せずに続けますか");
  EXPECT_EQ(t.dialogs.fileDialogs.size(), 2u) << "F2 went on to the open dialog";
  t.app.fileOps = FileOps{};
  EXPECT_EQ(QuitSaves(), "");
  EXPECT_EQ(t.dialogs.questions.size(), 1u);
}

// Given a record whose folder was moved away (a USB stick pulled out),
// quitting should fail with "no such file", leave the old record whole where
// it went, and succeed once the folder is back.
TEST_F(FaultSave, VanishedFolder) {
  ASSERT_NO_FATAL_FAILURE(Open());
  const fs::path moved = dir.path() / "moved";
  fs::rename(folder, moved);
  EXPECT_EQ(RefusedQuit(ENOENT, moved / "mine.ret"), "");
  EXPECT_FALSE(fs::exists(folder));
  fs::rename(moved, folder);
  EXPECT_EQ(QuitSaves(), "");
}

// Given a record on a small file system filled to the last byte, quitting
// should fail with "no space left", and succeed once room has been made.
TEST_F(FaultSave, FullFileSystem) {
  SmallFileSystem small(folder, "64k");
  if (!small.mounted()) GTEST_SKIP() << "cannot mount a tmpfs here: " << small.why();
  ASSERT_NO_FATAL_FAILURE(Open());
  {
    // Fill what is left; the last write fails when the disk is full.
    std::FILE* f = std::fopen((folder / "filler").c_str(), "wb");
    ASSERT_NE(f, nullptr);
    const std::string block(512, 'x');
    while (std::fwrite(block.data(), 1, block.size(), f) == block.size() && std::fflush(f) == 0) {
    }
    std::fclose(f);
  }
  EXPECT_EQ(RefusedQuit(ENOSPC, RecordPath()), "");
  EXPECT_EQ(RefusedQuit(ENOSPC, RecordPath()), "");  // and again: nothing leaks
  fs::remove(folder / "filler");
  EXPECT_EQ(QuitSaves(), "");
}

// Given a disk that fills up at any point of the save — before the first
// byte, after one, half-way, one byte short — or reports it only when the
// data is flushed, the save should fail as above; the disk freed, it works.
TEST_F(FaultSave, DiskFullAtAnyByte) {
  ASSERT_NO_FATAL_FAILURE(Open());
  const long size = static_cast<long>(fresh.size());
  for (long room : {0L, 1L, size / 2, size - 1}) {
    SCOPED_TRACE("room " + std::to_string(room));
    t.app.fileOps.write = FullAfter(room);
    EXPECT_EQ(RefusedQuit(ENOSPC, RecordPath()), "");
  }
  t.app.fileOps = FileOps{};
  t.app.fileOps.fsync = [](int) {
    errno = ENOSPC;
    return -1;
  };
  EXPECT_EQ(RefusedQuit(ENOSPC, RecordPath()), "");
  t.app.fileOps = FileOps{};
  EXPECT_EQ(QuitSaves(), "");
}

}  // namespace
}  // namespace vcq

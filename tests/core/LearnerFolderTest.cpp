#include <gtest/gtest.h>

#include <filesystem>

#include "app/LearnerFolder.h"
#include "data/RecordFolder.h"
#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

namespace fs = std::filesystem;

// Given a first start, the learner's folder is made with copies of the sample
// banks only; given a later start, a bank the learner changed stays as it is.
TEST(LearnerFolder, FirstStartCopiesTheSamplesAndNeverReplacesTheLearnersFiles) {
  test::TempDir samples, home;
  test::WriteBytes(samples / "a.dat", "A");
  test::WriteBytes(samples / "b.dat", "B");
  test::WriteBytes(samples / "README.md", "R");
  const std::string learner = (home.path() / "Documents" / "VCQuick").string();

  EXPECT_EQ(PrepareLearnerFolder(learner, samples.path().string()), learner);
  EXPECT_EQ(test::ReadBytes(fs::path(learner) / "a.dat"), "A");
  EXPECT_EQ(test::ReadBytes(fs::path(learner) / "b.dat"), "B");
  EXPECT_FALSE(fs::exists(fs::path(learner) / "README.md"));

  test::WriteBytes(fs::path(learner) / "a.dat", "mine");
  fs::remove(fs::path(learner) / "b.dat");
  EXPECT_EQ(PrepareLearnerFolder(learner, samples.path().string()), learner);
  EXPECT_EQ(test::ReadBytes(fs::path(learner) / "a.dat"), "mine");
  EXPECT_FALSE(fs::exists(fs::path(learner) / "b.dat"));  // the learner removed it

  // A folder that cannot be made (its parent is a file) gives none.
  test::WriteBytes(home / "file", "");
  EXPECT_EQ(PrepareLearnerFolder(home / "file/VCQuick", samples.path().string()), "");
}

// Given where the program started, the dialogs open in the learner's folder
// for the home folder and for a folder the learner cannot write to, and where
// it started otherwise; a new record follows the same rule.
TEST(LearnerFolder, StartFolderAndNewRecordFolder) {
  test::TempDir home, learner;
  const std::string work = home / "work";
  fs::create_directory(work);
  const std::string gone = home / "gone";  // no folder: nothing can be written there
  const std::string l = learner.path().string();

  EXPECT_EQ(StartFolder(home.path().string(), home.path().string(), l), l);
  EXPECT_EQ(StartFolder(home.path().string() + "/.", home.path().string(), l), l);
  EXPECT_EQ(StartFolder(work, home.path().string(), l), work);
  EXPECT_EQ(StartFolder(gone, home.path().string(), l), l);
  EXPECT_EQ(StartFolder(home.path().string(), home.path().string(), ""), home.path().string());

  EXPECT_EQ(NewRecordFolder(work, l), work);
  EXPECT_EQ(NewRecordFolder(gone, l), l);
  EXPECT_EQ(NewRecordFolder(gone, ""), gone);
}

}  // namespace
}  // namespace vcq

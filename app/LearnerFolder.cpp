#include "app/LearnerFolder.h"

#include <filesystem>

#include "data/RecordFolder.h"

namespace vcq {

namespace fs = std::filesystem;

std::string PrepareLearnerFolder(const std::string& learner, const std::string& samples) {
  std::error_code ec;
  if (fs::is_directory(learner, ec)) return learner;
  // Failures are not the learner's concern: without the folder the program
  // works as before, with records beside their banks.
  if (!fs::create_directories(learner, ec)) return {};
  for (const fs::directory_entry& e : fs::directory_iterator(samples, ec)) {
    if (!e.is_regular_file(ec) || e.path().extension() != ".dat") continue;
    fs::copy_file(e.path(), fs::path(learner) / e.path().filename(),
                  fs::copy_options::skip_existing, ec);
  }
  return learner;
}

std::string StartFolder(const std::string& current, const std::string& home,
                        const std::string& learner) {
  if (learner.empty()) return current;
  std::error_code ec;
  if (!home.empty() && fs::equivalent(current, home, ec)) return learner;
  return IsWritableFolder(current) ? current : learner;
}

}  // namespace vcq

// Building and placing test banks and records: lines written in UTF-8 in the
// test, stored as CP932 with CR LF as the program's files are.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace vcq::test {

// The lines converted to CP932, each ended by `eol`.
std::string Lines(std::initializer_list<std::string_view> utf8Lines, std::string_view eol = "\r\n");

std::string ReadBytes(const std::filesystem::path& p);
void WriteBytes(const std::filesystem::path& p, std::string_view bytes);

// A fresh empty folder under the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string operator/(std::string_view name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace vcq::test

// The synchronous cues hold the whole program while they play, so their
// lengths are part of the drill's rhythm.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "tests/support/TextFiles.h"

namespace vcq {
namespace {

std::uint32_t Le32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b.at(at + i));
  return v;
}

// Length in milliseconds of a PCM WAV file, from its fmt and data chunks.
double WavMilliseconds(const std::string& path) {
  const std::string b = test::ReadBytes(path);
  EXPECT_EQ(b.substr(0, 4), "RIFF");
  EXPECT_EQ(b.substr(8, 4), "WAVE");
  std::uint32_t byteRate = 0;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string id = b.substr(at, 4);
    const std::uint32_t size = Le32(b, at + 4);
    if (id == "fmt ") byteRate = Le32(b, at + 8 + 8);
    if (id == "data") return byteRate ? 1000.0 * size / byteRate : -1;
    at += 8 + size + (size & 1);
  }
  return -1;
}

TEST(CueFilesTest, LengthsFitTheirRoles) {
  struct {
    const char* file;
    double atMost;
  } const limits[] = {{"button.wav", 40}, {"button2.wav", 40}, {"piyo1.wav", 150},
                      {"piyo.wav", 350},  {"oldng.wav", 350},  {"change.wav", 500}};
  for (const auto& l : limits) {
    const double ms = WavMilliseconds(std::string(VCQ_ASSETS) + "/sounds/" + l.file);
    EXPECT_GT(ms, 5) << l.file;
    EXPECT_LE(ms, l.atMost) << l.file;
  }
  const double fanfare = WavMilliseconds(std::string(VCQ_ASSETS) + "/sounds/huku.wav");
  EXPECT_GT(fanfare, 800);
  EXPECT_LT(fanfare, 1300);
}

}  // namespace
}  // namespace vcq

// The cues through SDL2_mixer on one channel, so every cue cuts off the one
// before, as the drill's rhythm expects. A second channel is the voice that
// reads the English aloud: cues and voice never cut each other.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/Ports.h"

struct Mix_Chunk;

namespace vcq::ui {

struct SdlLibrary;

class SdlSound : public SoundPort {
 public:
  explicit SdlSound(std::string soundDir);
  ~SdlSound() override;
  SdlSound(const SdlSound&) = delete;
  SdlSound& operator=(const SdlSound&) = delete;

  void PlayCue(std::string_view file, CueMode mode) override;

  // Runs before a synchronous cue holds the program, so that what the
  // handler has changed so far is on the screen while the cue sounds.
  std::function<void()> beforeBlock;

  // The voice: 16-bit mono samples at `rate` Hz, replacing what it says.
  void PlayVoice(const std::vector<std::int16_t>& samples, int rate);
  bool VoicePlaying();
  void StopVoice();

  // False once no audio device, not even the silent one, could be opened.
  bool Usable();

 private:
  enum class Device { NotOpened, Open, Failed };
  struct FreeChunk {
    void operator()(Mix_Chunk* c) const;
  };

  bool TryOpen();
  Mix_Chunk* Chunk(std::string_view file);

  std::string dir_;
  const SdlLibrary* sdl_ = nullptr;  // set once the first cue loaded it
  Device device_ = Device::NotOpened;
  std::unordered_map<std::string, std::unique_ptr<Mix_Chunk, FreeChunk>> chunks_;
  std::unique_ptr<Mix_Chunk, FreeChunk> voice_;  // freed only once halted
};

}  // namespace vcq::ui

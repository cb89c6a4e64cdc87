// The cues through SDL2_mixer on one channel, so every cue cuts off the one
// before, as the drill's rhythm expects.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

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
};

}  // namespace vcq::ui

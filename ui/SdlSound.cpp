#include "ui/SdlSound.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace vcq::ui {

namespace {

constexpr int kChannel = 0;
// A cue that never reports its end must not hang the program.
constexpr Uint64 kLongestWaitMs = 5000;

}  // namespace

void SdlSound::FreeChunk::operator()(Mix_Chunk* c) const {
  Mix_FreeChunk(c);
}

SdlSound::SdlSound(std::string soundDir) : dir_(std::move(soundDir)) {}

SdlSound::~SdlSound() {
  if (device_ != Device::Open) return;
  Mix_HaltChannel(-1);
  chunks_.clear();
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::TryOpen() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  // A small buffer: a key click must start at once.
  if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 512) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  Mix_AllocateChannels(1);
  return true;
}

// Opened on the first cue rather than at start-up: opening a sound server
// can take a moment, and the splash should not wait for it.
bool SdlSound::Usable() {
  if (device_ == Device::NotOpened) {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    bool ok = TryOpen();
    if (!ok) {
      // No sound card: the silent driver still plays in real time, so the
      // synchronous cues keep their length.
      SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
      ok = TryOpen();
    }
    device_ = ok ? Device::Open : Device::Failed;
  }
  return device_ == Device::Open;
}

Mix_Chunk* SdlSound::Chunk(std::string_view file) {
  const std::string name(file);
  if (auto it = chunks_.find(name); it != chunks_.end()) return it->second.get();
  Mix_Chunk* c = Mix_LoadWAV((dir_ + "/" + name).c_str());
  // A missing file is not remembered: it may be put back while the program runs.
  if (c) chunks_.emplace(name, c);
  return c;
}

void SdlSound::PlayCue(std::string_view file, CueMode mode) {
  if (!Usable()) return;
  Mix_HaltChannel(kChannel);
  Mix_Chunk* c = Chunk(file);
  if (!c) return;
  if (mode == CueMode::Sync && beforeBlock) beforeBlock();
  if (Mix_PlayChannel(kChannel, c, 0) < 0) return;
  if (mode == CueMode::Async) return;
  const Uint64 start = SDL_GetTicks64();
  while (Mix_Playing(kChannel) != 0 && SDL_GetTicks64() - start < kLongestWaitMs) SDL_Delay(1);
}

}  // namespace vcq::ui

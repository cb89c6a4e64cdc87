#include "ui/SdlSound.h"

#include "ui/SdlLibrary.h"

namespace vcq::ui {

namespace {

constexpr int kChannel = 0;
constexpr int kVoiceChannel = 1;
// A cue that never reports its end must not hang the program.
constexpr Uint64 kLongestWaitMs = 5000;

}  // namespace

void SdlSound::FreeChunk::operator()(Mix_Chunk* c) const {
  // A chunk exists only once the library was loaded.
  LoadSdl()->FreeChunk(c);
}

SdlSound::SdlSound(std::string soundDir) : dir_(std::move(soundDir)) {}

SdlSound::~SdlSound() {
  if (device_ != Device::Open) return;
  sdl_->HaltChannel(-1);
  chunks_.clear();
  voice_.reset();
  sdl_->CloseAudio();
  sdl_->QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::TryOpen() {
  if (sdl_->InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  // A small buffer: a key click must start at once.
  if (sdl_->OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 512) != 0) {
    sdl_->QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  sdl_->AllocateChannels(2);
  return true;
}

// Loaded and opened on the first cue rather than at start-up: loading the
// libraries and opening a sound server take a moment, and the first window
// should not wait for them. Without the libraries the program is silent.
bool SdlSound::Usable() {
  if (device_ == Device::NotOpened) {
    sdl_ = LoadSdl();
    bool ok = sdl_ != nullptr;
    if (ok) {
      sdl_->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
      ok = TryOpen();
    }
    if (sdl_ && !ok) {
      // No sound card: the silent driver still plays in real time, so the
      // synchronous cues keep their length.
      sdl_->SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
      ok = TryOpen();
    }
    device_ = ok ? Device::Open : Device::Failed;
  }
  return device_ == Device::Open;
}

Mix_Chunk* SdlSound::Chunk(std::string_view file) {
  const std::string name(file);
  if (auto it = chunks_.find(name); it != chunks_.end()) return it->second.get();
  Mix_Chunk* c = sdl_->LoadWAV_RW(sdl_->RWFromFile((dir_ + "/" + name).c_str(), "rb"), 1);
  // A missing file is not remembered: it may be put back while the program runs.
  if (c) chunks_.emplace(name, c);
  return c;
}

void SdlSound::PlayCue(std::string_view file, CueMode mode) {
  if (!Usable()) return;
  sdl_->HaltChannel(kChannel);
  Mix_Chunk* c = Chunk(file);
  if (!c) return;
  if (mode == CueMode::Sync && beforeBlock) beforeBlock();
  if (sdl_->PlayChannelTimed(kChannel, c, 0, -1) < 0) return;
  if (mode == CueMode::Async) return;
  const Uint64 start = sdl_->GetTicks64();
  while (sdl_->Playing(kChannel) != 0 && sdl_->GetTicks64() - start < kLongestWaitMs)
    sdl_->Delay(1);
}

namespace {

void PutLe(std::string& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The samples as a WAV file in memory: the mixer then converts them to the
// device's rate and channels as it does for the cues.
std::string MonoWav(const std::vector<std::int16_t>& samples, int rate) {
  const auto data = static_cast<std::uint32_t>(samples.size() * 2);
  std::string w;
  w.reserve(44 + data);
  w += "RIFF";
  PutLe(w, 36 + data, 4);
  w += "WAVEfmt ";
  PutLe(w, 16, 4);
  PutLe(w, 1, 2);  // PCM
  PutLe(w, 1, 2);  // mono
  PutLe(w, static_cast<std::uint32_t>(rate), 4);
  PutLe(w, static_cast<std::uint32_t>(rate) * 2, 4);
  PutLe(w, 2, 2);
  PutLe(w, 16, 2);
  w += "data";
  PutLe(w, data, 4);
  for (std::int16_t s : samples) PutLe(w, static_cast<std::uint16_t>(s), 2);
  return w;
}

}  // namespace

void SdlSound::PlayVoice(const std::vector<std::int16_t>& samples, int rate) {
  if (!Usable()) return;
  StopVoice();
  const std::string wav = MonoWav(samples, rate);
  voice_.reset(sdl_->LoadWAV_RW(sdl_->RWFromConstMem(wav.data(), static_cast<int>(wav.size())), 1));
  if (voice_) sdl_->PlayChannelTimed(kVoiceChannel, voice_.get(), 0, -1);
}

bool SdlSound::VoicePlaying() {
  return voice_ && sdl_->Playing(kVoiceChannel) != 0;
}

void SdlSound::StopVoice() {
  if (!voice_) return;
  sdl_->HaltChannel(kVoiceChannel);
  voice_.reset();
}

}  // namespace vcq::ui

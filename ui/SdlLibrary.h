// SDL2 and SDL2_mixer, loaded with dlopen when the first cue plays. Linked
// at start-up, the mixer and its decoders add some forty shared libraries to
// the path to the first window; the first cue comes 0.2 s after it.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace vcq::ui {

struct SdlLibrary {
  decltype(&SDL_InitSubSystem) InitSubSystem;
  decltype(&SDL_QuitSubSystem) QuitSubSystem;
  decltype(&SDL_SetHint) SetHint;
  decltype(&SDL_SetHintWithPriority) SetHintWithPriority;
  decltype(&SDL_GetTicks64) GetTicks64;
  decltype(&SDL_Delay) Delay;
  decltype(&SDL_RWFromFile) RWFromFile;
  decltype(&SDL_RWFromConstMem) RWFromConstMem;
  decltype(&Mix_OpenAudio) OpenAudio;
  decltype(&Mix_CloseAudio) CloseAudio;
  decltype(&Mix_AllocateChannels) AllocateChannels;
  decltype(&Mix_LoadWAV_RW) LoadWAV_RW;
  decltype(&Mix_FreeChunk) FreeChunk;
  decltype(&Mix_PlayChannelTimed) PlayChannelTimed;
  decltype(&Mix_HaltChannel) HaltChannel;
  decltype(&Mix_Playing) Playing;
};

// The libraries' entry points, loaded on the first call and kept for the
// rest of the run; null when a library or one of its functions is missing,
// and then the program plays no sound.
const SdlLibrary* LoadSdl();

}  // namespace vcq::ui

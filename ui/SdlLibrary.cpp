#include "ui/SdlLibrary.h"

#include <optional>

#include "ui/DynamicSymbols.h"

namespace vcq::ui {

namespace {

std::optional<SdlLibrary> Open() {
  // The mixer loads SDL2 as its own dependency; the second dlopen only finds
  // it. Neither is ever closed: SDL's threads may outlive any point to do so.
  void* mixer = dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
  if (!mixer) return std::nullopt;
  void* sdl = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
  if (!sdl) return std::nullopt;
  SdlLibrary l{};
  const bool ok =
      Resolve(sdl, "SDL_InitSubSystem", l.InitSubSystem) &&
      Resolve(sdl, "SDL_QuitSubSystem", l.QuitSubSystem) &&
      Resolve(sdl, "SDL_SetHint", l.SetHint) &&
      Resolve(sdl, "SDL_SetHintWithPriority", l.SetHintWithPriority) &&
      Resolve(sdl, "SDL_GetTicks64", l.GetTicks64) && Resolve(sdl, "SDL_Delay", l.Delay) &&
      Resolve(sdl, "SDL_RWFromFile", l.RWFromFile) &&
      Resolve(sdl, "SDL_RWFromConstMem", l.RWFromConstMem) &&
      Resolve(mixer, "Mix_OpenAudio", l.OpenAudio) &&
      Resolve(mixer, "Mix_CloseAudio", l.CloseAudio) &&
      Resolve(mixer, "Mix_AllocateChannels", l.AllocateChannels) &&
      Resolve(mixer, "Mix_LoadWAV_RW", l.LoadWAV_RW) &&
      Resolve(mixer, "Mix_FreeChunk", l.FreeChunk) &&
      Resolve(mixer, "Mix_PlayChannelTimed", l.PlayChannelTimed) &&
      Resolve(mixer, "Mix_HaltChannel", l.HaltChannel) && Resolve(mixer, "Mix_Playing", l.Playing);
  if (!ok) return std::nullopt;
  return l;
}

}  // namespace

const SdlLibrary* LoadSdl() {
  static const std::optional<SdlLibrary> lib = Open();
  return lib ? &*lib : nullptr;
}

}  // namespace vcq::ui

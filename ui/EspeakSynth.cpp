#include "ui/EspeakSynth.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <array>
#include <mutex>
#include <optional>
#include <string>

#include "platform/Speech.h"
#include "ui/DynamicSymbols.h"

namespace vcq::ui {

namespace {

constexpr int kWordsPerMinute = 150;
constexpr const char* kVoice = "en-us";

struct Espeak {
  decltype(&espeak_ng_InitializePath) InitializePath;
  decltype(&espeak_ng_Initialize) Initialize;
  decltype(&espeak_ng_InitializeOutput) InitializeOutput;
  decltype(&espeak_ng_GetSampleRate) GetSampleRate;
  decltype(&espeak_ng_GetStatusCodeMessage) GetStatusCodeMessage;
  decltype(&espeak_ng_ClearErrorContext) ClearErrorContext;
  decltype(&espeak_SetSynthCallback) SetSynthCallback;
  decltype(&espeak_SetVoiceByName) SetVoiceByName;
  decltype(&espeak_SetParameter) SetParameter;
  decltype(&espeak_Synth) Synth;
  decltype(&espeak_Synchronize) Synchronize;
  int rate = 0;
};

// The samples of the sentence being synthesized, reached through the
// user data that espeak-ng hands back with every buffer.
int Collect(short* wav, int count, espeak_EVENT* events) {
  auto* out = static_cast<std::vector<std::int16_t>*>(events ? events->user_data : nullptr);
  if (out && wav && count > 0) out->insert(out->end(), wav, wav + count);
  return 0;
}

// The library is never closed: it keeps its own state for the whole run.
Espeak Open() {
  void* lib = dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_LOCAL);
  if (!lib) throw SpeechError(std::string("libespeak-ng が見つかりません (") + dlerror() + ")");
  Espeak e{};
  if (!(Resolve(lib, "espeak_ng_InitializePath", e.InitializePath) &&
        Resolve(lib, "espeak_ng_Initialize", e.Initialize) &&
        Resolve(lib, "espeak_ng_InitializeOutput", e.InitializeOutput) &&
        Resolve(lib, "espeak_ng_GetSampleRate", e.GetSampleRate) &&
        Resolve(lib, "espeak_ng_GetStatusCodeMessage", e.GetStatusCodeMessage) &&
        Resolve(lib, "espeak_ng_ClearErrorContext", e.ClearErrorContext) &&
        Resolve(lib, "espeak_SetSynthCallback", e.SetSynthCallback) &&
        Resolve(lib, "espeak_SetVoiceByName", e.SetVoiceByName) &&
        Resolve(lib, "espeak_SetParameter", e.SetParameter) &&
        Resolve(lib, "espeak_Synth", e.Synth) && Resolve(lib, "espeak_Synchronize", e.Synchronize)))
    throw SpeechError("libespeak-ng の関数がそろっていません");
  // espeak-ng's own espeak_Initialize ends the process when its data is
  // missing; these calls report it instead.
  e.InitializePath(nullptr);
  espeak_ng_ERROR_CONTEXT context = nullptr;
  const espeak_ng_STATUS status = e.Initialize(&context);
  if (status != ENS_OK) {
    e.ClearErrorContext(&context);
    std::array<char, 256> why{};
    e.GetStatusCodeMessage(status, why.data(), why.size());
    throw SpeechError(std::string("espeak-ng の音声データ (espeak-ng-data) が読めません: ") +
                      why.data());
  }
  // Synchronous: espeak_Synth returns with the whole sentence in the buffer.
  if (e.InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr) != ENS_OK)
    throw SpeechError("espeak-ng を始められません");
  e.rate = e.GetSampleRate();
  e.SetSynthCallback(Collect);
  if (e.SetVoiceByName(kVoice) != EE_OK)
    throw SpeechError(std::string("espeak-ng に音声 ") + kVoice + " がありません");
  e.SetParameter(espeakRATE, kWordsPerMinute, 0);
  return e;
}

struct Loaded {
  std::optional<Espeak> espeak;
  std::string failure;
};

Loaded& Library() {
  static Loaded loaded = [] {
    Loaded l;
    try {
      l.espeak = Open();
    } catch (const SpeechError& e) {
      l.failure = e.what();
    }
    return l;
  }();
  return loaded;
}

}  // namespace

Pcm SynthesizeEnglish(std::string_view ascii) {
  // espeak-ng keeps one state for the process: one sentence at a time.
  static std::mutex busy;
  const std::lock_guard lock(busy);
  Loaded& l = Library();
  if (!l.espeak) throw SpeechError(l.failure);
  const Espeak& e = *l.espeak;
  Pcm pcm;
  pcm.rate = e.rate;
  const std::string text(ascii);
  if (e.Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_AUTO, nullptr,
              &pcm.samples) != EE_OK)
    throw SpeechError("espeak-ng が文を読めませんでした");
  e.Synchronize();
  return pcm;
}

}  // namespace vcq::ui

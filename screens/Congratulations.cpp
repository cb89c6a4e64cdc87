#include "screens/Congratulations.h"

#include "data/Cp932.h"

namespace vcq {

namespace {

// A picture, a label or the button: no colour of its own.
Control Make(int left, int top, int width, int height, Rgb fontColor, int fontPx,
             std::string caption = {}) {
  return MakeControl(left, top, width, height, {}, fontColor, fontPx, true, std::move(caption));
}

}  // namespace

TfrmOmedeto::TfrmOmedeto(const TimerMaker& newTimer) {
  form = Make(0, 0, kOmedetoClientWidth, kOmedetoClientHeight, colors::kBlack, 19,
              Sj("やったね。(^_^)v"));
  form.Color = omedetocolors::kWindow;
  form.Visible = false;
  imgOyaji = Make(33, 19, 47, 48, colors::kBlack, 0);
  Label1 = Make(25, 71, 0, 0, colors::kNavy, 15, Sj("よくできました。"));
  Label1.Color = omedetocolors::kWindow;
  btnOk = Make(97, 22, 53, 25, colors::kBlack, 12, "OK");
  Timer1 = newTimer(200, true, [this] { Timer1Timer(); });
}

void TfrmOmedeto::Timer1Timer() {
  FrameNo = TickCnt % kOmedetoFrames;
  ++TickCnt;
}

}  // namespace vcq

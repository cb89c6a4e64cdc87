// The congratulations window, opened above the drill screen when nothing in
// the study range is left to ask. Its animation timer runs from creation to
// the end of the program, shown or not, so a window shown again goes on at
// whatever frame the count has reached.
#pragma once

#include <memory>

#include "platform/Control.h"
#include "platform/Ports.h"

namespace vcq {

inline constexpr int kOmedetoClientWidth = 155;
inline constexpr int kOmedetoClientHeight = 92;
inline constexpr int kOmedetoFrames = 8;

class TfrmOmedeto {
 public:
  explicit TfrmOmedeto(const TimerMaker& newTimer);
  TfrmOmedeto(const TfrmOmedeto&) = delete;
  TfrmOmedeto& operator=(const TfrmOmedeto&) = delete;

  // Modeless; nothing waits for it.
  void Show() { form.Visible = true; }
  void btnOkClick() { form.Visible = false; }
  void Timer1Timer();

  // The picture imgOyaji shows: 0 its own first one until the first tick,
  // then 1 to 8 for img1 to img8.
  int Picture() const { return TickCnt == 0 ? 0 : FrameNo + 1; }

  // Caption, Visible, colour and font (pixels); Width and Height are the
  // client area. The window is centred on the screen.
  Control form;
  Control imgOyaji;
  Control Label1;  // "よくできました。"
  Control btnOk;
  std::unique_ptr<Timer> Timer1;
  int TickCnt = 0;
  int FrameNo = 0;  // the frame last shown, 0 to 7
};

}  // namespace vcq

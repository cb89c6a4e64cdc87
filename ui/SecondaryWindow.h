// The frame the secondary windows (study range, options, score table,
// congratulations) share: title, background, client size and visibility from
// the core window's form control, and the title bar's close button forwarded
// to the core, which decides whether the window goes.
#pragma once

#include <QKeyEvent>
#include <QWidget>
#include <functional>

#include "platform/Control.h"
#include "ui/KeyTranslation.h"
#include "ui/Mirroring.h"
#include "ui/ViewGuard.h"

namespace vcq::ui {

class SecondaryWindow : public QWidget {
 public:
  // How the form control gives the window's size.
  enum class Size {
    kOuter,   // the outer size, around a client area as the main window's
    kClient,  // the client area itself
  };

  const MirrorList& Mirrors() const { return mirrors_; }

 protected:
  // `close` is the core's answer to the close button, run through `guard`
  // as every handler of the window is; the window goes when it leaves the
  // form hidden.
  SecondaryWindow(QWidget* owner, const char* name, const Control& form, Size size, Guard guard,
                  std::function<void()> close);

  // Client size, the mirrored controls with the frame first, then visibility:
  // shown on top with the keys, or hidden with the keys back to the owner.
  // What is shown inside and what is sized to its text follow only while
  // the window is up or about to be.
  void SyncFrame();
  void closeEvent(QCloseEvent* e) override;
  // A key to a core window that previews its keys: the key going down, then
  // its character while the core still takes it.
  template <typename Core>
  void ForwardKey(QKeyEvent* e, Core& core) {
    const KeyStroke k = TranslateKey(*e);
    if (k.vk != 0) guard_([&] { core.FormKeyDown(k.vk); });
    if (k.typed && core.TakesKeyPress()) guard_([&] { core.FormKeyPress(*k.typed); });
    e->accept();
  }
  // Where the keys go once the window is shown; the window itself by default.
  virtual void OnShown() {}

  QWidget* owner_;
  Guard guard_;
  MirrorList mirrors_;
  // The keys go back to the owner when the window hides, even when another
  // window had them.
  bool keysBackAlways_ = false;

 private:
  const Control& form_;
  Size size_;
  std::function<void()> close_;
};

}  // namespace vcq::ui

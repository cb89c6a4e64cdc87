// One check for every view: each widget a view mirrors shows its control, in
// every aspect the view lists it with. The controls are first given values
// no layout has, so that a widget keeping its built look cannot pass.
#pragma once

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <initializer_list>

#include "ui/Mirroring.h"
#include "ui/TextConversion.h"

namespace vcq::test {

inline QString ShownText(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  return {};
}

inline QByteArray NameOf(const QWidget* w) {
  // A panel's caption label goes by its panel's name.
  return (w->objectName().isEmpty() ? w->parentWidget()->objectName() : w->objectName()).toUtf8();
}

// `used`: the aspects the view must mirror on some widget. Every widget that
// shows a control's caption shows its text colour too, but those named in
// `plainText`, which keep the colour their window gives them. `sync` mirrors
// the core into the views, as an event does.
inline void ExpectEveryWidgetMirrorsItsControl(const ui::MirrorList& list, unsigned used,
                                               std::initializer_list<const char*> plainText,
                                               const std::function<void()>& sync) {
  using namespace ui::mirror;
  unsigned listed = 0;
  for (const ui::Mirrored& m : list.Entries()) {
    listed |= m.aspects;
    if (!(m.aspects & kCaption)) continue;
    const QByteArray name = NameOf(m.widget);
    const bool plain = std::find(plainText.begin(), plainText.end(), name) != plainText.end();
    QVERIFY2(bool(m.aspects & kTextColor) != plain, name.constData());
  }
  QCOMPARE(listed & used, used);

  int i = 0;
  for (const ui::Mirrored& m : list.Entries()) {
    // The controls belong to the core's windows, which are not const.
    auto& c = const_cast<Control&>(*m.control);
    ++i;
    c.Color = Rgb{static_cast<std::uint8_t>(17 * i + 1), 0x5A, 0xA5};
    c.FontColor = Rgb{0x21, static_cast<std::uint8_t>(13 * i + 3), 0x42};
    if (c.FontSize > 0) c.FontSize += 1;
    if (c.Width > 0 && c.Height > 0) c.Left += 1;
    if (m.aspects & kVisible) c.Visible = !c.Visible;
  }
  sync();

  for (const ui::Mirrored& m : list.Entries()) {
    const Control& c = *m.control;
    QWidget* w = m.widget;
    const QByteArray name = NameOf(w);
    const char* n = name.constData();
    if (m.aspects & kCaption) QVERIFY2(ShownText(w) == ui::Qs(c.Caption), n);
    if (m.aspects & kTitle) QVERIFY2(w->windowTitle() == ui::Qs(c.Caption), n);
    if ((m.aspects & kPlace) && c.Width > 0 && c.Height > 0)
      QVERIFY2(w->geometry() == QRect(c.Left, c.Top, c.Width, c.Height), n);
    if ((m.aspects & kFitText) && c.Width <= 0) QVERIFY2(w->size() == w->sizeHint(), n);
    if (m.aspects & kBackground) {
      QVERIFY2(w->autoFillBackground(), n);
      QVERIFY2(w->palette().color(QPalette::Window) == ui::Qc(c.Color), n);
    }
    if (m.aspects & kTextColor)
      QVERIFY2(w->palette().color(QPalette::WindowText) == ui::Qc(c.FontColor), n);
    if ((m.aspects & kFontSize) && c.FontSize > 0) QVERIFY2(w->font().pixelSize() == c.FontSize, n);
    if (m.aspects & kVisible) QVERIFY2(w->isVisibleTo(w->parentWidget()) == c.Visible, n);
  }
}

}  // namespace vcq::test

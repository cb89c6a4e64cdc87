#include "ui/Accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <vector>

#include "ui/CommandButton.h"
#include "ui/DrillScreenView.h"
#include "ui/MainWindowView.h"
#include "ui/TextConversion.h"

namespace vcq::ui {

namespace {

const QString kGapName = QStringLiteral("答えの欄");

// A widget with a role of its own, named by its accessible name, else by
// what it shows.
class Described : public QAccessibleWidget {
 public:
  Described(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      if (auto* l = qobject_cast<QLabel*>(widget())) return l->text();
    return QAccessibleWidget::text(t);
  }
};

// A command panel: "F2 開く", with its hint as the description; pressing it
// runs the command as a click does.
class CommandAccessible : public QAccessibleWidget {
 public:
  explicit CommandAccessible(CommandButton* b) : QAccessibleWidget(b, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    const auto* b = static_cast<const CommandButton*>(widget());
    if (t == QAccessible::Name) return b->AccessibleName();
    if (t == QAccessible::Description) return b->toolTip();
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& action) override {
    auto* b = static_cast<CommandButton*>(widget());
    if (action == pressAction() && b->onClick) b->onClick();
  }
};

// A choice panel: "1 apple", its digit and its text.
class ChoiceAccessible : public QAccessibleWidget {
 public:
  explicit ChoiceAccessible(ChoicePanel* p) : QAccessibleWidget(p, QAccessible::ListItem) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    const auto* p = static_cast<const ChoicePanel*>(widget());
    const auto* digit = p->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
    const QString key = digit ? digit->text() : QString();
    return key.isEmpty() ? p->text() : key + ' ' + p->text();
  }
};

// The answer gap: an editable text whose text is what was typed, named
// "答えの欄" (or the last thing said, before Qt 6.8) and described by the
// sentence with the gap's place, which the view sets.
class GapAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit GapAccessible(AnswerGap* g) : QAccessibleWidget(g, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = true;
    s.focusable = true;
    s.focused = widget()->hasFocus();
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Text();
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return kGapName;
    return QAccessibleWidget::text(t);
  }

  // Read only: the learner's keys, not the screen reader, change the text.
  void selection(int, int* start, int* end) const override { *start = *end = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return static_cast<int>(Text().size()); }
  void setCursorPosition(int) override {}
  QString text(int start, int end) const override { return Text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Text().size()); }
  QRect characterRect(int) const override { return rect(); }
  int offsetAtPoint(const QPoint&) const override { return characterCount(); }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

 private:
  QString Text() const { return static_cast<const AnswerGap*>(widget())->Text(); }
};

// The parts of the score map, which has no widgets: a list under the main
// window, described by its summary, and one item per question. Both read
// the map as it is when asked.
class MapAccessible;

// A part of the score map where it is on the screen.
QRect OnScreen(const QWidget* view, const MapRect& r) {
  return {view->mapToGlobal(QPoint(r.left, r.top)), QSize(r.right - r.left, r.bottom - r.top)};
}

// The map and its cells are read, never changed, by the learner.
QAccessible::State ReadOnly() {
  QAccessible::State s;
  s.readOnly = true;
  return s;
}

class CellAccessible : public QAccessibleInterface {
 public:
  CellAccessible(MapAccessible* map, MainWindowView* view, std::size_t index)
      : map_(map), view_(view), index_(index) {}

  bool isValid() const override { return view_ && index_ < view_->Map().cells.size(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name || !isValid()) return {};
    return Qs(CellText(view_->Map().cells[index_]));
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    return isValid() ? OnScreen(view_, view_->Map().cells[index_].place) : QRect();
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override { return ReadOnly(); }

 private:
  MapAccessible* map_;
  QPointer<MainWindowView> view_;
  std::size_t index_;
};

class MapAccessible : public QAccessibleInterface {
 public:
  explicit MapAccessible(MainWindowView* view) : view_(view) {}
  ~MapAccessible() override {
    for (QAccessible::Id id : cells_) QAccessible::deleteAccessibleInterface(id);
  }

  bool isValid() const override { return view_; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return view_ ? view_->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override {
    return view_ ? QAccessible::queryAccessibleInterface(view_) : nullptr;
  }
  QAccessibleInterface* child(int i) const override {
    if (i < 0 || i >= childCount()) return nullptr;
    // Made when first asked for, and kept: an item reads its cell by index.
    while (cells_.size() <= static_cast<std::size_t>(i)) {
      auto* cell = new CellAccessible(const_cast<MapAccessible*>(this), view_, cells_.size());
      cells_.push_back(QAccessible::registerAccessibleInterface(cell));
    }
    return QAccessible::accessibleInterface(cells_[static_cast<std::size_t>(i)]);
  }
  int childCount() const override {
    return view_ ? static_cast<int>(view_->Map().cells.size()) : 0;
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    for (std::size_t i = 0; i < cells_.size(); ++i)
      if (QAccessible::accessibleInterface(cells_[i]) == c)
        return static_cast<int>(i) < childCount() ? static_cast<int>(i) : -1;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0; i < childCount(); ++i)
      if (child(i)->rect().contains(x, y)) return child(i);
    return nullptr;
  }
  QString text(QAccessible::Text t) const override {
    if (!view_) return {};
    if (t == QAccessible::Name) return QStringLiteral("成績マップ");
    if (t == QAccessible::Description) return Qs(MapSummary(view_->Map())).trimmed();
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override { return view_ ? OnScreen(view_, kMapArea) : QRect(); }
  QAccessible::Role role() const override { return QAccessible::List; }
  QAccessible::State state() const override { return ReadOnly(); }

 private:
  QPointer<MainWindowView> view_;
  mutable std::vector<QAccessible::Id> cells_;
};

QAccessibleInterface* CellAccessible::parent() const {
  return map_;
}

// The main window: a frame whose last child is the score map.
class MainAccessible : public Described {
 public:
  explicit MainAccessible(MainWindowView* view) : Described(view, QAccessible::Window) {}
  ~MainAccessible() override {
    if (map_) QAccessible::deleteAccessibleInterface(map_);
  }

  QAccessibleInterface* Map() const {
    if (!map_)
      map_ = QAccessible::registerAccessibleInterface(
          new MapAccessible(static_cast<MainWindowView*>(widget())));
    return QAccessible::accessibleInterface(map_);
  }
  int childCount() const override { return Described::childCount() + 1; }
  QAccessibleInterface* child(int i) const override {
    return i == Described::childCount() ? Map() : Described::child(i);
  }
  int indexOfChild(const QAccessibleInterface* c) const override {
    return c && c == QAccessible::accessibleInterface(map_) ? Described::childCount()
                                                            : Described::indexOfChild(c);
  }

 private:
  mutable QAccessible::Id map_ = 0;
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* w = static_cast<QWidget*>(object);
  if (auto* b = dynamic_cast<CommandButton*>(w)) return new CommandAccessible(b);
  if (auto* m = dynamic_cast<MainWindowView*>(w)) return new MainAccessible(m);
  if (auto* g = dynamic_cast<AnswerGap*>(w)) return new GapAccessible(g);
  if (auto* p = dynamic_cast<ChoicePanel*>(w)) return new ChoiceAccessible(p);
  // (Our widget classes have no meta-object of their own: findChild would
  // take any label for a choice panel.)
  if (className == QLatin1String("QLabel"))
    for (QObject* c : w->children())
      if (dynamic_cast<ChoicePanel*>(c)) return new Described(w, QAccessible::List);
  // Our windows are plain widgets, which Qt reads as fillers: a modal one is
  // a dialog, the others frames. Qt's own windows have classes of their own.
  if (className == QLatin1String("QWidget") && w->isWindow())
    return new Described(w, w->isModal() || w->windowType() == Qt::Dialog ? QAccessible::Dialog
                                                                          : QAccessible::Window);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  QAccessible::installFactory(Factory);
}

AnswerGap::AnswerGap(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Ignored, a key goes on to the parents, up to the window that handles it.
void AnswerGap::keyPressEvent(QKeyEvent* e) {
  e->ignore();
}

void AnswerGap::keyReleaseEvent(QKeyEvent* e) {
  e->ignore();
}

void SendGapChange(AnswerGap* gap, const QString& after) {
  const QString before = gap->text_;
  if (before == after) return;
  gap->text_ = after;
  if (after.startsWith(before)) {
    QAccessibleTextInsertEvent e(gap, static_cast<int>(before.size()), after.mid(before.size()));
    QAccessible::updateAccessibility(&e);
  } else if (before.startsWith(after)) {
    QAccessibleTextRemoveEvent e(gap, static_cast<int>(after.size()), before.mid(after.size()));
    QAccessible::updateAccessibility(&e);
  } else {
    QAccessibleTextUpdateEvent e(gap, 0, before, after);
    QAccessible::updateAccessibility(&e);
  }
  QAccessibleValueChangeEvent v(gap, after);
  QAccessible::updateAccessibility(&v);
}

void Announce(AnswerGap* gap, const QStringList& texts) {
  if (texts.isEmpty()) return;
  QString text;
  for (const QString& t : texts) {
    if (!text.isEmpty() && !text.endsWith(u'。')) text += u'。';
    text += t;
  }
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent e(gap, text);
  QAccessible::updateAccessibility(&e);
#else
  gap->setAccessibleName(text);  // sends the name change itself
  QAccessibleEvent alert(gap, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
#endif
}

void MapChanged(MainWindowView* view) {
  if (!QAccessible::isActive()) return;
  auto* main = dynamic_cast<MainAccessible*>(QAccessible::queryAccessibleInterface(view));
  if (!main) return;
  QAccessibleEvent e(main->Map(), QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&e);
}

}  // namespace vcq::ui

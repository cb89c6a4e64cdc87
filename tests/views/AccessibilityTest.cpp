// What a screen reader finds in the windows, read through QAccessible as an
// assistive technology would: roles and names of the commands and windows,
// the answer gap that holds the focus, the choice list, and the events of a
// wrong and a right answer in the order the learner sees them.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QtTest>

#include "screens/ScoreMap.h"
#include "tests/support/ChoiceDrill.h"
#include "tests/support/DrillBanks.h"
#include "tests/support/DrillDriver.h"
#include "tests/support/TextFiles.h"
#include "tests/views/DrillWindowFixture.h"
#include "ui/Contrast.h"
#include "ui/DrillScreenView.h"
#include "ui/Gui.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindowView.h"
#include "ui/Mirroring.h"
#include "ui/OptionsView.h"
#include "ui/PlayerNameView.h"
#include "ui/ScoreTableView.h"

using namespace vcq;

namespace {

QAccessibleInterface* Iface(QObject* o) {
  return QAccessible::queryAccessibleInterface(o);
}

// Every interface under `root`, depth first.
void Walk(QAccessibleInterface* root, QList<QAccessibleInterface*>& out) {
  out << root;
  for (int i = 0; i < root->childCount(); ++i)
    if (QAccessibleInterface* c = root->child(i)) Walk(c, out);
}

QList<QAccessibleInterface*> WithRole(QObject* window, QAccessible::Role role) {
  QList<QAccessibleInterface*> all, found;
  Walk(Iface(window), all);
  for (QAccessibleInterface* i : all)
    if (i->role() == role && i->state().invisible == 0) found << i;
  return found;
}

// What a screen reader hears, in order: "type:text" for each event.
struct Heard {
  static inline QStringList events;
  static void Record(QAccessibleEvent* e) {
    QAccessibleInterface* i = e->accessibleInterface();
    const QString name = i ? i->text(QAccessible::Name) : QString();
    switch (e->type()) {
      case QAccessible::NameChanged:
        if (i && i->role() == QAccessible::EditableText) events << "said:" + name;
        break;
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
      case QAccessible::Announcement:
        events << "said:" + static_cast<QAccessibleAnnouncementEvent*>(e)->message();
        break;
#endif
      case QAccessible::TextInserted:
        events << "typed:" + static_cast<QAccessibleTextInsertEvent*>(e)->textInserted();
        break;
      case QAccessible::TextRemoved:
        events << "removed:" + static_cast<QAccessibleTextRemoveEvent*>(e)->textRemoved();
        break;
      case QAccessible::TextSelectionChanged:
        if (const auto* s = static_cast<QAccessibleTextSelectionEvent*>(e); i && i->textInterface())
          events << "selected:" + i->textInterface()->text(s->selectionStart(), s->selectionEnd());
        break;
      default:
        break;
    }
  }
};

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private:
  struct Fixture : test::DrillWindowFixture {
    using DrillWindowFixture::DrillWindowFixture;
    void StartDrill() {
      PressF5();
      gui.ViewOf<ui::DrillScreenView>().activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(&gui.ViewOf<ui::DrillScreenView>()));
    }
  };

 private slots:
  void initTestCase() {
    // As a screen reader's bridge would: Qt sends events only while one is on.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform) QSKIP("this platform has no accessibility");
    platform->setActive(true);
    QVERIFY(QAccessible::isActive());
    QAccessible::installUpdateHandler(&Heard::Record);
  }

  // The main window is a frame named with its caption; each command a push
  // button named with its key and caption, its hint as the description, and
  // pressing it runs the command. The player window's box is named by its
  // prompt, every window of ours is a frame or a dialog, and the score table
  // a table.
  void commandsAndWindowsAreNamed() {
    Fixture f(test::TypedBank({"I @go home"}));
    QAccessibleInterface* main = Iface(&f.gui.MainWindow());
    QCOMPARE(main->role(), QAccessible::Window);
    QCOMPARE(main->text(QAccessible::Name), f.gui.MainWindow().windowTitle());
    QVERIFY(!main->text(QAccessible::Name).isEmpty());

    QMap<QString, QString> buttons;
    for (QAccessibleInterface* b : WithRole(&f.gui.MainWindow(), QAccessible::Button))
      buttons[b->text(QAccessible::Name)] = b->text(QAccessible::Description);
    QCOMPARE(buttons.value("F2 開く"), QString("成績を開く"));
    QCOMPARE(buttons.value("F1 終了"), QString("Vocaraの終了"));
    QVERIFY(buttons.contains("F9 ﾍﾙﾌﾟ"));
    for (auto it = buttons.cbegin(); it != buttons.cend(); ++it)
      QVERIFY2(it.key().startsWith('F') && it.key().contains(' '), qPrintable(it.key()));

    QAccessibleInterface* go = nullptr;
    for (QAccessibleInterface* b : WithRole(&f.gui.MainWindow(), QAccessible::Button))
      if (b->text(QAccessible::Description) == "問題を始める") go = b;
    QVERIFY(go && go->actionInterface());
    go->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(f.gui.ViewOf<ui::DrillScreenView>().isVisible());
    QCOMPARE(Iface(&f.gui.ViewOf<ui::DrillScreenView>())->role(), QAccessible::Window);
    QCOMPARE(Iface(&f.gui.ViewOf<ui::DrillScreenView>())->text(QAccessible::Name),
             QString("MiravelCompany"));

    ui::PlayerNameView& input = f.gui.ViewOf<ui::PlayerNameView>();
    input.Sync();
    QAccessibleInterface* box = Iface(input.findChild<QLineEdit*>("MaskEdit1"));
    QCOMPARE(box->text(QAccessible::Name), input.findChild<QLabel*>("Label1")->text());
    QVERIFY(!box->text(QAccessible::Name).isEmpty());
    QCOMPARE(Iface(&input)->role(), QAccessible::Dialog);
    QCOMPARE(Iface(&f.gui.ViewOf<ui::OptionsView>())->role(), QAccessible::Dialog);
    QAccessibleInterface* table = Iface(&f.gui.ViewOf<ui::ScoreTableView>().Grid());
    QCOMPARE(table->role(), QAccessible::Table);
    QVERIFY(table->tableInterface());
  }

  // The help is a frame named with its title, holding the document as text;
  // Tab goes from link to link, each heard as it is selected, and Enter
  // takes the caret to the link's section.
  void theHelpIsAWindowOfTextWithItsLinksHeard() {
    ui::HelpWindow help(qEnvironmentVariable("VCQ_ASSET_DIR") + "/help/vcq10.html");
    help.ShowContents();
    QVERIFY(QTest::qWaitForWindowActive(&help));
    QCOMPARE(Iface(&help)->role(), QAccessible::Window);
    QCOMPARE(Iface(&help)->text(QAccessible::Name), QString("VCQuick ヘルプ"));
    QAccessibleInterface* text = Iface(&help.Browser());
    QCOMPARE(text->parent()->object(), &help);
    QVERIFY(text->textInterface());
    QVERIFY(text->textInterface()
                ->text(0, text->textInterface()->characterCount())
                .contains("クラスの成績"));
    Heard::events.clear();
    QTest::keyClick(&help.Browser(), Qt::Key_Tab);
    QTest::keyClick(&help.Browser(), Qt::Key_Tab);
    QCOMPARE(Heard::events, (QStringList{"selected:はじめに", "selected:画面とキー"}));
    // Enter follows the link, and reading goes on from the section.
    QTest::keyClick(&help.Browser(), Qt::Key_Return);
    QAccessibleTextInterface* t = text->textInterface();
    QTRY_VERIFY(t->text(t->cursorPosition(), t->cursorPosition() + 8).startsWith("2. 画面とキー"));
  }

  // The score map is the main window's last child: a list described by its
  // summary, one item per question with its number and level, each at its
  // cell; a drill's verdict shows in both.
  void theScoreMapIsReadCellByCell() {
    Fixture f(test::TypedBank({"I @go home", "you @come"}));
    QAccessibleInterface* main = Iface(&f.gui.MainWindow());
    QAccessibleInterface* map = main->child(main->childCount() - 1);
    QCOMPARE(map->role(), QAccessible::List);
    QCOMPARE(map->text(QAccessible::Name), QString("成績マップ"));
    QCOMPARE(map->parent(), main);
    QCOMPARE(main->indexOfChild(map), main->childCount() - 1);
    QVERIFY2(map->text(QAccessible::Description).contains("未解答 2、不正解 0"),
             qPrintable(map->text(QAccessible::Description)));
    QCOMPARE(map->childCount(), 2);
    QCOMPARE(map->child(1)->text(QAccessible::Name), QString("問 2 未解答"));
    QCOMPARE(map->child(1)->parent(), map);
    QCOMPARE(map->indexOfChild(map->child(1)), 1);
    const QRect cell = map->child(0)->rect();
    QCOMPARE(map->childAt(cell.center().x(), cell.center().y()), map->child(0));

    f.StartDrill();
    QTest::keyClicks(QApplication::focusWidget(), "gx");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    f.d.SettleAnimations();
    QTest::keyClicks(QApplication::focusWidget(), "go");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    f.d.SettleAnimations();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!f.gui.ViewOf<ui::DrillScreenView>().isVisible());
    QCOMPARE(map->child(0)->text(QAccessible::Name), QString("問 1 不正解"));
    QVERIFY(map->text(QAccessible::Description).contains("未解答 1、不正解 1"));
  }

  // The focus is the answer gap, an editable text: keys sent to it reach the
  // drill, each letter is heard as typed, and the verdicts come as they are
  // shown: wrong with the answer, the correction and its explanation, then
  // right as soon as Enter is down, then the batch's score.
  void theGapHasTheFocusAndTheVerdictsAreHeardInOrder() {
    Fixture f(test::TypedBank({"I @go home", "you @come"}));
    f.StartDrill();
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QAccessibleInterface* gap = Iface(focus);
    QCOMPARE(gap->role(), QAccessible::EditableText);
    QVERIFY(gap->state().focused);
    QCOMPARE(gap->text(QAccessible::Description), QString("I (    ) home "));

    Heard::events.clear();
    QTest::keyClicks(focus, "gx");
    QTest::keyClick(focus, Qt::Key_Backspace);
    QCOMPARE(f.d.t.app.frmQues.w2.Caption, std::string("g"));
    QCOMPARE(gap->textInterface()->text(0, 1), QString("g"));
    QCOMPARE(gap->text(QAccessible::Value), QString("g"));
    QTest::keyClick(focus, Qt::Key_Return);
    QCOMPARE(gap->text(QAccessible::Description), QString("I (go) home "));
    QCOMPARE(Heard::events, (QStringList{"typed:g", "typed:x", "removed:x",
                                         "said:違います。正解は go。直しです。説明 0"}));

    Heard::events.clear();
    QTest::keyClicks(focus, "go");
    QTest::keyClick(focus, Qt::Key_Return);
    f.d.SettleAnimations();
    QTest::keyClicks(QApplication::focusWidget(), "come");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    f.d.SettleAnimations();
    QStringList said = Heard::events.filter(QRegularExpression("^said:"));
    QCOMPARE(said.mid(0, 3),
             (QStringList{"said:正解です", "said:正解です", "said:得点 50 点。復習です"}));
    QCOMPARE(Heard::events.indexOf("said:正解です"), Heard::events.indexOf("typed:o") + 1);
  }

  // A choice question: the nine panels are a list of items named with their
  // digit and text, those not in use hidden.
  void choicesAreAListOfNamedItems() {
    Fixture f(test::ChoiceBank({{0, "go went gone", "I @went home"}}));
    f.StartDrill();
    const auto lists = WithRole(&f.gui.ViewOf<ui::DrillScreenView>(), QAccessible::List);
    QCOMPARE(lists.size(), 1);
    QCOMPARE(lists[0]->childCount(), 9);
    QStringList shown;
    for (int i = 0; i < 9; ++i) {
      QAccessibleInterface* item = lists[0]->child(i);
      QCOMPARE(item->role(), QAccessible::ListItem);
      if (!item->state().invisible) shown << item->text(QAccessible::Name);
    }
    shown.sort();
    QCOMPARE(shown.size(), 3);
    QVERIFY2(shown[0].startsWith("1 ") && shown[2].startsWith("3 "), qPrintable(shown.join('|')));
    QStringList words;
    for (const QString& s : shown) words << s.mid(2);
    words.sort();
    QCOMPARE(words, (QStringList{"go", "gone", "went"}));
  }

  // In high contrast every mirrored text stands at 4.5:1 or more on what is
  // behind it, the white "直しです" on the pink strip included; off, it
  // keeps its colour.
  void highContrastKeepsTextReadable() {
    auto correction = [](bool high) {
      ui::SetHighContrast(high);
      Fixture f(test::TypedBank({"I @go home"}));
      f.StartDrill();
      QTest::keyClicks(QApplication::focusWidget(), "gx");
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      f.gui.SyncAll();
      ui::SetHighContrast(false);
      QStringList low;
      for (const ui::MirrorList* list :
           {&f.gui.ViewOf<ui::DrillScreenView>().Mirrors(), &f.gui.MainWindow().Mirrors()})
        for (const ui::Mirrored& m : list->Entries()) {
          if (!(m.aspects & ui::mirror::kTextColor)) continue;
          const double ratio = ui::ContrastRatio(m.widget->palette().color(QPalette::WindowText),
                                                 ui::BackgroundBehind(m.widget));
          if (ratio < 4.5) low << m.widget->objectName();
        }
      return std::pair{
          low, f.gui.ViewOf<ui::DrillScreenView>().findChild<QLabel*>("lblMes")->palette().color(
                   QPalette::WindowText)};
    };
    const auto [lowOff, mesOff] = correction(false);
    QVERIFY(lowOff.contains("lblMes"));
    QCOMPARE(mesOff, QColor(Qt::white));
    const auto [lowOn, mesOn] = correction(true);
    QVERIFY2(lowOn.isEmpty(), qPrintable(lowOn.join(' ')));
    QCOMPARE(mesOn, QColor(Qt::black));
  }

  // In high contrast the map's four levels differ in shape, not only in
  // hue: the dark pixels inside a cell grow from never answered (none) to
  // wrong (a cross), right once (half) and mastered (all).
  void highContrastMarksTheMapLevels() {
    ui::SetHighContrast(true);
    Fixture f(test::TypedBank({"a @b", "c @d", "e @f", "g @h"}));
    const int levels[] = {-1, 0, 1, 2};
    for (int q = 0; q < 4; ++q) f.d.t.app.rec.OkLevel[q] = levels[q];
    DrawMapCells(f.d.t.app.frmMain.mapCanvas);
    f.gui.SyncAll();
    const QImage shot = f.gui.MainWindow().grab().toImage();
    ui::SetHighContrast(false);
    std::vector<int> dark;
    for (const MapCell& c : f.d.t.app.frmMain.map.cells) {
      int n = 0;
      for (int y = c.place.top + 1; y < c.place.bottom - 1; ++y)
        for (int x = c.place.left + 1; x < c.place.right - 1; ++x)
          if (qGray(shot.pixel(x, y)) < 64) ++n;
      dark.push_back(n);
    }
    QCOMPARE(dark.size(), 4u);
    QCOMPARE(dark[0], 0);
    QVERIFY2(
        dark[0] < dark[1] && dark[1] < dark[2] && dark[2] < dark[3],
        qPrintable(QString("%1 %2 %3 %4").arg(dark[0]).arg(dark[1]).arg(dark[2]).arg(dark[3])));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"

// Qt's own buttons and dialogs speak the learner's language: Japanese
// under a Japanese locale, English under "C".
#include <QDialogButtonBox>
#include <QPushButton>
#include <QtTest>

#include "ui/QtTranslations.h"

using namespace vcq;

class QtTranslationsTest : public QObject {
  Q_OBJECT

  static QString CancelText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
  }

 private slots:
  void standardButtonsFollowTheLocale() {
    {
      const ui::QtTranslations ja(QLocale("ja_JP"));
      QVERIFY2(ja.Installed(), "qtbase_ja.qm missing: is qt6-translations-l10n installed?");
      QCOMPARE(CancelText(), QStringLiteral("キャンセル"));
    }
    const ui::QtTranslations c(QLocale::c());
    QVERIFY(!c.Installed());
    QCOMPARE(CancelText(), QStringLiteral("Cancel"));
  }
};

QTEST_MAIN(QtTranslationsTest)
#include "QtTranslationsTest.moc"

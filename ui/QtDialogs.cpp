#include "ui/QtDialogs.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QPushButton>

#include "ui/FileDialogLayout.h"
#include "ui/HelpWindow.h"

namespace vcq::ui {

namespace {

const QString kBoxTitle = QStringLiteral("VCQuick");

}  // namespace

QString QtFilter(std::string_view filter) {
  const QStringList parts = QString::fromUtf8(filter.data(), filter.size()).split('|');
  QStringList out;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) p = p.trimmed();
    out << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.join(' '));
  }
  return out.join(";;");
}

QtDialogs::QtDialogs(QString helpFile) : helpFile_(std::move(helpFile)) {}

QtDialogs::~QtDialogs() = default;

void QtDialogs::Attach(QWidget* parent, std::function<QDialog*()> inputWindow) {
  parent_ = parent;
  input_ = std::move(inputWindow);
}

std::optional<std::string> QtDialogs::OpenFile(const FileDialogRequest& request) {
  // Before the dialog lists the folder: its files may get new names.
  if (request.showing) request.showing(request.folder);
  // Qt's own dialog: it looks the same on every desktop and takes a typed path.
  QFileDialog dlg(parent_, QString::fromStdString(request.title),
                  QString::fromStdString(request.folder), QtFilter(request.filter));
  dlg.setOption(QFileDialog::DontUseNativeDialog);
  if (request.saveName.empty()) {
    dlg.setFileMode(QFileDialog::ExistingFile);
    dlg.setAcceptMode(QFileDialog::AcceptOpen);
  } else {
    // The program asks before replacing a file, as it does everywhere else.
    dlg.setFileMode(QFileDialog::AnyFile);
    dlg.setAcceptMode(QFileDialog::AcceptSave);
    dlg.setOption(QFileDialog::DontConfirmOverwrite);
    dlg.selectFile(QString::fromStdString(request.saveName));
  }
  // Every folder the dialog moves to, however (a double click, a typed path,
  // the look-in list); queued, so that the dialog has finished moving.
  if (auto* model = dlg.findChild<QFileSystemModel*>(); model && request.showing)
    QObject::connect(
        model, &QFileSystemModel::rootPathChanged, &dlg,
        [&request](const QString& folder) {
          request.showing(QFile::encodeName(folder).toStdString());
        },
        Qt::QueuedConnection);
  FitFileDialog(dlg);
  if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
  return QFile::encodeName(dlg.selectedFiles().first()).toStdString();
}

void QtDialogs::ExecInput() {
  if (input_)
    if (QDialog* d = input_()) d->exec();
}

void QtDialogs::ShowError(const std::string& utf8Message) {
  QMessageBox::critical(parent_, kBoxTitle, QString::fromStdString(utf8Message));
}

void QtDialogs::ShowInfo(const std::string& utf8Message) {
  QMessageBox::information(parent_, kBoxTitle, QString::fromStdString(utf8Message));
}

bool QtDialogs::AskYesNo(const std::string& utf8Message) {
  return QMessageBox::question(parent_, kBoxTitle, QString::fromStdString(utf8Message),
                               QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::No) == QMessageBox::Yes;
}

std::size_t QtDialogs::AskChoice(const std::string& utf8Message,
                                 const std::vector<std::string>& choices) {
  QMessageBox box(QMessageBox::Question, kBoxTitle, QString::fromStdString(utf8Message),
                  QMessageBox::NoButton, parent_);
  std::vector<QPushButton*> buttons;
  for (std::size_t i = 0; i < choices.size(); ++i)
    buttons.push_back(
        box.addButton(QString::fromStdString(choices[i]),
                      i + 1 == choices.size() ? QMessageBox::RejectRole : QMessageBox::ActionRole));
  if (buttons.empty()) return 0;
  // The last risks nothing: Enter and Esc alike.
  box.setDefaultButton(buttons.back());
  box.setEscapeButton(buttons.back());
  box.exec();
  for (std::size_t i = 0; i < buttons.size(); ++i)
    if (box.clickedButton() == buttons[i]) return i;
  return buttons.size() - 1;
}

void QtDialogs::ShowHelp() {
  if (!help_) help_ = std::make_unique<HelpWindow>(helpFile_);
  help_->ShowContents();
}

}  // namespace vcq::ui

#include "shell/qt_user_interface.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

#include "shell/busy_cursor.h"

namespace tarvello {
namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Exclamation:
      return QMessageBox::Warning;
    case MessageIcon::Critical:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

QStringList qtNameFilters(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i].trimmed();
    const QString patterns = parts[i + 1].split(';', Qt::SkipEmptyParts).join(' ');
    // QFileDialog takes the patterns from the last parentheses of the entry,
    // so a description that lists them with ';' must list them with blanks.
    static const QRegularExpression listed(R"(\s*\([^()]*\)\s*$)");
    description.remove(listed);
    filters << QString("%1 (%2)").arg(description, patterns);
  }
  if (filters.isEmpty() && !filter.empty()) filters << QString::fromStdString(filter);
  return filters;
}

QtUserInterface::QtUserInterface(QWidget* parent, std::string programFolder)
    : parent_(parent), programFolder_(std::move(programFolder)) {}

std::string QtUserInterface::askFileName(const FileDialogRequest& request, bool save) {
  const std::string& folder =
      request.initialFolder.empty() ? programFolder_ : request.initialFolder;
  QFileDialog dialog(parent_, QString::fromStdString(request.title),
                     QString::fromStdString(folder));
  dialog.setObjectName("printDlg");
  dialog.setNameFilters(qtNameFilters(request.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(!save && request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The commands ask their own overwrite question, with their own words.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  QString suffix = QString::fromStdString(request.defaultExtension);
  if (suffix.startsWith('.')) suffix.remove(0, 1);
  if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
  if (!request.fileName.empty()) dialog.selectFile(QString::fromStdString(request.fileName));

  ScopedCursor arrow(Qt::ArrowCursor);
  if (dialog.exec() != QDialog::Accepted) return {};
  const QStringList chosen = dialog.selectedFiles();
  return chosen.isEmpty() ? std::string() : chosen.first().toStdString();
}

std::string QtUserInterface::askOpenFileName(const FileDialogRequest& request) {
  return askFileName(request, false);
}

std::string QtUserInterface::askSaveFileName(const FileDialogRequest& request) {
  return askFileName(request, true);
}

std::string QtUserInterface::askFolder(const FileDialogRequest& request) {
  const std::string& folder =
      request.initialFolder.empty() ? programFolder_ : request.initialFolder;
  ScopedCursor arrow(Qt::ArrowCursor);
  // The dialog's own New Folder button makes the folder of a new set.
  return QFileDialog::getExistingDirectory(parent_, QString::fromStdString(request.title),
                                           QString::fromStdString(folder))
      .toStdString();
}

bool QtUserInterface::askYesNo(const std::string& text, MessageIcon icon) {
  QMessageBox box(qtIcon(icon), kApplicationTitle, QString::fromStdString(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  ScopedCursor arrow(Qt::ArrowCursor);
  return box.exec() == QMessageBox::Yes;
}

void QtUserInterface::showMessage(const std::string& text, MessageIcon icon) {
  QMessageBox box(qtIcon(icon), kApplicationTitle, QString::fromStdString(text), QMessageBox::Ok,
                  parent_);
  ScopedCursor arrow(Qt::ArrowCursor);
  box.exec();
}

}  // namespace tarvello

#include "shell/help_window.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "shell/widget_names.h"

namespace tarvello {

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), browser_(new QTextBrowser(this)) {
  setObjectName(widget::kHelpWindow);
  setWindowTitle("Tarvello Help");
  browser_->setObjectName(widget::kHelpBrowser);
  browser_->setOpenExternalLinks(true);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(820, 700);
}

bool HelpWindow::showGuide(const QString& path) {
  const QFileInfo file(path);
  if (!file.isFile() || !file.isReadable()) return false;
  browser_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
  show();
  raise();
  activateWindow();
  return true;
}

}  // namespace tarvello

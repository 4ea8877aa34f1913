#include "viewer/dxf_view_window.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

#include <new>
#include <utility>

#include "dxf/dxf_reader.h"
#include "viewer/drawing_view.h"
#include "viewer/dxf_load_progress.h"

namespace tarvello {

DxfViewWindow::DxfViewWindow(QWidget* parent)
    : QDialog(parent),
      menuBar_(new QMenuBar(this)),
      view_(new DrawingView(this)),
      status_(new QLabel(this)) {
  setObjectName("frmDxfView");
  setWindowTitle("DXF Profile View");
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  resize(1000, 700);

  QMenu* file = menuBar_->addMenu("&File");
  file->setObjectName("mnuFile");
  QAction* print = file->addAction("&Print...");
  print->setObjectName("mnuPrint");
  connect(print, &QAction::triggered, this, &DxfViewWindow::askPrint);
  QAction* exportPdf = file->addAction("Export &PDF...");
  exportPdf->setObjectName("mnuExportPdf");
  connect(exportPdf, &QAction::triggered, this, &DxfViewWindow::askExportPdf);
  file->addSeparator();
  QAction* exit = file->addAction("E&xit");
  exit->setObjectName("mnuExit");
  connect(exit, &QAction::triggered, this, &QDialog::accept);

  QMenu* help = menuBar_->addMenu("&Help");
  help->setObjectName("mnuhelp");
  QAction* helpTopic = help->addAction("Tarvello Help");
  helpTopic->setObjectName("mnuPPHelp");
  connect(helpTopic, &QAction::triggered, this, &DxfViewWindow::helpRequested);

  view_->setObjectName("DwgViewX1");
  status_->setObjectName("viewStatus");
  status_->setContentsMargins(6, 2, 6, 2);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setMenuBar(menuBar_);
  layout->addWidget(view_, 1);
  layout->addWidget(status_);
}

QString DxfViewWindow::loadFile(const QString& path) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  DxfReadResult result;
  try {
    // A large drawing is read on a worker thread behind a progress dialog, so
    // the window neither freezes nor goes unpainted; the cursor stays busy
    // while the scene is built.
    QApplication::restoreOverrideCursor();
    result = readWithProgress_ ? readDxfWithProgress(path, isVisible() ? this : parentWidget())
                               : readDxfFile(path.toStdString());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (result.ok) view_->showEntities(result.entities);
  } catch (const std::bad_alloc&) {
    // The reading answers for itself; this is the drawing of what was read.
    result = DxfReadResult{};
    result.error =
        "There is not enough memory to read " + QFileInfo(path).fileName().toStdString() + ".";
  }
  QApplication::restoreOverrideCursor();
  cancelled_ = result.cancelled;
  if (!result.ok) {
    view_->clearDrawing();
    status_->clear();
    entities_ = {};
    path_.clear();
    return QString::fromStdString(result.error);
  }
  entities_ = std::move(result.entities);  // a large drawing is not held twice
  path_ = path;

  QString text = QFileInfo(path).fileName() + QString(" - %1 entities").arg(entities_.count());
  if (entities_.skipped > 0)
    text += QString(", %1 of kinds this viewer does not draw").arg(entities_.skipped);
  text += "    Wheel: zoom  -  drag: pan  -  double-click or Home: whole drawing";
  status_->setText(text);
  return {};
}

}  // namespace tarvello

#include "shell/drawing_viewing.h"

#include <QMainWindow>
#include <QStatusBar>

#include "commands/browse.h"
#include "commands/commands.h"

namespace tarvello {

DrawingViewing::DrawingViewing(Session& session, UserInterface& ui, QMainWindow& window)
    : QObject(&window), session_(session), ui_(ui), window_(window) {}

void DrawingViewing::viewDrawing() {
  const std::string chosen =
      askDrawingToView(session_, ui_, startAtSavedDrawing_ ? folderOf(session_.lastDrawing) : "");
  if (chosen.empty()) return;
  startAtSavedDrawing_ = false;
  emit folderChosen();
  showDrawingFile(chosen);
}

void DrawingViewing::showDrawingFile(const std::string& path) {
  if (path.empty()) return;
  DxfViewWindow viewer(&window_);
  connect(&viewer, &DxfViewWindow::helpRequested, this, &DrawingViewing::helpRequested);
  const QString error = viewer.loadFile(QString::fromStdString(path));
  if (viewer.loadCancelled()) return;  // the user stopped it: nothing to say
  if (!error.isEmpty()) {
    ui_.showMessage("The drawing cannot be shown:\n" + path + "\n" + error.toStdString(),
                    MessageIcon::Exclamation);
    return;
  }
  viewer.setWindowModality(Qt::WindowModal);
  viewer_ = &viewer;
  viewer.exec();
  viewer_ = nullptr;
}

// Whatever the drawing's name ends in: the viewer's open dialog lists "*.dxf" files only.
void DrawingViewing::offerSavedDrawing(QWidget& offer) {
  const QString path = QString::fromStdString(session_.lastDrawing);
  window_.statusBar()->showMessage("Drawing saved to " + path);
  offer.setToolTip("Show " + path + " in the drawing viewer.");
  offer.show();
  startAtSavedDrawing_ = true;
}

}  // namespace tarvello

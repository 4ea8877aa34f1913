#pragma once
// The drawing viewer as the main window opens it: "View DWF" with its open
// dialog, and the offer of a drawing just saved, one click from the viewer.
// The viewer is window-modal: the main window waits, the help stays usable.
#include <QObject>
#include <QPointer>

#include <string>

#include "viewer/dxf_view_window.h"

class QMainWindow;
class QWidget;

namespace tarvello {

struct Session;
class UserInterface;

class DrawingViewing : public QObject {
  Q_OBJECT
 public:
  // `window` is the viewer's parent; its status bar says what was saved.
  DrawingViewing(Session& session, UserInterface& ui, QMainWindow& window);

  // "View DWF": the open dialog, then the viewer.
  void viewDrawing();
  // Shows the drawing at `path`, or says why it cannot.
  void showDrawingFile(const std::string& path);
  // A drawing was just saved (the session's last drawing): `offer` is shown,
  // and the next open dialog starts in its folder.
  void offerSavedDrawing(QWidget& offer);

  // The viewer while it is open, else null.
  DxfViewWindow* viewer() const { return viewer_; }

 signals:
  void helpRequested();
  // The open dialog chose a folder, to be remembered.
  void folderChosen();

 private:
  Session& session_;
  UserInterface& ui_;
  QMainWindow& window_;
  QPointer<DxfViewWindow> viewer_;
  bool startAtSavedDrawing_ = false;
};

}  // namespace tarvello

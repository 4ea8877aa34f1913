#pragma once
// The drawing viewer window: one DXF file, shown whole when it opens.
#include <QDialog>
#include <QString>

class QLabel;
class QMenuBar;

namespace tarvello {

class DrawingView;

class DxfViewWindow : public QDialog {
  Q_OBJECT
 public:
  explicit DxfViewWindow(QWidget* parent = nullptr);

  // Reads the file and shows it; returns "" or, when the file cannot be
  // shown, the reason in words for the user (the window then shows nothing).
  QString loadFile(const QString& path);
  DrawingView* drawingView() const { return view_; }

 signals:
  // "Tarvello Help" was chosen; the program's help is not the viewer's own.
  void helpRequested();

 private:
  QMenuBar* menuBar_;
  DrawingView* view_;
  QLabel* status_;
};

}  // namespace tarvello

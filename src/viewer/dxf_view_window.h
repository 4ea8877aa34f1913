#pragma once
// The drawing viewer window: one DXF file, shown whole when it opens.
#include <QDialog>
#include <QString>

#include <string>

#include "common/write_result.h"
#include "dxf/dxf_reader.h"

class QLabel;
class QMenuBar;
class QPrinter;

namespace tarvello {

class DrawingView;

class DxfViewWindow : public QDialog {
  Q_OBJECT
 public:
  explicit DxfViewWindow(QWidget* parent = nullptr);

  // Reads the file and shows it; returns "" or, when the file cannot be
  // shown, the reason in words for the user (the window then shows nothing).
  QString loadFile(const QString& path);
  // Large files are read behind a progress dialog unless this is turned off
  // (a process made by fork() has none of the toolkit's threads that paint it).
  void setReadWithProgress(bool on) { readWithProgress_ = on; }
  // The last loadFile() was stopped by the user (its Cancel button).
  bool loadCancelled() const { return cancelled_; }
  DrawingView* drawingView() const { return view_; }

  // The drawing shown, as one page of a PDF file on paper `pageSize` (a name
  // pdfPageSize() knows), through the same writer as the sheet sets.
  WriteResult exportPdf(const QString& path, const std::string& pageSize,
                        Overwrite overwrite) const;
  // Draws the whole drawing on one page of `printer`; false when nothing is shown.
  bool print(QPrinter& printer) const;

 signals:
  // "Tarvello Help" was chosen; the program's help is not the viewer's own.
  void helpRequested();

 private:
  void askPrint();
  void askExportPdf();

  QMenuBar* menuBar_;
  DrawingView* view_;
  QLabel* status_;
  DxfEntities entities_;  // of the file shown
  QString path_;
  bool cancelled_ = false;
  bool readWithProgress_ = true;
};

}  // namespace tarvello

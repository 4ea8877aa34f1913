#pragma once
// The "PLOTS/SUMMARIES" page: the branch table, the plot and schedule
// commands, and a preview of the selected pipe's or branch's profile.
#include <QWidget>

#include "commands/session.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;

namespace tarvello {

class CommandTable;
class DrawingView;
class PdfExportBox;

class PlotsPage : public QWidget {
  Q_OBJECT
 public:
  // `branchGrid` becomes the page's own; the buttons are the commands'.
  PlotsPage(QTableView* branchGrid, CommandTable& commands, QWidget* parent);

  PdfExportBox* pdfExport = nullptr;
  // Profiles drawn, previewed and exported with the energy grade line.
  QCheckBox* energyGradeLine = nullptr;

  DrawingView* previewView() const { return previewView_; }
  // Draws the preview of branch-table row `row` (the pipe or its whole
  // branch, as chosen), or says that no row is selected.
  void showPreview(const Session& session, int row);

 signals:
  // The user chose between the pipe and the branch preview.
  void previewChoiceChanged();

 private:
  QRadioButton* previewPipe_ = nullptr;
  QRadioButton* previewBranch_ = nullptr;
  DrawingView* previewView_ = nullptr;
  QLabel* previewCaption_ = nullptr;
};

}  // namespace tarvello

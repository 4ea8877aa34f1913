#include "shell/plots_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "shell/pdf_export_box.h"
#include "shell/profile_preview.h"
#include "shell/widget_names.h"
#include "viewer/drawing_view.h"

namespace tarvello {
QPushButton* commandButton(const char* name, const char* caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  return button;
}

PlotsPage::PlotsPage(QTableView* branchGrid, QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  branchGrid->setParent(this);
  layout->addWidget(branchGrid);

  auto* commands = new QVBoxLayout;
  auto* profiles = new QGroupBox("Plot  Profiles and Schedules", this);
  profiles->setObjectName(widget::kPlotsFrame);
  auto* profilesLayout = new QVBoxLayout(profiles);
  pipeProfile = commandButton(widget::kPipeProfile, "Current Pipe Profile", profiles);
  branchProfile = commandButton(widget::kBranchProfile, "Current Branch Profile", profiles);
  allProfiles = commandButton(widget::kAllProfiles, "All Pipe Profiles", profiles);
  viewDrawing = commandButton(widget::kViewDrawing, "View DWF", profiles);
  for (QPushButton* b : {pipeProfile, branchProfile, allProfiles, viewDrawing})
    profilesLayout->addWidget(b);
  energyGradeLine = new QCheckBox("Energy grade line", profiles);
  energyGradeLine->setObjectName(widget::kEnergyGradeLine);
  profilesLayout->addWidget(energyGradeLine);
  auto* schedules = new QGroupBox("Structure And Pipe Schdules", this);
  schedules->setObjectName(widget::kSchedulesFrame);
  auto* schedulesLayout = new QVBoxLayout(schedules);
  structureSchedule = commandButton(widget::kStructureSchedule, "Structure Schedule", schedules);
  pipeSchedule = commandButton(widget::kPipeSchedule, "Pipe Schedule", schedules);
  exportToExcel = commandButton(widget::kExportToExcel, "Export to Excel", schedules);
  for (QPushButton* b : {structureSchedule, pipeSchedule, exportToExcel})
    schedulesLayout->addWidget(b);
  commands->addWidget(profiles);
  commands->addWidget(schedules);
  pdfExport = new PdfExportBox(this);
  commands->addWidget(pdfExport);
  commands->addStretch(1);
  layout->addLayout(commands);

  auto* preview = new QGroupBox("Profile preview", this);
  preview->setObjectName(widget::kPreviewFrame);
  auto* previewLayout = new QVBoxLayout(preview);
  auto* previewChoice = new QHBoxLayout;
  previewPipe_ = new QRadioButton("Current pipe", preview);
  previewPipe_->setObjectName(widget::kPreviewPipe);
  previewBranch_ = new QRadioButton("Current branch", preview);
  previewBranch_->setObjectName(widget::kPreviewBranch);
  previewBranch_->setChecked(true);
  previewChoice->addWidget(previewPipe_);
  previewChoice->addWidget(previewBranch_);
  previewChoice->addStretch(1);
  previewView_ = new DrawingView(preview);
  previewView_->setObjectName(widget::kPreviewView);
  previewView_->setMinimumSize(360, 260);
  previewCaption_ = new QLabel(preview);
  previewCaption_->setObjectName(widget::kPreviewCaption);
  previewLayout->addLayout(previewChoice);
  previewLayout->addWidget(previewView_, 1);
  previewLayout->addWidget(previewCaption_);
  layout->addWidget(preview, 1);

  connect(previewBranch_, &QRadioButton::toggled, this, &PlotsPage::previewChoiceChanged);
}

void PlotsPage::showPreview(const Session& session, int row) {
  const PreviewKind kind = previewPipe_->isChecked() ? PreviewKind::Pipe : PreviewKind::Branch;
  const DxfEntities entities = previewEntities(session, row, kind);
  if (entities.count() == 0) {
    previewView_->clearDrawing();
    previewCaption_->setText("Select a row of the branch table to see its profile.");
    return;
  }
  previewView_->showEntities(entities);
  const Table& b = session.tables().branches;
  previewCaption_->setText(
      kind == PreviewKind::Pipe
          ? QString("Pipe from %1 to %2")
                .arg(QString::fromStdString(b.cell(row, branchcol::NodeOut)),
                     QString::fromStdString(b.cell(row, branchcol::NodeIn)))
          : QString("Branch %1").arg(QString::fromStdString(b.cell(row, branchcol::BranchId))));
}

}  // namespace tarvello

#include "shell/plots_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "shell/command_table.h"
#include "shell/pdf_export_box.h"
#include "shell/profile_preview.h"
#include "shell/widget_names.h"
#include "viewer/drawing_view.h"

namespace tarvello {

PlotsPage::PlotsPage(QTableView* branchGrid, CommandTable& commands, QWidget* parent)
    : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  branchGrid->setParent(this);
  layout->addWidget(branchGrid);

  auto* buttons = new QVBoxLayout;
  auto* profiles = new QGroupBox("Plot  Profiles and Schedules", this);
  profiles->setObjectName(widget::kPlotsFrame);
  auto* profilesLayout = new QVBoxLayout(profiles);
  for (const char* name :
       {widget::kPipeProfile, widget::kBranchProfile, widget::kAllProfiles, widget::kViewDrawing})
    profilesLayout->addWidget(commands.button(name, profiles));
  energyGradeLine = new QCheckBox("Energy grade line", profiles);
  energyGradeLine->setObjectName(widget::kEnergyGradeLine);
  profilesLayout->addWidget(energyGradeLine);
  auto* schedules = new QGroupBox("Structure And Pipe Schdules", this);
  schedules->setObjectName(widget::kSchedulesFrame);
  auto* schedulesLayout = new QVBoxLayout(schedules);
  for (const char* name :
       {widget::kStructureSchedule, widget::kPipeSchedule, widget::kExportToExcel})
    schedulesLayout->addWidget(commands.button(name, schedules));
  buttons->addWidget(profiles);
  buttons->addWidget(schedules);
  pdfExport = new PdfExportBox(commands.button(widget::kExportPdf, this), this);
  buttons->addWidget(pdfExport);
  buttons->addStretch(1);
  layout->addLayout(buttons);

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

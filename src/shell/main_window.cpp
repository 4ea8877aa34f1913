#include "shell/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

#include "commands/browse.h"
#include "commands/commands.h"
#include "commands/export_submittal.h"
#include "common/data_location.h"
#include "shell/about_dialog.h"
#include "shell/background_runner.h"
#include "shell/busy_cursor.h"
#include "shell/command_table.h"
#include "shell/design_checks_page.h"
#include "shell/drawing_viewing.h"
#include "shell/heap_release.h"
#include "shell/help_window.h"
#include "shell/pdf_export_box.h"
#include "shell/plots_page.h"
#include "shell/project_opener.h"
#include "shell/qt_user_interface.h"
#include "shell/recent_projects.h"
#include "shell/revisions_sheet.h"
#include "shell/run_sheet_page.h"
#include "shell/stale_line.h"
#include "shell/table_grids.h"
#include "shell/tail_water_edit.h"
#include "shell/warnings_panel.h"
#include "shell/widget_names.h"
#include "shell/window_keyboard.h"
#include "viewer/dxf_view_window.h"

namespace tarvello {
namespace {

constexpr const char* kRunCaption = "Create Profile Data";

// Fits a 1366 x 768 screen with its task bar and the window's title bar, and
// a smaller screen as far as the controls allow.
QSize firstWindowSize() {
  QSize size(1180, 660);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize() - QSize(16, 40));
  return size;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<UserInterface> ui, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::move(ui)),
      runner_(new BackgroundRunner(this)),
      commands_(std::make_unique<CommandTable>(*this)) {
  setObjectName(widget::kMainWindow);
  setWindowTitle("Tarvello");
  session_.programFolder = QCoreApplication::applicationDirPath().toStdString();
  session_.profileScale = 5.0f;
  session_.tailWaterText = "0.0";
  if (!ui_) ui_ = std::make_unique<QtUserInterface>(this, session_.programFolder);

  viewing_ = new DrawingViewing(session_, *ui_, *this);
  connect(viewing_, &DrawingViewing::helpRequested, this, &MainWindow::showHelp);
  connect(viewing_, &DrawingViewing::folderChosen, this, &MainWindow::saveSettings);
  addCommands();
  opener_ = new ProjectOpener(
      session_, *ui_, *runner_,
      [this](const QString& status, BackgroundRunner::Task task, BackgroundRunner::Done done) {
        runInBackground(status, std::move(task), std::move(done));
      },
      this);
  buildControls();
  connect(opener_, &ProjectOpener::finished, this, [this](const QString& status) {
    if (!status.isEmpty()) statusBar()->showMessage(status);
    saveSettings();
    updateStaleLine();
    updateCommandStates();
  });
  buildMenus();
  setUpProjectKeys(*this);
  tabs_->setCurrentIndex(0);
  resize(firstWindowSize());
  setAcceptDrops(true);
  restoreWindowSettings(*this, session_.lastFolder);
  updateCommandStates();
}

MainWindow::~MainWindow() {
  delete runner_;     // waits for a run still going; its results are not shown any more
  grids_->release();  // the session's tables go before the widgets do
}

// Every command of the window: its buttons and menu items are made from here,
// and whether it can act is decided here alone.
void MainWindow::addCommands() {
  auto add = [this](const char* name, const QString& caption, const QKeySequence& key,
                    std::function<void()> run, std::function<QString()> blocked = {}) {
    commands_->add({name, caption, key, std::move(run), std::move(blocked)});
  };
  // Commands that would touch the databases wait while a run has them.
  auto idle = [this](std::function<void()> run) {
    return [this, run] {
      if (!runner_->running()) run();
    };
  };
  add(widget::kOpenPipeDatabase, "Open &Pipe Database", QKeySequence::Open,
      [this] { opener_->browse(DatabaseKind::Pipe); });
  add(widget::kOpenInletDatabase, "Open &Inlet Database",
      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O),
      [this] { opener_->browse(DatabaseKind::Inlet); });
  add(
      widget::kCreateProfileData, "&Create Profile Data", {}, [this] { createProfileData(); },
      [this] {
        return outfall_->currentText().trimmed().isEmpty()
                   ? QString("Choose or type the outfall node first.")
                   : QString();
      });
  const std::pair<const char*, const char*> outputs[] = {
      {widget::kPipeProfile, "pipe-profile"},
      {widget::kBranchProfile, "branch-profile"},
      {widget::kAllProfiles, "all-profiles"},
      {widget::kStructureSchedule, "structure-schedule"},
      {widget::kPipeSchedule, "pipe-schedule"},
      {widget::kExportToExcel, "workbook"},
      {widget::kExportPdf, "pdf"}};
  for (const auto& [name, id] : outputs) {
    const OutputDescription& output = *findOutput(id);
    QString caption = QString::fromUtf8(output.caption.data(), qsizetype(output.caption.size()));
    if (output.report == OutputReport::Pdf) caption += "...";  // it asks for the file
    add(name, caption, {}, idle([this, &output] { saveShown(output); }),
        [this, &output] { return outputBlockedNow(output); });
  }
  add(widget::kSaveTableCsv, "&Save Table as CSV...", {}, idle([this] { saveShown(shownTable()); }),
      [this] {
        // The log is written with the set, as its revisions.csv.
        if (tabs_->currentWidget() == revisionsPage_)
          return QString("The revision log is the set's revisions.csv.");
        return outputBlockedNow(shownTable());
      });
  const OutputDescription& warnings = *findOutput("warnings");
  add(widget::kSaveWarningsCsv, "Save &Warnings as CSV...", {},
      idle([this, &warnings] { saveShown(warnings); }),
      [this, &warnings] { return outputBlockedNow(warnings); });
  // A set holds the tables: it can be made when they can be saved.
  add(widget::kExportSubmittal, "&Export Submittal...", {}, idle([this] { exportSubmittal(); }),
      [this] { return outputBlockedNow(*findOutput("structures")); });
  add(widget::kViewDrawing, "View DWF", {}, idle([this] { viewing_->viewDrawing(); }));
  add(widget::kShowSavedDrawing, "Show in &Viewer", {},
      idle([this] { viewing_->showDrawingFile(session_.lastDrawing); }));
  add(widget::kExit, "E&xit", {}, [this] { exitProgram(); });
  add(widget::kHelpContents, "Tarvello Help", QKeySequence::HelpContents, [this] { showHelp(); });
  add(widget::kAbout, "About Tarvello", {}, [this] { showAbout(); });
}

void MainWindow::buildControls() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);

  // Project databases, outfall and tail water.
  layout->addLayout(opener_->makeFields(*commands_, central));
  outfall_ = opener_->outfall();
  tailWater_ = opener_->tailWater();

  staleLine_ = new StaleLine(central);
  layout->addWidget(staleLine_);

  // The three tables on their pages.
  grids_ = new TableGrids(session_, this);
  tabs_ = new QTabWidget(central);
  tabs_->setObjectName(widget::kPages);
  tabs_->addTab(grids_->structureGrid, "STRUCTURE DATA");
  tabs_->addTab(grids_->pipeGrid, "PIPE DATA");
  plotsPage_ = new PlotsPage(grids_->branchGrid, *commands_, tabs_);
  tabs_->addTab(plotsPage_, "PLOTS/SUMMARIES");
  checksPage_ = new DesignChecksPage(session_, grids_->structureModel, grids_->pipeModel, tabs_);
  tabs_->addTab(checksPage_, "DESIGN CHECKS");
  connect(checksPage_->editCriteriaButton, &QPushButton::clicked, this,
          [this] { checksPage_->editCriteria(*ui_, session_.lastFolder); });
  connect(checksPage_, &DesignChecksPage::cellChosen, this,
          [this](CheckTable table, int row, int column) {
            QTableView* grid =
                table == CheckTable::Structures ? grids_->structureGrid : grids_->pipeGrid;
            tabs_->setCurrentWidget(grid);
            DesignChecksPage::selectCell(*grid, row, column);
          });
  hglPage_ = new RunSheetPage(widget::kHglComputationPage, widget::kHglSheetSummary,
                              widget::kHglSheet, hglComputationSheet, tabs_);
  tabs_->addTab(hglPage_, "HGL COMPUTATION");
  connect(hglPage_, &RunSheetPage::rowChosen, this, [this](int sheetRow) {
    tabs_->setCurrentWidget(grids_->structureGrid);
    DesignChecksPage::selectCell(*grids_->structureGrid,
                                 hglSheetStructureRow(*session_.run, sheetRow), 0);
  });
  quantitiesPage_ = new RunSheetPage(widget::kQuantitiesPage, widget::kQuantitiesSummary,
                                     widget::kQuantitiesSheet, quantitiesSheet, tabs_);
  tabs_->addTab(quantitiesPage_, "QUANTITIES");
  revisionsPage_ = new RunSheetPage(widget::kRevisionsPage, widget::kRevisionsSummary,
                                    widget::kRevisionsSheet, {}, tabs_);
  revisionsPage_->hide();  // a tab of its own only while it has a log to show
  connect(revisionsPage_, &RunSheetPage::rowChosen, this, [this](int sheetRow) {
    if (sheetRow < 0 || static_cast<size_t>(sheetRow) >= revisions_.size()) return;
    const auto cell = revisionCell(revisions_[static_cast<size_t>(sheetRow)], session_.tables(),
                                   checksPage_->findings());
    if (!cell) return;  // removed: it is in the previous set alone
    QTableView* grid =
        cell->table == CheckTable::Structures ? grids_->structureGrid : grids_->pipeGrid;
    tabs_->setCurrentWidget(grid);
    DesignChecksPage::selectCell(*grid, cell->row, cell->column);
  });
  connect(plotsPage_->energyGradeLine, &QCheckBox::toggled, this, [this](bool on) {
    session_.energyGradeLine = on;
    previewStale_ = true;
    updatePreview();
  });
  layout->addWidget(tabs_, 1);
  setCentralWidget(central);

  // Warnings of the last run, beside the work rather than in a dialog.
  warningsDock_ = new QDockWidget("Warnings", this);
  warningsDock_->setObjectName(widget::kWarningsDock);
  warningsList_ = new WarningsPanel([this]() -> const ProfileTables& { return session_.tables(); },
                                    warningsDock_);
  warningsDock_->setWidget(warningsList_);
  connect(warningsList_, &WarningsPanel::rowChosen, this, [this](CheckTable table, int row) {
    QTableView* grid = table == CheckTable::Structures ? grids_->structureGrid : grids_->pipeGrid;
    tabs_->setCurrentWidget(grid);
    const int column = table == CheckTable::Structures ? int{strcol::StrNo} : int{pipecol::PipeNo};
    DesignChecksPage::selectCell(*grid, row, column);
  });
  addDockWidget(Qt::BottomDockWidgetArea, warningsDock_);
  warningsDock_->hide();
  statusBar()->setObjectName(widget::kStatusBar);
  showSavedDrawing_ = commands_->button(widget::kShowSavedDrawing, this);
  showSavedDrawing_->hide();
  statusBar()->addPermanentWidget(showSavedDrawing_);

  setTabOrder(findChild<QWidget*>(widget::kCreateProfileData), tabs_);

  connect(runner_, &BackgroundRunner::threadEnded, this, &MainWindow::finishBackground);
  connect(outfall_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    session_.outfallNode = text.toStdString();
    updateStaleLine();
    updateCommandStates();
  });
  connect(tailWater_, &QLineEdit::textChanged, this, [this](const QString& text) {
    session_.tailWaterText = text.toStdString();
    updateStaleLine();
  });
  connect(grids_, &TableGrids::branchRowChosen, this, [this] {
    previewStale_ = true;
    updatePreview();
    updateCommandStates();
  });
  connect(plotsPage_, &PlotsPage::previewChoiceChanged, this, [this] {
    previewStale_ = true;
    updatePreview();
  });
  connect(tabs_, &QTabWidget::currentChanged, this, [this] {
    updatePreview();
    updateCommandStates();  // Save Table as CSV saves the page in front
  });
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName(widget::kFileMenu);
  file->addAction(commands_->action(widget::kSaveTableCsv, file));
  file->addAction(commands_->action(widget::kSaveWarningsCsv, file));
  file->addAction(commands_->action(widget::kExportSubmittal, file));
  QMenu* recent = file->addMenu("&Recent Projects");
  recent->setObjectName(widget::kRecentProjects);
  opener_->setRecentMenu(recent);
  file->addSeparator();
  file->addAction(commands_->action(widget::kExit, file));

  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName(widget::kHelpMenu);
  help->addAction(commands_->action(widget::kHelpContents, help));
  help->addAction(commands_->action(widget::kAbout, help));
}

bool MainWindow::commandRunning() const { return runner_->running(); }

DxfViewWindow* MainWindow::viewerWindow() const { return viewing_->viewer(); }

void MainWindow::openDatabasesAtStart(const QString& pipePath, const QString& inletPath) {
  opener_->open(pipePath, inletPath);
}

void MainWindow::browsePipeDatabase() { opener_->browse(DatabaseKind::Pipe); }

void MainWindow::runInBackground(const QString& status, std::function<void(UserInterface&)> task,
                                 std::function<void()> done) {
  centralWidget()->setEnabled(false);
  menuBar()->setEnabled(false);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  statusBar()->showMessage(status);
  runner_->start(std::move(task), std::move(done));
}

void MainWindow::waitForCommand() {
  if (runner_->running()) finishBackground();
}

void MainWindow::finishBackground() {
  if (!runner_->running()) return;
  QApplication::restoreOverrideCursor();
  menuBar()->setEnabled(true);
  centralWidget()->setEnabled(true);
  statusBar()->clearMessage();
  runner_->finish(*ui_);
  emit commandFinished();
}

void MainWindow::createProfileData() {
  if (runner_->running()) return;
  const QString outfall = outfall_->currentText(), tailWater = tailWater_->text();
  session_.outfallNode = outfall.toStdString();
  session_.tailWaterText = tailWater.toStdString();
  // The worker gets the inputs by value, the open databases shared read-only.
  auto made = std::make_shared<std::shared_ptr<Run>>();
  runInBackground(
      "Creating profile data...",
      [inputs = session_.runInputs(), made](UserInterface&) { *made = Run::make(inputs); },
      [this, made, outfall, tailWater] { showRun(std::move(*made), outfall, tailWater); });
}

void MainWindow::showRun(std::shared_ptr<Run> run, const QString& outfall,
                         const QString& tailWater) {
  if (run->outcome() == RunOutcome::None) return;  // no outfall node: nothing done, nothing to say
  opener_->rememberFields(outfall, tailWater);
  grids_->aboutToChange();
  session_.run = std::move(run);
  session_.warnings = session_.run->warnings();
  // The previous tables are gone, and the run freed its working data on
  // the worker thread, whose heap keeps the pages: they go back now.
  releaseFreedHeap();
  grids_->changed();
  previewStale_ = true;
  updatePreview();
  updateCommandStates();
  checksPage_->runChecks();
  hglPage_->showRun(session_.run);
  quantitiesPage_->showRun(session_.run);
  showRevisions(std::nullopt);  // they were of the previous run's set
  // The run may have raised the tail water to the outfall pipe's minimum.
  tailWater_->setText(QString::fromStdString(session_.run->tailWaterUsed()));
  statusBar()->showMessage(QString::fromStdString(session_.run->statusLine()));
  showWarnings(kRunCaption);
  updateStaleLine();
  if (session_.run->failed()) ui_->showMessage(session_.run->failure(), MessageIcon::Exclamation);
}

void MainWindow::updateStaleLine() {
  if (staleLine_ && outfall_ && tailWater_)
    staleLine_->check(*session_.run, outfall_->currentText(), tailWater_->text(),
                      session_.databases);
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) updateStaleLine();
}

QString MainWindow::outputBlockedNow(const OutputDescription& output) const {
  const Run& run = *session_.run;
  return QString::fromStdString(outputBlocked(output, run, run.tables().branches.currentRow()));
}

const OutputDescription& MainWindow::shownTable() const {
  const QWidget* page = tabs_->currentWidget();
  return *findOutput(page == grids_->structureGrid ? "structures"
                     : page == grids_->pipeGrid    ? "pipes"
                     : page == checksPage_         ? "checks"
                     : page == hglPage_            ? "hgl-sheet"
                     : page == quantitiesPage_     ? "quantities"
                                                   : "branches");
}

void MainWindow::saveShown(const OutputDescription& output) {
  session_.pdfPageSize = plotsPage_->pdfExport->pageSize().toStdString();
  std::optional<std::string> path;
  {
    BusyCursor busy;
    path = saveOutput(session_, *ui_, output, session_.tables().branches.currentRow(),
                      checksPage_->checks());
  }
  showWarnings(QString::fromUtf8(output.caption.data(), qsizetype(output.caption.size())));
  if (!path) return;
  switch (output.report) {
    case OutputReport::Drawing:
      viewing_->offerSavedDrawing(*showSavedDrawing_);
      break;
    case OutputReport::Workbook:
      showWorkbook(*path);
      break;
    case OutputReport::Table:
    case OutputReport::Findings:
      statusBar()->showMessage("Table saved to " + QString::fromStdString(*path));
      break;
    case OutputReport::Pdf:
      break;
  }
}

void MainWindow::exportSubmittal() {
  session_.pdfPageSize = plotsPage_->pdfExport->pageSize().toStdString();
  // Made once the set is being written: the questions come first.
  std::unique_ptr<QProgressDialog> bar;
  auto progress = [this, &bar](size_t index, size_t count, const std::string& name) {
    if (!bar) {
      bar =
          std::make_unique<QProgressDialog>(QString(), "Cancel", 0, static_cast<int>(count), this);
      bar->setObjectName(widget::kSubmittalProgress);
      bar->setWindowTitle("Export Submittal");
      bar->setWindowModality(Qt::WindowModal);
      bar->setMinimumDuration(0);
      bar->setAutoReset(false);
    }
    bar->setLabelText(QString("Writing %1 (%2 of %3)...")
                          .arg(QString::fromStdString(name))
                          .arg(index + 1)
                          .arg(count));
    // Modal, so setting the value lets the window paint and Cancel be pressed.
    bar->setValue(static_cast<int>(index));
    return !bar->wasCanceled();
  };
  const auto exported =
      tarvello::exportSubmittal(session_, *ui_, checksPage_->checks(), TARVELLO_VERSION, progress);
  bar.reset();
  showWarnings("Export Submittal");
  if (!exported) return;
  const SubmittalResult& result = exported->result;
  if (result.cancelled) {
    statusBar()->showMessage("Export Submittal cancelled: nothing was written.");
    return;
  }
  if (!result.ok()) return;  // the failure was shown
  showRevisions(exported->compared ? std::optional(result.revisions) : std::nullopt);
  statusBar()->showMessage("Submittal written to " + QString::fromStdString(exported->folder));
  ui_->showMessage(submittalWrittenMessage(*exported), MessageIcon::None);
}

void MainWindow::showRevisions(std::optional<std::vector<Revision>> revisions) {
  const int tab = tabs_->indexOf(revisionsPage_);
  if (!revisions) {
    revisions_.clear();
    if (tab >= 0) tabs_->removeTab(tab);
    revisionsPage_->showSheet({});
    return;
  }
  revisions_ = std::move(*revisions);
  revisionsPage_->showSheet(revisionsSheet(revisions_));
  if (tab < 0) tabs_->insertTab(tabs_->indexOf(quantitiesPage_) + 1, revisionsPage_, "REVISIONS");
  tabs_->setCurrentWidget(revisionsPage_);  // what was asked for: the changes since that set
}

void MainWindow::showWorkbook(const std::string& workbook) {
  const QString path = QString::fromStdString(workbook);
  statusBar()->showMessage("Workbook saved to " + path);
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
    ui_->showMessage(
        "The workbook was saved to:" + workbook + "\nNo program could be started to show it.",
        MessageIcon::Information);
  }
}

void MainWindow::showHelp() {
  if (!helpWindow_) helpWindow_ = std::make_unique<HelpWindow>();
  // A missing guide is not reported: the program simply goes on.
  helpWindow_->showGuide(
      QString::fromStdString(dataFile(session_.programFolder, kHelpFileName).string()));
}

void MainWindow::showAbout() {
  AboutDialog about(this);
  about.exec();
}

void MainWindow::exitProgram() {
  if (viewing_->viewer()) viewing_->viewer()->reject();
  close();
  QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  waitForCommand();  // the running command's databases come back first
  saveSettings();
  if (helpWindow_) helpWindow_->close();
  event->accept();
}

// The run's warnings stay until the next run; a later command's own follow them.
void MainWindow::showWarnings(const QString& command) {
  const bool run = command == kRunCaption;
  if (!run && session_.warnings.empty()) return;  // nothing new: the panel stays as it is
  std::vector<Warning> items = session_.run->warnings().all();
  if (!run)
    items.insert(items.end(), session_.warnings.all().begin(), session_.warnings.all().end());
  warningsList_->showWarnings(items);
  warningsDock_->setWindowTitle(QString("Warnings - %1 (%2)")
                                    .arg(run ? command : QString(kRunCaption) + ", " + command)
                                    .arg(items.size()));
  if (items.empty()) {
    warningsDock_->hide();  // nothing to report: the tables get the room back
    return;
  }
  if (warningsDock_->isVisible()) return;
  warningsDock_->show();
  // A few lines high at first; the tables keep most of the window.
  const int lines = static_cast<int>(std::min<size_t>(items.size(), 5)) + 1;
  resizeDocks({warningsDock_}, {lines * warningsList_->fontMetrics().lineSpacing() + 40},
              Qt::Vertical);
}

void MainWindow::updatePreview() {
  // Drawn only when the page is in front: a large branch takes a moment.
  if (!previewStale_ || tabs_->currentWidget() != plotsPage_ || runner_->running()) return;
  previewStale_ = false;
  plotsPage_->showPreview(session_, session_.tables().branches.currentRow());
}

void MainWindow::updateCommandStates() {
  if (outfall_ && plotsPage_) commands_->update();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (opener_->acceptsDrop(*event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  if (!opener_->acceptsDrop(*event->mimeData())) return;
  event->acceptProposedAction();
  opener_->drop(*event->mimeData());
}

void MainWindow::saveSettings() { saveWindowSettings(*this, session_.lastFolder); }

}  // namespace tarvello

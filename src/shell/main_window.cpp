#include "shell/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>
#include <filesystem>
#include <utility>

#include "commands/browse.h"
#include "commands/commands.h"
#include "common/ascii_case.h"
#include "common/data_location.h"
#include "excel/excel_export.h"
#include "network/generation.h"
#include "profile/profile_drawings.h"
#include "schedules/pipe_schedule.h"
#include "schedules/structure_schedule.h"
#include "shell/about_dialog.h"
#include "shell/background_runner.h"
#include "shell/busy_cursor.h"
#include "shell/command_states.h"
#include "shell/design_checks_page.h"
#include "shell/grid_sizing.h"
#include "shell/heap_release.h"
#include "shell/help_window.h"
#include "shell/pdf_export_box.h"
#include "shell/plots_page.h"
#include "shell/qt_user_interface.h"
#include "shell/recent_projects.h"
#include "shell/table_copy.h"
#include "shell/table_model.h"
#include "shell/tail_water_edit.h"
#include "shell/widget_names.h"
#include "shell/window_keyboard.h"
#include "tables/cell_numbers.h"
#include "viewer/drawing_view.h"
#include "viewer/dxf_view_window.h"

namespace tarvello {
namespace {

// Column 0 of the structure and branch tables is measured from this text, so
// that it is a little wider than its header.
constexpr const char* kWideBranchHeader = "<Branch ID>";

// Hands the file named on the command line to a browse command in place of
// the open dialog; everything else goes to the window's own dialogs.
class PresetFileInterface : public UserInterface {
 public:
  PresetFileInterface(UserInterface& inner, std::string path)
      : inner_(inner), path_(std::move(path)) {}
  std::string askOpenFileName(const FileDialogRequest&) override {
    return std::exchange(path_, {});
  }
  std::string askSaveFileName(const FileDialogRequest& request) override {
    return inner_.askSaveFileName(request);
  }
  bool askYesNo(const std::string& text, MessageIcon icon) override {
    return inner_.askYesNo(text, icon);
  }
  void showMessage(const std::string& text, MessageIcon icon) override {
    inner_.showMessage(text, icon);
  }

 private:
  UserInterface& inner_;
  std::string path_;
};

std::string folderOf(const std::string& path) {
  std::error_code ec;
  std::filesystem::path absolute = std::filesystem::absolute(path, ec);
  if (ec) absolute = path;
  return absolute.parent_path().string();
}

// Fits a 1366 x 768 screen with its task bar and the window's title bar, and
// a smaller screen as far as the controls allow.
QSize firstWindowSize() {
  QSize size(1180, 660);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize() - QSize(16, 40));
  return size;
}

// Dropped files: a file with an inlet database's extension is the inlet
// database, any other the pipe database (opening it says what is wrong).
bool isInletFile(const QString& path) {
  const std::string extension = QFileInfo(path).suffix().toStdString();
  return equalsIgnoringCase(extension, "olm") || equalsIgnoringCase(extension, "olh");
}

QLabel* fieldLabel(const char* name, const char* caption, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setBuddy(buddy);
  return label;
}

}  // namespace

MainWindow::MainWindow(std::unique_ptr<UserInterface> ui, QWidget* parent)
    : QMainWindow(parent), ui_(std::move(ui)), runner_(new BackgroundRunner(this)) {
  setObjectName(widget::kMainWindow);
  setWindowTitle("Tarvello");
  session_.programFolder = QCoreApplication::applicationDirPath().toStdString();
  session_.profileScale = 5.0f;
  session_.tailWaterText = "0.0";
  if (!ui_) ui_ = std::make_unique<QtUserInterface>(this, session_.programFolder);

  buildControls();
  buildMenus();
  setUpProjectKeys(*this);
  layoutColumns();
  selectCurrentRows();
  tabs_->setCurrentIndex(0);
  resize(firstWindowSize());
  setAcceptDrops(true);
  restoreSettings();
  updateCommandStates();
}

MainWindow::~MainWindow() {
  delete runner_;  // waits for a run still going; its results are not shown any more
  // The session's tables go before the widgets do; the views must stop reading them.
  for (QTableView* view : {structureGrid_, pipeGrid_, branchGrid_}) view->setModel(nullptr);
}

void MainWindow::buildControls() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);

  // Project databases, outfall and tail water.
  auto* project = new QGridLayout;
  pipeDatabase_ = new QLineEdit(central);
  pipeDatabase_->setObjectName(widget::kPipeDatabaseField);
  pipeDatabase_->setReadOnly(true);
  inletDatabase_ = new QLineEdit(central);
  inletDatabase_->setObjectName(widget::kInletDatabaseField);
  inletDatabase_->setReadOnly(true);
  auto* browsePipe = commandButton(widget::kOpenPipeDatabase, "Open Pipe Database", central);
  auto* browseInlet = commandButton(widget::kOpenInletDatabase, "Open Inlet Database", central);
  outfall_ = new QComboBox(central);
  outfall_->setObjectName(widget::kOutfallBox);
  outfall_->setEditable(true);
  outfall_->setInsertPolicy(QComboBox::NoInsert);
  keepTypedText(*outfall_);
  outfall_->setMinimumContentsLength(12);
  outfall_->lineEdit()->setPlaceholderText("choose the outfall");
  outfall_->setMinimumWidth(outfall_->fontMetrics().horizontalAdvance("choose the outfall") + 48);
  tailWater_ = new TailWaterEdit(central);
  tailWater_->setObjectName(widget::kTailWaterField);
  tailWater_->setText(QString::fromStdString(session_.tailWaterText));
  tailWater_->setMaximumWidth(140);
  auto* generate = commandButton(widget::kCreateProfileData, "Create Profile Data", central);

  project->addWidget(fieldLabel("lblPipeDatabase", "PIPE DATABASE", pipeDatabase_, central), 0, 0);
  project->addWidget(pipeDatabase_, 0, 1, 1, 3);
  project->addWidget(browsePipe, 0, 4);
  project->addWidget(fieldLabel("lblInletDatabase", "INLET DATABASE", inletDatabase_, central), 1,
                     0);
  project->addWidget(inletDatabase_, 1, 1, 1, 3);
  project->addWidget(browseInlet, 1, 4);
  auto* nodeRow = new QHBoxLayout;
  nodeRow->addWidget(outfall_);
  nodeRow->addSpacing(24);
  nodeRow->addWidget(fieldLabel("lblTailWater", "TAIL WATER ELEVATION", tailWater_, central));
  nodeRow->addWidget(tailWater_);
  nodeRow->addStretch(1);
  project->addWidget(fieldLabel("lblOutfall", "OUTFALL/END NODE", outfall_, central), 2, 0);
  project->addLayout(nodeRow, 2, 1, 1, 3);
  project->addWidget(generate, 2, 4);
  project->setColumnStretch(1, 1);
  layout->addLayout(project);

  // The three tables on their pages.
  structureModel_ = new TableModel(session_.tables().structures, this);
  structureModel_->setRowFlag(hglReachesTop,
                              "The hydraulic grade line reaches or exceeds the top elevation.");
  pipeModel_ = new TableModel(session_.tables().pipes, this);
  branchModel_ = new TableModel(session_.tables().branches, this);

  tabs_ = new QTabWidget(central);
  tabs_->setObjectName(widget::kPages);
  structureGrid_ = makeGrid(widget::kStructureGrid, structureModel_);
  pipeGrid_ = makeGrid(widget::kPipeGrid, pipeModel_);
  branchGrid_ = makeGrid(widget::kBranchGrid, branchModel_);
  tabs_->addTab(structureGrid_, "STRUCTURE DATA");
  tabs_->addTab(pipeGrid_, "PIPE DATA");

  plotsPage_ = new PlotsPage(branchGrid_, tabs_);
  tabs_->addTab(plotsPage_, "PLOTS/SUMMARIES");
  connect(plotsPage_->pdfExport, &PdfExportBox::exportRequested, this,
          [this](const QString& pageSize) {
            runFileCommand("Export PDF",
                           [&] { exportSheetSetPdf(session_, *ui_, pageSize.toStdString()); });
          });
  checksPage_ = new DesignChecksPage(session_, structureModel_, pipeModel_, tabs_);
  tabs_->addTab(checksPage_, "DESIGN CHECKS");
  connect(checksPage_->editCriteriaButton, &QPushButton::clicked, this,
          [this] { checksPage_->editCriteria(*ui_, session_.lastFolder); });
  connect(checksPage_, &DesignChecksPage::cellChosen, this,
          [this](CheckTable table, int row, int column) {
            QTableView* grid = table == CheckTable::Structures ? structureGrid_ : pipeGrid_;
            tabs_->setCurrentWidget(grid);
            DesignChecksPage::selectCell(*grid, row, column);
          });
  connect(plotsPage_->energyGradeLine, &QCheckBox::toggled, this, [this](bool on) {
    session_.energyGradeLine = on;
    previewStale_ = true;
    updatePreview();
  });
  layout->addWidget(tabs_, 1);
  setCentralWidget(central);

  // Warnings of the last command, beside the work rather than in a dialog.
  warningsDock_ = new QDockWidget("Warnings", this);
  warningsDock_->setObjectName(widget::kWarningsDock);
  warningsList_ = new QListWidget(warningsDock_);
  warningsList_->setObjectName(widget::kWarningsList);
  warningsList_->setWordWrap(true);
  warningsDock_->setWidget(warningsList_);
  addDockWidget(Qt::BottomDockWidgetArea, warningsDock_);
  warningsDock_->hide();
  statusBar()->setObjectName("statusBar");
  showSavedDrawing_ = new QPushButton("Show in &Viewer", this);
  showSavedDrawing_->setObjectName("cmdShowSavedDrawing");
  showSavedDrawing_->hide();
  statusBar()->addPermanentWidget(showSavedDrawing_);
  connect(showSavedDrawing_, &QPushButton::clicked, this,
          [this] { showDrawingFile(session_.lastDrawing); });

  setTabOrder(browsePipe, browseInlet);
  setTabOrder(browseInlet, outfall_);
  setTabOrder(outfall_, tailWater_);
  setTabOrder(tailWater_, generate);
  setTabOrder(generate, tabs_);

  connect(browsePipe, &QPushButton::clicked, this, &MainWindow::browsePipeDatabase);
  connect(browseInlet, &QPushButton::clicked, this, &MainWindow::browseInletDatabase);
  connect(generate, &QPushButton::clicked, this, &MainWindow::createProfileData);
  connect(plotsPage_->pipeProfile, &QPushButton::clicked, this, &MainWindow::plotSingleProfile);
  connect(plotsPage_->branchProfile, &QPushButton::clicked, this, &MainWindow::plotBranchProfile);
  connect(plotsPage_->allProfiles, &QPushButton::clicked, this, &MainWindow::plotMultipleProfile);
  connect(plotsPage_->structureSchedule, &QPushButton::clicked, this,
          &MainWindow::drawStructureSchedule);
  connect(plotsPage_->pipeSchedule, &QPushButton::clicked, this, &MainWindow::drawPipeSchedule);
  connect(plotsPage_->exportToExcel, &QPushButton::clicked, this, &MainWindow::exportToExcel);
  connect(plotsPage_->viewDrawing, &QPushButton::clicked, this, &MainWindow::viewDrawing);
  connect(runner_, &BackgroundRunner::threadEnded, this, &MainWindow::finishBackground);
  connect(outfall_, &QComboBox::editTextChanged, this, [this](const QString& text) {
    session_.outfallNode = text.toStdString();
    updateCommandStates();
  });
  connect(tailWater_, &QLineEdit::textChanged, this,
          [this](const QString& text) { session_.tailWaterText = text.toStdString(); });
  connect(plotsPage_, &PlotsPage::previewChoiceChanged, this, [this] {
    previewStale_ = true;
    updatePreview();
  });
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { updatePreview(); });
}

void MainWindow::buildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  file->setObjectName(widget::kFileMenu);
  QAction* saveTable = file->addAction("&Save Table as CSV...");
  saveTable->setObjectName("mnuSaveTableCsv");
  connect(saveTable, &QAction::triggered, this, &MainWindow::saveShownTable);
  connect(tabs_, &QTabWidget::currentChanged, saveTable, [this, saveTable] {
    saveTable->setEnabled(qobject_cast<QTableView*>(tabs_->currentWidget()) ||
                          tabs_->currentWidget() == plotsPage_);
  });
  recentMenu_ = file->addMenu("&Recent Projects");
  recentMenu_->setObjectName("mnuRecentProjects");
  fillRecentMenu();
  file->addSeparator();
  QAction* exit = file->addAction("E&xit");
  exit->setObjectName(widget::kExit);
  connect(exit, &QAction::triggered, this, &MainWindow::exitProgram);

  QMenu* help = menuBar()->addMenu("&Help");
  help->setObjectName(widget::kHelpMenu);
  QAction* guide = help->addAction("Tarvello Help");
  guide->setObjectName(widget::kHelpContents);
  guide->setShortcut(QKeySequence::HelpContents);
  connect(guide, &QAction::triggered, this, &MainWindow::showHelp);
  QAction* about = help->addAction("About Tarvello");
  about->setObjectName(widget::kAbout);
  connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

QTableView* MainWindow::makeGrid(const char* name, TableModel* model) {
  auto* view = new QTableView(this);
  view->setObjectName(name);
  view->setModel(model);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  // Shift extends the selection over rows, for Ctrl+C to copy them.
  view->setSelectionMode(QAbstractItemView::ContiguousSelection);
  copySelectionOnCopyKey(*view);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  view->setCornerButtonEnabled(false);
  // The header row selects nothing; a click there leaves the selection alone.
  view->horizontalHeader()->setSectionsClickable(false);
  view->horizontalHeader()->setHighlightSections(false);
  view->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  // Fixed row heights keep scrolling through thousands of rows cheap.
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
  // The table of the run shown when the row is chosen: each run brings its own.
  connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this, model](const QModelIndex& current) {
            ProfileTables& t = session_.tables();
            rowChosen(model == structureModel_ ? t.structures
                      : model == pipeModel_    ? t.pipes
                                               : t.branches,
                      current);
          });
  return view;
}

bool MainWindow::commandRunning() const { return runner_->running(); }

DrawingView* MainWindow::previewView() const { return plotsPage_->previewView(); }

int MainWindow::columnWidthFor(const QString& text) const {
  return tarvello::columnWidthFor(*structureGrid_, text);
}

void MainWindow::layoutColumns() {
  sizeColumns(*structureGrid_, session_.tables().structures, kWideBranchHeader);
  sizeColumns(*pipeGrid_, session_.tables().pipes);
  sizeColumns(*branchGrid_, session_.tables().branches, kWideBranchHeader);
  // The branch table sits beside the commands: as wide as its columns.
  branchGrid_->setFixedWidth(
      std::max(widthForAllColumns(*branchGrid_, session_.tables().branches.columnCount()), 200));
}

void MainWindow::selectCurrentRows() {
  const struct {
    QTableView* view;
    TableModel* model;
    const Table& table;
  } grids[] = {{structureGrid_, structureModel_, session_.tables().structures},
               {pipeGrid_, pipeModel_, session_.tables().pipes},
               {branchGrid_, branchModel_, session_.tables().branches}};
  for (const auto& g : grids) {
    const int row = TableModel::viewRow(g.table.currentRow());
    if (row < 0 || row >= g.model->rowCount()) continue;
    const int column = std::clamp(g.table.currentColumn(), 0, g.model->columnCount() - 1);
    g.view->selectionModel()->setCurrentIndex(
        g.model->index(row, column),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
}

// A click on a cell makes its row current and selects it to the last column;
// the plot commands read the branch table's current row.
void MainWindow::rowChosen(Table& table, const QModelIndex& index) {
  if (!index.isValid()) return;
  const int row = TableModel::tableRow(index.row());
  table.setCurrentRow(row);
  table.setCurrentColumn(index.column());
  if (row != 0) table.setSelectionEnd(row, table.columnCount() - 1);
  if (&table == &session_.tables().branches) {
    previewStale_ = true;
    updatePreview();
    updateCommandStates();
  }
}

void MainWindow::openDatabasesAtStart(const QString& pipePath, const QString& inletPath) {
  if (runner_->running()) return;
  struct Open {
    DatabaseKind kind;
    std::string path;
    BrowseResult result;
  };
  auto opens = std::make_shared<std::vector<Open>>();
  // The files count as chosen in the open dialog (the last folder follows them).
  for (const auto& [kind, path] :
       {std::pair{DatabaseKind::Pipe, pipePath}, std::pair{DatabaseKind::Inlet, inletPath}}) {
    if (path.isEmpty()) continue;
    PresetFileInterface preset(*ui_, path.toStdString());
    std::string chosen = askForDatabase(session_, preset, kind);
    if (!chosen.empty()) opens->push_back({kind, std::move(chosen), {}});
  }
  if (opens->empty()) return;
  // Both on the worker, one after the other: the window shows meanwhile.
  runInBackground(
      "Opening the project databases...",
      [opens](Session& work, UserInterface& ui) {
        for (Open& open : *opens) open.result = openChosenDatabase(work, ui, open.kind, open.path);
      },
      [this, opens](Session&) {
        // A pipe database opened just before its inlet is not paired with the old inlet.
        const bool inletFollows = opens->size() == 2;
        for (const Open& open : *opens)
          showOpened(open.kind, open.result, inletFollows && open.kind == DatabaseKind::Pipe);
        saveSettings();
      });
}

void MainWindow::browsePipeDatabase() { browseDatabase(DatabaseKind::Pipe); }

void MainWindow::browseInletDatabase() { browseDatabase(DatabaseKind::Inlet); }

void MainWindow::browseDatabase(DatabaseKind kind) {
  if (runner_->running()) return;
  const std::string path = askForDatabase(session_, *ui_, kind);
  if (path.empty()) {
    saveSettings();
    return;
  }
  const bool pipe = kind == DatabaseKind::Pipe;
  auto result = std::make_shared<BrowseResult>();
  runInBackground(
      pipe ? "Opening the pipe project database..." : "Opening the inlet project database...",
      [result, kind, path](Session& work, UserInterface& ui) {
        *result = openChosenDatabase(work, ui, kind, path);
      },
      [this, result, kind](Session&) {
        showOpened(kind, *result, false);
        saveSettings();
      });
}

void MainWindow::showOpened(DatabaseKind kind, const BrowseResult& result, bool inletFollows) {
  const bool pipe = kind == DatabaseKind::Pipe;
  const ProjectDatabases& dbs = session_.databases;
  (pipe ? pipeDatabase_ : inletDatabase_)
      ->setText(QString::fromStdString(pipe ? dbs.pipeDbPath() : dbs.inletDbPath()));
  if (result.refillOutfalls) fillOutfallList(result.outfalls);
  if (result.opened() && pipe) {
    // What was last used with this database is offered again.
    if (auto fields = rememberedFields(QString::fromStdString(dbs.pipeDbPath()))) {
      outfall_->setEditText(fields->outfall);
      tailWater_->setText(fields->tailWater);
    }
  }
  if (result.opened() && !inletFollows && !dbs.pipeDbPath().empty() && !dbs.inletDbPath().empty()) {
    rememberRecentProject(
        {QString::fromStdString(dbs.pipeDbPath()), QString::fromStdString(dbs.inletDbPath())});
    fillRecentMenu();
  }
  if (result.opened())
    statusBar()->showMessage(QString("%1 project database opened; units: %2")
                                 .arg(pipe ? "Pipe" : "Inlet")
                                 .arg(QString::fromStdString(dbs.unitSystem())));
}

void MainWindow::fillOutfallList(const std::vector<std::string>& outfalls) {
  // The node typed or picked so far stays; the list is the new database's.
  const QString text = outfall_->currentText();
  const QSignalBlocker block(outfall_);
  outfall_->clear();
  for (const std::string& node : outfalls) outfall_->addItem(QString::fromStdString(node));
  outfall_->setCurrentIndex(outfall_->findText(text, Qt::MatchExactly));
  outfall_->setEditText(text);
  session_.outfallNode = text.toStdString();
}

void MainWindow::tablesAboutToChange() {
  for (TableModel* m : {structureModel_, pipeModel_, branchModel_}) m->beginTableChange();
}

void MainWindow::tablesChanged() {
  structureModel_->endTableChange(&session_.tables().structures);
  pipeModel_->endTableChange(&session_.tables().pipes);
  branchModel_->endTableChange(&session_.tables().branches);
  layoutColumns();
  selectCurrentRows();
  previewStale_ = true;
  updatePreview();
  updateCommandStates();
}

void MainWindow::runInBackground(const QString& status, BackgroundRunner::Task task,
                                 BackgroundRunner::Done done) {
  centralWidget()->setEnabled(false);
  menuBar()->setEnabled(false);
  QApplication::setOverrideCursor(Qt::BusyCursor);
  statusBar()->showMessage(status);
  runner_->start(session_, std::move(task), std::move(done));
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
  runner_->finish(session_, *ui_);
  emit commandFinished();
}

void MainWindow::createProfileData() {
  if (runner_->running()) return;
  session_.outfallNode = outfall_->currentText().toStdString();
  session_.tailWaterText = tailWater_->text().toStdString();
  const ProjectFields typed{outfall_->currentText(), tailWater_->text()};
  auto result = std::make_shared<GenerationResult>();
  runInBackground(
      "Creating profile data...",
      [result](Session& work, UserInterface&) { *result = tarvello::createProfileData(work); },
      [this, result, typed](Session& work) {
        session_.warnings = std::move(work.warnings);
        if (!result->ran) return;  // no outfall node: nothing done, nothing to say
        rememberFields(QString::fromStdString(session_.databases.pipeDbPath()), typed);
        tablesAboutToChange();
        session_.run = std::move(work.run);
        // The previous tables are gone, and the run freed its working data on
        // the worker thread, whose heap keeps the pages: they go back now.
        releaseFreedHeap();
        tablesChanged();
        checksPage_->runChecks();
        // The run may have raised the tail water to the outfall pipe's minimum.
        session_.tailWaterText = work.tailWaterText;
        tailWater_->setText(QString::fromStdString(session_.tailWaterText));
        statusBar()->showMessage(QString::fromStdString(session_.run->statusLine()));
        showWarnings("Create Profile Data");
        if (!result->error.empty()) ui_->showMessage(result->error, MessageIcon::Exclamation);
      });
}

void MainWindow::runFileCommand(const QString& name, const std::function<void()>& command) {
  if (runner_->running()) return;
  {
    BusyCursor busy;
    command();
  }
  showWarnings(name);
}

void MainWindow::plotSingleProfile() {
  bool saved = false;
  runFileCommand("Current Pipe Profile", [&] { saved = plotCurrentPipeProfile(session_, *ui_); });
  if (saved) offerSavedDrawing();
}

void MainWindow::plotBranchProfile() {
  bool saved = false;
  runFileCommand("Current Branch Profile",
                 [&] { saved = plotCurrentBranchProfile(session_, *ui_); });
  if (saved) offerSavedDrawing();
}

void MainWindow::plotMultipleProfile() {
  bool saved = false;
  runFileCommand("All Pipe Profiles", [&] { saved = plotAllProfiles(session_, *ui_); });
  if (saved) offerSavedDrawing();
}

void MainWindow::drawStructureSchedule() {
  bool saved = false;
  runFileCommand("Structure Schedule",
                 [&] { saved = tarvello::drawStructureSchedule(session_, *ui_); });
  if (saved) offerSavedDrawing();
}

void MainWindow::drawPipeSchedule() {
  bool saved = false;
  runFileCommand("Pipe Schedule", [&] { saved = tarvello::drawPipeSchedule(session_, *ui_); });
  if (saved) offerSavedDrawing();
}

// A drawing just saved is one click from the viewer, whatever its name ends
// in (the viewer's open dialog lists "*.dxf" files only).
void MainWindow::offerSavedDrawing() {
  const QString path = QString::fromStdString(session_.lastDrawing);
  statusBar()->showMessage("Drawing saved to " + path);
  showSavedDrawing_->setToolTip("Show " + path + " in the drawing viewer.");
  showSavedDrawing_->show();
  viewerStartsAtSavedDrawing_ = true;
}

void MainWindow::exportToExcel() {
  std::optional<std::string> workbook;
  runFileCommand("Export to Excel",
                 [&] { workbook = exportSchedulesToExcel(session_, *ui_, checksPage_->checks()); });
  if (!workbook) return;
  const QString path = QString::fromStdString(*workbook);
  statusBar()->showMessage("Workbook saved to " + path);
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
    ui_->showMessage(
        "The workbook was saved to:" + *workbook + "\nNo program could be started to show it.",
        MessageIcon::Information);
  }
}

void MainWindow::viewDrawing() {
  FileDialogRequest request;
  request.title = "Open";
  request.filter = "DXF files (*.dxf)|*.dxf";
  request.defaultExtension = ".dxf";
  request.initialFolder =
      session_.lastFolder.empty() ? session_.programFolder : session_.lastFolder;
  if (viewerStartsAtSavedDrawing_) request.initialFolder = folderOf(session_.lastDrawing);
  request.mustExist = true;
  const std::string chosen = ui_->askOpenFileName(request);
  if (chosen.empty()) {
    ui_->showMessage("No DXF File selected!", MessageIcon::Exclamation);
    return;
  }
  session_.lastFolder = folderOf(chosen);
  viewerStartsAtSavedDrawing_ = false;
  saveSettings();
  showDrawingFile(chosen);
}

void MainWindow::showDrawingFile(const std::string& path) {
  if (path.empty() || runner_->running()) return;
  DxfViewWindow viewer(this);
  connect(&viewer, &DxfViewWindow::helpRequested, this, &MainWindow::showHelp);
  const QString error = viewer.loadFile(QString::fromStdString(path));
  if (viewer.loadCancelled()) return;  // the user stopped it: nothing to say
  if (!error.isEmpty()) {
    ui_->showMessage("The drawing cannot be shown:\n" + path + "\n" + error.toStdString(),
                     MessageIcon::Exclamation);
    return;
  }
  // Window-modal: the main window waits, the help window stays usable.
  viewer.setWindowModality(Qt::WindowModal);
  viewer_ = &viewer;
  viewer.exec();
  viewer_ = nullptr;
}

QString MainWindow::helpFilePath() const {
  return QString::fromStdString(dataFile(session_.programFolder, kHelpFileName).string());
}

void MainWindow::showHelp() {
  if (!helpWindow_) helpWindow_ = std::make_unique<HelpWindow>();
  // A missing guide is not reported: the program simply goes on.
  helpWindow_->showGuide(helpFilePath());
}

void MainWindow::showAbout() {
  AboutDialog about(this);
  about.exec();
}

void MainWindow::exitProgram() {
  if (viewer_) viewer_->reject();
  close();
  QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  waitForCommand();  // the running command's databases come back first
  saveSettings();
  if (helpWindow_) helpWindow_->close();
  event->accept();
}

void MainWindow::showWarnings(const QString& command) {
  warningsList_->clear();
  const auto& items = session_.warnings.items();
  for (const std::string& w : items) warningsList_->addItem(QString::fromStdString(w));
  warningsDock_->setWindowTitle(QString("Warnings - %1 (%2)").arg(command).arg(items.size()));
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
  // During a run the databases (and so the units) are with the run.
  if (!previewStale_ || tabs_->currentWidget() != plotsPage_ || runner_->running()) return;
  previewStale_ = false;
  plotsPage_->showPreview(session_, session_.tables().branches.currentRow());
}

void MainWindow::updateCommandStates() {
  if (!outfall_ || !plotsPage_) return;
  showCommandStates(*this, commandBlocks(session_, outfall_->currentText()));
}

void MainWindow::fillRecentMenu() {
  recentMenu_->clear();
  const QList<RecentProject> projects = recentProjects();
  for (int i = 0; i < projects.size(); ++i) {
    const RecentProject project = projects[i];
    QAction* open =
        recentMenu_->addAction(QString("&%1 %2").arg(i + 1).arg(recentProjectCaption(project)));
    open->setObjectName(QString("mnuRecentProject%1").arg(i + 1));
    open->setToolTip(project.pipe + "\n" + project.inlet);
    connect(open, &QAction::triggered, this, [this, project] {
      if (!runner_->running()) openDatabasesAtStart(project.pipe, project.inlet);
    });
  }
  recentMenu_->setEnabled(!projects.isEmpty());
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!runner_->running() && !urls.isEmpty() && urls.size() <= 2 &&
      std::all_of(urls.begin(), urls.end(), [](const QUrl& u) { return u.isLocalFile(); }))
    event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  QString pipe, inlet;
  for (const QUrl& url : event->mimeData()->urls()) {
    const QString path = QDir::toNativeSeparators(url.toLocalFile());
    (isInletFile(path) ? inlet : pipe) = path;
  }
  if (pipe.isEmpty() && inlet.isEmpty()) return;
  event->acceptProposedAction();
  // Opened once the drop has ended, so that the file manager is not kept waiting.
  QTimer::singleShot(0, this, [this, pipe, inlet] {
    if (!runner_->running()) openDatabasesAtStart(pipe, inlet);
  });
}

void MainWindow::saveShownTable() {
  if (runner_->running()) return;
  QWidget* page = tabs_->currentWidget();
  const char* id = page == structureGrid_ ? "structures"
                   : page == pipeGrid_    ? "pipes"
                   : page == checksPage_  ? "checks"
                                          : "branches";
  if (const auto path = saveTableAsCsv(session_, *ui_, id, checksPage_->checks()))
    statusBar()->showMessage("Table saved to " + QString::fromStdString(*path));
}

void MainWindow::restoreSettings() {
  QSettings settings;
  const QByteArray geometry = settings.value("window/geometry").toByteArray();
  if (!geometry.isEmpty()) restoreGeometry(geometry);
  const QString folder = settings.value("files/lastFolder").toString();
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) session_.lastFolder = folder.toStdString();
}

void MainWindow::saveSettings() {
  QSettings settings;
  settings.setValue("window/geometry", saveGeometry());
  settings.setValue("files/lastFolder", QString::fromStdString(session_.lastFolder));
}

}  // namespace tarvello

// The desktop program driven as a user would drive it: the window as it
// opens, the tail-water field, the two databases, "Create Profile Data", row
// selection, every drawing and export command, the viewer, help, about,
// settings, start-up and exit. Dialogs are answered by a script; the Qt
// dialogs themselves are checked on their own.
#include <QComboBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

#include <clocale>
#include <fstream>
#include <functional>
#include <sstream>

#include "network/generation.h"
#include "profile/profile_commands.h"
#include "scripted_ui.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/qt_user_interface.h"
#include "shell/splash_window.h"
#include "shell/startup.h"
#include "shell/table_model.h"
#include "shell/tail_water_edit.h"
#include "viewer/drawing_view.h"
#include "viewer/dxf_reader.h"
#include "viewer/dxf_view_window.h"

using namespace tarvello;

namespace {

const QString kExamples = TARVELLO_EXAMPLES_DIR;
const std::string kHighwayPipe = (kExamples + "/highway.bvp").toStdString();
const std::string kHighwayInlet = (kExamples + "/highway.olm").toStdString();
const std::string kMetricPipe = (kExamples + "/metric.bvp").toStdString();

using Cells = std::vector<std::vector<std::string>>;

Cells cellsOf(const Table& t) {
  Cells c(static_cast<size_t>(t.rowCount()));
  for (int r = 0; r < t.rowCount(); ++r)
    for (int col = 0; col < t.columnCount(); ++col) c[static_cast<size_t>(r)].push_back(t.cell(r, col));
  return c;
}

std::string readAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Runs `check` on the first modal window that appears, then lets the caller's
// blocking call go on.
void onNextModal(std::function<void(QWidget*)> check) {
  QTimer::singleShot(0, [check = std::move(check)] {
    QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
    check(QApplication::activeModalWidget());
  });
}

// Records the files the desktop is asked to open.
class DesktopRecorder : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened << url; }
};

}  // namespace

class ShellTest : public QObject {
  Q_OBJECT

  QTemporaryDir out_;
  std::unique_ptr<MainWindow> window_;
  ScriptedUi* ui_ = nullptr;

  template <typename T>
  T* find(const char* name) const {
    T* w = window_->findChild<T*>(name);
    if (!w) qWarning("no %s", name);
    return w;
  }
  QPushButton* button(const char* name) const { return find<QPushButton>(name); }
  TableModel* modelOf(const char* grid) const {
    return static_cast<TableModel*>(find<QTableView>(grid)->model());
  }
  std::string outPath(const char* name) const { return out_.filePath(name).toStdString(); }

  void newWindow() {
    auto ui = std::make_unique<ScriptedUi>();
    ui_ = ui.get();
    window_ = std::make_unique<MainWindow>(std::move(ui));
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void openHighwayAndCreate() {
    window_->openDatabasesAtStart(QString::fromStdString(kHighwayPipe),
                                  QString::fromStdString(kHighwayInlet));
    find<QComboBox>("hglanodeout")->setEditText("1");
    button("cmdgenprofiledata")->click();
    QVERIFY(window_->session().tables.branches.lastFilledRow() > 5);
    ui_->forget();
  }

  void clickCell(const char* grid, int viewRow, int column) {
    auto* view = find<QTableView>(grid);
    const QModelIndex index = view->model()->index(viewRow, column);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
  }

 private slots:
  void init() { newWindow(); }
  void cleanup() {
    window_.reset();
    ui_ = nullptr;
  }

  void opensAsTheUserFirstSeesIt() {
    QCOMPARE(window_->objectName(), QString("frmProfileinput"));
    QCOMPARE(window_->windowTitle(), QString("Tarvello"));
    QCOMPARE(find<QLineEdit>("TWE")->text(), QString("0.0"));
    auto* tabs = find<QTabWidget>("SSTab1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(tabs->tabText(0), QString("STRUCTURE DATA"));
    QCOMPARE(tabs->tabText(1), QString("PIPE DATA"));
    QCOMPARE(tabs->tabText(2), QString("PLOTS/SUMMARIES"));

    for (const char* grid : {"strflex", "pipeflex", "profileflex1"}) {
      auto* view = find<QTableView>(grid);
      const Table& table = static_cast<TableModel*>(view->model())->table();
      // The header row of the table is the view's header.
      QCOMPARE(view->model()->columnCount(), table.columnCount());
      for (int c = 0; c < table.columnCount(); ++c)
        QCOMPARE(view->model()->headerData(c, Qt::Horizontal).toString(),
                 QString::fromStdString(table.headers()[static_cast<size_t>(c)]));
      // Empty apart from the header row, with row 1 current and selected.
      for (int c = 0; c < view->model()->columnCount(); ++c)
        QCOMPARE(view->model()->index(0, c).data().toString(), QString());
      QCOMPARE(view->currentIndex().row(), 0);
      QVERIFY(view->selectionModel()->isRowSelected(0, {}));
      // Widths from the header texts plus 200 twips; column 0 of the
      // structure and branch tables from "<Branch ID>".
      for (int c = 1; c < table.columnCount(); ++c)
        QCOMPARE(view->columnWidth(c),
                 window_->columnWidthFor(QString::fromStdString(table.headers()[static_cast<size_t>(c)])));
    }
    const ProfileTables& t = window_->session().tables;
    for (const Table* table : {&t.structures, &t.pipes, &t.branches}) {
      QCOMPARE(table->currentRow(), 1);
      QCOMPARE(table->selectionEndColumn(), table->columnCount() - 1);
    }
    const int wide = window_->columnWidthFor("<Branch ID>");
    QCOMPARE(find<QTableView>("strflex")->columnWidth(0), wide);
    QCOMPARE(find<QTableView>("profileflex1")->columnWidth(0), wide);
    QCOMPARE(find<QTableView>("pipeflex")->columnWidth(0), window_->columnWidthFor("Branch ID"));
    QVERIFY(wide > window_->columnWidthFor("Branch ID"));
    QVERIFY(window_->columnWidthFor("") >= 13);  // 200 twips at 96 dpi

    const std::pair<const char*, const char*> buttons[] = {
        {"mnubrowsePipe", "Open Pipe Database"},       {"mnubrowseInlet", "Open Inlet Database"},
        {"cmdgenprofiledata", "Create Profile Data"},  {"cmdPlotSingleProfile", "Current Pipe Profile"},
        {"cmdPlotBranchProfile", "Current Branch Profile"}, {"cmdPlotMultipleProfile", "All Pipe Profiles"},
        {"cmdStrSchedule", "Structure Schedule"},      {"cmdPipeSchedule", "Pipe Schedule"},
        {"cmdXLexport", "Export to Excel"},            {"cmdviewDWF", "View DWF"}};
    for (const auto& [name, caption] : buttons) QCOMPARE(button(name)->text(), QString(caption));
    QStringList frames;
    for (auto* f : window_->findChildren<QGroupBox*>()) frames << f->title();
    QVERIFY(frames.contains("Plot  Profiles and Schedules"));
    QVERIFY(frames.contains("Structure And Pipe Schdules"));
    for (const char* name : {"pipe_database", "inlet_database"}) QVERIFY(find<QLineEdit>(name)->isReadOnly());
    QVERIFY(find<QComboBox>("hglanodeout")->isEditable());

    QStringList menus;
    for (QAction* a : window_->menuBar()->actions()) {
      menus << a->menu()->objectName() + "=" + a->text();
      for (QAction* item : a->menu()->actions()) menus << item->objectName() + "=" + item->text();
    }
    QCOMPARE(menus, QStringList({"mnuFile=&File", "mnuExit=E&xit", "mnuhelp=&Help",
                                 "mnuPPHelp=Tarvello Help", "mnuAbout=About Tarvello"}));
  }

  void tailWaterFieldTakesOnlyAnElevation() {
    auto* twe = find<QLineEdit>("TWE");
    twe->setFocus();
    QTRY_COMPARE(twe->selectedText(), QString("0.0"));  // the whole text, ready to be replaced
    QTest::keyClicks(twe, "12.5");
    QCOMPARE(twe->text(), QString("12.5"));
    QTest::keyClicks(twe, ".-+,a e");  // a second point, signs, comma, letters, blank
    QCOMPARE(twe->text(), QString("12.5"));
    QTest::keyClick(twe, Qt::Key_Backspace);
    QTest::keyClicks(twe, "5");
    QCOMPARE(twe->text(), QString("12.5"));
    QCOMPARE(window_->session().tailWaterText, std::string("12.5"));

    QTest::keyClick(twe, Qt::Key_Tab);
    QVERIFY(!twe->hasFocus());
    QCOMPARE(twe->text(), QString("12.50"));

    twe->setFocus();
    QTRY_COMPARE(twe->selectedText(), QString("12.50"));
    QTest::keyClicks(twe, ".");  // the selection holds the point: "." replaces it
    QCOMPARE(twe->text(), QString("."));
    QTest::keyClicks(twe, "7");
    QTest::keyClick(twe, Qt::Key_Return);  // moves on like Tab, inserts nothing
    QVERIFY(!twe->hasFocus());
    QVERIFY(button("cmdgenprofiledata")->hasFocus());
    QCOMPARE(twe->text(), QString("0.70"));

    twe->setFocus();
    twe->clear();
    QTest::keyClick(twe, Qt::Key_Tab);
    QCOMPARE(twe->text(), QString());  // nothing to format
  }

  void databasesOpenThroughTheirDialogs() {
    auto* pipeDb = find<QLineEdit>("pipe_database");
    auto* outfall = find<QComboBox>("hglanodeout");

    button("mnubrowsePipe")->click();  // cancelled
    QCOMPARE(ui_->messages.size(), size_t{1});
    QCOMPARE(ui_->messages[0].text, std::string("No Pipe project database selected!"));
    QVERIFY(ui_->messages[0].icon == MessageIcon::Exclamation);
    QCOMPARE(ui_->requests[0].title, std::string("Open"));
    QCOMPARE(ui_->requests[0].filter, std::string("Brenvik files (*.bvp;*.bvh)|*.bvp;*.bvh"));
    QCOMPARE(ui_->requests[0].defaultExtension, std::string(".bvp"));
    QVERIFY(ui_->requests[0].mustExist);
    QCOMPARE(pipeDb->text(), QString());

    ui_->forget();
    ui_->openAnswers = {kHighwayPipe};
    button("mnubrowsePipe")->click();
    QVERIFY(ui_->messages.empty());
    QCOMPARE(pipeDb->text(), QString::fromStdString(kHighwayPipe));
    QStringList nodes;
    for (int i = 0; i < outfall->count(); ++i) nodes << outfall->itemText(i);
    QVERIFY(nodes.contains("1") && nodes.contains("201"));
    QStringList sorted = nodes;
    sorted.sort();
    QCOMPARE(nodes, sorted);
    QCOMPARE(outfall->currentText(), QString());  // the user picks the outfall
    QCOMPARE(QDir(QString::fromStdString(window_->session().lastFolder)), QDir(kExamples));

    // The next dialog opens where the last one ended.
    ui_->forget();
    button("mnubrowseInlet")->click();
    QCOMPARE(ui_->requests[0].initialFolder, window_->session().lastFolder);
    QCOMPARE(ui_->requests[0].filter, std::string("Olmstra files (*.olm;*.olh)|*.olm;*.olh"));
    QCOMPARE(ui_->lastMessage(), std::string("No Inlet project database selected!"));

    // A file that is no database: its own message, and nothing replaced.
    QFile bad(out_.filePath("notes.olm"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("meeting notes, not a database\n");
    bad.close();
    ui_->forget();
    ui_->openAnswers = {bad.fileName().toStdString()};
    button("mnubrowseInlet")->click();
    QCOMPARE(ui_->messages.size(), size_t{1});
    QVERIFY(ui_->messages[0].icon == MessageIcon::Exclamation);
    QCOMPARE(find<QLineEdit>("inlet_database")->text(), QString());

    ui_->forget();
    ui_->openAnswers = {kHighwayInlet};
    button("mnubrowseInlet")->click();
    QVERIFY(ui_->messages.empty());
    QCOMPARE(find<QLineEdit>("inlet_database")->text(), QString::fromStdString(kHighwayInlet));
    QCOMPARE(window_->session().databases.unitSystem(), std::string("ENGLISH"));

    // Typed node text survives a new pipe database; the list is the new one's.
    outfall->setEditText("1");
    window_->openDatabasesAtStart(QString::fromStdString(kMetricPipe), {});
    QCOMPARE(pipeDb->text(), QString::fromStdString(kMetricPipe));
    QCOMPARE(outfall->currentText(), QString("1"));
    QVERIFY(outfall->findText("201") < 0);
    QCOMPARE(window_->session().databases.unitSystem(), std::string("METRIC"));
  }

  void createProfileDataFillsTheGrids() {
    // Without an outfall node the button does nothing at all.
    button("cmdgenprofiledata")->click();
    QCOMPARE(modelOf("strflex")->rowCount(), 1);
    QVERIFY(ui_->messages.empty());

    window_->openDatabasesAtStart(QString::fromStdString(kHighwayPipe),
                                  QString::fromStdString(kHighwayInlet));
    find<QComboBox>("hglanodeout")->setEditText("1");
    find<QLineEdit>("TWE")->setText("");
    button("cmdgenprofiledata")->click();
    QVERIFY(ui_->messages.empty());

    // The same run done by the core alone gives the same tables.
    Session direct;
    QCOMPARE(direct.databases.openPipeDatabase(kHighwayPipe), std::string());
    QCOMPARE(direct.databases.openInletDatabase(kHighwayInlet), std::string());
    direct.outfallNode = "1";
    direct.tailWaterText = "";
    QVERIFY(tarvello::createProfileData(direct).ran);
    const Session& s = window_->session();
    QVERIFY(cellsOf(s.tables.structures) == cellsOf(direct.tables.structures));
    QVERIFY(cellsOf(s.tables.pipes) == cellsOf(direct.tables.pipes));
    QVERIFY(cellsOf(s.tables.branches) == cellsOf(direct.tables.branches));
    QCOMPARE(find<QLineEdit>("TWE")->text(), QString::fromStdString(direct.tailWaterText));
    QVERIFY(find<QLineEdit>("TWE")->text() != "");

    // The grids show every row; row 1 is current and selected.
    for (const char* grid : {"strflex", "pipeflex", "profileflex1"}) {
      auto* view = find<QTableView>(grid);
      const auto* model = static_cast<TableModel*>(view->model());
      QCOMPARE(model->rowCount(), model->table().rowCount() - 1);
      QCOMPARE(view->currentIndex().row(), 0);
      QCOMPARE(model->index(2, 1).data().toString(), QString::fromStdString(model->table().cell(3, 1)));
      QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QString("Branch ID"));
      // No value is cut off: every column is at least as wide as its text.
      for (int c = 0; c < model->columnCount(); ++c)
        for (int r = 0; r < model->rowCount(); ++r)
          QVERIFY(view->columnWidth(c) >= window_->columnWidthFor(model->index(r, c).data().toString()));
    }
    QCOMPARE(s.tables.structures.cell(1, strcol::StrNo), std::string("1"));

    // The warnings of the run are listed beside the work.
    auto* list = find<QListWidget>("warningsList");
    QCOMPARE(static_cast<size_t>(list->count()), s.warnings.items().size());
    QCOMPARE(find<QDockWidget>("warningsDock")->isVisible(), !s.warnings.empty());

    // A second press gives the same tables.
    const Cells first = cellsOf(s.tables.structures);
    button("cmdgenprofiledata")->click();
    QVERIFY(cellsOf(s.tables.structures) == first);

    // An outfall no pipe drains into: the core's reason, and empty tables.
    find<QComboBox>("hglanodeout")->setEditText("no such node");
    button("cmdgenprofiledata")->click();
    QCOMPARE(ui_->messages.size(), size_t{1});
    QVERIFY(ui_->lastMessage().find("no such node") != std::string::npos);
    QCOMPARE(s.tables.branches.lastFilledRow(), 0);
  }

  void structureRowsUnderPressureStandOut() {
    Table t({"Branch ID", "Str #", "Str. Type", "Station", "Offset", "Offset Loc.", "Top Elev.",
             "Bottom Elev.", "HGL Elev-Low", "HGL Elev-High", "VDOT Std.", "Length", "Shaping"});
    auto row = [&](int r, const char* top, const char* low, const char* high) {
      t.setCell(r, strcol::TopElev, top);
      t.setCell(r, strcol::HglLow, low);
      t.setCell(r, strcol::HglHigh, high);
    };
    row(1, "405.00", "401.20", "401.20");  // below the rim
    row(2, "405.00", "404.10", "405.00");  // at the rim
    row(3, "405.00", "405.60", "405.60");  // above
    row(4, "", "405.60", "405.60");        // no top: nothing to compare
    row(5, "405.00", "n/a", "");
    TableModel model(t);
    model.setRowFlag(hglReachesTop, "over");
    const bool expected[] = {false, true, true, false, false};
    for (int r = 1; r <= 5; ++r) {
      QCOMPARE(model.rowFlagged(r), expected[r - 1]);
      const QModelIndex i = model.index(TableModel::viewRow(r), 3);
      QCOMPARE(i.data(Qt::BackgroundRole).isValid(), expected[r - 1]);
      QCOMPARE(i.data(Qt::ToolTipRole).toString(), QString(expected[r - 1] ? "over" : ""));
    }

    // A very large network: the model reads cells only when they are shown.
    for (int r = 1; r <= 60000; ++r) row(r, "405.00", r % 7 ? "401.00" : "406.00", "401.00");
    QElapsedTimer clock;
    clock.start();
    model.beginTableChange();
    model.endTableChange();
    QTableView view;
    view.setModel(&model);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.resize(800, 600);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.scrollToBottom();
    QApplication::processEvents();
    QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(model.rowCount(), 60000);
    QVERIFY(model.rowFlagged(59997) && !model.rowFlagged(59998));
  }

  void clickingARowSelectsItForThePlots() {
    openHighwayAndCreate();
    ProfileTables& t = window_->session().tables;

    find<QTabWidget>("SSTab1")->setCurrentIndex(1);
    clickCell("pipeflex", 4, 3);  // table row 5, column 3
    QCOMPARE(t.pipes.currentRow(), 5);
    QCOMPARE(t.pipes.currentColumn(), 3);
    QCOMPARE(t.pipes.selectionEndRow(), 5);
    QCOMPARE(t.pipes.selectionEndColumn(), 18);
    QVERIFY(find<QTableView>("pipeflex")->selectionModel()->isRowSelected(4, {}));

    // The last branch: its first row, then another of its rows.
    find<QTabWidget>("SSTab1")->setCurrentIndex(2);
    const int last = t.branches.lastFilledRow();
    const std::string lastBranch = t.branches.cell(last, branchcol::BranchId);
    int first = last;
    while (first > 1 && t.branches.cell(first - 1, branchcol::BranchId) == lastBranch) --first;
    clickCell("profileflex1", last - 1, 1);
    QCOMPARE(t.branches.currentRow(), last);

    // A click in the header row leaves the selection as it was.
    auto* header = find<QTableView>("profileflex1")->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionPosition(1) + 5, 5));
    QCOMPARE(t.branches.currentRow(), last);

    // The branch profile of the selected row, as the core draws it.
    ui_->saveAnswers = {outPath("branch.dxf")};
    button("cmdPlotBranchProfile")->click();
    QCOMPARE(ui_->lastMessage(), "DXF file was saved to:" + outPath("branch.dxf"));
    Session copy;
    copy.databases.openPipeDatabase(kHighwayPipe);
    copy.tables = t;
    copy.tailWaterText = window_->session().tailWaterText;
    copy.tables.branches.setCurrentRow(first);
    ScriptedUi quiet;
    quiet.saveAnswers = {outPath("expected.dxf")};
    QVERIFY(plotCurrentBranchProfile(copy, quiet));
    QCOMPARE(readAll(outPath("branch.dxf")), readAll(outPath("expected.dxf")));

    // The preview shows what that file holds, without writing one.
    auto* preview = window_->previewView();
    const DxfReadResult branchFile = readDxfFile(outPath("branch.dxf"));
    QVERIFY(branchFile.ok);
    const auto drawn = [](const DxfEntities& e) {
      int n = static_cast<int>(e.count());
      for (const auto& text : e.texts) n -= text.text.empty() ? 1 : 0;
      return n;
    };
    QCOMPARE(preview->itemCount(), drawn(branchFile.entities));
    find<QRadioButton>("optPreviewPipe")->setChecked(true);
    ui_->saveAnswers = {outPath("pipe.dxf")};
    button("cmdPlotSingleProfile")->click();
    const DxfReadResult pipeFile = readDxfFile(outPath("pipe.dxf"));
    QVERIFY(pipeFile.ok);
    QCOMPARE(preview->itemCount(), drawn(pipeFile.entities));
    QVERIFY(preview->itemCount() < drawn(branchFile.entities) || first == last);
  }

  void everyDrawingCommandWritesItsFile() {
    // Before any data there is nothing to draw and nothing is asked.
    for (const char* name : {"cmdPlotSingleProfile", "cmdPlotBranchProfile", "cmdPlotMultipleProfile",
                             "cmdStrSchedule", "cmdPipeSchedule", "cmdXLexport"})
      button(name)->click();
    QVERIFY(ui_->requests.empty());
    QVERIFY(ui_->messages.empty());

    openHighwayAndCreate();
    for (const char* name : {"cmdPlotSingleProfile", "cmdPlotBranchProfile", "cmdPlotMultipleProfile",
                             "cmdStrSchedule", "cmdPipeSchedule"}) {
      const std::string path = outPath((std::string(name) + ".dxf").c_str());
      ui_->forget();
      ui_->saveAnswers = {path};
      button(name)->click();
      QCOMPARE(ui_->requests.size(), size_t{1});
      QCOMPARE(ui_->requests[0].title, std::string("Save"));
      QCOMPARE(ui_->requests[0].filter, std::string("Create DXF files (*.dxf)|*.dxf"));
      QCOMPARE(ui_->lastMessage(), "DXF file was saved to:" + path);
      QVERIFY(ui_->messages.back().icon == MessageIcon::None);
      const DxfReadResult drawing = readDxfFile(path);
      QVERIFY2(drawing.ok, name);
      QVERIFY2(drawing.entities.count() > 20, name);

      // Cancelled: the message, and no file.
      ui_->forget();
      button(name)->click();
      QCOMPARE(ui_->lastMessage(), std::string("No DXF File Name selected!"));
      QVERIFY(ui_->messages.back().icon == MessageIcon::Exclamation);

      // The same name again, and "No" to overwriting: the file stays.
      std::ofstream(path, std::ios::trunc) << "kept";
      ui_->forget();
      ui_->saveAnswers = {path};
      ui_->yesNoAnswers = {false};
      button(name)->click();
      QCOMPARE(ui_->questions, std::vector<std::string>{"File Already Exists!   Overwrite?"});
      QCOMPARE(readAll(path), std::string("kept"));
    }
  }

  void exportToExcelSavesAndShowsTheWorkbook() {
    DesktopRecorder desktop;
    QDesktopServices::setUrlHandler("file", &desktop, "open");
    openHighwayAndCreate();

    button("cmdXLexport")->click();
    QCOMPARE(ui_->lastMessage(), std::string("No File Name selected!"));
    QVERIFY(ui_->messages.back().icon == MessageIcon::Exclamation);
    QVERIFY(desktop.opened.isEmpty());

    ui_->forget();
    const std::string path = outPath("schedules.xlsx");
    ui_->saveAnswers = {path};
    button("cmdXLexport")->click();
    QVERIFY2(ui_->messages.empty(), ui_->lastMessage().c_str());
    QCOMPARE(readAll(path).substr(0, 2), std::string("PK"));  // a workbook package
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(path))});
    QDesktopServices::unsetUrlHandler("file");
  }

  void viewDwfShowsTheChosenDrawing() {
    button("cmdviewDWF")->click();
    QCOMPARE(ui_->lastMessage(), std::string("No DXF File selected!"));
    QVERIFY(ui_->messages.back().icon == MessageIcon::Exclamation);
    QCOMPARE(ui_->requests[0].filter, std::string("DXF files (*.dxf)|*.dxf"));
    QCOMPARE(ui_->requests[0].defaultExtension, std::string(".dxf"));
    QVERIFY(window_->findChildren<DxfViewWindow*>().isEmpty());

    openHighwayAndCreate();
    find<QTabWidget>("SSTab1")->setCurrentIndex(2);
    ui_->saveAnswers = {outPath("view.dxf")};
    button("cmdPlotBranchProfile")->click();
    ui_->forget();
    window_->session().lastFolder.clear();

    int itemsShown = -1;
    bool helpShown = false;
    ui_->openAnswers = {outPath("view.dxf")};
    onNextModal([&](QWidget* modal) {
      auto* viewer = qobject_cast<DxfViewWindow*>(modal);
      QVERIFY(viewer);
      QCOMPARE(viewer->windowTitle(), QString("DXF Profile View"));
      itemsShown = viewer->drawingView()->itemCount();
      viewer->findChild<QAction*>("mnuPPHelp")->trigger();
      helpShown = window_->helpWindow() && window_->helpWindow()->isVisible();
      viewer->findChild<QAction*>("mnuExit")->trigger();
    });
    button("cmdviewDWF")->click();
    QVERIFY(itemsShown > 20);
    QVERIFY(helpShown);
    QVERIFY(ui_->messages.empty());
    QCOMPARE(QDir(QString::fromStdString(window_->session().lastFolder)), QDir(out_.path()));
    QVERIFY(window_->viewerWindow() == nullptr);

    // The next open dialog starts in that folder; a file that is no drawing
    // is refused with a reason, and no viewer opens.
    std::ofstream(outPath("readme.dxf")) << "not a drawing\n";
    ui_->forget();
    ui_->openAnswers = {outPath("readme.dxf")};
    button("cmdviewDWF")->click();
    QCOMPARE(ui_->requests[0].initialFolder, window_->session().lastFolder);
    QCOMPARE(ui_->messages.size(), size_t{1});
    QVERIFY(ui_->lastMessage().find("cannot be shown") != std::string::npos);
    QVERIFY(ui_->lastMessage().find("not a DXF") != std::string::npos);
    QVERIFY(window_->viewerWindow() == nullptr);
  }

  void helpAndAbout() {
    QVERIFY(QFile::exists(window_->helpFilePath()));
    window_->findChild<QAction*>("mnuPPHelp")->trigger();
    HelpWindow* help = window_->helpWindow();
    QVERIFY(help && help->isVisible());
    const QString guide = help->browser()->toPlainText();
    for (const char* words : {"STRUCTURE DATA", "Create Profile Data", "hydraulic grade line", "32.2",
                              "0.463", "0.453", "0.312", "View DWF"})
      QVERIFY2(guide.contains(words, Qt::CaseInsensitive), words);
    help->close();

    // Without the file the command shows nothing and the program goes on.
    window_->session().programFolder = out_.filePath("nowhere").toStdString();
    window_->findChild<QAction*>("mnuPPHelp")->trigger();
    QVERIFY(!help->isVisible());
    QVERIFY(ui_->messages.empty());
    QVERIFY(window_->isVisible());

    bool okFound = false;
    QString title;
    onNextModal([&](QWidget* modal) {
      title = modal->windowTitle();
      auto* ok = modal->findChild<QPushButton*>("cmdOK");
      okFound = ok != nullptr;
      if (ok) ok->click();
    });
    window_->findChild<QAction*>("mnuAbout")->trigger();
    QVERIFY(okFound);
    QCOMPARE(title, QString("About Tarvello"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void windowSizeAndLastFolderAreKept() {
    window_->resize(1020, 690);
    window_->session().lastFolder = out_.path().toStdString();
    window_->close();
    newWindow();
    QCOMPARE(window_->session().lastFolder, out_.path().toStdString());
    QCOMPARE(window_->size(), QSize(1020, 690));
  }

  void qtDialogsSpeakWithTheProgramsVoice() {
    QCOMPARE(qtNameFilters("Brenvik files (*.bvp;*.bvh)|*.bvp;*.bvh"),
             QStringList{"Brenvik files (*.bvp *.bvh)"});
    QCOMPARE(qtNameFilters("DXF files (*.dxf)|*.dxf|All files|*"),
             QStringList({"DXF files (*.dxf)", "All files (*)"}));

    QtUserInterface qt(window_.get(), out_.path().toStdString());
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    onNextModal([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box);
      title = box->windowTitle();
      text = box->text();
      icon = box->icon();
      box->button(QMessageBox::Ok)->click();
    });
    qt.showMessage("No DXF File selected!", MessageIcon::Exclamation);
    QCOMPARE(title, QString("Tarvello"));
    QCOMPARE(text, QString("No DXF File selected!"));
    QCOMPARE(icon, QMessageBox::Warning);

    onNextModal([](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box);
      box->button(QMessageBox::No)->click();
    });
    QVERIFY(!qt.askYesNo("File Already Exists!   Overwrite?", MessageIcon::Exclamation));

    std::ofstream(outPath("project.bvp")) << "x";
    QStringList filters;
    QString folder;
    onNextModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      QVERIFY(dialog);
      title = dialog->windowTitle();
      filters = dialog->nameFilters();
      folder = dialog->directory().absolutePath();
      dialog->selectFile(QString::fromStdString(outPath("project.bvp")));
      static_cast<QDialog*>(dialog)->accept();  // public in QDialog, runs the file dialog's own
    });
    FileDialogRequest request;
    request.title = "Open";
    request.filter = "Brenvik files (*.bvp;*.bvh)|*.bvp;*.bvh";
    request.mustExist = true;
    const std::string chosen = qt.askOpenFileName(request);  // no folder: the program's
    QCOMPARE(chosen, outPath("project.bvp"));
    QCOMPARE(title, QString("Open"));
    QCOMPARE(filters, QStringList{"Brenvik files (*.bvp *.bvh)"});
    QCOMPARE(QDir(folder), QDir(out_.path()));

    onNextModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
    QCOMPARE(qt.askSaveFileName(request), std::string());
  }

  void startupArgumentsAndSplash() {
    const auto parse = [](QStringList args) { return parseStartupArguments(QStringList{"tarvello"} + args); };
    StartupOptions o = parse({});
    QVERIFY(o.splash && o.pipeDatabase.isEmpty() && o.error.isEmpty());
    o = parse({"--no-splash", "a.bvp", "b.olm"});
    QVERIFY(!o.splash);
    QCOMPARE(o.pipeDatabase, QString("a.bvp"));
    QCOMPARE(o.inletDatabase, QString("b.olm"));
    QVERIFY(!parse({"--colour"}).error.isEmpty());
    QVERIFY(!parse({"a", "b", "c"}).error.isEmpty());
    QCOMPARE(parse({"--", "-odd.bvp"}).pipeDatabase, QString("-odd.bvp"));

    SplashWindow byKey;
    QSignalSpy keyDone(&byKey, &SplashWindow::finished);
    byKey.start();
    QVERIFY(QTest::qWaitForWindowExposed(&byKey));
    QTest::keyClick(&byKey, Qt::Key_Space);
    QCOMPARE(keyDone.count(), 1);
    QVERIFY(!byKey.isVisible());

    SplashWindow byClick;
    QSignalSpy clickDone(&byClick, &SplashWindow::finished);
    byClick.start();
    QTest::mouseClick(&byClick, Qt::LeftButton);
    QCOMPARE(clickDone.count(), 1);

    SplashWindow byTime;
    QSignalSpy timeDone(&byTime, &SplashWindow::finished);
    QElapsedTimer clock;
    clock.start();
    byTime.start();
    QVERIFY(timeDone.wait(SplashWindow::kShowMilliseconds + 2000));
    QVERIFY2(clock.elapsed() >= SplashWindow::kShowMilliseconds - 50, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!byTime.isVisible());
  }

  // Last: the quit it asks for is the application's, not only the window's.
  void exitEndsTheProgramWhileTheViewerIsOpen() {
    openHighwayAndCreate();
    ui_->saveAnswers = {outPath("exit.dxf")};
    button("cmdPlotMultipleProfile")->click();
    ui_->openAnswers = {outPath("exit.dxf")};
    bool viewerWasOpen = false;
    onNextModal([&](QWidget* modal) {
      viewerWasOpen = qobject_cast<DxfViewWindow*>(modal) != nullptr;
      window_->findChild<QAction*>("mnuExit")->trigger();
    });
    button("cmdviewDWF")->click();
    QVERIFY(viewerWasOpen);
    QVERIFY(window_->viewerWindow() == nullptr);
    QVERIFY(!window_->isVisible());
  }
};

int main(int argc, char** argv) {
  // Settings of the tests go to a folder of their own.
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setOrganizationName("Tarvello");
  QApplication::setApplicationName("Tarvello shell tests");
  ShellTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "shell_test.moc"

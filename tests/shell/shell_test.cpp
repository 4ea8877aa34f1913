// The desktop program driven as a user would drive it: the window as it
// opens, the tail-water field, the two databases, "Create Profile Data", row
// selection, the drawing and export commands, the viewer, help and exit.
// Dialogs are answered by a script.
#include <QDesktopServices>
#include <QDockWidget>
#include <QHeaderView>
#include <QTabWidget>

#include "commands/commands.h"
#include "dxf/dxf_reader.h"
#include "network/generation.h"
#include "profile/profile_drawings.h"
#include "shell/help_window.h"
#include "shell/startup.h"
#include "shell/table_model.h"
#include "shell/warnings_panel.h"
#include "viewer/drawing_view.h"
#include "viewer/dxf_view_window.h"
#include "window_fixture.h"

using namespace tarvello;

namespace {

const std::string kBadCorpus = TARVELLO_BAD_CORPUS_DIR;
const char* const kGrids[] = {widget::kStructureGrid, widget::kPipeGrid, widget::kBranchGrid};

using Cells = std::vector<std::vector<std::string>>;

Cells cellsOf(const Table& t) {
  Cells c(static_cast<size_t>(t.rowCount()));
  for (int r = 0; r < t.rowCount(); ++r)
    for (int col = 0; col < t.columnCount(); ++col)
      c[static_cast<size_t>(r)].push_back(t.cell(r, col));
  return c;
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

class ShellTest : public QObject, WindowFixture {
  Q_OBJECT

  QPushButton* button(const char* name) const { return find<QPushButton>(name); }

  // Presses a button and waits for the command it starts on its own thread.
  void press(const char* name) {
    button(name)->click();
    waitForCommand();
  }

  void clickCell(const char* grid, int viewRow, int column) {
    auto* view = find<QTableView>(grid);
    const QModelIndex index = view->model()->index(viewRow, column);
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
  }

 private slots:
  void init() { openFreshWindow(); }
  void cleanup() { closeWindow(); }

  void opensAsTheUserFirstSeesIt() {
    QCOMPARE(window_->windowTitle(), QString("Tarvello"));
    // Fits a 1366 x 768 screen with a task bar and a title bar.
    const QSize fits(1366, 768 - 40 - 30);
    QVERIFY(window_->size().width() <= fits.width() && window_->size().height() <= fits.height());
    QVERIFY(window_->minimumSizeHint().height() <= fits.height());
    QCOMPARE(find<QLineEdit>(widget::kTailWaterField)->text(), QString("0.0"));
    auto* tabs = find<QTabWidget>(widget::kPages);
    QCOMPARE(tabs->count(), 6);
    QCOMPARE(tabs->currentIndex(), 0);

    for (const char* grid : kGrids) {
      auto* view = find<QTableView>(grid);
      const Table& table = static_cast<TableModel*>(view->model())->table();
      // The header row of the table is the view's header.
      QCOMPARE(view->model()->columnCount(), table.columnCount());
      for (int c = 0; c < table.columnCount(); ++c) {
        QCOMPARE(view->model()->headerData(c, Qt::Horizontal).toString(),
                 QString::fromStdString(table.headers()[static_cast<size_t>(c)]));
        QCOMPARE(view->model()->index(0, c).data().toString(), QString());
      }
      // Row 1 current and selected, in the view and in the table.
      QCOMPARE(view->currentIndex().row(), 0);
      QVERIFY(view->selectionModel()->isRowSelected(0, {}));
      QCOMPARE(table.currentRow(), 1);
      QCOMPARE(table.selectionEndColumn(), table.columnCount() - 1);
    }
  }

  void tailWaterFieldTakesOnlyAnElevation() {
    find<QComboBox>(widget::kOutfallBox)->setEditText("1");  // Create Profile Data can then act
    auto* twe = find<QLineEdit>(widget::kTailWaterField);
    twe->setFocus();
    QTRY_COMPARE(twe->selectedText(), QString("0.0"));  // the whole text, ready to be replaced
    QTest::keyClicks(twe, "12.5");
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
    QVERIFY(button(widget::kCreateProfileData)->hasFocus());
    QCOMPARE(twe->text(), QString("0.70"));

    twe->setFocus();
    twe->clear();
    QTest::keyClick(twe, Qt::Key_Tab);
    QCOMPARE(twe->text(), QString());  // nothing to format
  }

  void databasesOpenThroughTheirDialogs() {
    auto* pipeDb = find<QLineEdit>(widget::kPipeDatabaseField);
    auto* inletDb = find<QLineEdit>(widget::kInletDatabaseField);
    auto* outfall = find<QComboBox>(widget::kOutfallBox);

    ui_->openAnswers = {kHighwayPipe};
    press(widget::kOpenPipeDatabase);
    QVERIFY(ui_->messages.empty());
    QCOMPARE(pipeDb->text(), QString::fromStdString(kHighwayPipe));
    QStringList nodes;
    for (int i = 0; i < outfall->count(); ++i) nodes << outfall->itemText(i);
    QVERIFY(nodes.contains("1") && nodes.contains("201"));
    QCOMPARE(nodes, qStrings(window_->session().databases.outfallNodes()));  // in its order
    QCOMPARE(outfall->currentText(), QString());  // the user picks the outfall

    ui_->openAnswers = {kHighwayInlet};
    press(widget::kOpenInletDatabase);
    QCOMPARE(inletDb->text(), QString::fromStdString(kHighwayInlet));

    // Typed node text survives a new pipe database; the list is the new one's.
    outfall->setEditText("1");
    window_->openDatabasesAtStart(QString::fromStdString(kMetricPipe), {});
    window_->waitForCommand();
    QCOMPARE(pipeDb->text(), QString::fromStdString(kMetricPipe));
    QCOMPARE(outfall->currentText(), QString("1"));
    QVERIFY(outfall->findText("201") < 0);
  }

  void createProfileDataFillsTheGrids() {
    // Without an outfall node the button does nothing at all; it says why it waits.
    QVERIFY(!button(widget::kCreateProfileData)->isEnabled());
    QVERIFY(button(widget::kCreateProfileData)->toolTip().contains("outfall"));
    pressCreate();
    QCOMPARE(find<QTableView>(widget::kStructureGrid)->model()->rowCount(), 1);
    QVERIFY(ui_->messages.empty());

    window_->openDatabasesAtStart(QString::fromStdString(kHighwayPipe),
                                  QString::fromStdString(kHighwayInlet));
    window_->waitForCommand();
    find<QComboBox>(widget::kOutfallBox)->setEditText("1");
    find<QLineEdit>(widget::kTailWaterField)->setText("");
    pressCreate();
    QVERIFY(ui_->messages.empty());

    // The same run done by the core alone gives the same tables.
    Session direct;
    QCOMPARE(direct.databases.openPipeDatabase(kHighwayPipe), std::string());
    QCOMPARE(direct.databases.openInletDatabase(kHighwayInlet), std::string());
    direct.outfallNode = "1";
    direct.tailWaterText = "";
    QVERIFY(tarvello::createProfileData(direct).ran);
    const Session& s = window_->session();
    for (auto table : {&ProfileTables::structures, &ProfileTables::pipes, &ProfileTables::branches})
      QVERIFY(cellsOf(s.tables().*table) == cellsOf(direct.tables().*table));
    QCOMPARE(find<QLineEdit>(widget::kTailWaterField)->text(),
             QString::fromStdString(direct.tailWaterText));
    QVERIFY(find<QLineEdit>(widget::kTailWaterField)->text() != "");

    // The grids show every row; row 1 is current.
    for (const char* grid : kGrids) {
      auto* view = find<QTableView>(grid);
      const auto* model = static_cast<TableModel*>(view->model());
      QCOMPARE(model->rowCount(), model->table().rowCount() - 1);
      QCOMPARE(view->currentIndex().row(), 0);
      QCOMPARE(model->index(2, 1).data().toString(),
               QString::fromStdString(model->table().cell(3, 1)));
    }

    // The warnings of the run are listed beside the work.
    QCOMPARE(find<WarningsPanel>(widget::kWarningsList)->warningCount(), s.warnings.size());
    QCOMPARE(find<QDockWidget>(widget::kWarningsDock)->isVisible(), !s.warnings.empty());

    // A second press gives the same tables. While it runs on its own thread
    // the window goes on showing the previous tables, and its commands wait.
    const Cells first = cellsOf(s.tables().structures);
    const int shownRows = find<QTableView>(widget::kStructureGrid)->model()->rowCount();
    button(widget::kCreateProfileData)->click();
    QVERIFY(window_->commandRunning());
    QVERIFY(!button(widget::kCreateProfileData)->isEnabled());
    QCOMPARE(find<QTableView>(widget::kStructureGrid)->model()->rowCount(), shownRows);
    const size_t asked = ui_->requests.size();
    window_->browsePipeDatabase();  // ignored until the run ends: no dialog is asked for
    QCOMPARE(ui_->requests.size(), asked);
    waitForCommand();
    QVERIFY(button(widget::kCreateProfileData)->isEnabled());
    QVERIFY(cellsOf(s.tables().structures) == first);
    QCOMPARE(s.databases.pipeDbPath(), kHighwayPipe);
  }

  // Damaged and odd databases (the messages of each: tests/database and the
  // corpus run): the message is shown once, nothing is taken for the field,
  // and the window goes on working.
  void badDatabasesAreReportedAndTheWindowStaysUsable() {
    const std::string path = kBadCorpus + "/truncated-half.bvp";
    ui_->openAnswers = {path};
    press(widget::kOpenPipeDatabase);
    QCOMPARE(ui_->messages.size(), size_t{1});
    QVERIFY2(ui_->lastMessage().find(path + ": ") != std::string::npos, ui_->lastMessage().c_str());
    QCOMPARE(find<QLineEdit>(widget::kPipeDatabaseField)->text(), QString());

    // PIPE without NODEOUT_NO opens, but has no outfalls to offer.
    ui_->forget();
    ui_->openAnswers = {kBadCorpus + "/no-nodeout.bvp"};
    press(widget::kOpenPipeDatabase);
    QVERIFY2(ui_->lastMessage().find("field NODEOUT_NO is missing") != std::string::npos,
             ui_->lastMessage().c_str());
    QCOMPARE(find<QComboBox>(widget::kOutfallBox)->count(), 0);

    // The good project after all that: the usual tables.
    openHighwayAndCreate();
    QVERIFY(window_->session().tables().structures.lastFilledRow() > 30);
  }

  void clickingARowSelectsItForThePlots() {
    openHighwayAndCreate();
    ProfileTables& t = window_->session().tables();

    find<QTabWidget>(widget::kPages)->setCurrentIndex(1);
    clickCell(widget::kPipeGrid, 4, 3);  // table row 5, column 3
    QCOMPARE(t.pipes.currentRow(), 5);
    QCOMPARE(t.pipes.currentColumn(), 3);
    QCOMPARE(t.pipes.selectionEndRow(), 5);
    QCOMPARE(t.pipes.selectionEndColumn(), 18);
    QVERIFY(find<QTableView>(widget::kPipeGrid)->selectionModel()->isRowSelected(4, {}));

    // The last branch: its first row, then another of its rows.
    find<QTabWidget>(widget::kPages)->setCurrentIndex(2);
    const int last = t.branches.lastFilledRow();
    const std::string lastBranch = t.branches.cell(last, branchcol::BranchId);
    int first = last;
    while (first > 1 && t.branches.cell(first - 1, branchcol::BranchId) == lastBranch) --first;
    clickCell(widget::kBranchGrid, last - 1, 1);
    QCOMPARE(t.branches.currentRow(), last);

    // A click in the header row leaves the selection as it was.
    auto* header = find<QTableView>(widget::kBranchGrid)->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionPosition(1) + 5, 5));
    QCOMPARE(t.branches.currentRow(), last);

    // The branch profile of the selected row, as the core draws it.
    ui_->saveAnswers = {outPath("branch.dxf")};
    button(widget::kBranchProfile)->click();
    QCOMPARE(ui_->lastMessage(), "DXF file was saved to:" + outPath("branch.dxf"));
    Session copy;
    copy.databases.openPipeDatabase(kHighwayPipe);
    copy.tailWaterText = window_->session().tailWaterText;
    copy.useTables(t);  // a run of the same tables and tail water
    copy.tables().branches.setCurrentRow(first);
    ScriptedUi quiet;
    quiet.saveAnswers = {outPath("expected.dxf")};
    QVERIFY(plotCurrentBranchProfile(copy, quiet));
    QCOMPARE(readAll(outPath("branch.dxf")), readAll(outPath("expected.dxf")));
  }

  void drawingAndExportCommandsWriteTheirFiles() {
    openHighwayAndCreate();
    for (const char* name : {widget::kAllProfiles, widget::kStructureSchedule}) {
      const std::string path = outPath(std::string(name) + ".dxf");
      ui_->forget();
      ui_->saveAnswers = {path};
      button(name)->click();
      QCOMPARE(ui_->requests.size(), size_t{1});
      QCOMPARE(ui_->lastMessage(), "DXF file was saved to:" + path);
      const DxfReadResult drawing = readDxfFile(path);
      QVERIFY2(drawing.ok, name);
      QVERIFY2(drawing.entities.count() > 20, name);
    }

    // The workbook: saved and handed to the desktop to show.
    DesktopRecorder desktop;
    QDesktopServices::setUrlHandler("file", &desktop, "open");
    ui_->forget();
    const std::string workbook = outPath("schedules.xlsx");
    ui_->saveAnswers = {workbook};
    button(widget::kExportToExcel)->click();
    QDesktopServices::unsetUrlHandler("file");
    QVERIFY2(ui_->messages.empty(), ui_->lastMessage().c_str());
    QCOMPARE(readAll(workbook).substr(0, 2), std::string("PK"));  // a workbook package
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(workbook))});
  }

  // Without its file the help command shows nothing and the program goes on.
  void helpWithoutItsFileShowsNothing() {
    window_->session().programFolder = out_.filePath("nowhere").toStdString();
    window_->findChild<QAction*>(widget::kHelpContents)->trigger();
    QVERIFY(!window_->helpWindow() || !window_->helpWindow()->isVisible());
    QVERIFY(ui_->messages.empty());
    QVERIFY(window_->isVisible());
  }

  // Last: the quit Exit asks for is the application's, not only the window's.
  void viewerShowsTheChosenDrawingAndExitEndsAll() {
    // A file that is no drawing is refused with a reason, and no viewer opens.
    std::ofstream(outPath("readme.dxf")) << "not a drawing\n";
    ui_->forget();
    ui_->openAnswers = {outPath("readme.dxf")};
    button(widget::kViewDrawing)->click();
    QCOMPARE(ui_->messages.size(), size_t{1});
    QVERIFY(ui_->lastMessage().find("cannot be shown") != std::string::npos);
    QVERIFY(ui_->lastMessage().find("not a DXF") != std::string::npos);
    QVERIFY(window_->viewerWindow() == nullptr);

    openHighwayAndCreate();
    ui_->saveAnswers = {outPath("view.dxf")};
    button(widget::kBranchProfile)->click();
    ui_->forget();
    int itemsShown = -1;
    bool helpShown = false;
    ui_->openAnswers = {outPath("view.dxf")};
    onNextModal([&](QWidget* modal) {
      auto* viewer = qobject_cast<DxfViewWindow*>(modal);
      QVERIFY(viewer);
      itemsShown = viewer->drawingView()->itemCount();
      viewer->findChild<QAction*>("mnuPPHelp")->trigger();
      helpShown = window_->helpWindow() && window_->helpWindow()->isVisible();
      window_->findChild<QAction*>(widget::kExit)->trigger();
    });
    button(widget::kViewDrawing)->click();
    QVERIFY(itemsShown > 20);
    QVERIFY(helpShown);
    QVERIFY(ui_->messages.empty());
    QVERIFY(window_->viewerWindow() == nullptr);
    QVERIFY(!window_->isVisible());
  }

  // A project database handed over by the file manager comes alone: its
  // partner of the same name beside it opens as well.
  void oneDatabaseOnTheCommandLineOpensWithItsPartner() {
    const QString pipe = QString::fromStdString(kHighwayPipe);
    const QString inlet = QString::fromStdString(kHighwayInlet);
    StartupOptions options = parseStartupArguments({"tarvello", "--no-splash", pipe});
    QVERIFY(options.error.isEmpty());
    QCOMPARE(options.pipeDatabase, pipe);
    QCOMPARE(options.inletDatabase, inlet);
    // Two names are taken as given.
    const QString metric = kExamples + "/metric.bvp";
    options = parseStartupArguments({"tarvello", metric, inlet});
    QCOMPARE(options.pipeDatabase, metric);
    QCOMPARE(options.inletDatabase, inlet);

    options = parseStartupArguments({"tarvello", pipe});
    window_->openDatabasesAtStart(options.pipeDatabase, options.inletDatabase);
    // The window does not wait for the files: they open on the worker thread.
    QVERIFY(window_->commandRunning());
    window_->waitForCommand();
    QCOMPARE(find<QLineEdit>(widget::kPipeDatabaseField)->text(), pipe);
    QCOMPARE(find<QLineEdit>(widget::kInletDatabaseField)->text(), inlet);
    QVERIFY(ui_->messages.empty());
  }
};

int main(int argc, char** argv) {
  return runWindowTests<ShellTest>(argc, argv, "Tarvello shell tests");
}

#include "shell_test.moc"

// The run as the window shows it: a failed run reads as failed, tables that
// no longer match the fields say so in one line, the commands that cannot
// act are disabled with their reason, the run's warnings stay until the next
// run, and the help names every output and every shortcut.
#include <QDockWidget>
#include <QLabel>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBrowser>

#include <chrono>
#include <filesystem>

#include "run/outputs.h"
#include "shell/help_window.h"
#include "shell/warnings_panel.h"
#include "submittal/revisions.h"
#include "window_fixture.h"

using namespace tarvello;

// The highway example run from outfall 1 with the tail water at 399.80.
const QString kHighwayRun =
    "Profile data created: 40 structure rows, 31 pipes (outfall 1, tail water 399.80)";
const QString kRunAgain = "the inputs have changed: Create Profile Data to update them.";

class RunStateTest : public QObject, WindowFixture {
  Q_OBJECT

  QString status() const { return window_->statusBar()->currentMessage(); }
  QLabel* staleLine() const { return find<QLabel>(widget::kStaleLine); }
  bool staleShown() const { return staleLine()->isVisibleTo(window_.get()); }
  QPushButton* button(const char* name) const { return find<QPushButton>(name); }
  QAction* saveTable() const { return find<QAction>(widget::kSaveTableCsv); }

  void open(const QString& pipe, const QString& inlet) {
    window_->openDatabasesAtStart(pipe, inlet);
    waitForCommand();
  }
  void create(const char* outfall, const char* tailWater = "399.80") {
    find<QComboBox>(widget::kOutfallBox)->setEditText(outfall);
    find<QLineEdit>(widget::kTailWaterField)->setText(tailWater);
    pressCreate();
  }
  void typeTailWater(const char* text) {
    auto* field = find<QLineEdit>(widget::kTailWaterField);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
  }
  // The commands that write from the tables, the menu's included.
  // A command that waits says why in its tool tip; one that can act gives no reason.
  void checkOutputCommands(bool enabled, const char* because) {
    const auto saysWhy = [&](const QString& tip) {
      return *because ? tip.contains(because) : !tip.contains("Create Profile Data");
    };
    for (const char* name : {widget::kPipeProfile, widget::kBranchProfile, widget::kAllProfiles,
                             widget::kStructureSchedule, widget::kPipeSchedule,
                             widget::kExportToExcel, widget::kExportPdf}) {
      QVERIFY2(button(name)->isEnabled() == enabled, name);
      QVERIFY2(saysWhy(button(name)->toolTip()), name);
    }
    QCOMPARE(saveTable()->isEnabled(), enabled);
    for (const char* name : {widget::kSaveWarningsCsv, widget::kExportSubmittal}) {
      QVERIFY2(find<QAction>(name)->isEnabled() == enabled, name);
      QVERIFY2(saysWhy(find<QAction>(name)->toolTip()), name);
    }
  }

 private slots:
  void init() { openFreshWindow(true); }
  void cleanup() { closeWindow(); }

  void aFailedRunIsShownAsFailed() {
    // Before any run the commands wait and say why; a click asks nothing.
    checkOutputCommands(false, "Create Profile Data");
    button(widget::kExportPdf)->click();
    saveTable()->trigger();
    QVERIFY(ui_->requests.empty());

    openHighwayAndCreate("1", "399.80");
    QCOMPARE(status(), kHighwayRun);
    QVERIFY(find<QTableView>(widget::kStructureGrid)->model()->rowCount() > 30);
    // Every page's table can be saved now, the findings of DESIGN CHECKS too.
    for (int page = 0; page < 4; ++page) {
      find<QTabWidget>(widget::kPages)->setCurrentIndex(page);
      QVERIFY(saveTable()->isEnabled());
    }

    // An outfall no pipe drains into: the run failed, its tables are gone,
    // and nothing reads as a pass.
    create("999");
    QCOMPARE(status(),
             QString("Create Profile Data failed: No pipe flows into the outfall node \"999\"."));
    QCOMPARE(ui_->lastMessage(), std::string("No pipe flows into the outfall node \"999\"."));
    // The pages of the run before are emptied and say the run failed.
    QCOMPARE(find<QLabel>(widget::kFindingsSummary)->text(),
             QString("No tables to check: Create Profile Data failed."));
    for (const char* summary : {widget::kHglSheetSummary, widget::kQuantitiesSummary})
      QCOMPARE(find<QLabel>(summary)->text(), QString("No tables: Create Profile Data failed."));
    for (const char* list : {widget::kFindingsList, widget::kHglSheet, widget::kQuantitiesSheet})
      QCOMPARE(find<QTableView>(list)->model()->rowCount(), 0);
    QCOMPARE(window_->session().tables().structures.lastFilledRow(), 0);
    QCOMPARE(find<QTableView>(widget::kPipeGrid)->model()->index(0, 1).data().toString(),
             QString());
    // A failed run has no tables to be out of date, and nothing to draw or save.
    QVERIFY(!staleShown());
    checkOutputCommands(false, "Create Profile Data");
    for (int page = 0; page < 6; ++page) {
      find<QTabWidget>(widget::kPages)->setCurrentIndex(page);
      QVERIFY(!saveTable()->isEnabled());
    }
  }

  void tablesThatNoLongerMatchTheFieldsSaySo() {
    open(kExamples + "/highway.bvp", kExamples + "/highway.olm");
    // Below 0.8 of the outfall pipe the run raises the tail water: the field
    // shows the raised value, and that is no change.
    create("1", "0.0");
    QCOMPARE(find<QLineEdit>(widget::kTailWaterField)->text(), QString("399.30"));
    QVERIFY2(status().endsWith("(outfall 1, tail water 399.30)"), qPrintable(status()));
    QVERIFY(!staleShown());

    create("1");
    QCOMPARE(status(), kHighwayRun);
    QVERIFY(!staleShown());
    typeTailWater("405.00");
    QVERIFY(staleShown());
    QCOMPARE(staleLine()->text(), "Tables of outfall 1, tail water 399.80; " + kRunAgain);
    // The tables shown stay usable: a drawing of them is written.
    checkOutputCommands(true, "");
    ui_->saveAnswers = {outPath("stale-pipes.dxf")};
    button(widget::kPipeSchedule)->click();
    QVERIFY(std::filesystem::file_size(outPath("stale-pipes.dxf")) > 1000);
    QVERIFY(staleShown());

    // The same elevation at two decimals is no change; another outfall is.
    typeTailWater("399.8");
    QVERIFY(!staleShown());
    find<QComboBox>(widget::kOutfallBox)->setEditText("201");
    QVERIFY(staleShown());
    find<QComboBox>(widget::kOutfallBox)->setEditText("1");
    QVERIFY(!staleShown());

    // A run with the new fields takes the line away.
    typeTailWater("405.00");
    QVERIFY(staleShown());
    pressCreate();
    QVERIFY(!staleShown());
    QVERIFY2(status().endsWith("(outfall 1, tail water 405.00)"), qPrintable(status()));

    // Another database opened: the tables are of the one before.
    open(kExamples + "/metric.bvp", {});
    QVERIFY(staleShown());
    QVERIFY(staleLine()->text().endsWith(kRunAgain));
  }

  void aDatabaseChangedOnDiskIsNamed() {
    // A copy of the example, changed after it was opened as another program would.
    const QString pipe = out_.filePath("copy.bvp");
    QVERIFY(QFile::copy(kExamples + "/highway.bvp", pipe));
    open(pipe, kExamples + "/highway.olm");
    create("1");
    QVERIFY(!staleShown());
    const std::filesystem::path file = pipe.toStdString();
    std::filesystem::last_write_time(
        file, std::filesystem::last_write_time(file) + std::chrono::seconds(5));
    // Noticed when the user comes back to the window.
    QEvent activation(QEvent::ActivationChange);
    QApplication::sendEvent(window_.get(), &activation);
    QVERIFY(staleShown());
    QCOMPARE(staleLine()->text(),
             QString("Tables of outfall 1, tail water 399.80; the pipe database has changed on "
                     "disk: open it again."));
    // Opened again, the tables are of the file as it was: run again.
    open(pipe, {});
    QVERIFY(staleLine()->text().endsWith(kRunAgain));
    create("1");
    QVERIFY(!staleShown());
  }

  void theRunsWarningsStayWhenADrawingIsSaved() {
    open(TARVELLO_BAD_CORPUS_DIR "/loop.bvp", {});
    create("1");
    auto* dock = find<QDockWidget>(widget::kWarningsDock);
    auto* list = find<WarningsPanel>(widget::kWarningsList);
    // Whether the panel lists a warning that says `text`.
    auto lists = [list](const char* text) {
      const QAbstractItemModel* m = list->model();
      return m->rowCount() > 0 && !m->match(m->index(0, 0), Qt::DisplayRole, text, 1,
                                            Qt::MatchContains | Qt::MatchRecursive)
                                       .isEmpty();
    };
    const size_t runWarnings = list->warningCount();
    QCOMPARE(runWarnings, window_->session().run->warnings().size());
    QVERIFY(dock->isVisible());
    QVERIFY(lists("runs in a loop"));

    ui_->saveAnswers = {outPath("loop-branch.dxf")};
    button(widget::kBranchProfile)->click();
    QCOMPARE(ui_->lastMessage(), "DXF file was saved to:" + outPath("loop-branch.dxf"));
    QVERIFY(dock->isVisible());
    QVERIFY(list->warningCount() >= runWarnings);
    QVERIFY(lists("runs in a loop"));

    // Saved as CSV: the run's warnings, the loop's row naming its branch and
    // structure as its sentence does.
    ui_->saveAnswers = {outPath("warnings.csv")};
    find<QAction>(widget::kSaveWarningsCsv)->trigger();
    QCOMPARE(ui_->requests.back().title, std::string("Save Warnings as CSV"));
    const auto rows = parseCsv(readAll(outPath("warnings.csv")));
    QVERIFY(rows && rows->size() > 1);
    QCOMPARE(rows->front(),
             (std::vector<std::string>{"Kind", "Branch ID", "Structure", "Pipe", "Message"}));
    int loops = 0;
    for (const auto& row : *rows) {
      if (row[0] != "loop") continue;
      ++loops;
      QCOMPARE(row[4], "Branch " + row[1] + " runs in a loop: structure " + row[2] +
                           " is reached a second time from upstream; check the pipes' "
                           "NODEOUT_NO and NODEIN_NO.");
    }
    QVERIFY(loops > 0);

    // The next run's warnings replace them.
    openHighwayAndCreate("1", "399.80");
    QVERIFY(!lists("runs in a loop"));
  }

  // The guide the window shows has an entry for every output the program
  // writes, and names every shortcut of the window.
  void helpDescribesEveryOutputAndShortcut() {
    find<QAction>(widget::kHelpContents)->trigger();
    HelpWindow* help = window_->helpWindow();
    QVERIFY(help && help->isVisible());
    const QString html = help->browser()->toHtml();
    const QString text = help->browser()->toPlainText();
    for (const OutputDescription& output : outputCatalogue()) {
      const QString id = QString::fromUtf8(output.id.data(), qsizetype(output.id.size()));
      QVERIFY2(html.contains("name=\"output-" + id + "\""), qPrintable(id));
    }
    QStringList keys;
    for (const QShortcut* key : window_->findChildren<QShortcut*>()) keys << key->key().toString();
    for (const QAction* action : window_->findChildren<QAction*>())
      if (!action->shortcut().isEmpty()) keys << action->shortcut().toString();
    QVERIFY(keys.contains("Ctrl+O") && keys.contains("F1"));
    for (const QString& key : keys) QVERIFY2(text.contains(key), qPrintable(key));
    for (const char* topic : {"Energy grade line", "Criteria...", "Recent Projects",
                              "Save Table as CSV", "Export PDF...", "Print...", "zoom"})
      QVERIFY2(text.contains(topic), topic);
  }
};

int main(int argc, char** argv) {
  return runWindowTests<RunStateTest>(argc, argv, "Tarvello run state tests");
}

#include "run_state_test.moc"

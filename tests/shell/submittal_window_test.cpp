// File > Export Submittal... and the REVISIONS page driven through the real
// main window on the highway example: the set written and verified against
// its manifest (and read back by pdfinfo), a previous set replaced only when
// the user says so, Cancel leaving nothing, and the revision log of a
// changed copy of a set shown and leading to its rows.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <fstream>

#include "commands/export_submittal.h"
#include "shell/main_window.h"
#include "shell/table_model.h"
#include "shell/widget_names.h"
#include "submittal/revisions.h"
#include "submittal/submittal.h"
#include "tables/profile_tables.h"
#include "window_fixture.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

const QString kExamples = TARVELLO_EXAMPLES_DIR;

std::string fileText(const fs::path& path) {
  std::string text;
  readWholeFile(path.string(), text);
  return text;
}

std::vector<std::string> namesIn(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// The first page's size as pdfinfo reads it: "792 x 612 pts (letter)".
QString pdfPageSize(const fs::path& pdf) {
  QProcess pdfinfo;
  pdfinfo.start("pdfinfo", {QString::fromStdString(pdf.string())});
  pdfinfo.waitForFinished();
  for (const QString& line : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split('\n'))
    if (line.startsWith("Page size:")) return line.mid(10).trimmed();
  return {};
}

// `text` with its line that starts with `start` changed from `from` to
// `to`, or left out when `from` is empty.
std::string editLine(std::string text, const std::string& start, const std::string& from,
                     const std::string& to) {
  const size_t line = text.find("\n" + start) + 1, end = text.find('\n', line) + 1;
  if (from.empty()) return text.erase(line, end - line);
  return text.replace(text.find(from, line), from.size(), to);
}

}  // namespace

class SubmittalWindowTest : public QObject, WindowFixture {
  Q_OBJECT

  QTemporaryDir out_;
  fs::path outPath(const char* name) const { return out_.filePath(name).toStdString(); }

  QAction* exportAction() const { return find<QAction>(widget::kExportSubmittal); }
  QTabWidget* tabs() const { return find<QTabWidget>(widget::kPages); }
  QString status() const { return window_->statusBar()->currentMessage(); }

  void createHighway() {
    window_->openDatabasesAtStart(kExamples + "/highway.bvp", kExamples + "/highway.olm");
    window_->waitForCommand();
    find<QComboBox>(widget::kOutfallBox)->setEditText("1");
    find<QLineEdit>(widget::kTailWaterField)->setText("399.80");
    find<QPushButton>(widget::kCreateProfileData)->click();
    waitForCommand();
    ui_->forget();
  }
  void choosePaper(const char* name) {
    auto* paper = find<QComboBox>(widget::kPdfPageSize);
    paper->setCurrentIndex(paper->findData(QString(name)));
  }
  // Export Submittal... into `folder`, compared with `previous` ("" for none).
  void exportTo(const fs::path& folder, const fs::path& previous = {}, bool mark = false) {
    ui_->openAnswers = {folder.string(), previous.string()};
    if (!previous.empty()) ui_->yesNoAnswers.push_back(mark);
    exportAction()->trigger();
  }

 private slots:
  void init() {
    QSettings().clear();
    openWindow();
  }
  void cleanup() { closeWindow(); }

  void theSetOfTheRunVerifiesAndIsReplacedOnlyWhenAsked() {
    createHighway();
    // The paper of the window's PDF box is the set's.
    choosePaper("letter");

    const fs::path set = outPath("set");
    exportTo(set);
    const VerifyResult verified = verifySubmittal(set.string());
    QVERIFY2(verified.ok(), verified.error.c_str());
    const auto files = namesIn(set);
    QCOMPARE(ui_->lastMessage(), "Submittal written to:" + set.string() + "\n" +
                                     std::to_string(files.size()) +
                                     " files, each listed in manifest.json");
    QCOMPARE(status(), "Submittal written to " + QString::fromStdString(set.string()));
    for (const char* name : {"set.pdf", "design-checks.csv", "warnings.csv", "hgl-computation.csv",
                             "branch-1.dxf", "schedules.xlsx"})
      QVERIFY2(std::count(files.begin(), files.end(), name), name);
    QVERIFY(!std::count(files.begin(), files.end(), "revisions.csv"));
    QCOMPARE(tabs()->count(), 6);  // no REVISIONS page without a previous set

    QCOMPARE(pdfPageSize(set / "set.pdf"), QString("792 x 612 pts (letter)"));
    // The findings are those of the DESIGN CHECKS page, as Save Table as CSV writes them.
    tabs()->setCurrentIndex(3);
    ui_->saveAnswers = {outPath("checks.csv").string()};
    find<QAction>(widget::kSaveTableCsv)->trigger();
    QCOMPARE(fileText(set / "design-checks.csv"), fileText(outPath("checks.csv")));
    const std::string manifest = fileText(set / "manifest.json");
    QVERIFY(manifest.find("\"tail_water_given\": \"399.80\"") != std::string::npos);

    // The same folder again: replaced only after Yes.
    ui_->forget();
    ui_->yesNoAnswers = {false};
    exportTo(set);
    QCOMPARE(ui_->questions, std::vector<std::string>{kReplaceSetQuestion});
    QCOMPARE(fileText(set / "manifest.json"), manifest);
    ui_->forget();
    ui_->yesNoAnswers = {true};
    choosePaper("tabloid");
    ui_->openAnswers = {set.string(), ""};
    exportAction()->trigger();
    QVERIFY(verifySubmittal(set.string()).ok());
    QCOMPARE(pdfPageSize(set / "set.pdf"), QString("1224 x 792 pts"));

    // A folder that is not a set is refused with the core's words and left alone.
    std::ofstream(outPath("mine.txt")) << "mine";
    const auto before = namesIn(out_.path().toStdString());
    ui_->forget();
    exportTo(out_.path().toStdString());
    QCOMPARE(ui_->lastMessage(), submittalTargetProblem(out_.path().toStdString(), false));
    QVERIFY(ui_->lastMessage().find("nothing was written") != std::string::npos);
    QCOMPARE(namesIn(out_.path().toStdString()), before);
  }

  void cancelLeavesNothingBehind() {
    createHighway();
    const fs::path set = outPath("cancelled");
    const auto before = namesIn(out_.path().toStdString());
    // Cancel once the bar has moved a few files on, as the user would.
    int seen = 0;
    QTimer press;
    connect(&press, &QTimer::timeout, this, [&] {
      auto* bar = window_->findChild<QProgressDialog*>(widget::kSubmittalProgress);
      if (!bar) return;
      seen = std::max(seen, bar->value());
      if (bar->value() >= 4) bar->cancel();
    });
    press.start(0);
    exportTo(set);
    press.stop();
    QCOMPARE(seen, 4);
    QVERIFY(!fs::exists(set));
    QCOMPARE(namesIn(out_.path().toStdString()), before);  // no temporary either
    QCOMPARE(status(), QString("Export Submittal cancelled: nothing was written."));
    QVERIFY(ui_->messages.empty());
    QVERIFY(!window_->findChild<QProgressDialog*>(widget::kSubmittalProgress));

    // Without the Cancel, the same set is written in full.
    exportTo(set);
    QVERIFY(verifySubmittal(set.string()).ok());
  }

  void revisionsPageShowsTheLogOfAChangedCopyAndLeadsToItsRows() {
    createHighway();
    const fs::path first = outPath("first"), copy = outPath("copy"), second = outPath("second");
    exportTo(first);
    QVERIFY(verifySubmittal(first.string()).ok());

    // A previous set that is not one refuses before anything is written.
    fs::create_directory(copy);
    ui_->forget();
    exportTo(second, copy);
    QCOMPARE(ui_->lastMessage(), (copy / "structures.csv").string() + ": the file does not exist");
    QVERIFY(!fs::exists(second));

    // The copy: P4 one size smaller, structure 12 not yet there.
    std::ofstream(copy / "pipes.csv", std::ios::binary)
        << editLine(fileText(first / "pipes.csv"), "1,P4,", ",Concrete,48,", ",Concrete,42,");
    std::ofstream(copy / "structures.csv", std::ios::binary)
        << editLine(fileText(first / "structures.csv"), "1,12,", "", "");
    fs::copy_file(first / "design-checks.csv", copy / "design-checks.csv");

    ui_->forget();
    exportTo(second, copy, false);
    QCOMPARE(ui_->questions, std::vector<std::string>{kMarkRevisionsQuestion});
    QVERIFY(verifySubmittal(second.string()).ok());
    const std::vector<std::vector<std::string>> log{
        {"Change", "Item", "Id", "Column", "Old", "New"},
        {"added", "structure", "12", "", "", ""},
        {"changed", "pipe", "P4", "Dia / Rise", "42", "48"}};
    QCOMPARE(*parseCsv(fileText(second / "revisions.csv")), log);
    QVERIFY(ui_->lastMessage().ends_with("\nRevisions: 1 added, 0 removed, 1 changed"));
    // Unmarked: the drawings are those of the first set.
    QCOMPARE(fileText(second / "branch-1.dxf"), fileText(first / "branch-1.dxf"));

    // The page, in front, holds the log's rows.
    auto* page = find<QWidget>(widget::kRevisionsPage);
    auto* sheet = find<QTableView>(widget::kRevisionsSheet);
    QCOMPARE(tabs()->currentWidget(), page);
    QCOMPARE(tabs()->tabText(6), QString("REVISIONS"));  // after QUANTITIES
    QCOMPARE(find<QLabel>(widget::kRevisionsSummary)->text(),
             QString("Revisions: 1 added, 0 removed, 1 changed. Double-click a row to see its "
                     "structure or pipe."));
    const QAbstractItemModel* model = sheet->model();
    QCOMPARE(model->rowCount(), int(log.size()) - 1);
    for (int r = 0; r <= model->rowCount(); ++r)
      for (int c = 0; c < model->columnCount(); ++c)
        QCOMPARE((r == 0 ? model->headerData(c, Qt::Horizontal) : model->index(r - 1, c).data())
                     .toString()
                     .toStdString(),
                 log[size_t(r)][size_t(c)]);

    // A double-click shows the pipe at its changed cell, the structure at its Str #.
    QTRY_VERIFY(sheet->isVisible() && sheet->viewport()->height() > 40);
    auto chooseRow = [&](int row) {
      const QRect cell = sheet->visualRect(model->index(row, 0));
      QTest::mouseClick(sheet->viewport(), Qt::LeftButton, {}, cell.center());
      QTest::mouseDClick(sheet->viewport(), Qt::LeftButton, {}, cell.center());
    };
    chooseRow(1);
    auto* pipeGrid = find<QTableView>(widget::kPipeGrid);
    QCOMPARE(tabs()->currentWidget(), pipeGrid);
    const QModelIndex pipeCell = pipeGrid->currentIndex();
    QCOMPARE(pipeGrid->model()->headerData(pipeCell.column(), Qt::Horizontal).toString(),
             QString("Dia / Rise"));
    QCOMPARE(pipeGrid->model()->index(pipeCell.row(), pipecol::PipeNo).data().toString(),
             QString("P4"));
    tabs()->setCurrentWidget(page);
    chooseRow(0);
    auto* structureGrid = find<QTableView>(widget::kStructureGrid);
    QCOMPARE(tabs()->currentWidget(), structureGrid);
    QCOMPARE(structureGrid->currentIndex().data().toString(), QString("12"));

    // The next run's tables are not those the log describes: the page goes.
    find<QPushButton>(widget::kCreateProfileData)->click();
    waitForCommand();
    QCOMPARE(tabs()->indexOf(page), -1);
  }
};

int main(int argc, char** argv) {
  return runWindowTests<SubmittalWindowTest>(argc, argv, "Tarvello submittal window tests");
}

#include "submittal_window_test.moc"

// File > Export Submittal... and the REVISIONS page through the real main
// window on the highway example: the set verified against its manifest (its
// PDF read by pdfinfo), a previous set replaced only after Yes, Cancel
// leaving nothing, and the log of a changed copy of a set shown and leading
// to its rows.
#include <QLabel>
#include <QProgressDialog>
#include <QStatusBar>
#include <QTabWidget>

#include <filesystem>

#include "../pdf/poppler.h"
#include "commands/export_submittal.h"
#include "window_fixture.h"

using namespace tarvello;
namespace fs = std::filesystem;

namespace {

std::vector<std::string> namesIn(const fs::path& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

// `text` with the line that starts with `start` changed from `from` to `to`,
// or left out when `from` is empty.
std::string editLine(std::string text, const std::string& start, const std::string& from,
                     const std::string& to) {
  const size_t line = text.find("\n" + start) + 1, end = text.find('\n', line) + 1;
  if (from.empty()) return text.erase(line, end - line);
  return text.replace(text.find(from, line), from.size(), to);
}

}  // namespace

class SubmittalWindowTest : public QObject, WindowFixture {
  Q_OBJECT

  fs::path outPath(const char* name) const { return WindowFixture::outPath(name); }
  fs::path outFolder() const { return out_.path().toStdString(); }
  QTabWidget* tabs() const { return find<QTabWidget>(widget::kPages); }
  QString status() const { return window_->statusBar()->currentMessage(); }

  void choosePaper(const char* name) {
    auto* paper = find<QComboBox>(widget::kPdfPageSize);
    paper->setCurrentIndex(paper->findData(QString(name)));
  }
  // Export Submittal... into `folder`, compared with `previous` ("" for none).
  void exportTo(const fs::path& folder, const fs::path& previous = {}, bool mark = false) {
    ui_->forget();
    ui_->openAnswers = {folder.string(), previous.string()};
    if (!previous.empty()) ui_->yesNoAnswers.push_back(mark);
    find<QAction>(widget::kExportSubmittal)->trigger();
  }

 private slots:
  void init() {
    openFreshWindow();
    openHighwayAndCreate("1", "399.80");
  }
  void cleanup() { closeWindow(); }

  void theSetOfTheRunVerifiesAndIsReplacedOnlyAfterYes() {
    choosePaper("letter");  // the paper of the window's PDF box is the set's
    const fs::path set = outPath("set");
    exportTo(set);
    const VerifyResult verified = verifySubmittal(set.string());
    QVERIFY2(verified.ok(), verified.error.c_str());
    const auto files = namesIn(set);
    QCOMPARE(ui_->lastMessage(), "Submittal written to:" + set.string() + "\n" +
                                     std::to_string(files.size()) +
                                     " files, each listed in manifest.json");
    QCOMPARE(status(), "Submittal written to " + QString::fromStdString(set.string()));
    for (const char* name : {"warnings.csv", "hgl-computation.csv", "branch-1.dxf"})
      QVERIFY2(std::count(files.begin(), files.end(), name), name);
    QCOMPARE(tabs()->count(), 6);  // no REVISIONS page without a previous set
    QCOMPARE(pdftest::pdfInfo(set / "set.pdf", "Page size"), std::string("792 x 612 pts (letter)"));
    // The findings are those of the DESIGN CHECKS page, as Save Table as CSV writes them.
    tabs()->setCurrentIndex(3);
    ui_->saveAnswers = {outPath("checks.csv").string()};
    find<QAction>(widget::kSaveTableCsv)->trigger();
    QCOMPARE(readAll(set / "design-checks.csv"), readAll(outPath("checks.csv")));
    const std::string manifest = readAll(set / "manifest.json");
    QVERIFY(manifest.find("\"tail_water_given\": \"399.80\"") != std::string::npos);

    // The same folder again: replaced only after Yes.
    ui_->yesNoAnswers = {false};
    exportTo(set);
    QCOMPARE(ui_->questions, std::vector<std::string>{kReplaceSetQuestion});
    QCOMPARE(readAll(set / "manifest.json"), manifest);
    choosePaper("tabloid");
    ui_->yesNoAnswers = {true};
    exportTo(set);
    QVERIFY(verifySubmittal(set.string()).ok());
    QCOMPARE(pdftest::pdfInfo(set / "set.pdf", "Page size"), std::string("1224 x 792 pts"));

    // A folder that is not a set is refused with the core's words and left alone.
    std::ofstream(outPath("mine.txt")) << "mine";
    const auto before = namesIn(outFolder());
    exportTo(outFolder());
    QCOMPARE(ui_->lastMessage(), submittalTargetProblem(outFolder().string(), false));
    QCOMPARE(namesIn(outFolder()), before);
  }

  void cancelLeavesNothingBehind() {
    const fs::path set = outPath("cancelled");
    const auto before = namesIn(outFolder());
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
    QCOMPARE(namesIn(outFolder()), before);  // no set, no temporary
    QCOMPARE(status(), QString("Export Submittal cancelled: nothing was written."));
    QVERIFY(ui_->messages.empty());
    // Without the Cancel, the same set is written in full.
    exportTo(set);
    QVERIFY(verifySubmittal(set.string()).ok());
  }

  void revisionsPageShowsTheLogOfAChangedCopyAndLeadsToItsRows() {
    const fs::path first = outPath("first"), copy = outPath("copy"), second = outPath("second");
    exportTo(first);
    // A previous set without the tables is refused before anything is written.
    fs::create_directory(copy);
    exportTo(second, copy);
    QCOMPARE(ui_->lastMessage(), (copy / "structures.csv").string() + ": the file does not exist");
    QVERIFY(!fs::exists(second));

    // The copy: P4 one size smaller, structure 12 not yet there.
    std::ofstream(copy / "pipes.csv", std::ios::binary)
        << editLine(readAll(first / "pipes.csv"), "1,P4,", ",Concrete,48,", ",Concrete,42,");
    std::ofstream(copy / "structures.csv", std::ios::binary)
        << editLine(readAll(first / "structures.csv"), "1,12,", "", "");
    fs::copy_file(first / "design-checks.csv", copy / "design-checks.csv");
    exportTo(second, copy, false);
    QCOMPARE(ui_->questions, std::vector<std::string>{kMarkRevisionsQuestion});
    QVERIFY(verifySubmittal(second.string()).ok());
    const std::vector<std::vector<std::string>> log{
        {"Change", "Item", "Id", "Column", "Old", "New"},
        {"added", "structure", "12", "", "", ""},
        {"changed", "pipe", "P4", "Dia / Rise", "42", "48"}};
    QCOMPARE(*parseCsv(readAll(second / "revisions.csv")), log);
    QVERIFY(ui_->lastMessage().ends_with("\nRevisions: 1 added, 0 removed, 1 changed"));
    // Unmarked: the drawings are those of the first set.
    QCOMPARE(readAll(second / "branch-1.dxf"), readAll(first / "branch-1.dxf"));

    // The page, in front after QUANTITIES, holds the log's rows.
    auto* page = find<QWidget>(widget::kRevisionsPage);
    auto* sheet = find<QTableView>(widget::kRevisionsSheet);
    QCOMPARE(tabs()->currentWidget(), page);
    QCOMPARE(tabs()->tabText(6), QString("REVISIONS"));
    QCOMPARE(find<QLabel>(widget::kRevisionsSummary)->text(),
             QString("Revisions: 1 added, 0 removed, 1 changed. Double-click a row to see its "
                     "structure or pipe."));
    QCOMPARE(sheet->model()->rowCount(), 2);
    for (int r = 0; r <= 2; ++r) QCOMPARE(rowTexts(sheet, r - 1), qStrings(log[size_t(r)]));

    // A double-click shows the pipe at its changed cell, the structure at its Str #.
    QTRY_VERIFY(sheet->isVisible() && sheet->viewport()->height() > 40);
    doubleClick(sheet, sheet->model()->index(1, 0));
    auto* pipes = find<QTableView>(widget::kPipeGrid);
    QCOMPARE(tabs()->currentWidget(), pipes);
    const QModelIndex cell = pipes->currentIndex();
    QCOMPARE(pipes->model()->headerData(cell.column(), Qt::Horizontal).toString(),
             QString("Dia / Rise"));
    QCOMPARE(cell.siblingAtColumn(pipecol::PipeNo).data().toString(), QString("P4"));
    tabs()->setCurrentWidget(page);
    doubleClick(sheet, sheet->model()->index(0, 0));
    auto* structures = find<QTableView>(widget::kStructureGrid);
    QCOMPARE(tabs()->currentWidget(), structures);
    QCOMPARE(structures->currentIndex().data().toString(), QString("12"));

    // The next run's tables are not those the log describes: the page goes.
    pressCreate();
    QCOMPARE(tabs()->indexOf(page), -1);
  }
};

int main(int argc, char** argv) {
  return runWindowTests<SubmittalWindowTest>(argc, argv, "Tarvello submittal window tests");
}

#include "submittal_window_test.moc"

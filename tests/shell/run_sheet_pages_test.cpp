// The HGL COMPUTATION and QUANTITIES pages driven through the real main
// window on the highway example: what they show before a run (after a failed
// one: run_state_test) and after a good one, a double-click that shows a
// sheet row's structure, and Save Table as CSV of the page in front.
#include <QLabel>
#include <QTabWidget>

#include "reports/hgl_sheet.h"
#include "reports/quantities.h"
#include "shell/table_model.h"
#include "window_fixture.h"

using namespace tarvello;

class RunSheetPagesTest : public QObject, WindowFixture {
  Q_OBJECT

  QTabWidget* tabs() const { return find<QTabWidget>(widget::kPages); }
  QTableView* hgl() const { return find<QTableView>(widget::kHglSheet); }
  QTableView* quantities() const { return find<QTableView>(widget::kQuantitiesSheet); }
  QString text(const char* label) const { return find<QLabel>(label)->text(); }

 private slots:
  void init() { openFreshWindow(); }
  void cleanup() { closeWindow(); }

  void pagesFollowTheDesignChecksAndSayWhyTheyAreEmpty() {
    QCOMPARE(tabs()->count(), 6);
    QCOMPARE(tabs()->tabText(3), QString("DESIGN CHECKS"));
    QCOMPARE(tabs()->tabText(4), QString("HGL COMPUTATION"));
    QCOMPARE(tabs()->tabText(5), QString("QUANTITIES"));
    QCOMPARE(hgl()->model()->rowCount(), 0);
    QCOMPARE(quantities()->model()->rowCount(), 0);
    QCOMPARE(text(widget::kHglSheetSummary), QString("No tables: Create Profile Data first."));
    QCOMPARE(text(widget::kQuantitiesSummary), QString("No tables: Create Profile Data first."));
  }

  void hglPageShowsOneRowPerStructureRowAndLeadsToIt() {
    openHighwayAndCreate("1", "399.80");
    const Run& run = *window_->session().run;
    const Table& structures = run.tables().structures;
    QVERIFY(run.hglTrace());
    const int rows = structures.lastFilledRow();
    QVERIFY(rows > 5);
    QCOMPARE(hgl()->model()->rowCount(), rows);
    QCOMPARE(rowTexts(hgl(), -1), qStrings(hglSheetHeads()));
    // Row 1 is the outfall at the tail water, its HGL cells as the structure
    // table holds them; row 2 the first structure up
    // the branch, drained by P2 under the grade line from downstream.
    QStringList first = rowTexts(hgl(), 0);
    QCOMPARE(first.join(','), QString("1,1,,,,,,,,,,,,,,,,,,,tail water,,,,399.8,399.8"));
    const QStringList second = rowTexts(hgl(), 1);
    QCOMPARE(second[2], QString("P2"));
    QCOMPARE(second[20], QString("downstream"));
    // Every row is the sheet's row of the same record, and carries the
    // structure table's HGL cells of its row.
    for (int r = 0; r < rows; ++r) {
      const QStringList cells = rowTexts(hgl(), r);
      QCOMPARE(cells, qStrings(hglSheetRow(run.hglTrace()->rows[size_t(r)], run.tables())));
      QCOMPARE(cells[24], QString::fromStdString(structures.cell(r + 1, strcol::HglLow)));
    }

    // A double-click on the fifth sheet row selects structure row 5.
    tabs()->setCurrentIndex(4);
    QTRY_VERIFY(hgl()->isVisible() && hgl()->viewport()->height() > 100);
    doubleClick(hgl(), hgl()->model()->index(4, 1));
    auto* grid = find<QTableView>(widget::kStructureGrid);
    QCOMPARE(tabs()->currentWidget(), grid);
    QCOMPARE(window_->session().tables().structures.currentRow(), 5);
    QCOMPARE(grid->currentIndex().row(), TableModel::viewRow(5));
    QVERIFY(grid->selectionModel()->isRowSelected(TableModel::viewRow(5), {}));
  }

  void quantitiesPageShowsTheSummaryAndBothPagesSaveTheirCsv() {
    openHighwayAndCreate("1", "399.80");
    const Run& run = *window_->session().run;
    const auto rows = quantitiesRows(run.tables(), *run.hglTrace(), run.english());
    QCOMPARE(quantities()->model()->rowCount(), int(rows.size()) - 1);
    for (size_t r = 0; r < rows.size(); ++r)  // the heads first
      QCOMPARE(rowTexts(quantities(), int(r) - 1), qStrings(rows[r]));

    const struct {
      int page;
      const char* file;
      std::string csv;
    } saves[] = {{4, "sheet.csv", hglSheetCsv(*run.hglTrace(), run.tables())},
                 {5, "amounts.csv", quantitiesCsv(run.tables(), *run.hglTrace(), run.english())}};
    for (const auto& save : saves) {
      tabs()->setCurrentIndex(save.page);
      ui_->saveAnswers.push_back(outPath(save.file));
      find<QAction>(widget::kSaveTableCsv)->trigger();
      QCOMPARE(readAll(outPath(save.file)), save.csv);
    }
  }
};

int main(int argc, char** argv) {
  return runWindowTests<RunSheetPagesTest>(argc, argv, "Tarvello run sheet pages tests");
}

#include "run_sheet_pages_test.moc"

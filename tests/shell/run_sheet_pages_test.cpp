// The HGL COMPUTATION and QUANTITIES pages driven through the real main
// window on the highway example: what they show before a run (after a failed
// one: run_state_test) and after a good one, a double-click that shows a
// sheet row's structure, and Save Table as CSV of the page in front.
#include <QLabel>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>

#include "reports/hgl_sheet.h"
#include "reports/quantities.h"
#include "shell/main_window.h"
#include "shell/table_model.h"
#include "shell/widget_names.h"
#include "window_fixture.h"

using namespace tarvello;

namespace {

QStringList viewRow(const QTableView* view, int row) {
  QStringList cells;
  const QAbstractItemModel* model = view->model();
  for (int c = 0; c < model->columnCount(); ++c) cells << model->index(row, c).data().toString();
  return cells;
}

QStringList heads(const QTableView* view) {
  QStringList cells;
  const QAbstractItemModel* model = view->model();
  for (int c = 0; c < model->columnCount(); ++c)
    cells << model->headerData(c, Qt::Horizontal).toString();
  return cells;
}

QStringList qt(const std::vector<std::string>& cells) {
  QStringList out;
  for (const std::string& c : cells) out << QString::fromStdString(c);
  return out;
}

}  // namespace

class RunSheetPagesTest : public QObject, WindowFixture {
  Q_OBJECT

  QTabWidget* tabs() const { return find<QTabWidget>(widget::kPages); }
  QTableView* hgl() const { return find<QTableView>(widget::kHglSheet); }
  QTableView* quantities() const { return find<QTableView>(widget::kQuantitiesSheet); }
  QString text(const char* label) const { return find<QLabel>(label)->text(); }

 private slots:
  void init() {
    QSettings().clear();
    openWindow();
  }
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
    QCOMPARE(heads(hgl()), qt(hglSheetHeads()));
    // Row 1 is the outfall at the tail water, its HGL cells as the structure
    // table holds them; row 2 the first structure up
    // the branch, drained by P2 under the grade line from downstream.
    QStringList first = viewRow(hgl(), 0);
    QCOMPARE(first.join(','), QString("1,1,,,,,,,,,,,,,,,,,,,tail water,,,,399.8,399.8"));
    const QStringList second = viewRow(hgl(), 1);
    QCOMPARE(second[2], QString("P2"));
    QCOMPARE(second[20], QString("downstream"));
    // Every row is the sheet's row of the same record, and carries the
    // structure table's HGL cells of its row.
    for (int r = 0; r < rows; ++r) {
      const QStringList cells = viewRow(hgl(), r);
      QCOMPARE(cells, qt(hglSheetRow(run.hglTrace()->rows[size_t(r)], run.tables())));
      QCOMPARE(cells[24], QString::fromStdString(structures.cell(r + 1, strcol::HglLow)));
    }

    // A double-click on the fifth sheet row selects structure row 5.
    tabs()->setCurrentIndex(4);
    QTRY_VERIFY(hgl()->isVisible() && hgl()->viewport()->height() > 100);
    const QRect cell = hgl()->visualRect(hgl()->model()->index(4, 1));
    QTest::mouseClick(hgl()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(hgl()->viewport(), Qt::LeftButton, {}, cell.center());
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
    QCOMPARE(heads(quantities()), qt(rows.front()));
    QCOMPARE(quantities()->model()->rowCount(), int(rows.size()) - 1);
    for (size_t r = 1; r < rows.size(); ++r)
      QCOMPARE(viewRow(quantities(), int(r) - 1), qt(rows[r]));

    QTemporaryDir out;
    const struct {
      int page;
      const char* file;
      std::string csv;
    } saves[] = {{4, "sheet.csv", hglSheetCsv(*run.hglTrace(), run.tables())},
                 {5, "amounts.csv", quantitiesCsv(run.tables(), *run.hglTrace(), run.english())}};
    for (const auto& save : saves) {
      tabs()->setCurrentIndex(save.page);
      ui_->saveAnswers.push_back(out.filePath(save.file).toStdString());
      find<QAction>(widget::kSaveTableCsv)->trigger();
      QCOMPARE(readAll(out.filePath(save.file).toStdString()), save.csv);
    }
  }
};

int main(int argc, char** argv) {
  return runWindowTests<RunSheetPagesTest>(argc, argv, "Tarvello run sheet pages tests");
}

#include "run_sheet_pages_test.moc"

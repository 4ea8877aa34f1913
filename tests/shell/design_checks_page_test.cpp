// The DESIGN CHECKS page driven through the real main window on the highway
// example: the findings listed and marked in the grids, a double-click that
// shows the finding's row, the criteria dialog and its files, the energy
// grade line box and the workbook's checks worksheet.
#include <QCheckBox>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QProcess>
#include <QTabWidget>

#include "checks/criteria.h"
#include "shell/criteria_dialog.h"
#include "shell/table_model.h"
#include "tables/cell_numbers.h"
#include "window_fixture.h"

using namespace tarvello;

namespace {

QStringList listRows(QTableView* list) {
  QStringList rows;
  for (int r = 0; r < list->model()->rowCount(); ++r) rows << rowTexts(list, r).join(',');
  return rows;
}

// The table row whose column `column` holds `text`.
int rowWith(const Table& table, int column, const std::string& text) {
  for (int r = 1; r < table.rowCount(); ++r)
    if (table.cell(r, column) == text) return r;
  return -1;
}

}  // namespace

class DesignChecksPageTest : public QObject, WindowFixture {
  Q_OBJECT

  QTableView* list() const { return find<QTableView>(widget::kFindingsList); }
  TableModel* model(const char* grid) const {
    return static_cast<TableModel*>(find<QTableView>(grid)->model());
  }

  // A pipe-table cell's data, by the pipe's number.
  QVariant pipeCell(const std::string& pipe, int column, int role) const {
    const int row = rowWith(window_->session().tables().pipes, pipecol::PipeNo, pipe);
    return model(widget::kPipeGrid)->index(TableModel::viewRow(row), column).data(role);
  }
  QString pipeTip(const std::string& pipe, int column) const {
    return pipeCell(pipe, column, Qt::ToolTipRole).toString();
  }
  // Opens the criteria dialog, lets `edit` work on it and presses OK.
  void editCriteria(const std::function<void(CriteriaDialog*)>& edit) {
    onNextModal([edit](QWidget* w) {
      auto* dialog = qobject_cast<CriteriaDialog*>(w);
      QVERIFY(dialog);
      edit(dialog);
      dialog->accept();
    });
    find<QPushButton>(widget::kEditCriteria)->click();
  }

 private slots:
  void init() { openFreshWindow(); }
  void cleanup() { closeWindow(); }

  void findingsAreListedAndMarkedAfterEveryRun() {
    QCOMPARE(list()->model()->rowCount(), 0);

    openHighwayAndCreate();
    // Worked by hand from the tables of outfall 1 with the English defaults.
    QCOMPARE(listRows(list()),
             QStringList({"cover,1,,P2,1.88,2.00", "cover,1,,P3,0.67,2.00", "cover,1,,P4,0.00,2.00",
                          "cover,2,,P30,1.71,2.00", "cover,5,,P50,1.72,2.00",
                          "cover,8,,P44,1.75,2.00", "size-decrease,1,,P3,36.00,48.00"}));
    QVERIFY(find<QLabel>(widget::kFindingsSummary)
                ->text()
                .startsWith("7 findings: cover 6, size-decrease 1"));
    // Each finding's cells tell what it means; the numbers stand to the right.
    const QAbstractItemModel* findings = list()->model();
    QCOMPARE(findings->headerData(5, Qt::Horizontal).toString(), QString("Limit"));
    for (int c : {0, 3, 5})
      QCOMPARE(findings->index(1, c).data(Qt::ToolTipRole).toString(),
               QString("cover (P3): cover 0.67 below the minimum 2.00"));
    QVERIFY(
        findings->index(6, 0).data(Qt::ToolTipRole).toString().startsWith("size-decrease (P3)"));
    QVERIFY(!findings->index(1, 3).data(Qt::TextAlignmentRole).isValid());
    QCOMPARE(findings->index(1, 4).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter);
    const QString criteria = find<QLabel>(widget::kCriteriaInForce)->text();
    for (const char* part :
         {"freeboard 1 ft", "velocity 3 to 12 ft/s", "cover 2 ft", "size 15 in", "rules off: none"})
      QVERIFY2(criteria.contains(part), qPrintable(criteria));

    // The cells behind the findings carry the rule; the pipe of size 48 that
    // P3 takes is marked too; other cells are plain.
    QVERIFY(pipeTip("P3", pipecol::HeightOfCover)
                .startsWith("cover (P3): cover 0.67 below the minimum 2.00"));
    QVERIFY(pipeTip("P3", pipecol::DiaRise).startsWith("size-decrease (P3)"));
    QVERIFY(pipeTip("P4", pipecol::DiaRise).startsWith("size-decrease (P3)"));
    QVERIFY(pipeTip("P3", pipecol::Velocity).isEmpty());
    QVERIFY(pipeTip("P7", pipecol::HeightOfCover).isEmpty());
    QVERIFY(pipeCell("P3", pipecol::HeightOfCover, Qt::BackgroundRole).canConvert<QBrush>());
    QVERIFY(!pipeCell("P3", pipecol::Velocity, Qt::BackgroundRole).isValid());

    // A second run from another outfall replaces list and marks.
    find<QComboBox>(widget::kOutfallBox)->setEditText("201");
    pressCreate();
    QCOMPARE(listRows(list()), QStringList({"cover,1,,P202,1.79,2.00"}));
    QVERIFY(pipeTip("P202", pipecol::HeightOfCover).startsWith("cover (P202)"));
    int marked = 0;
    const Table& pipes = window_->session().tables().pipes;
    for (int r = 1; r < pipes.rowCount(); ++r)
      for (int c = 0; c < pipes.columnCount(); ++c)
        marked += model(widget::kPipeGrid)->cellMark(r, c).isEmpty() ? 0 : 1;
    QCOMPARE(marked, 1);
  }

  // A cell that several findings rest on lists each finding's text once, in
  // the findings' order; only marked cells stand out; a new table drops the marks.
  void aMarkedCellListsEachOfItsFindingsOnce() {
    Table table({"A", "B"});
    table.setCell(3, 1, "x");
    TableModel model(table);
    const QStringList texts = {"first", "second", "first"};
    model.setCellMarks({{2, 1, 1}, {1, 0, 0}, {2, 1, 0}, {2, 1, 2}, {2, 1, 1}},
                       [&](int i) { return texts.value(i); });
    QCOMPARE(model.cellMark(2, 1), QString("second\nfirst"));
    QCOMPARE(model.cellMark(1, 0), QString("first"));
    QVERIFY(model.cellMark(1, 1).isEmpty());
    const QModelIndex marked = model.index(TableModel::viewRow(2), 1);
    QCOMPARE(marked.data(Qt::ToolTipRole).toString(), QString("second\nfirst"));
    QVERIFY(marked.data(Qt::BackgroundRole).canConvert<QBrush>());
    QVERIFY(!model.index(TableModel::viewRow(2), 0).data(Qt::BackgroundRole).isValid());
    model.beginTableChange();
    model.endTableChange();
    QVERIFY(model.cellMark(2, 1).isEmpty());
    QVERIFY(!marked.data(Qt::BackgroundRole).isValid());
  }

  void doubleClickShowsTheFindingsRow() {
    openHighwayAndCreate();
    auto* tabs = find<QTabWidget>(widget::kPages);
    tabs->setCurrentIndex(3);
    QTRY_VERIFY(list()->isVisible() && list()->viewport()->height() > 100);
    const int finding = 3;  // cover of P30
    QCOMPARE(list()->model()->index(finding, 3).data().toString(), QString("P30"));
    QSignalSpy spy(list(), &QTableView::doubleClicked);
    doubleClick(list(), list()->model()->index(finding, 0));
    QCOMPARE(spy.count(), 1);

    auto* grid = find<QTableView>(widget::kPipeGrid);
    QCOMPARE(tabs->currentWidget(), grid);
    const int row = rowWith(window_->session().tables().pipes, pipecol::PipeNo, "P30");
    QCOMPARE(window_->session().tables().pipes.currentRow(), row);
    QCOMPARE(grid->currentIndex().row(), TableModel::viewRow(row));
    QCOMPARE(grid->currentIndex().column(), static_cast<int>(pipecol::HeightOfCover));
    QVERIFY(grid->selectionModel()->isRowSelected(TableModel::viewRow(row), {}));
  }

  void criteriaDialogChangesTheNextRunAndIsRemembered() {
    openHighwayAndCreate();
    // Cover 1.0, freeboard 5 ft, size-decrease off.
    editCriteria([](CriteriaDialog* d) {
      d->findChild<QDoubleSpinBox*>(widget::kCriterionCoverMin)->setValue(1.0);
      d->findChild<QDoubleSpinBox*>(widget::kCriterionFreeboard)->setValue(5.0);
      d->findChild<QCheckBox*>("chkRule_size-decrease")->setChecked(false);
    });
    pressCreate();
    const QStringList rows = listRows(list());
    QVERIFY(rows.contains("cover,1,,P3,0.67,1.00"));
    QVERIFY(rows.contains("cover,1,,P4,0.00,1.00"));
    QVERIFY(!rows.contains("cover,1,,P2,1.88,1.00"));
    QVERIFY(rows.filter("size-decrease").isEmpty());
    QVERIFY(rows.filter("freeboard,").size() > 0);
    QVERIFY(find<QLabel>(widget::kCriteriaInForce)->text().contains("rules off: size-decrease"));
    // Structure 3 has 1.36 of room: below 5 ft, marked on its top elevation,
    // with the HGL row colouring left as it was.
    const Table& structures = window_->session().tables().structures;
    const int s3 = rowWith(structures, strcol::StrNo, "3");
    QVERIFY(s3 > 0);
    QVERIFY(model(widget::kStructureGrid)
                ->cellMark(s3, strcol::TopElev)
                .startsWith("freeboard (3): top "));
    QCOMPARE(model(widget::kStructureGrid)->rowFlagged(s3), hglReachesTop(structures, s3));

    // A new window (the program started again) checks with the same criteria.
    const QStringList before = rows;
    openWindow();
    openHighwayAndCreate();
    QCOMPARE(listRows(list()), before);

    // Defaults back, then the run gives the seven findings again.
    editCriteria(
        [](CriteriaDialog* d) { d->findChild<QPushButton*>(widget::kDefaultCriteria)->click(); });
    QCOMPARE(list()->model()->rowCount(), 7);  // the tables of this run are checked at once
  }

  void criteriaFilesAreLoadedAndSaved() {
    openHighwayAndCreate();
    const std::string good = outPath("agency.toml");
    std::ofstream(good) << "cover_min = 1.5\nsize_min = 18\noff = [\"cover\"]\n";
    const std::string bad = outPath("bad.toml");
    std::ofstream(bad) << "cover_min = 1.5\ncolour = 3\n";
    const std::string saved = outPath("saved.toml");
    ui_->openAnswers = {bad, good};
    ui_->saveAnswers = {saved};
    Criteria shown;
    editCriteria([&](CriteriaDialog* d) {
      // The bad file: named, nothing changes.
      d->findChild<QPushButton*>(widget::kLoadCriteria)->click();
      QCOMPARE(d->criteria(), Criteria::defaults(true));
      d->findChild<QPushButton*>(widget::kLoadCriteria)->click();
      d->findChild<QPushButton*>(widget::kSaveCriteria)->click();
      shown = d->criteria();
    });
    QCOMPARE(ui_->messages.size(), size_t(1));
    QVERIFY2(ui_->messages[0].text.find(bad + ":2:") != std::string::npos &&
                 ui_->messages[0].text.find("colour") != std::string::npos,
             ui_->messages[0].text.c_str());
    Criteria expected = Criteria::defaults(true);
    expected.coverMin = 1.5;
    expected.sizeMin = 18;
    expected.off[static_cast<size_t>(CheckRule::Cover)] = true;
    QCOMPARE(shown, expected);
    const CriteriaReadResult back = readCriteriaFile(saved);
    QVERIFY2(back.overrides, back.error.c_str());
    QCOMPARE(back.overrides->appliedTo(Criteria::defaults(false)), expected);
    // Accepted with these: 18 in minimum, no cover rule.
    QVERIFY(listRows(list()).filter("cover,").isEmpty());
    QVERIFY(!listRows(list()).filter("size-min,").isEmpty());

    // An existing file is replaced only when the user says so.
    const std::string first = readAll(saved);
    ui_->saveAnswers = {saved};
    ui_->yesNoAnswers = {false};
    editCriteria([](CriteriaDialog* d) {
      d->findChild<QDoubleSpinBox*>(widget::kCriterionCoverMin)->setValue(0.5);
      d->findChild<QPushButton*>(widget::kSaveCriteria)->click();
    });
    QCOMPARE(ui_->questions.size(), size_t(1));
    QCOMPARE(readAll(saved), first);
  }

  void energyGradeLineBoxSetsTheSession() {
    auto* box = find<QCheckBox>(widget::kEnergyGradeLine);
    QVERIFY(!box->isChecked());
    QVERIFY(!window_->session().energyGradeLine);
    box->setChecked(true);
    QVERIFY(window_->session().energyGradeLine);
    box->setChecked(false);
    QVERIFY(!window_->session().energyGradeLine);
  }

  void workbookGainsTheChecksWorksheet() {
    openHighwayAndCreate();
    QDesktopServices::setUrlHandler("file", this, "ignoreUrl");
    const std::string workbook = outPath("schedules.xlsx");
    ui_->saveAnswers = {workbook};
    find<QPushButton>(widget::kExportToExcel)->click();
    QDesktopServices::unsetUrlHandler("file");
    QVERIFY2(ui_->messages.empty(), ui_->lastMessage().c_str());
    QProcess python;
    python.start("/usr/bin/python3", {"-c",
                                      "import sys, openpyxl\n"
                                      "wb = openpyxl.load_workbook(sys.argv[1])\n"
                                      "ws = wb.worksheets[2]\n"
                                      "print(len(wb.worksheets), ws.title)\n"
                                      "for row in ws.iter_rows(values_only=True): "
                                      "print(','.join('' if v is None else str(v) for v in row))\n",
                                      QString::fromStdString(workbook)});
    QVERIFY(python.waitForFinished(60000));
    const QString output = QString::fromUtf8(python.readAllStandardOutput());
    QVERIFY2(python.exitCode() == 0, python.readAllStandardError().constData());
    const QStringList lines = output.trimmed().split('\n');
    QCOMPARE(lines.value(0), QString("3 Design Checks"));
    QCOMPARE(lines.value(1), QString("Rule,Branch ID,Structure,Pipe,Value,Limit"));
    QCOMPARE(lines.mid(2), listRows(list()));
  }

 public slots:
  void ignoreUrl(const QUrl&) {}
};

int main(int argc, char** argv) {
  return runWindowTests<DesignChecksPageTest>(argc, argv, "Tarvello design checks tests");
}

#include "design_checks_page_test.moc"

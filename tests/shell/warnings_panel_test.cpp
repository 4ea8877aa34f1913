// The grouped warnings panel, offscreen: a group per kind in the order the
// kinds first occur, closed when it holds more than ten, and a double-click
// on a warning that names the row of its structure or pipe.
#include "shell/warnings_panel.h"
#include "window_fixture.h"

using namespace tarvello;

class WarningsPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void groupsAndRows() {
    // Branch 1: O, S1; branch 2 starts at S1 and runs to S2. S1 is listed on both.
    ProfileTables tables;
    const char* structures[][2] = {{"1", "O"}, {"1", "S1"}, {"2", "S1"}, {"2", "S2"}};
    for (int r = 0; r < 4; ++r) {
      tables.structures.setCell(r + 1, strcol::BranchId, structures[r][0]);
      tables.structures.setCell(r + 1, strcol::StrNo, structures[r][1]);
    }
    tables.pipes.setCell(1, pipecol::BranchId, "1");
    tables.pipes.setCell(1, pipecol::PipeNo, "P1");
    tables.pipes.setCell(2, pipecol::BranchId, "2");
    tables.pipes.setCell(2, pipecol::PipeNo, "P2");

    Warnings w;
    w.add("barrels", "Pipe P2: number of barrels \"0\" is not usable.",
          {.branch = "2", .pipe = "P2"});
    for (int k = 0; k < 11; ++k)
      w.add("hgl-reaches-top", "HGL " + std::to_string(k), {.branch = "1", .structure = "O"});
    w.add("hgl-reaches-top", "HGL at S1 of branch 2", {.branch = "2", .structure = "S1"});
    w.add("missing-field", "Table PIPE has no field PIPE_I; its values are taken as empty.");
    w.add("barrels", "Pipe P9: number of barrels \"\" is not usable.", {.pipe = "P9"});

    WarningsPanel panel([&]() -> const ProfileTables& { return tables; });
    panel.resize(600, 400);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    panel.showWarnings(w.all());
    QCOMPARE(panel.objectName(), QString("warningsList"));
    QCOMPARE(panel.warningCount(), size_t{15});

    const QAbstractItemModel* model = panel.model();
    QCOMPARE(model->rowCount(), 3);
    const QModelIndex barrels = model->index(0, 0);
    const QModelIndex hgl = model->index(1, 0);
    const QModelIndex missing = model->index(2, 0);
    QCOMPARE(barrels.data().toString(), QString("barrels (2)"));
    QCOMPARE(hgl.data().toString(), QString("hgl-reaches-top (12)"));
    QCOMPARE(missing.data().toString(), QString("missing-field (1)"));
    QCOMPARE(model->rowCount(hgl), 12);
    QCOMPARE(model->index(11, 0, hgl).data().toString(), QString("HGL at S1 of branch 2"));
    QCOMPARE(model->index(1, 0, barrels).data().toString(),
             QString("Pipe P9: number of barrels \"\" is not usable."));
    // Twelve are more than a screenful: that group starts closed.
    QVERIFY(panel.isExpanded(barrels));
    QVERIFY(!panel.isExpanded(hgl));
    QVERIFY(panel.isExpanded(missing));

    QSignalSpy chosen(&panel, &WarningsPanel::rowChosen);
    // A pipe: its pipe-table row.
    doubleClick(&panel, model->index(0, 0, barrels));
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).value<CheckTable>(), CheckTable::Pipes);
    QCOMPARE(chosen.at(0).at(1).toInt(), 2);
    // A structure listed on two branches: the row of the warning's branch.
    panel.expand(hgl);
    doubleClick(&panel, model->index(11, 0, hgl));
    QCOMPARE(chosen.count(), 2);
    QCOMPARE(chosen.at(1).at(0).value<CheckTable>(), CheckTable::Structures);
    QCOMPARE(chosen.at(1).at(1).toInt(), 3);
    // No subject, a pipe the tables do not hold, a group: nothing to show.
    doubleClick(&panel, model->index(0, 0, missing));
    doubleClick(&panel, model->index(1, 0, barrels));
    doubleClick(&panel, hgl);
    QCOMPARE(chosen.count(), 2);

    // The next command's warnings replace these.
    panel.showWarnings({});
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(panel.warningCount(), size_t{0});
  }
};

int main(int argc, char** argv) {
  return runWindowTests<WarningsPanelTest>(argc, argv, "Tarvello warnings panel test");
}

#include "warnings_panel_test.moc"

// The project controls as a keyboard user meets them: the outfall box keeps
// what was typed, the Alt and Ctrl keys, and Enter from the tail water on;
// recent projects, dropped files, the offer of a saved drawing, copying and
// saving the tables, and a large drawing read behind a progress dialog.
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProgressDialog>
#include <QStatusBar>

#include "run/outputs.h"
#include "shell/recent_projects.h"
#include "tables/csv.h"
#include "viewer/drawing_view.h"
#include "viewer/dxf_view_window.h"
#include "window_fixture.h"

using namespace tarvello;

class UsabilityTest : public QObject, WindowFixture {
  Q_OBJECT

  QComboBox* outfall() const { return find<QComboBox>(widget::kOutfallBox); }

  void openHighway() {
    window_->openDatabasesAtStart(QString::fromStdString(kHighwayPipe),
                                  QString::fromStdString(kHighwayInlet));
    waitForCommand();  // the databases open on the worker
    QVERIFY(outfall()->count() > 0);
  }
  // Types into the outfall box as a user does, then leaves it with Tab.
  void typeOutfall(const QString& text) {
    QLineEdit* edit = outfall()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }

  QString fieldText(const char* name) const { return find<QLineEdit>(name)->text(); }
  QList<QAction*> recentEntries() const { return find<QMenu>(widget::kRecentProjects)->actions(); }

 private slots:
  void init() { openFreshWindow(true); }
  void cleanup() { closeWindow(); }

  void typedOutfallIsWhatCreateProfileDataReads() {
    openHighway();
    // "20" is the start of "201" and of other nodes; it stays "20".
    QVERIFY(outfall()->findText("201") >= 0);
    typeOutfall("20");
    QCOMPARE(outfall()->currentText(), QString("20"));
    pressCreate();
    QCOMPARE(window_->session().outfallNode, std::string("20"));

    // A node differing only in letter case is not put in place of the typed one.
    outfall()->addItem("MH 1");
    typeOutfall("mh 1");
    QCOMPARE(outfall()->currentText(), QString("mh 1"));
    QCOMPARE(window_->session().outfallNode, std::string("mh 1"));

    // A whole node typed exactly is read as that node.
    typeOutfall("1");
    QCOMPARE(outfall()->currentText(), QString("1"));
    pressCreate();
    QCOMPARE(window_->session().outfallNode, std::string("1"));
    QVERIFY(window_->session().tables().branches.lastFilledRow() > 5);
  }

  void keyboardOpensTheDatabasesAndRunsFromTheTailWater() {
    // Mnemonics underline a letter of the captions, nothing more.
    QCOMPARE(find<QPushButton>(widget::kOpenPipeDatabase)->text(), QString("Open &Pipe Database"));
    QCOMPARE(find<QLabel>(widget::kTailWaterLabel)->text(), QString("&TAIL WATER ELEVATION"));

    ui_->openAnswers = {kHighwayPipe};
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier);
    QTRY_COMPARE(find<QLineEdit>(widget::kPipeDatabaseField)->text(),
                 QString::fromStdString(kHighwayPipe));
    QTRY_VERIFY(outfall()->lineEdit()->hasFocus());
    ui_->openAnswers = {kHighwayInlet};
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(find<QLineEdit>(widget::kInletDatabaseField)->text(),
                 QString::fromStdString(kHighwayInlet));

    QTest::keyClicks(outfall()->lineEdit(), "1");
    QTest::keyClick(window_.get(), Qt::Key_T, Qt::AltModifier);
    auto* tailWater = find<QLineEdit>(widget::kTailWaterField);
    QTRY_VERIFY(tailWater->hasFocus());
    tailWater->selectAll();
    QTest::keyClicks(tailWater, "399.80");
    QTest::keyClick(tailWater, Qt::Key_Return);
    auto* create = find<QPushButton>(widget::kCreateProfileData);
    QTRY_VERIFY(create->hasFocus());
    QCOMPARE(window_->session().tables().branches.lastFilledRow(), 0);
    QTest::keyClick(create, Qt::Key_Return);
    waitForCommand();
    QCOMPARE(window_->session().outfallNode, std::string("1"));
    QCOMPARE(window_->session().tailWaterText, std::string("399.80"));
    QVERIFY(window_->session().tables().branches.lastFilledRow() > 5);

    // Alt+O goes back to the outfall box.
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(outfall()->lineEdit()->hasFocus());
  }

  void recentProjectsAndTheirFieldsComeBack() {
    QVERIFY(recentEntries().isEmpty());
    openHighway();
    outfall()->setEditText("1");
    find<QLineEdit>(widget::kTailWaterField)->setText("399.80");
    pressCreate();
    // Opened pipe first: the metric pipe with the highway inlet is no pair to offer.
    window_->openDatabasesAtStart(QString::fromStdString(kMetricPipe),
                                  QString::fromStdString(kMetricInlet));
    waitForCommand();
    QCOMPARE(outfall()->currentText(), QString("1"));  // nothing remembered for it
    QCOMPARE(recentEntries().size(), 2);
    QVERIFY(recentEntries()[0]->text().contains("metric.bvp + metric.olm"));
    QVERIFY(recentEntries()[1]->text().contains("highway.bvp + highway.olm"));

    // A new window (the next run) offers both; the older one opens with the
    // outfall and tail water last used with its pipe database.
    openWindow(true);  // as the program opens it, the settings kept
    QCOMPARE(recentEntries().size(), 2);
    recentEntries()[1]->trigger();
    waitForCommand();
    QCOMPARE(fieldText(widget::kPipeDatabaseField), QString::fromStdString(kHighwayPipe));
    QCOMPARE(fieldText(widget::kInletDatabaseField), QString::fromStdString(kHighwayInlet));
    QCOMPARE(outfall()->currentText(), QString("1"));
    QCOMPARE(fieldText(widget::kTailWaterField), QString("399.80"));
    QVERIFY(recentEntries()[0]->text().contains("highway.bvp"));

    // Eight at most, newest first, an equal pair not twice.
    for (int i = 0; i < 10; ++i)
      rememberRecentProject({QString("/p/%1.bvp").arg(i), QString("/p/%1.olm").arg(i)});
    rememberRecentProject({"/p/9.bvp", "/p/9.olm"});
    const QList<RecentProject> recent = recentProjects();
    QCOMPARE(recent.size(), kMaxRecentProjects);
    QCOMPARE(recent.front().pipe, QString("/p/9.bvp"));
    QCOMPARE(recent.back().pipe, QString("/p/2.bvp"));
  }

  void droppedDatabasesOpen() {
    auto drop = [&](const QList<QUrl>& urls) {
      QMimeData data;
      data.setUrls(urls);
      QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(window_.get(), &enter);
      if (!enter.isAccepted()) return false;
      QDropEvent dropped(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
      QApplication::sendEvent(window_.get(), &dropped);
      return dropped.isAccepted();
    };
    QVERIFY(!drop({QUrl("https://example.com/highway.bvp")}));
    // An inlet database alone is the inlet database; both at once go to their places.
    QVERIFY(drop({QUrl::fromLocalFile(QString::fromStdString(kMetricInlet))}));
    QTRY_COMPARE(fieldText(widget::kInletDatabaseField), QString::fromStdString(kMetricInlet));
    QCOMPARE(fieldText(widget::kPipeDatabaseField), QString());
    QVERIFY(drop({QUrl::fromLocalFile(QString::fromStdString(kHighwayInlet)),
                  QUrl::fromLocalFile(QString::fromStdString(kHighwayPipe))}));
    QTRY_COMPARE(fieldText(widget::kPipeDatabaseField), QString::fromStdString(kHighwayPipe));
    QTRY_COMPARE(fieldText(widget::kInletDatabaseField), QString::fromStdString(kHighwayInlet));
    waitForCommand();
    QVERIFY(ui_->messages.empty());
  }

  void savedDrawingIsOneClickFromTheViewer() {
    openHighwayAndCreate();
    auto* offer = find<QPushButton>(widget::kShowSavedDrawing);
    QVERIFY(!offer->isVisibleTo(window_.get()));
    // A name without ".dxf", which the viewer's open dialog would not list.
    ui_->saveAnswers = {outPath("branch-profile")};
    find<QPushButton>(widget::kBranchProfile)->click();
    QCOMPARE(ui_->lastMessage(), "DXF file was saved to:" + outPath("branch-profile"));
    QVERIFY(offer->isVisibleTo(window_.get()));

    int itemsShown = -1;
    onNextModal([&](QWidget* modal) {
      auto* viewer = qobject_cast<DxfViewWindow*>(modal);
      QVERIFY(viewer);
      itemsShown = viewer->drawingView()->itemCount();
      viewer->accept();
    });
    offer->click();
    QVERIFY(itemsShown > 20);

    // The viewer's own dialog starts in that drawing's folder.
    ui_->forget();
    find<QPushButton>(widget::kViewDrawing)->click();
    QCOMPARE(ui_->requests.size(), size_t{1});
    QCOMPARE(QDir(QString::fromStdString(ui_->requests[0].initialFolder)), QDir(out_.path()));
    QCOMPARE(ui_->lastMessage(), std::string("No DXF File selected!"));
  }

  void tablesLeaveAsTextAndAsCsv() {
    openHighwayAndCreate();
    auto* tabs = find<QTabWidget>(widget::kPages);
    tabs->setCurrentIndex(1);
    auto* grid = find<QTableView>(widget::kPipeGrid);
    const Table& pipes = window_->session().tables().pipes;
    // Rows 2 to 4 of the table, picked with a click and a Shift+click.
    auto cellCentre = [&](int row) {
      return grid->visualRect(grid->model()->index(row, 2)).center();
    };
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, cellCentre(3));
    QApplication::clipboard()->clear();
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QString expected;
    for (int row = 2; row <= 4; ++row) {
      QStringList cells;
      for (int c = 0; c < pipes.columnCount(); ++c)
        cells << QString::fromStdString(pipes.cell(row, c));
      expected += cells.join('\t') + '\n';
    }
    QCOMPARE(QApplication::clipboard()->text(), expected);

    // Save Table as CSV of page `page`: the table as the command-line program's --tables writes it.
    auto saved = [&](int page, const char* name) {
      tabs->setCurrentIndex(page);
      ui_->saveAnswers = {outPath(name)};
      window_->findChild<QAction*>(widget::kSaveTableCsv)->trigger();
      return readAll(outPath(name));
    };
    QCOMPARE(saved(1, "pipes.csv"), tableCsv(pipes));
    QVERIFY(window_->statusBar()->currentMessage().contains("pipes.csv"));
    // The plots page shows the branch table.
    QCOMPARE(saved(2, "branches.csv"), tableCsv(window_->session().tables().branches));
    // On DESIGN CHECKS the table is the findings under the criteria in force.
    const Run& run = *window_->session().run;
    const RunFindings checks = RunFindings::check(run, Criteria::forUnitSystem(run.unitSystem()));
    QVERIFY(!checks.findings.empty());
    QCOMPARE(saved(3, "checks.csv"), findingsCsv(checks.findings));
  }

  void largeDrawingReadsBehindAProgressDialogThatCancels() {
    const QString path = out_.filePath("large.dxf");
    {
      std::ofstream out(path.toStdString(), std::ios::binary);
      out << "0\nSECTION\n2\nENTITIES\n";
      for (int i = 0; i < 150000; ++i)
        out << "0\nLINE\n8\n0\n10\n" << i << "\n20\n0\n11\n" << i << "\n21\n1\n";
      out << "0\nENDSEC\n0\nEOF\n";
    }
    DxfViewWindow viewer(window_.get());
    // Events go on while the file is read: this timer sees the dialog, over
    // the window, and presses its Cancel button.
    bool dialogSeen = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* progress = window_->findChild<QProgressDialog*>("dxfReadProgress");
      if (!progress || !progress->isVisible()) return;
      dialogSeen = QApplication::activeModalWidget() == progress;
      progress->cancel();
    });
    timer.start(5);
    const QString error = viewer.loadFile(path);
    timer.stop();
    QVERIFY(dialogSeen);
    QVERIFY(viewer.loadCancelled());
    QVERIFY2(error.contains("cancelled"), qPrintable(error));

    // Left alone, the same file opens whole.
    QCOMPARE(viewer.loadFile(path), QString());
    QVERIFY(!viewer.loadCancelled());
  }
};

int main(int argc, char** argv) {
  return runWindowTests<UsabilityTest>(argc, argv, "Tarvello usability tests");
}

#include "usability_test.moc"

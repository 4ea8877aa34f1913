// The project controls as a keyboard user meets them: the outfall box keeps
// what was typed, the Alt and Ctrl keys, and Enter from the tail water on.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <clocale>
#include <fstream>

#include "scripted_ui.h"
#include "shell/main_window.h"
#include "viewer/dxf_view_window.h"

using namespace tarvello;

namespace {

const QString kExamples = TARVELLO_EXAMPLES_DIR;
const std::string kHighwayPipe = (kExamples + "/highway.bvp").toStdString();
const std::string kHighwayInlet = (kExamples + "/highway.olm").toStdString();

}  // namespace

class UsabilityTest : public QObject {
  Q_OBJECT

  std::unique_ptr<MainWindow> window_;
  ScriptedUi* ui_ = nullptr;

  template <typename T>
  T* find(const char* name) const {
    T* w = window_->findChild<T*>(name);
    if (!w) qWarning("no %s", name);
    return w;
  }
  QComboBox* outfall() const { return find<QComboBox>("hglanodeout"); }

  void openHighway() {
    window_->openDatabasesAtStart(QString::fromStdString(kHighwayPipe),
                                  QString::fromStdString(kHighwayInlet));
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
  void waitForCommand() { QTRY_VERIFY_WITH_TIMEOUT(!window_->commandRunning(), 60000); }

 private slots:
  void init() {
    auto ui = std::make_unique<ScriptedUi>();
    ui_ = ui.get();
    window_ = std::make_unique<MainWindow>(std::move(ui));
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() {
    window_.reset();
    ui_ = nullptr;
  }

  void typedOutfallIsWhatCreateProfileDataReads() {
    openHighway();
    // "20" is the start of "201" and of other nodes; it stays "20".
    QVERIFY(outfall()->findText("201") >= 0);
    typeOutfall("20");
    QCOMPARE(outfall()->currentText(), QString("20"));
    find<QPushButton>("cmdgenprofiledata")->click();
    waitForCommand();
    QCOMPARE(window_->session().outfallNode, std::string("20"));

    // A node differing only in letter case is not put in place of the typed one.
    outfall()->addItem("MH 1");
    typeOutfall("mh 1");
    QCOMPARE(outfall()->currentText(), QString("mh 1"));
    QCOMPARE(window_->session().outfallNode, std::string("mh 1"));

    // A whole node typed exactly is read as that node.
    typeOutfall("1");
    QCOMPARE(outfall()->currentText(), QString("1"));
    find<QPushButton>("cmdgenprofiledata")->click();
    waitForCommand();
    QCOMPARE(window_->session().outfallNode, std::string("1"));
    QVERIFY(window_->session().tables.branches.lastFilledRow() > 5);
  }

  void keyboardOpensTheDatabasesAndRunsFromTheTailWater() {
    // Mnemonics underline a letter of the captions, nothing more.
    QCOMPARE(find<QPushButton>("mnubrowsePipe")->text(), QString("Open &Pipe Database"));
    QCOMPARE(find<QLabel>("lblTailWater")->text(), QString("&TAIL WATER ELEVATION"));

    ui_->openAnswers = {kHighwayPipe};
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier);
    QTRY_COMPARE(find<QLineEdit>("pipe_database")->text(), QString::fromStdString(kHighwayPipe));
    QTRY_VERIFY(outfall()->lineEdit()->hasFocus());
    ui_->openAnswers = {kHighwayInlet};
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(find<QLineEdit>("inlet_database")->text(), QString::fromStdString(kHighwayInlet));

    QTest::keyClicks(outfall()->lineEdit(), "1");
    QTest::keyClick(window_.get(), Qt::Key_T, Qt::AltModifier);
    auto* tailWater = find<QLineEdit>("TWE");
    QTRY_VERIFY(tailWater->hasFocus());
    tailWater->selectAll();
    QTest::keyClicks(tailWater, "399.80");
    QTest::keyClick(tailWater, Qt::Key_Return);
    auto* create = find<QPushButton>("cmdgenprofiledata");
    QTRY_VERIFY(create->hasFocus());
    QCOMPARE(window_->session().tables.branches.lastFilledRow(), 0);
    QTest::keyClick(create, Qt::Key_Return);
    waitForCommand();
    QCOMPARE(window_->session().outfallNode, std::string("1"));
    QCOMPARE(window_->session().tailWaterText, std::string("399.80"));
    QVERIFY(window_->session().tables.branches.lastFilledRow() > 5);

    // Alt+O goes back to the outfall box.
    QTest::keyClick(window_.get(), Qt::Key_O, Qt::AltModifier);
    QTRY_VERIFY(outfall()->lineEdit()->hasFocus());
  }
};

int main(int argc, char** argv) {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setOrganizationName("Tarvello");
  QApplication::setApplicationName("Tarvello usability tests");
  UsabilityTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "usability_test.moc"

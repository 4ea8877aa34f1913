#pragma once
// What the window tests share: a main window driven by a scripted user, its
// widgets found by object name, waiting for the worker thread, and the start
// of a test program.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <clocale>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "scripted_ui.h"
#include "shell/main_window.h"
#include "shell/widget_names.h"

// The example projects of the build.
inline const QString kExamples = TARVELLO_EXAMPLES_DIR;
inline const std::string kHighwayPipe = (kExamples + "/highway.bvp").toStdString();
inline const std::string kHighwayInlet = (kExamples + "/highway.olm").toStdString();
inline const std::string kMetricPipe = (kExamples + "/metric.bvp").toStdString();
inline const std::string kMetricInlet = (kExamples + "/metric.olm").toStdString();

// Double-clicks an item as a user does: the view takes a double click only on
// the item the press before it was on.
inline void doubleClick(QAbstractItemView* view, const QModelIndex& index) {
  view->scrollTo(index);
  const QPoint at = view->visualRect(index).center();
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

// The texts of a view's row, or of its column heads with row -1.
inline QStringList rowTexts(const QAbstractItemView* view, int row) {
  const QAbstractItemModel* model = view->model();
  QStringList cells;
  for (int c = 0; c < model->columnCount(); ++c)
    cells << (row < 0 ? model->headerData(c, Qt::Horizontal) : model->index(row, c).data())
                 .toString();
  return cells;
}

inline QStringList qStrings(const std::vector<std::string>& cells) {
  QStringList out;
  for (const std::string& c : cells) out << QString::fromStdString(c);
  return out;
}

class WindowFixture {
 protected:
  std::unique_ptr<tarvello::MainWindow> window_;
  ScriptedUi* ui_ = nullptr;
  QTemporaryDir out_;  // where a test's outputs go

  std::string outPath(const std::string& name) const {
    return out_.filePath(QString::fromStdString(name)).toStdString();
  }

  template <typename T>
  T* find(const char* name) const {
    T* w = window_->findChild<T*>(name);
    if (!w) qWarning("no %s", name);
    return w;
  }
  // Commands run on the window's worker thread; this waits for the current one.
  void waitForCommand() const { QTRY_VERIFY_WITH_TIMEOUT(!window_->commandRunning(), 60000); }
  // A new window as the program opens one; `active` also waits for the focus.
  void openWindow(bool active = false) {
    window_.reset();
    auto ui = std::make_unique<ScriptedUi>();
    ui_ = ui.get();
    window_ = std::make_unique<tarvello::MainWindow>(std::move(ui));
    window_->show();
    if (active) {
      window_->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    } else {
      QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
  }
  // A window as on a first run: no settings kept from another test.
  void openFreshWindow(bool active = false) {
    QSettings().clear();
    openWindow(active);
  }
  void closeWindow() {
    window_.reset();
    ui_ = nullptr;
  }
  void pressCreate() {
    find<QPushButton>(tarvello::widget::kCreateProfileData)->click();
    waitForCommand();
  }
  // The highway example opened and Create Profile Data run for `outfall`
  // (and `tailWater` when given); the dialogs of it forgotten.
  void openHighwayAndCreate(const QString& outfall = "1", const QString& tailWater = {}) {
    window_->openDatabasesAtStart(kExamples + "/highway.bvp", kExamples + "/highway.olm");
    window_->waitForCommand();
    find<QComboBox>(tarvello::widget::kOutfallBox)->setEditText(outfall);
    if (!tailWater.isEmpty())
      find<QLineEdit>(tarvello::widget::kTailWaterField)->setText(tailWater);
    pressCreate();
    QVERIFY(window_->session().tables().branches.lastFilledRow() >= 3);
    ui_->forget();
  }
  // Runs `act` on the first modal window that appears while the caller blocks.
  static void onNextModal(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
      QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
      act(QApplication::activeModalWidget());
    });
  }
  static std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
};

// main() of a window test program: the settings go to a scratch folder of
// their own, and numbers are read and written the "C" way.
template <class Test>
int runWindowTests(int argc, char** argv, const char* applicationName) {
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setOrganizationName("Tarvello");
  QApplication::setApplicationName(applicationName);
  Test test;
  return QTest::qExec(&test, argc, argv);
}

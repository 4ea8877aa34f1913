#pragma once
// What the window tests share: a main window driven by a scripted user, its
// widgets found by object name, waiting for the worker thread, and the start
// of a test program.
#include <QApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <clocale>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

#include "scripted_ui.h"
#include "shell/main_window.h"
#include "shell/widget_names.h"

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
  void closeWindow() {
    window_.reset();
    ui_ = nullptr;
  }
  // The highway example opened and Create Profile Data run for `outfall`
  // (and `tailWater` when given); the dialogs of it forgotten.
  void openHighwayAndCreate(const QString& outfall = "1", const QString& tailWater = {}) {
    const QString examples = TARVELLO_EXAMPLES_DIR;
    window_->openDatabasesAtStart(examples + "/highway.bvp", examples + "/highway.olm");
    window_->waitForCommand();
    find<QComboBox>(tarvello::widget::kOutfallBox)->setEditText(outfall);
    if (!tailWater.isEmpty())
      find<QLineEdit>(tarvello::widget::kTailWaterField)->setText(tailWater);
    find<QPushButton>(tarvello::widget::kCreateProfileData)->click();
    waitForCommand();
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

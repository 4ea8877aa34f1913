// tarvello-gui-bench PIPE_DB INLET_DB: the main window, offscreen, on a large
// project. Prints how long Create Profile Data keeps the window waiting (the
// handler itself, and the longest the event loop went unserved while the run
// worked) against the same generation without a window in the same run, and
// the time the grids then take to fill and paint.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include <algorithm>

#include <cstdio>

#include <sys/resource.h>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <memory>
#include <string>

#include "commands/commands.h"
#include "commands/session.h"
#include "network/generation.h"
#include "shell/main_window.h"
#include "shell/widget_names.h"

namespace {

// Answers nothing and shows nothing: a benchmark has nobody to click. Saved
// drawings go to numbered files in a scratch folder.
class SilentUi : public tarvello::UserInterface {
 public:
  std::string askOpenFileName(const tarvello::FileDialogRequest&) override { return {}; }
  std::string askSaveFileName(const tarvello::FileDialogRequest&) override {
    return (QDir::tempPath() + QString("/tarvello-gui-bench/drawing-%1.dxf").arg(++saved_))
        .toStdString();
  }
  bool askYesNo(const std::string&, tarvello::MessageIcon) override { return true; }
  void showMessage(const std::string&, tarvello::MessageIcon) override {}

 private:
  int saved_ = 0;
};

double msSince(const QElapsedTimer& t) { return static_cast<double>(t.nsecsElapsed()) / 1e6; }

// The process's peak resident memory so far, in MB.
long peakMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024;
}

}  // namespace

// The window's commands as the user gives them: its buttons.
void click(tarvello::MainWindow& window, const char* name) {
  if (auto* button = window.findChild<QPushButton*>(name)) button->click();
}

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // The window keeps its settings; a benchmark must not change the user's.
  qputenv("XDG_CONFIG_HOME", (QDir::tempPath() + "/tarvello-gui-bench").toLocal8Bit());
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: tarvello-gui-bench PIPE_DB INLET_DB\n");
    return 2;
  }
  const QString pipeDb = QString::fromLocal8Bit(argv[1]);
  const QString inletDb = QString::fromLocal8Bit(argv[2]);

  // Baseline: the same run without a window.
  tarvello::Session plain;
  if (!plain.databases.openPipeDatabase(argv[1]).empty() ||
      !plain.databases.openInletDatabase(argv[2]).empty()) {
    std::fprintf(stderr, "tarvello-gui-bench: cannot open the databases\n");
    return 1;
  }
  // Assigned from a std::string: gcc 12 warns falsely (-Wrestrict) on the literal here.
  plain.outfallNode = std::string(1, '1');
  QElapsedTimer timer;
  timer.start();
  tarvello::createProfileData(plain);
  const double core = msSince(timer);

  const long peakBaseline = peakMb();
  // The baseline's tables would count in the window's peak: they go first.
  plain.run = std::make_shared<tarvello::Run>();
  plain.databases = tarvello::ProjectDatabases();
#ifdef __GLIBC__
  malloc_trim(0);  // and their pages go back, so that the peak below is the window's
#endif

  tarvello::MainWindow window(std::make_unique<SilentUi>());
  window.resize(1280, 900);
  window.show();
  app.processEvents();
  timer.restart();
  window.openDatabasesAtStart(pipeDb, inletDb);
  const double openReturns = msSince(timer);
  while (window.commandRunning()) app.processEvents(QEventLoop::WaitForMoreEvents);
  app.processEvents();
  const double open = msSince(timer);

  // The user picks the outfall from the list the open filled.
  if (auto* outfall = window.findChild<QComboBox*>("hglanodeout")) outfall->setEditText("1");
  // A 10 ms tick measures how long the event loop is kept from serving the
  // window while the run works.
  QElapsedTimer tick;
  double longestGap = 0;
  QTimer ticker;
  ticker.setInterval(10);
  QObject::connect(&ticker, &QTimer::timeout, [&] {
    longestGap = std::max(longestGap, msSince(tick));
    tick.restart();
  });
  timer.restart();
  click(window, tarvello::widget::kCreateProfileData);
  const double handler = msSince(timer);
  tick.start();
  ticker.start();
  while (window.commandRunning()) app.processEvents(QEventLoop::WaitForMoreEvents);
  ticker.stop();
  const double run = msSince(timer);
  timer.restart();
  app.processEvents();
  // Painting the whole window makes every visible grid read its cells.
  const QPixmap painted = window.grab();
  const double paint = msSince(timer);
  const auto rows = window.session().tables().pipes.lastFilledRow();
  const long peakCreate = peakMb();

  // Both schedules as a designer draws them next.
  QDir().mkpath(QDir::tempPath() + "/tarvello-gui-bench");
  timer.restart();
  click(window, tarvello::widget::kStructureSchedule);
  while (window.commandRunning()) app.processEvents(QEventLoop::WaitForMoreEvents);
  click(window, tarvello::widget::kPipeSchedule);
  while (window.commandRunning()) app.processEvents(QEventLoop::WaitForMoreEvents);
  app.processEvents();
  const double schedules = msSince(timer);
  const long peakSchedules = peakMb();

  // Run again, as after picking another outfall: the window shows the
  // previous tables until the new ones are made.
  click(window, tarvello::widget::kCreateProfileData);
  while (window.commandRunning()) app.processEvents(QEventLoop::WaitForMoreEvents);
  app.processEvents();

  std::printf("pipes in the pipe table            %d\n", rows);
  std::printf("open both databases (window)       %9.1f ms\n", open);
  std::printf("  start-up call returns after      %9.1f ms\n", openReturns);
  std::printf("Create Profile Data, no window     %9.1f ms\n", core);
  std::printf("Create Profile Data in the window  %9.1f ms  %.2f x the run without a window\n", run,
              run / core);
  std::printf("  handler returns after            %9.1f ms\n", handler);
  std::printf("  longest unserved event loop      %9.1f ms  (the window's longest freeze)\n",
              longestGap);
  std::printf("grids filled and painted after it  %9.1f ms  (target < 1000 ms)\n", paint);
  std::printf("both schedules drawn in the window   %9.1f ms\n", schedules);
  std::printf(
      "peak memory: baseline run %ld MB, after Create Profile Data %ld MB, after both "
      "schedules %ld MB (target < 500 MB)\n",
      peakBaseline, peakCreate, peakSchedules);
  std::printf(
      "peak memory with a second Create Profile Data %ld MB (the previous tables shown "
      "meanwhile)\n",
      peakMb());
  return painted.isNull() ? 1 : 0;
}

// Screen pictures of the real windows, to be looked at: run on a display,
// e.g. xvfb-run -a -s "-screen 0 1400x900x24" shell_screenshots OUTDIR.
//   shell_screenshots OUTDIR [BIG.dxf] drives the main window through the
//                                      example project, the recent projects
//                                      menu and the viewer; with a large
//                                      drawing, its progress dialog too
//   shell_screenshots --grab FILE MS   waits MS milliseconds, then takes the
//                                      whole screen (another program's window)
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGraphicsScene>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QToolTip>

#include <clocale>
#include <cstdio>

#include "scripted_ui.h"
#include "shell/help_window.h"
#include "shell/main_window.h"
#include "shell/splash_window.h"
#include "viewer/drawing_view.h"
#include "viewer/dxf_view_window.h"

namespace {

void settle(int ms = 400) {
  QElapsedTimer t;
  t.start();
  while (t.elapsed() < ms) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
    QThread::msleep(10);
  }
}

bool grabScreen(const QString& file) {
  const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0);
  const bool saved = shot.save(file);
  std::printf("%s %s (%dx%d)\n", saved ? "wrote" : "could not write", qPrintable(file),
              shot.width(), shot.height());
  return saved;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  std::setlocale(LC_NUMERIC, "C");
  const QStringList args = QApplication::arguments();
  if (args.size() == 4 && args[1] == "--grab") {
    QThread::msleep(static_cast<unsigned long>(args[3].toInt()));
    return grabScreen(args[2]) ? 0 : 1;
  }
  if (args.size() != 2 && args.size() != 3) {
    std::fputs("usage: shell_screenshots OUTDIR [BIG.dxf] | --grab FILE MS\n", stderr);
    return 2;
  }
  const QDir out(args[1]);
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
  QApplication::setOrganizationName("Tarvello");
  QApplication::setApplicationName("Tarvello screenshots");

  {
    tarvello::SplashWindow splash;
    splash.start();
    settle();
    grabScreen(out.filePath("splash.png"));
  }

  auto scripted = std::make_unique<ScriptedUi>();
  ScriptedUi* ui = scripted.get();
  tarvello::MainWindow window(std::move(scripted));
  window.move(0, 0);
  window.resize(1360, 860);
  window.show();
  settle();
  grabScreen(out.filePath("start.png"));

  const QString examples = TARVELLO_EXAMPLES_DIR;
  window.openDatabasesAtStart(examples + "/highway.bvp", examples + "/highway.olm");
  // The databases open on the worker; Create Profile Data waits for them.
  while (window.commandRunning()) settle(50);
  window.findChild<QComboBox*>("hglanodeout")->setEditText("1");
  window.findChild<QLineEdit*>("TWE")->setText("398.00");
  window.findChild<QPushButton*>("cmdgenprofiledata")->click();
  while (window.commandRunning()) settle(50);
  settle();
  grabScreen(out.filePath("structure-data.png"));

  auto* tabs = window.findChild<QTabWidget*>("SSTab1");
  tabs->setCurrentIndex(1);
  settle();
  grabScreen(out.filePath("pipe-data.png"));

  // The design checks: the page with its findings, then the pipe grid a
  // double-click on a finding leads to, with the marks and one tool tip;
  // both in one picture.
  tabs->setCurrentIndex(3);
  settle();
  const QPixmap page = QGuiApplication::primaryScreen()->grabWindow(0);
  grabScreen(out.filePath("design-checks-page.png"));
  auto* findings = window.findChild<QTableView*>("findingsList");
  if (findings && findings->model()->rowCount() > 1) {
    emit findings->doubleClicked(findings->model()->index(1, 0));
    settle();
    auto* pipes = window.findChild<QTableView*>("pipeflex");
    const QModelIndex marked = pipes->currentIndex();
    const QRect cell = pipes->visualRect(marked);
    QToolTip::showText(pipes->viewport()->mapToGlobal(cell.bottomLeft()),
                       marked.data(Qt::ToolTipRole).toString(), pipes->viewport());
    settle(600);
    const QPixmap grid = QGuiApplication::primaryScreen()->grabWindow(0);
    grabScreen(out.filePath("design-checks-grid.png"));
    QToolTip::hideText();
    // Only the window's part of each screen, one above the other.
    const QRect area = window.frameGeometry().intersected(page.rect());
    QPixmap both(area.width(), area.height() * 2 + 8);
    both.fill(Qt::darkGray);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, page, area.x(), area.y(), area.width(), area.height());
    painter.drawPixmap(0, area.height() + 8, grid, area.x(), area.y(), area.width(), area.height());
    painter.end();
    std::printf("%s %s\n",
                both.save(out.filePath("design-checks.png")) ? "wrote" : "could not write",
                qPrintable(out.filePath("design-checks.png")));
  }

  // The HGL computation sheet of the run, the page after the design checks.
  if (auto* hgl = window.findChild<QWidget*>("fraHglComputation")) {
    tabs->setCurrentWidget(hgl);
    settle();
    grabScreen(out.filePath("hgl-computation.png"));
  }

  // A resubmittal: the set of this run, then the set of a run at another
  // tail water compared with it; the progress of the second set, and its
  // REVISIONS page, one above the other.
  QTemporaryDir sets;
  ui->openAnswers = {sets.filePath("first").toStdString(), ""};
  window.findChild<QAction*>("mnuExportSubmittal")->trigger();
  window.findChild<QLineEdit*>("TWE")->setText("399.80");
  window.findChild<QPushButton*>("cmdgenprofiledata")->click();
  while (window.commandRunning()) settle(50);
  ui->openAnswers = {sets.filePath("second").toStdString(), sets.filePath("first").toStdString()};
  ui->yesNoAnswers = {true};
  QPixmap progressShot;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    auto* bar = window.findChild<QProgressDialog*>("dlgSubmittalProgress");
    if (progressShot.isNull() && bar && bar->isVisible() && bar->value() >= bar->maximum() / 2) {
      settle(300);
      progressShot = QGuiApplication::primaryScreen()->grabWindow(0);
    }
  });
  watch.start(0);
  window.findChild<QAction*>("mnuExportSubmittal")->trigger();
  watch.stop();
  settle();
  const QPixmap revisions = QGuiApplication::primaryScreen()->grabWindow(0);
  if (!progressShot.isNull()) {
    const QRect area = window.frameGeometry().intersected(revisions.rect());
    QPixmap both(area.width(), area.height() * 2 + 8);
    both.fill(Qt::darkGray);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, progressShot, area.x(), area.y(), area.width(), area.height());
    painter.drawPixmap(0, area.height() + 8, revisions, area.x(), area.y(), area.width(),
                       area.height());
    painter.end();
    std::printf("%s %s\n", both.save(out.filePath("submittal.png")) ? "wrote" : "could not write",
                qPrintable(out.filePath("submittal.png")));
  }
  // The run the later pictures show.
  window.findChild<QLineEdit*>("TWE")->setText("398.00");
  window.findChild<QPushButton*>("cmdgenprofiledata")->click();
  while (window.commandRunning()) settle(50);

  tabs->setCurrentIndex(2);
  auto* branches = window.findChild<QTableView*>("profileflex1");
  branches->setCurrentIndex(branches->model()->index(2, 1));
  settle();
  grabScreen(out.filePath("plots-summaries.png"));

  QTemporaryDir drawings;
  const std::string drawing = drawings.filePath("branch.dxf").toStdString();
  ui->saveAnswers = {drawing};
  window.findChild<QPushButton*>("cmdPlotBranchProfile")->click();
  ui->openAnswers = {drawing};
  QTimer::singleShot(300, [&out] {
    auto* viewer = qobject_cast<tarvello::DxfViewWindow*>(QApplication::activeModalWidget());
    if (!viewer) return;
    viewer->move(40, 30);
    viewer->resize(1240, 800);
    settle(600);
    grabScreen(out.filePath("viewer.png"));
    // Close up of the downstream end, where the labels are.
    auto* view = viewer->drawingView();
    const QRectF all = view->scene()->itemsBoundingRect();
    view->fitInView(QRectF(all.left(), all.top(), all.width() * 0.22, all.height() * 0.2),
                    Qt::KeepAspectRatio);
    settle(400);
    grabScreen(out.filePath("viewer-zoom.png"));
    viewer->accept();
  });
  window.findChild<QPushButton*>("cmdviewDWF")->click();

  // The recent projects: a second project opened, then the first again.
  window.openDatabasesAtStart(examples + "/metric.bvp", examples + "/metric.olm");
  window.openDatabasesAtStart(examples + "/highway.bvp", examples + "/highway.olm");
  settle();
  if (auto* file = window.findChild<QMenu*>("mnuFile")) {
    auto* recent = window.findChild<QMenu*>("mnuRecentProjects");
    file->popup(window.menuBar()->mapToGlobal(QPoint(0, window.menuBar()->height())));
    settle();
    file->setActiveAction(recent->menuAction());
    recent->popup(file->mapToGlobal(file->actionGeometry(recent->menuAction()).topRight()));
    settle(600);
    grabScreen(out.filePath("recent-projects.png"));
    recent->close();
    file->close();
  }

  // A large drawing: the progress of its reading, then the drawing.
  if (args.size() == 3) {
    ui->openAnswers = {args[2].toStdString()};
    QElapsedTimer clock;
    clock.start();
    bool progressTaken = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (auto* progress = qobject_cast<QProgressDialog*>(modal)) {
        if (!progressTaken && progress->value() > progress->maximum() / 3) {
          progressTaken = true;
          grabScreen(out.filePath("viewer-progress.png"));
        }
      } else if (auto* viewer = qobject_cast<tarvello::DxfViewWindow*>(modal)) {
        poll.stop();
        std::printf("large drawing shown after %lld ms\n", clock.elapsed());
        viewer->move(40, 30);
        viewer->resize(1240, 800);
        settle(1500);
        grabScreen(out.filePath("viewer-large.png"));
        viewer->accept();
      }
    });
    poll.start(100);
    window.findChild<QPushButton*>("cmdviewDWF")->click();
    poll.stop();
  }

  // The run against the fields: a tail water typed after the run, then a
  // run from an outfall that does not exist.
  while (window.commandRunning()) settle(50);
  window.findChild<QComboBox*>("hglanodeout")->setEditText("1");
  window.findChild<QPushButton*>("cmdgenprofiledata")->click();
  while (window.commandRunning()) settle(50);
  tabs->setCurrentIndex(0);
  window.findChild<QLineEdit*>("TWE")->setText("405.00");
  settle();
  grabScreen(out.filePath("stale-tables.png"));
  window.findChild<QComboBox*>("hglanodeout")->setEditText("999");
  window.findChild<QPushButton*>("cmdgenprofiledata")->click();
  while (window.commandRunning()) settle(50);
  settle();
  grabScreen(out.filePath("failed-run.png"));
  tabs->setCurrentIndex(3);
  settle();
  grabScreen(out.filePath("failed-run-checks.png"));

  window.showHelp();
  if (QWidget* help = window.helpWindow()) {
    help->move(300, 60);
    settle();
    grabScreen(out.filePath("help.png"));
    help->close();
  }
  QTimer::singleShot(300, [&out] {
    QWidget* about = QApplication::activeModalWidget();
    if (!about) return;
    settle();
    grabScreen(out.filePath("about.png"));
    about->close();
  });
  window.showAbout();
  for (const auto& m : ui->messages) std::printf("message: %s\n", m.text.c_str());
  return 0;
}

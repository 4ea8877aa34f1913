#include "shell/startup.h"

#include <QApplication>

#include <memory>

#include "database/companion_database.h"
#include "shell/main_window.h"
#include "shell/splash_window.h"

namespace tarvello {

QString usageText() {
  return "Usage: tarvello [--no-splash] [PIPE_DATABASE [INLET_DATABASE]]\n"
         "  PIPE_DATABASE   Brenvik pipe project database (.bvp, .bvh) to open at start\n"
         "  INLET_DATABASE  Olmstra inlet project database (.olm, .olh) to open at start\n"
         "  --no-splash     start without the splash window\n"
         "A database named alone opens with its partner of the same name beside it\n"
         "(the inlet database of a pipe database, or the other way round).\n";
}

StartupOptions parseStartupArguments(const QStringList& arguments) {
  StartupOptions options;
  QStringList files;
  bool optionsEnded = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& a = arguments[i];
    if (!optionsEnded && a == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && a == "--no-splash") {
      options.splash = false;
    } else if (!optionsEnded && (a == "--help" || a == "-h")) {
      options.showUsage = true;
    } else if (!optionsEnded && a.startsWith('-') && a.size() > 1) {
      options.error = QString("Unknown option %1.").arg(a);
      return options;
    } else {
      files << a;
    }
  }
  if (files.size() > 2) {
    options.error = "At most two databases can be named: a pipe and an inlet project database.";
    return options;
  }
  if (files.size() == 1) {
    const DatabasePair pair = databasesForOneFile(files[0].toStdString());
    options.pipeDatabase = QString::fromStdString(pair.pipe);
    options.inletDatabase = QString::fromStdString(pair.inlet);
  }
  if (files.size() == 2) {
    options.pipeDatabase = files[0];
    options.inletDatabase = files[1];
  }
  return options;
}

int runProgram(QApplication& app, const StartupOptions& options) {
  MainWindow window;
  auto openMainWindow = [&window, &options] {
    window.show();
    window.openDatabasesAtStart(options.pipeDatabase, options.inletDatabase);
  };
  std::unique_ptr<SplashWindow> splash;
  if (options.splash) {
    splash = std::make_unique<SplashWindow>();
    QObject::connect(splash.get(), &SplashWindow::finished, &window, openMainWindow,
                     Qt::QueuedConnection);
    splash->start();
  } else {
    openMainWindow();
  }
  return app.exec();
}

}  // namespace tarvello

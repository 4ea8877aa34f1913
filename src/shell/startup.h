#pragma once
// Start of the desktop program: the command line, the splash window and the
// main window.
#include <QString>
#include <QStringList>

class QApplication;

namespace tarvello {

struct StartupOptions {
  bool splash = true;      // --no-splash turns it off
  QString pipeDatabase;    // first argument: opened at start
  QString inletDatabase;   // second argument
  bool showUsage = false;  // --help
  QString error;           // what is wrong with the command line
};

// `arguments` as the command line gives them, program first.
StartupOptions parseStartupArguments(const QStringList& arguments);
QString usageText();

// Runs the program until its main window closes; returns the exit status.
int runProgram(QApplication& app, const StartupOptions& options);

}  // namespace tarvello

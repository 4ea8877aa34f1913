#pragma once
// Runs a command (opening a database, Create Profile Data) on a thread of its
// own. The run works on a session of its own, which holds the window's
// databases for the length of the run, so the window can go on showing (and
// painting) its tables without sharing anything with the thread.
#include <QObject>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "commands/session.h"
#include "commands/user_interface.h"

class QThread;

namespace tarvello {

class BackgroundRunner : public QObject {
  Q_OBJECT
 public:
  // The command, on its thread; it may show messages but asks nothing.
  using Task = std::function<void(Session& work, UserInterface& ui)>;
  // Back on the window's thread, with the run's session.
  using Done = std::function<void(Session& work)>;

  explicit BackgroundRunner(QObject* parent = nullptr);
  // A run still going is waited for; its results are not shown.
  ~BackgroundRunner() override;

  bool running() const { return run_ != nullptr; }
  // Starts `task` on a session that takes `session`'s databases and copies its fields.
  void start(Session& session, Task task, Done done);
  // Waits for the run, gives the databases back to `session`, calls `done`
  // and then shows the run's messages on `ui`.
  void finish(Session& session, UserInterface& ui);

 signals:
  // The thread has ended; the window calls finish.
  void threadEnded();

 private:
  struct Run;
  std::unique_ptr<Run> run_;
  unsigned runsStarted_ = 0;
};

}  // namespace tarvello

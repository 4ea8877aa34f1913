#pragma once
// Runs a command (opening a database, Create Profile Data) on a thread of its
// own. The task takes what it works on by value: the run's inputs, with the
// opened databases shared read-only, so the window goes on showing (and
// painting) its tables and fields while the thread works, and nothing of the
// window's session is shared with it.
#include <QObject>

#include <functional>
#include <memory>

#include "commands/user_interface.h"

class QThread;

namespace tarvello {

class BackgroundRunner : public QObject {
  Q_OBJECT
 public:
  // The command, on its thread; it may show messages but asks nothing.
  using Task = std::function<void(UserInterface& ui)>;
  // Back on the window's thread, once the task has ended.
  using Done = std::function<void()>;

  explicit BackgroundRunner(QObject* parent = nullptr);
  // A run still going is waited for; its results are not shown.
  ~BackgroundRunner() override;

  bool running() const { return run_ != nullptr; }
  void start(Task task, Done done);
  // Waits for the run, calls `done` and then shows the run's messages on `ui`.
  void finish(UserInterface& ui);

 signals:
  // The thread has ended; the window calls finish.
  void threadEnded();

 private:
  struct Run;
  std::unique_ptr<Run> run_;
  unsigned runsStarted_ = 0;
};

}  // namespace tarvello

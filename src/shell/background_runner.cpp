#include "shell/background_runner.h"

#include <QThread>

#include <string>
#include <utility>
#include <vector>

namespace tarvello {
namespace {

// The messages of a command on a thread of its own, shown by the window when
// the command ends. The commands run that way ask nothing.
class HeldMessages : public UserInterface {
 public:
  std::string askOpenFileName(const FileDialogRequest&) override { return {}; }
  std::string askSaveFileName(const FileDialogRequest&) override { return {}; }
  bool askYesNo(const std::string&, MessageIcon) override { return false; }
  void showMessage(const std::string& text, MessageIcon icon) override {
    messages.emplace_back(text, icon);
  }
  std::vector<std::pair<std::string, MessageIcon>> messages;
};

}  // namespace

struct BackgroundRunner::Run {
  unsigned id = 0;
  HeldMessages messages;
  Done done;
  std::unique_ptr<QThread> thread;
};

BackgroundRunner::BackgroundRunner(QObject* parent) : QObject(parent) {}

BackgroundRunner::~BackgroundRunner() {
  if (run_) run_->thread->wait();
}

void BackgroundRunner::start(Task task, Done done) {
  run_ = std::make_unique<Run>();
  Run* run = run_.get();
  run->id = ++runsStarted_;
  run->done = std::move(done);
  run->thread.reset(QThread::create([run, task = std::move(task)] { task(run->messages); }));
  connect(run->thread.get(), &QThread::finished, this, [this, id = run->id] {
    if (run_ && run_->id == id) emit threadEnded();  // not when finish has ended it already
  });
  run->thread->start();
}

void BackgroundRunner::finish(UserInterface& ui) {
  if (!run_) return;
  run_->thread->wait();
  const std::unique_ptr<Run> run = std::move(run_);
  run->done();
  for (const auto& [text, icon] : run->messages.messages) ui.showMessage(text, icon);
}

}  // namespace tarvello

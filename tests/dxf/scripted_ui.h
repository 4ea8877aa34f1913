#pragma once
// A user interface for tests: answers the file dialogs and questions from a
// script and records everything it was asked and shown.
#include <deque>
#include <string>
#include <vector>

#include "commands/user_interface.h"

namespace tarvello::testing {

class ScriptedUi : public UserInterface {
 public:
  struct Shown {
    std::string text;
    MessageIcon icon;
  };

  std::deque<std::string> saveNames;  // one per save dialog; "" once used up
  std::deque<bool> answers;           // one per question; false once used up

  std::vector<FileDialogRequest> saveRequests;
  std::vector<Shown> questions;
  std::vector<Shown> messages;

  std::string askOpenFileName(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return next(saveNames, std::string());
  }
  std::string askSaveFileName(const FileDialogRequest& request) override {
    saveRequests.push_back(request);
    return next(saveNames, std::string());
  }
  bool askYesNo(const std::string& text, MessageIcon icon) override {
    questions.push_back({text, icon});
    return next(answers, false);
  }
  void showMessage(const std::string& text, MessageIcon icon) override {
    messages.push_back({text, icon});
  }

 private:
  template <typename T>
  static T next(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    T value = queue.front();
    queue.pop_front();
    return value;
  }
};

}  // namespace tarvello::testing

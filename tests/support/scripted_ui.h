#pragma once
// Dialog answers given in advance, and a record of what was asked and said;
// stands in for the dialogs when tests drive the commands or the window.
#include <deque>
#include <string>
#include <vector>

#include "commands/user_interface.h"

class ScriptedUi : public tarvello::UserInterface {
 public:
  struct Message {
    std::string text;
    tarvello::MessageIcon icon;
  };

  std::deque<std::string> openAnswers;  // "" or none left: the dialog is cancelled
  std::deque<std::string> saveAnswers;
  std::deque<bool> yesNoAnswers;  // none left: "No"

  std::vector<tarvello::FileDialogRequest> requests;
  std::vector<Message> messages;
  std::vector<std::string> questions;
  std::vector<tarvello::MessageIcon> questionIcons;

  std::string askOpenFileName(const tarvello::FileDialogRequest& request) override {
    return answer(request, openAnswers);
  }
  std::string askSaveFileName(const tarvello::FileDialogRequest& request) override {
    return answer(request, saveAnswers);
  }
  bool askYesNo(const std::string& text, tarvello::MessageIcon icon) override {
    questions.push_back(text);
    questionIcons.push_back(icon);
    if (yesNoAnswers.empty()) return false;
    const bool yes = yesNoAnswers.front();
    yesNoAnswers.pop_front();
    return yes;
  }
  void showMessage(const std::string& text, tarvello::MessageIcon icon) override {
    messages.push_back({text, icon});
  }

  void forget() {
    requests.clear();
    messages.clear();
    questions.clear();
    questionIcons.clear();
  }
  std::string lastMessage() const {
    return messages.empty() ? std::string() : messages.back().text;
  }

 private:
  std::string answer(const tarvello::FileDialogRequest& request, std::deque<std::string>& answers) {
    requests.push_back(request);
    if (answers.empty()) return {};
    std::string a = answers.front();
    answers.pop_front();
    return a;
  }
};

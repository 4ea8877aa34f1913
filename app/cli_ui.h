#pragma once
// The user interface of tarvello-cli: dialogs are answered from the command
// line, messages are printed (problems to the error stream).
#include <iosfwd>
#include <string>

#include "common/user_interface.h"

namespace tarvello::cli {

class CliUserInterface : public UserInterface {
 public:
  // `force` answers yes to every question (--force); without it the answer is no.
  CliUserInterface(std::ostream& out, std::ostream& err, bool force = false);

  // The answers to the open and save dialogs, given by the command's options
  // ("" answers as a cancelled dialog does).
  void setOpenFileName(std::string path) { openFileName_ = std::move(path); }
  void setSaveFileName(std::string path) { saveFileName_ = std::move(path); }

  std::string askOpenFileName(const FileDialogRequest& request) override;
  std::string askSaveFileName(const FileDialogRequest& request) override;
  bool askYesNo(const std::string& text, MessageIcon icon) override;
  void showMessage(const std::string& text, MessageIcon icon) override;

 private:
  std::ostream& out_;
  std::ostream& err_;
  bool force_;
  std::string openFileName_;
  std::string saveFileName_;
};

}  // namespace tarvello::cli

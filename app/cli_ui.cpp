#include "cli_ui.h"

#include <ostream>

namespace tarvello::cli {

CliUserInterface::CliUserInterface(std::ostream& out, std::ostream& err, bool force)
    : out_(out), err_(err), force_(force) {}

std::string CliUserInterface::askOpenFileName(const FileDialogRequest&) { return openFileName_; }

std::string CliUserInterface::askSaveFileName(const FileDialogRequest&) { return saveFileName_; }

bool CliUserInterface::askYesNo(const std::string& text, MessageIcon) {
  // Printed so that a log of the run shows what was decided on the user's behalf.
  out_ << text << (force_ ? " yes (--force)" : " no (give --force to answer yes)") << '\n';
  return force_;
}

void CliUserInterface::showMessage(const std::string& text, MessageIcon icon) {
  const bool problem = icon == MessageIcon::Exclamation || icon == MessageIcon::Critical;
  (problem ? err_ : out_) << text << '\n';
}

}  // namespace tarvello::cli

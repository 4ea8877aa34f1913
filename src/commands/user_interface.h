#pragma once
// The few things the core asks of whoever is in front of it: the desktop
// program answers with dialogs, the command-line program from its arguments,
// the tests from a script.
#include <string>

namespace tarvello {

enum class MessageIcon { None, Information, Exclamation, Critical };

struct FileDialogRequest {
  std::string title;             // "Save As", "Open", ...
  std::string filter;            // "DXF files (*.dxf)|*.dxf"
  std::string defaultExtension;  // ".dxf"
  std::string initialFolder;     // empty: the program's own folder
  std::string fileName;          // proposed name, usually empty
  bool mustExist = false;        // open dialogs
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;
  // The chosen path, or "" when the user cancelled.
  virtual std::string askOpenFileName(const FileDialogRequest& request) = 0;
  virtual std::string askSaveFileName(const FileDialogRequest& request) = 0;
  // A folder, or "" when the user cancelled. Front ends without a folder
  // dialog of their own answer as their open dialog does.
  virtual std::string askFolder(const FileDialogRequest& request) {
    return askOpenFileName(request);
  }
  virtual bool askYesNo(const std::string& text, MessageIcon icon) = 0;
  virtual void showMessage(const std::string& text, MessageIcon icon) = 0;
};

}  // namespace tarvello

#pragma once
// The core's dialogs and messages as Qt dialogs over the main window.
#include <QString>
#include <QStringList>

#include "commands/user_interface.h"

class QWidget;

namespace tarvello {

inline constexpr const char* kApplicationTitle = "Tarvello";

// "DXF files (*.dxf)|*.dxf" (description|patterns pairs, patterns separated
// by ';') in the form QFileDialog reads: one "description (patterns)" entry a
// filter, patterns separated by blanks.
QStringList qtNameFilters(const std::string& filter);

class QtUserInterface : public UserInterface {
 public:
  // Dialogs open over `parent`; a request without a folder opens in
  // `programFolder`.
  QtUserInterface(QWidget* parent, std::string programFolder);

  std::string askOpenFileName(const FileDialogRequest& request) override;
  std::string askSaveFileName(const FileDialogRequest& request) override;
  std::string askFolder(const FileDialogRequest& request) override;
  bool askYesNo(const std::string& text, MessageIcon icon) override;
  void showMessage(const std::string& text, MessageIcon icon) override;

 private:
  std::string askFileName(const FileDialogRequest& request, bool save);
  QWidget* parent_;
  std::string programFolder_;
};

}  // namespace tarvello

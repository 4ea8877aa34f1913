#pragma once
// After an export the desktop program shows the workbook in whatever program
// the desktop opens spreadsheets with.
#include <string>

namespace tarvello {

// Starts `opener` (the desktop's "open with the default program" command) on
// the file and returns at once, without waiting for the spreadsheet program.
// False when the opener could not be started.
bool openInSpreadsheetProgram(const std::string& path, const std::string& opener = "xdg-open");

}  // namespace tarvello

#pragma once
// The dialog side of the window's commands: each asks for what the user must
// choose (a file name, whether to replace a file), calls the plain operation
// with the answers and shows its outcome. The operations themselves live in
// the libraries below and know nothing of dialogs; which output a command
// writes, and when it can act, comes from the outputs catalogue.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "commands/session.h"
#include "commands/user_interface.h"
#include "common/write_result.h"
#include "network/generation.h"

namespace tarvello {

// "Create Profile Data" on the session's databases and fields: the session's
// run is replaced, the raised tail water is written back to the field.
GenerationResult createProfileData(Session& session);

// The texts of one command's save dialog.
struct SaveDialogTexts {
  const char* title;
  const char* filter;
  const char* defaultExtension;  // "" adds none
  const char* emptyName;         // what a dialog hands back when no name was typed
  const char* noNameMessage;     // shown when no name was chosen; "" says nothing
};
// The save dialog of a command; "" (and its message) when no name was chosen.
// The dialog starts in the last folder with an empty name.
std::string askSaveName(const Session& session, UserInterface& ui, const SaveDialogTexts& texts);

// Saves one output of the session's run: the save dialog, the overwrite
// question, the write, and the message that says where it went. Does nothing
// when the output cannot be made from the run (see outputBlocked). The path
// written, or nothing; what the output worked around is left in
// session.warnings, after the run's own.
std::optional<std::string> saveOutput(Session& session, UserInterface& ui,
                                      const OutputDescription& output, int branchRow,
                                      const RunFindings* checks = nullptr);

// The profile commands plot the branch table's current row (or every branch);
// the schedule commands do nothing when their table is empty. Each returns
// true when a file was written.
bool plotCurrentPipeProfile(Session& session, UserInterface& ui);
bool plotCurrentBranchProfile(Session& session, UserInterface& ui);
bool plotAllProfiles(Session& session, UserInterface& ui);
bool drawStructureSchedule(Session& session, UserInterface& ui);
bool drawPipeSchedule(Session& session, UserInterface& ui);

// "Export to Excel": the path of the saved workbook, or nothing when there was
// no data, the user cancelled, or a failure was shown. With `checks`, the
// design checks worksheet follows the two schedules.
std::optional<std::string> exportSchedulesToExcel(Session& session, UserInterface& ui,
                                                  const RunFindings* checks = nullptr);
// "Export PDF...": the sheet set on paper `pageSize` (one of pdfPageSizes()).
std::optional<std::string> exportSheetSetPdf(Session& session, UserInterface& ui,
                                             const std::string& pageSize);
// "Save Table as CSV" of one of the run's tables ("structures", "pipes",
// "branches") or its findings ("checks", with `checks`).
std::optional<std::string> saveTableAsCsv(Session& session, UserInterface& ui,
                                          std::string_view outputId,
                                          const RunFindings* checks = nullptr);

// The workbook template: installed data beside the program, or the
// program's own folder in a build tree.
std::string schedulesTemplatePath(const Session& session);

// Writes once without replacing anything; an existing file is replaced only
// when the user says so. A failure is shown.
WriteResult writeConfirmed(UserInterface& ui, const std::function<WriteResult(Overwrite)>& write);

// The question asked before an existing file is replaced.
inline constexpr const char* kOverwriteQuestion = "File Already Exists!   Overwrite?";

}  // namespace tarvello

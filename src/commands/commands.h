#pragma once
// The dialog side of the window's commands: each asks for what the user must
// choose (a file name, whether to replace a file), calls the plain operation
// with the answers and shows its outcome. The operations themselves live in
// the libraries below and know nothing of dialogs.
#include <functional>
#include <optional>
#include <string>

#include "commands/session.h"
#include "commands/user_interface.h"
#include "common/write_result.h"
#include "network/generation.h"

namespace tarvello {

struct ExtraWorksheet;

// "Create Profile Data" on the session's databases and fields; the raised
// tail water is written back to the field.
GenerationResult createProfileData(Session& session);
// The status line after a run: how many structure rows and pipes it listed.
std::string profileDataSummary(const ProfileTables& tables);

// The profile commands plot the branch table's current row (or every branch);
// the schedule commands do nothing when their table is empty. Each returns
// true when a file was written; what it worked around is left in
// session.warnings.
bool plotCurrentPipeProfile(Session& session, UserInterface& ui);
bool plotCurrentBranchProfile(Session& session, UserInterface& ui);
bool plotAllProfiles(Session& session, UserInterface& ui);
bool drawStructureSchedule(Session& session, UserInterface& ui);
bool drawPipeSchedule(Session& session, UserInterface& ui);

// "Export to Excel": the path of the saved workbook, or nothing when there was
// no data, the user cancelled, or a failure was shown.
// With `extra`, that worksheet follows the two schedules.
std::optional<std::string> exportSchedulesToExcel(Session& session, UserInterface& ui,
                                                  const ExtraWorksheet* extra = nullptr);

// The workbook template: installed data beside the program, or the
// program's own folder in a build tree.
std::string schedulesTemplatePath(const Session& session);

// Writes once without replacing anything; an existing file is replaced only
// when the user says so. A failure is shown.
WriteResult writeConfirmed(UserInterface& ui, const std::function<WriteResult(Overwrite)>& write);

// The question asked before an existing file is replaced.
inline constexpr const char* kOverwriteQuestion = "File Already Exists!   Overwrite?";

}  // namespace tarvello

#pragma once
// "Export PDF...": the sheet set (every branch profile, then the schedule
// sheets) into a PDF file the user chooses.
#include <optional>
#include <string>

#include "commands/session.h"
#include "commands/user_interface.h"

namespace tarvello {

// The path of the saved file, or nothing when there was no data, the user
// cancelled, or a failure was shown. `pageSize` names one of pdfPageSizes().
std::optional<std::string> exportSheetSetPdf(Session& session, UserInterface& ui,
                                             const std::string& pageSize);

}  // namespace tarvello

#pragma once
// The three profile commands of the "PLOTS/SUMMARIES" page: "Current Pipe
// Profile", "Current Branch Profile" and "All Pipe Profiles". Each asks for a
// DXF file, draws from the tables as they stand and writes the file. They
// return true when a file was written; what they worked around is left in
// session.warnings.
#include "common/user_interface.h"
#include "network/session.h"
#include "profile/profile_plot.h"

namespace tarvello {

bool plotCurrentPipeProfile(Session& session, UserInterface& ui);
bool plotCurrentBranchProfile(Session& session, UserInterface& ui);
bool plotAllProfiles(Session& session, UserInterface& ui);

// The drawing settings of the session: scale, units of the project, and the
// tail water read from its field (0, with a warning, when it is not a number).
ProfileSettings profileSettings(const Session& session, Warnings& warnings);

}  // namespace tarvello

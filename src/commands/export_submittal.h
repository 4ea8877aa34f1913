#pragma once
// "Export Submittal...": the dialog side of writing the whole set of a run
// into a folder, with its manifest and, against a previous set, its revision
// log.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "commands/session.h"
#include "commands/user_interface.h"
#include "submittal/submittal.h"

namespace tarvello {

// Told before each file of the set is made; false stops the set.
using SubmittalProgress =
    std::function<bool(std::size_t index, std::size_t count, const std::string& name)>;

struct SubmittalExport {
  std::string folder;      // as chosen
  bool compared = false;   // a previous set was given: `result.revisions` is its log
  SubmittalResult result;  // written, failed (shown already) or cancelled (not shown)
};

// Asks for the set's folder (a previous set there is replaced only when the
// user says so), then for a previous set to compare with (cancel: none) and
// whether to mark its revisions in the drawings, and writes the set of the
// session's run with `checks`. Nothing when the user stopped before anything
// was written or the run has no tables; a refused folder or an unreadable
// previous set is shown.
std::optional<SubmittalExport> exportSubmittal(Session& session, UserInterface& ui,
                                               const RunFindings* checks,
                                               const std::string& version,
                                               const SubmittalProgress& progress = {});

inline constexpr const char* kSubmittalFolderTitle = "Export Submittal: Folder of the Set";
inline constexpr const char* kPreviousSetTitle =
    "Export Submittal: Previous Set to Compare With (Cancel: none)";
inline constexpr const char* kReplaceSetQuestion =
    "The folder holds a set written before!   Replace it?";
inline constexpr const char* kMarkRevisionsQuestion = "Mark the revisions in the drawings?";

// "Submittal written to:<folder>" and what it holds.
std::string submittalWrittenMessage(const SubmittalExport& exported);

}  // namespace tarvello

#include "run/run.h"

#include <exception>

#include "common/file_stamp.h"
#include "common/number_format.h"
#include "network/generation.h"
#include "network/unit_constants.h"

namespace tarvello {
namespace {

// Two tail-water texts name the same elevation when they agree at two
// decimals; texts that are no numbers only when they are the same text.
bool sameTailWater(const std::string& a, const std::string& b) {
  const auto x = parseNumber(a.empty() ? "0.0" : a);
  const auto y = parseNumber(b.empty() ? "0.0" : b);
  if (!x || !y) return !x && !y && a == b;
  return formatFixed(*x, 2) == formatFixed(*y, 2);
}

// The tail water as the field shows it: two decimals.
std::string shownTailWater(const std::string& text) {
  const auto n = parseNumber(text);
  return n ? formatFixed(*n, 2) : text;
}

// Whether the file behind an opened database is no longer what was read.
bool changedOnDisk(const ProjectDatabase* db) {
  if (!db || !db->stamp().known) return false;
  return FileStamp::of(db->path()) != db->stamp();
}

}  // namespace

Run::Run() = default;

std::shared_ptr<Run> Run::make(RunInputs inputs) {
  auto run = std::make_shared<Run>();
  run->inputs_ = std::move(inputs);
  const RunInputs& in = run->inputs_;
  GenerationResult result;
  try {
    result =
        createProfileData(in.databases, in.outfall, in.tailWater, run->tables_, run->warnings_);
  } catch (const std::exception& e) {
    result.ran = true;
    result.error = e.what();
  }
  run->tailWaterUsed_ = result.tailWaterText.empty() ? "0.0" : result.tailWaterText;
  if (!result.ran) {
    run->outcome_ = RunOutcome::None;
  } else if (!result.error.empty()) {
    run->outcome_ = RunOutcome::Failed;
    run->failure_ = result.error;
    // Create Profile Data clears the tables first; a failed run shows none.
    run->tables_ = ProfileTables();
  } else {
    run->outcome_ = RunOutcome::Created;
  }
  return run;
}

std::shared_ptr<Run> Run::fromTables(RunInputs inputs, ProfileTables tables,
                                     std::string tailWaterUsed) {
  auto run = std::make_shared<Run>();
  run->inputs_ = std::move(inputs);
  run->tables_ = std::move(tables);
  run->tailWaterUsed_ = std::move(tailWaterUsed);
  run->outcome_ = RunOutcome::Created;
  return run;
}

bool Run::english() const { return UnitConstants::forUnitSystem(unitSystem()).english; }

std::string profileDataSummary(const ProfileTables& tables) {
  return "Profile data created: " + std::to_string(tables.structures.lastFilledRow()) +
         " structure rows, " + std::to_string(tables.pipes.lastFilledRow()) + " pipes";
}

std::string Run::statusLine() const {
  switch (outcome_) {
    case RunOutcome::Created:
      return profileDataSummary(tables_) + " (outfall " + inputs_.outfall + ", tail water " +
             shownTailWater(tailWaterUsed_) + ")";
    case RunOutcome::Failed:
      return "Create Profile Data failed: " + failure_;
    case RunOutcome::None:
      break;
  }
  return "";
}

std::string Run::staleLine(const std::string& outfall, const std::string& tailWater,
                           const ProjectDatabases& databases) const {
  if (!created()) return "";
  const std::string head = "Tables of outfall " + inputs_.outfall + ", tail water " +
                           shownTailWater(tailWaterUsed_) + "; ";
  const ProjectDatabases& used = inputs_.databases;
  // The same database objects still open: only their files may have changed since.
  if (databases.sharedPipe() == used.sharedPipe() &&
      databases.sharedInlet() == used.sharedInlet()) {
    if (changedOnDisk(used.pipe()))
      return head + "the pipe database has changed on disk: open it again.";
    if (changedOnDisk(used.inlet()))
      return head + "the inlet database has changed on disk: open it again.";
    // The run raised the tail water itself: the field shows the raised value, no change.
    if (outfall == inputs_.outfall && sameTailWater(tailWater, tailWaterUsed_)) return "";
  }
  return head + "the inputs have changed: Create Profile Data to update them.";
}

}  // namespace tarvello

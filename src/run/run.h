#pragma once
// One run of "Create Profile Data", the same for the window, the CLI and the
// page: what it was made from, the tables it made, what it worked around, and
// whether it succeeded. A run is made once and not changed afterwards (only
// the tables' current rows, which are the front end's selection, move), so a
// front end can keep showing it while the user edits the fields, and say when
// the fields no longer match it.
#include <memory>
#include <string>

#include "common/warnings.h"
#include "database/project_database.h"
#include "tables/profile_tables.h"

namespace tarvello {

// What a run is made from: the databases as they were opened (shared, never
// changed), the outfall and the tail water as the user typed them.
struct RunInputs {
  ProjectDatabases databases;
  std::string outfall;
  std::string tailWater = "0.0";  // "" counts as "0.0"
};

enum class RunOutcome {
  None,     // nothing was done: no outfall node was given (or no run yet)
  Created,  // the tables were made
  Failed,   // the run stopped with a message; its tables are empty
};

class Run {
 public:
  // No run yet: empty tables.
  Run();
  // Create Profile Data on `inputs`. Never throws for bad data: a run that
  // cannot make tables is a failed run with the message the user sees.
  static std::shared_ptr<Run> make(RunInputs inputs);
  // A run of tables made elsewhere (tests and tools): created, with the tail
  // water `tailWaterUsed`.
  static std::shared_ptr<Run> fromTables(RunInputs inputs, ProfileTables tables,
                                         std::string tailWaterUsed);

  const RunInputs& inputs() const { return inputs_; }
  RunOutcome outcome() const { return outcome_; }
  bool created() const { return outcome_ == RunOutcome::Created; }
  bool failed() const { return outcome_ == RunOutcome::Failed; }
  // Why the run failed ("" unless it did).
  const std::string& failure() const { return failure_; }
  // The tail water the walk used: the one typed, or the outfall pipe's
  // minimum when it raised it.
  const std::string& tailWaterUsed() const { return tailWaterUsed_; }
  const ProfileTables& tables() const { return tables_; }
  // The same tables, for moving their current rows (a front end's selection).
  ProfileTables& tables() { return tables_; }
  const Warnings& warnings() const { return warnings_; }
  // UNITS of the database opened last, and whether that means feet and inches.
  const std::string& unitSystem() const { return inputs_.databases.unitSystem(); }
  bool english() const;

  // The status line: "Profile data created: 40 structure rows, 31 pipes
  // (outfall 1, tail water 399.80)", "Create Profile Data failed: ..." or "".
  std::string statusLine() const;
  // "" while the run matches the inputs a front end now holds; otherwise the
  // line that says it does not, naming the run's own inputs. The tail water
  // is compared at two decimals with the one the run used; a database file
  // changed on disk since it was opened is named too.
  std::string staleLine(const std::string& outfall, const std::string& tailWater,
                        const ProjectDatabases& databases) const;

 private:
  RunInputs inputs_;
  RunOutcome outcome_ = RunOutcome::None;
  std::string failure_;
  std::string tailWaterUsed_ = "0.0";
  ProfileTables tables_;
  Warnings warnings_;
};

// "Profile data created: N structure rows, M pipes": the counts of the tables.
std::string profileDataSummary(const ProfileTables& tables);

}  // namespace tarvello

#pragma once
// The revision log: what changed between a delivered set and this run, cell by
// cell, so that a reviewer need not diff two sets by eye.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "checks/design_checks.h"
#include "profile/profile_plot.h"
#include "run/run.h"

namespace tarvello {

// A table as a set holds it: the column heads and the rows, as texts.
struct SetTable {
  std::vector<std::string> heads;
  std::vector<std::vector<std::string>> rows;
};

// The tables a comparison reads: the structure and pipe tables, and the
// design-check findings when the set has them.
struct SetTables {
  SetTable structures, pipes;
  std::optional<SetTable> findings;
};

// An earlier set read from its folder; `manifestSha256` is "" when the folder
// holds no manifest.json.
struct PreviousSet {
  std::string folder;
  SetTables tables;
  std::string manifestSha256;
};

struct Revision {
  std::string change;  // added, removed, changed
  std::string item;    // structure, pipe, finding
  std::string id;
  std::string column, oldText, newText;
  friend bool operator==(const Revision&, const Revision&) = default;
};

// RFC 4180 text as rows of fields; nothing when a quote is left open.
std::optional<std::vector<std::vector<std::string>>> parseCsv(std::string_view text);

// The run's tables (and findings, when given) as a set holds them.
SetTables setTablesOf(const Run& run, const std::vector<Finding>* findings);

// Reads structures.csv and pipes.csv (and design-checks.csv when present) of
// `folder`, which must have the column layout of `current`'s. "" or the
// message naming the file at fault.
std::string readPreviousSet(const std::string& folder, const SetTables& current,
                            PreviousSet& previous);

// Every change from `before` to `after`: structures, then pipes, then
// findings; within each, the ids of `after` in its order, then the removed
// ones in `before`'s order; within an id, column order. Numbers are compared
// by value, other texts exactly. Findings are compared only when both sets
// have them.
std::vector<Revision> compareSets(const SetTables& before, const SetTables& after);

// The structures and pipes added or changed, for the drawings' revision clouds.
std::shared_ptr<const RevisionMarks> revisionMarks(const std::vector<Revision>& revisions);

// "Change,Item,Id,Column,Old,New" and a row per revision (CR LF, RFC 4180).
std::string revisionsCsv(const std::vector<Revision>& revisions);
std::vector<std::vector<std::string>> revisionRows(const std::vector<Revision>& revisions);
// "Revisions: 3 added, 1 removed, 5 changed".
std::string revisionsSummary(const std::vector<Revision>& revisions);

// The bytes of a file; false when it cannot be read.
bool readWholeFile(const std::string& path, std::string& text);

}  // namespace tarvello

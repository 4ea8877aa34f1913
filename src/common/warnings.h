#pragma once
// Plain-language warnings collected while a command runs: what the program
// worked around (a missing field, text where a number belongs, ...). Each
// carries a kind, so that thousands of one kind can be counted and shown as
// one group, and its subject, so that a front end can take the user to the
// row it is about.
#include <string>
#include <vector>

namespace tarvello {

// The kinds, short and stable: front ends and the warnings CSV show them, and
// a user may filter by them. Sentences are kept beside each for the reader.
namespace warning_kind {
// Pipe P: FIELD "x" is not a number[; 0 was used]. (also INLETLENGTH of an inlet)
inline constexpr const char* kNotANumber = "not-a-number";
// Table PIPE has no field F; ... (also the INLET table's fields)
inline constexpr const char* kMissingField = "missing-field";
// N pipes do not drain to outfall O and are not listed: ...
inline constexpr const char* kNotDraining = "not-draining";
// Pipe P has no upstream node (NODEIN_NO).
inline constexpr const char* kNoUpstreamNode = "no-upstream";
// Structure S is drained by more than one pipe (...); ...
inline constexpr const char* kSeveralDrains = "several-drains";
// Pipe number P is used by N pipes; ...
inline constexpr const char* kDuplicatePipe = "duplicate-pipe";
// Branch B runs in a loop: structure S is reached a second time ...
inline constexpr const char* kLoop = "loop";
// The hydraulic grade line at structure S (h) reaches/is above its top (t).
inline constexpr const char* kHglReachesTop = "hgl-reaches-top";
// Pipe P: the friction slope cannot be computed from its size ...
inline constexpr const char* kFrictionSlope = "friction-slope";
// The tail-water elevation "x" is not a number; ...
inline constexpr const char* kBadTailWater = "bad-tail-water";
// The tail water was raised to h, 80 % of the outfall pipe's height ...
inline constexpr const char* kTailWaterRaised = "tail-water-up";
// No pipe drains structure S; branch B ends there.
inline constexpr const char* kBranchEnds = "branch-ends";
// Pipe P: number of barrels "x" is not usable; one barrel was assumed.
inline constexpr const char* kBarrels = "barrels";
// Branch B starts at S, which has no hydraulic grade line; 0 was used.
inline constexpr const char* kJunctionNoHgl = "junction-no-hgl";
// Structure S has no top elevation; it was estimated as t[ from the crown ...].
inline constexpr const char* kTopEstimated = "top-estimated";
// No pipe runs from A into B; structure B has no attributes.
inline constexpr const char* kNoPipeBetween = "no-pipe-between";
// The inlet database could not be read: ...
inline constexpr const char* kInletDatabase = "inlet-db-error";
// Structure table row r, "Top Elev.": "x" is not a number; it was drawn as 0.
inline constexpr const char* kCellNotANumber = "cell-not-number";
// Row r of the branch table has no "Node Out"; its structure is not drawn.
inline constexpr const char* kBranchRowNoNode = "branch-no-node";
// Structure "S" (Node In of branch-table row r) is not in the structure table; ...
inline constexpr const char* kUnknownStructure = "unknown-node";
// Structure "S" is not listed on branch "B" in the structure table; ...
inline constexpr const char* kNotOnBranch = "not-on-branch";
// The structure table has no row after structure "S" of branch "B"; ...
inline constexpr const char* kNoRowAfter = "no-row-after";
// A set of files saved, but the disk did not confirm it.
inline constexpr const char* kNotConfirmed = "not-confirmed";
}  // namespace warning_kind

// What a warning is about, as the tables name it; any part may be empty.
// (The initializers let a caller name only the parts it has: {.pipe = p}.)
struct WarningSubject {
  std::string branch = {};     // "Branch ID"
  std::string structure = {};  // "Str #"
  std::string pipe = {};       // "Pipe #"
};

struct Warning {
  std::string kind;                     // one of warning_kind
  std::string text;                     // the sentence, as the user reads it
  std::string branch, structure, pipe;  // the subject
  // A sentence about several pipes (those left out of the network) names a
  // few; the others of its subjects are kept here, each a row of its own in
  // the warnings CSV.
  std::vector<std::string> morePipes;
};

class Warnings {
 public:
  void add(std::string kind, std::string text, WarningSubject subject = {}) {
    items_.push_back(Warning{std::move(kind),
                             std::move(text),
                             std::move(subject.branch),
                             std::move(subject.structure),
                             std::move(subject.pipe),
                             {}});
  }
  void add(Warning warning) { items_.push_back(std::move(warning)); }
  void reserve(size_t count) { items_.reserve(count); }
  // In the order they were added.
  const std::vector<Warning>& all() const { return items_; }
  size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  void clear() { items_.clear(); }

 private:
  std::vector<Warning> items_;
};

}  // namespace tarvello

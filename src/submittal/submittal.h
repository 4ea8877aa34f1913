#pragma once
// The submittal: every output of a run written as one set of fixed names into
// a folder, with manifest.json saying what made it and what it holds, so that
// a reviewer can tell the files come from one run, and check later that none
// was changed.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "run/outputs.h"
#include "submittal/revisions.h"

namespace tarvello {

struct SubmittalOptions {
  DrawingOptions drawing;
  const RunFindings* checks = nullptr;    // required: a set always holds its design checks
  std::string templatePath;               // the workbook template
  std::string tailWaterGiven;             // as typed ("" counts as "0.0")
  std::string version;                    // the program's, for the manifest
  const PreviousSet* previous = nullptr;  // with it, the set holds revisions.csv
  bool force = false;                     // replace a previous set in the folder
  bool markRevisions = false;  // with `previous`: clouds round what changed in the profiles
  // Told before each file of the set is made: its place from 0, how many the
  // set holds, its name. Returning false stops the set, which leaves nothing.
  std::function<bool(std::size_t index, std::size_t count, const std::string& name)> progress;
};

struct SubmittalResult {
  std::string error;               // "" when the set was written
  std::vector<std::string> files;  // the set's names, sorted, manifest.json last
  std::vector<Revision> revisions;
  Warnings warnings;
  bool cancelled = false;  // the progress callback stopped it; `error` says so
  bool ok() const { return error.empty(); }
};

// Writes the set into `folder` whole or not at all: it is made in a folder
// beside it and renamed into place. A missing or empty folder is made or
// taken; one holding a previous set (a manifest.json listing exactly its
// files) is replaced only with `force`; anything else is refused, untouched.
SubmittalResult writeSubmittal(const Run& run, const std::string& folder,
                               const SubmittalOptions& options);

// "" when a set may be written into `folder`, otherwise why not.
std::string submittalTargetProblem(const std::string& folder, bool force);

struct VerifyResult {
  std::string error;               // the manifest is missing or unreadable
  std::vector<std::string> lines;  // "changed: NAME", "missing: NAME", "not listed: NAME", ...
  bool ok() const { return error.empty() && lines.empty(); }
};

// Checks the files of `folder` against its manifest; with a database path,
// also whether that database is the one the set was made from.
VerifyResult verifySubmittal(const std::string& folder, const std::string& pipeDbPath = "",
                             const std::string& inletDbPath = "");

}  // namespace tarvello

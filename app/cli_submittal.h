#pragma once
// tarvello-cli's submittal: the whole set of a run in one folder, its check
// against the manifest, and the revision log against an earlier set.
#include <iosfwd>
#include <string>

#include "cli_generate.h"
#include "run/outputs.h"
#include "submittal/revisions.h"

namespace tarvello::cli {

// --verify DIR [--pipe-db FILE] [--inlet-db FILE]: a line per problem; 0 when
// the set matches its manifest (and the databases given are its own), else 1.
int verifySet(const std::string& folder, const std::string& pipeDb, const std::string& inletDb,
              std::ostream& out, std::ostream& err);

// --compare-with OLD_DIR, read before anything is written; false after
// saying why on `err`.
bool readOldSet(const std::string& folder, const Run& run, const RunFindings& checks,
                PreviousSet& previous, std::ostream& err);

// --revisions FILE: the log on its own; the exit status.
int writeRevisions(const GenerateOptions& options, const Run& run, const RunFindings& checks,
                   const PreviousSet& previous, std::ostream& out, std::ostream& err);

// --submittal DIR; the exit status.
int writeSet(const GenerateOptions& options, const Run& run, const RunFindings& checks,
             const DrawingOptions& drawing, const std::string& templatePath,
             const PreviousSet* previous, std::ostream& out, std::ostream& err);

}  // namespace tarvello::cli

#pragma once
// --pdf: the sheet set of the tables as one PDF file.
#include <iosfwd>

#include "cli_generate.h"
#include "commands/session.h"

namespace tarvello::cli {

// Writes options.pdf on options.pageSize (an existing file is replaced only
// with --force), prints "PDF file was saved to:" and the path, and the
// drawing's warnings. False when the file was not written.
bool writePdfSet(const GenerateOptions& options, Session& session, std::ostream& out,
                 std::ostream& err);

}  // namespace tarvello::cli

#include "cli_commands.h"

#include <cstdio>
#include <ostream>

#include "cli_ui.h"
#include "database/browse.h"
#include "network/session.h"

namespace tarvello::cli {

std::string oneLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else if (u < 0x20 || u == 0x7f) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\x%02X", u);
      out += buf;
    } else {
      out += c;
    }
  }
  return out;
}

int listOutfalls(const Options& options, std::ostream& out, std::ostream& err) {
  CliUserInterface ui(out, err, options.force);
  Session session;
  ui.setOpenFileName(options.pipeDb);
  const BrowseResult pipe = browsePipeDatabase(session, ui);
  if (!pipe.opened() || !pipe.error.empty()) return kExitError;
  if (!options.inletDb.empty()) {
    ui.setOpenFileName(options.inletDb);
    if (!browseInletDatabase(session, ui).opened()) return kExitError;
  }
  out << "Units: " << oneLine(session.databases.unitSystem()) << '\n';
  for (const auto& node : pipe.outfalls) out << oneLine(node) << '\n';
  return out ? kExitOk : kExitError;
}

}  // namespace tarvello::cli

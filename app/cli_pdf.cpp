#include "cli_pdf.h"

#include <ostream>

#include "cli_commands.h"
#include "network/unit_constants.h"
#include "pdf/sheet_set.h"
#include "profile/profile_drawings.h"

namespace tarvello::cli {

bool writePdfSet(const GenerateOptions& options, Session& session, std::ostream& out,
                 std::ostream& err) {
  const auto size = pdfPageSize(options.pageSize);
  if (!size) {  // the option's check lets only known sizes through
    err << "tarvello-cli: unknown page size \"" << oneLine(options.pageSize) << "\"\n";
    return false;
  }
  Warnings& warnings = session.warnings;
  warnings.clear();
  ProfileSettings settings = profileSettings(session.profileScale, session.databases.unitSystem(),
                                             session.tailWaterText, warnings);
  settings.energyGradeLine = session.energyGradeLine;
  const bool english = UnitConstants::forUnitSystem(session.databases.unitSystem()).english;
  const WriteResult written = writeFile(options.force, out, err, [&](Overwrite overwrite) {
    return writeSheetSetPdf(session.tables, settings, english, *size, options.pipeDb, options.pdf,
                            overwrite, warnings);
  });
  if (written.written()) out << pdfSavedMessage(options.pdf) << '\n';
  for (const auto& w : warnings.all()) err << "warning: " << oneLine(w.text) << '\n';
  return written.written();
}

}  // namespace tarvello::cli

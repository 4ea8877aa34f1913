#include "cli_checks.h"

#include <filesystem>
#include <ostream>

#include "cli_commands.h"
#include "tables/csv.h"

namespace tarvello::cli {

bool DesignChecksRun::loadCriteria(const std::string& criteriaFile, std::ostream& err) {
  if (criteriaFile.empty()) return true;
  const CriteriaReadResult read = readCriteriaFile(criteriaFile);
  if (!read.overrides) {
    err << "tarvello-cli: " << oneLine(read.error) << '\n';
    return false;
  }
  overrides_ = *read.overrides;
  return true;
}

void DesignChecksRun::run(const Session& session) {
  const Criteria criteria =
      overrides_.appliedTo(Criteria::forUnitSystem(session.databases.unitSystem()));
  findings_ = runDesignChecks(session.tables, criteria);
  worksheet_ = findingsWorksheet(findings_);
}

bool DesignChecksRun::write(const std::string& path, bool force, std::ostream& out,
                            std::ostream& err) const {
  err << findingsSummary(findings_);
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    out << path << ": " << overwriteAnswer(force) << '\n';
    if (!force) return false;
  }
  std::string notice;
  const std::string failure = writeFileAtomically(path, findingsCsv(findings_), &notice);
  if (!failure.empty()) {
    err << "tarvello-cli: " << oneLine(path) << " could not be written: " << failure << '\n';
    return false;
  }
  if (!notice.empty()) err << "tarvello-cli: " << oneLine(path) << ": " << notice << '\n';
  return true;
}

}  // namespace tarvello::cli

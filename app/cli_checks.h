#pragma once
// --checks, --criteria and the workbook's design-checks worksheet of tarvello-cli.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "checks/criteria.h"
#include "checks/design_checks.h"
#include "commands/session.h"
#include "excel/excel_export.h"

namespace tarvello::cli {

class DesignChecksRun {
 public:
  // Reads the criteria file (if any) before anything is written; false, with
  // the message on `err`, when it is unreadable or wrong.
  bool loadCriteria(const std::string& criteriaFile, std::ostream& err);
  // Checks the tables with the defaults of the project's units and the file's overrides.
  void run(const Session& session);
  // Writes the findings CSV (an existing file only when the user agrees) and
  // the summary to `err`; an existing file is replaced only with `force`. False when the file was
  // not written.
  bool write(const std::string& path, bool force, std::ostream& out, std::ostream& err) const;

  const std::vector<Finding>& findings() const { return findings_; }
  const ExtraWorksheet& worksheet() const { return worksheet_; }

 private:
  CriteriaOverrides overrides_;
  std::vector<Finding> findings_;
  ExtraWorksheet worksheet_;
};

}  // namespace tarvello::cli

#pragma once
// Standard structure designations ("VDOT Std.") and inlet lengths.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/text_index.h"
#include "database/project_database.h"

namespace tarvello {

// INLET_SUBTYPE and INLETLENGTH by inlet number, from the inlet database's
// table as it was read: only the numbers are indexed, each to its first record.
class InletCatalog {
 public:
  InletCatalog() = default;  // no inlet database: every look-up misses
  InletCatalog(const ProjectDatabase* inletDb, class Warnings& warnings);
  // The inlet's subtype, "TBD" when there is none.
  std::string lookupInletSubtype(const std::string& structureNo) const;
  // The inlet's length formatted "0.00", "0.00" when there is none.
  std::string lookupInletLength(const std::string& structureNo) const;

 private:
  // The field's text in the first record of the inlet, "" when there is none.
  std::string fieldOf(const std::string& structureNo, int column) const;
  std::shared_ptr<const StoredTable> inlets_;
  int subtypeColumn_ = -1, lengthColumn_ = -1;
  TextIndex numbers_;
  std::vector<std::uint32_t> firstRow_;  // by the number's id
};

// The pipe attributes that decide an end wall's or end section's standard.
struct PipeForStandard {
  std::string shape;
  std::string material;
  double sizeInches = 0;
  int numberOfPipes = 1;
  double skew = 0;
};

// The standard name for a structure type; `inletSubtype` is used for inlets.
// "-" when no standard applies.
std::string standardName(const std::string& structureType, const PipeForStandard& pipe,
                         const std::string& inletSubtype);

}  // namespace tarvello

#pragma once
// Standard structure designations ("VDOT Std.") and inlet lengths.
#include <string>
#include <unordered_map>

#include "database/project_database.h"

namespace tarvello {

// INLET_SUBTYPE and INLETLENGTH by inlet number, read once from the inlet database.
class InletCatalog {
 public:
  InletCatalog() = default;  // no inlet database: every look-up misses
  InletCatalog(const ProjectDatabase* inletDb, class Warnings& warnings);
  // The inlet's subtype, "TBD" when there is none.
  std::string lookupInletSubtype(const std::string& structureNo) const;
  // The inlet's length formatted "0.00", "0.00" when there is none.
  std::string lookupInletLength(const std::string& structureNo) const;

 private:
  std::unordered_map<std::string, std::string> subtype_, length_;
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

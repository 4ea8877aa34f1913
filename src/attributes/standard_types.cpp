#include "standard_types.h"

#include <algorithm>
#include <cmath>

#include "common/number_format.h"
#include "common/warnings.h"

namespace tarvello {

InletCatalog::InletCatalog(const ProjectDatabase* inletDb, Warnings& warnings) {
  if (!inletDb) return;
  std::vector<Warning> lengthWarnings;
  try {
    inlets_ = inletDb->sharedTable("INLET");
    const StoredTable& inlets = *inlets_;
    const int numberColumn = inlets.columnIndex("INLET_NUMBER");
    if (numberColumn < 0) {
      inlets_.reset();
      warnings.add(
          warning_kind::kMissingField,
          "Table INLET has no field INLET_NUMBER; no inlet subtypes or lengths were found.");
      return;
    }
    subtypeColumn_ = inlets.columnIndex("INLET_SUBTYPE");
    lengthColumn_ = inlets.columnIndex("INLETLENGTH");
    numbers_.reserve(inlets.rowCount());
    firstRow_.reserve(inlets.rowCount());
    for (size_t r = 0; r < inlets.rowCount(); ++r) {
      const Value number = inlets.value(r, numberColumn);
      if (number.isNull()) continue;
      const std::string key = number.asText();
      // The first record of a number wins, as a query's first row would.
      if (numbers_.add(key) == firstRow_.size()) firstRow_.push_back(static_cast<std::uint32_t>(r));
      if (lengthColumn_ < 0) continue;
      const Value length = inlets.value(r, lengthColumn_);
      // Shown as stored, as the schedules show any text; but it is no length.
      if (!length.isNull() && !length.isEmptyText() && !length.asNumber())
        lengthWarnings.push_back({warning_kind::kNotANumber,
                                  "Inlet " + key + ": INLETLENGTH \"" + length.asText() +
                                      "\" is not a number; it is shown as it is.",
                                  {},
                                  key,
                                  {},
                                  {}});
    }
    if (subtypeColumn_ < 0)
      warnings.add(warning_kind::kMissingField,
                   "Table INLET has no field INLET_SUBTYPE; inlets are shown as TBD.");
    if (lengthColumn_ < 0)
      warnings.add(warning_kind::kMissingField,
                   "Table INLET has no field INLETLENGTH; lengths are shown as 0.00.");
  } catch (const DatabaseError& e) {
    inlets_.reset();
    warnings.add(warning_kind::kInletDatabase,
                 std::string("The inlet database could not be read: ") + e.what());
    return;
  }
  for (auto& w : lengthWarnings) warnings.add(std::move(w));
}

std::string InletCatalog::fieldOf(const std::string& structureNo, int column) const {
  if (!inlets_ || column < 0) return "";
  const std::uint32_t id = numbers_.find(structureNo);
  if (id == TextIndex::kNone) return "";
  return inlets_->value(firstRow_[id], column).asText();
}

std::string InletCatalog::lookupInletSubtype(const std::string& structureNo) const {
  std::string subtype = fieldOf(structureNo, subtypeColumn_);
  return subtype.empty() ? "TBD" : subtype;
}

std::string InletCatalog::lookupInletLength(const std::string& structureNo) const {
  const std::string text = fieldOf(structureNo, lengthColumn_);
  return formatFixed(std::string_view(text.empty() ? "0.0" : text), 2);
}

std::string standardName(const std::string& type, const PipeForStandard& pipe,
                         const std::string& inletSubtype) {
  const double size = pipe.sizeInches;
  const bool several = pipe.numberOfPipes > 1;
  const bool skewed = pipe.skew > 29.0;
  if (type == "Inlet") return inletSubtype;
  if (type == "Man Hole") return "MH-1/MH-2";
  if (type == "Junction Box") return "JB-1";
  if (type == "End Wall") {
    if (pipe.shape == "Circular") {
      if (size < 36.1) {
        if (!several) return "EW-1";
        return skewed ? "EW-6S" : "EW-6";
      }
      if (size < 96.1) {
        if (!several) return skewed ? "EW-2S" : "EW-2";
        return skewed ? "EW-7S" : "EW-7";
      }
      return "-";
    }
    if (pipe.shape == "Elliptical") {
      if (size < 34.1) return "EW-1A";
      if (size < 68.1) return "EW-2-A";
      return "-";
    }
    if (pipe.shape == "Box") return "BCW-21";
    if (pipe.shape == "Arch") {
      if (size < 38.1) return several ? "EW-10" : "EW-9";
      return "-";
    }
    return "-";
  }
  if (type == "End Section") {
    if (pipe.material == "Concrete") {
      if (pipe.shape == "Circular") return "ES-1";
      if (pipe.shape == "Elliptical") return "ES-1A";
      return "-";
    }
    if (pipe.material == "CMP") return pipe.shape == "Circular" ? "ES-2" : "ES-3";
    return "-";
  }
  return "-";
}

}  // namespace tarvello

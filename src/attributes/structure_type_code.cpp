#include "structure_type_code.h"

#include <array>
#include <utility>

namespace tarvello {

std::string structureTypeCode(std::string_view structureType) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> kCodes = {{
      {"Inlet", "I"},
      {"Man Hole", "MH"},
      {"Junction Box", "JB"},
      {"End Wall", "EW"},
      {"End Section", "ES"},
      {"Other", "O"},
  }};
  for (const auto& [type, code] : kCodes)
    if (type == structureType) return std::string(code);
  return {};
}

}  // namespace tarvello

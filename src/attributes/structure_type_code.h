#pragma once
// The short code a profile drawing prints beside a structure ("MH" for a
// manhole), from the structure type of the "Str. Type" column.
#include <string>
#include <string_view>

namespace tarvello {

// Exact, case-sensitive match; a type that is not one of the six known ones
// gets no code ("").
std::string structureTypeCode(std::string_view structureType);

}  // namespace tarvello

#pragma once
// SOURCE_DATE_EPOCH, the reproducible-builds convention: when it is set, the
// dates a file would take from the clock (a PDF's creation date, a workbook
// member's time) are taken from it, so the same inputs give the same bytes.
#include <cstdint>
#include <optional>
#include <string>

namespace tarvello {

// Seconds since 1970 from SOURCE_DATE_EPOCH; nothing when it is unset or not
// a whole non-negative number.
std::optional<std::int64_t> sourceDateEpoch();
// "2026-12-08T00:25:33Z" of that time, or of the clock when it is unset.
std::string isoUtcNow();
// "YYYY-MM-DDTHH:MM:SSZ" of seconds since 1970.
std::string isoUtc(std::int64_t seconds);

}  // namespace tarvello

#include "common/source_date.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace tarvello {

std::optional<std::int64_t> sourceDateEpoch() {
  const char* text = std::getenv("SOURCE_DATE_EPOCH");
  if (!text || !*text) return std::nullopt;
  std::int64_t value = 0;
  for (const char* p = text; *p; ++p) {
    if (*p < '0' || *p > '9' || value > 253402300799) return std::nullopt;  // past 9999
    value = value * 10 + (*p - '0');
  }
  return value;
}

std::string isoUtc(std::int64_t seconds) {
  // Days to a civil date (proleptic Gregorian), from Howard Hinnant's algorithm.
  std::int64_t days = seconds / 86400, rest = seconds % 86400;
  if (rest < 0) {
    rest += 86400;
    --days;
  }
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t doe = days - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
  const std::int64_t y = yoe + era * 400 + (m <= 2 ? 1 : 0);
  char buf[96];
  std::snprintf(buf, sizeof buf, "%04lld-%02lld-%02lldT%02lld:%02lld:%02lldZ",
                static_cast<long long>(y), static_cast<long long>(m), static_cast<long long>(d),
                static_cast<long long>(rest / 3600), static_cast<long long>(rest / 60 % 60),
                static_cast<long long>(rest % 60));
  return buf;
}

std::string isoUtcNow() {
  if (const auto epoch = sourceDateEpoch()) return isoUtc(*epoch);
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  return isoUtc(std::chrono::duration_cast<std::chrono::seconds>(now).count());
}

}  // namespace tarvello

// The criteria-file reader: any text gives criteria or a message that starts
// with the file's name and a line, and criteria written out read back the same.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "checks/criteria.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tarvello;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const CriteriaReadResult read = parseCriteria(text, "fuzz.toml");
  if (!read.overrides) {
    check(read.error.rfind("fuzz.toml:", 0) == 0);
    check(read.error.size() > 10 && read.error[10] >= '0' && read.error[10] <= '9');
    return 0;
  }
  check(read.error.empty());
  for (const bool english : {true, false}) {
    const Criteria criteria = read.overrides->appliedTo(Criteria::defaults(english));
    const CriteriaReadResult again = parseCriteria(criteriaText(criteria), "again.toml");
    check(again.overrides.has_value());
    check(again.overrides->appliedTo(Criteria::defaults(!english)) == criteria);
  }
  return 0;
}

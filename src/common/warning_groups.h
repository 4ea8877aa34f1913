#pragma once
// Warnings as a designer reads them: grouped by kind and counted, and the
// command line's few lines of each kind.
#include <cstddef>
#include <string>
#include <vector>

#include "common/warnings.h"

namespace tarvello {

struct WarningGroup {
  std::string kind;
  std::vector<size_t> members;  // indexes into the warnings, in their order
  size_t count() const { return members.size(); }
};

// One group per kind, in the order the kinds first occur.
std::vector<WarningGroup> groupWarnings(const std::vector<Warning>& warnings);

// How many warnings of one kind the command line prints before it counts the rest.
inline constexpr size_t kWarningsShownPerKind = 10;

// Appends what the command line prints for `warnings` to `out`, in their
// order: "warning: " and the sentence made one line (oneLine), a line each,
// but only the first `perKind` of a kind; where the next of that kind would
// be, the line "... and N more of this kind (--warnings FILE lists them
// all)", and nothing more of it. `out` grows once, to its final size.
void appendWarningLines(std::string& out, const std::vector<Warning>& warnings,
                        size_t perKind = kWarningsShownPerKind);
// The same as a text of its own.
std::string warningLines(const std::vector<Warning>& warnings,
                         size_t perKind = kWarningsShownPerKind);

}  // namespace tarvello

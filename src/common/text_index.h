#pragma once
// Exact-text look-up for the many node numbers, pipe numbers and keys a run
// indexes: one flat array of slots instead of a node allocation per entry.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/bulk_allocator.h"

namespace tarvello {

// Texts to dense ids 0, 1, 2, ... in the order first added; exact comparison.
class TextIndex {
 public:
  static constexpr std::uint32_t kNone = UINT32_MAX;

  void reserve(size_t texts);
  // The text's id, adding it if new.
  std::uint32_t add(std::string_view text);
  std::uint32_t find(std::string_view text) const;
  const std::string& text(std::uint32_t id) const { return texts_[id]; }
  size_t size() const { return texts_.size(); }

 private:
  void rehash(size_t slots);
  size_t slotOf(std::string_view text, std::uint64_t hash) const;

  std::vector<std::string, BulkAllocator<std::string>> texts_;
  std::vector<std::uint64_t, BulkAllocator<std::uint64_t>> slots_;  // a power of two long
};

}  // namespace tarvello

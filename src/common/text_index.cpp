#include "common/text_index.h"

#include <functional>
#include <stdexcept>

namespace tarvello {

void TextIndex::reserve(size_t texts) {
  texts_.reserve(texts);
  size_t slots = 16;
  while (slots < 2 * texts) slots *= 2;
  if (slots > slots_.size()) rehash(slots);
}

size_t TextIndex::slotOf(std::string_view text) const {
  const size_t mask = slots_.size() - 1;
  size_t slot = std::hash<std::string_view>{}(text)&mask;
  // Linear probing: the table is kept at most half full.
  while (slots_[slot] != 0 && texts_[slots_[slot] - 1] != text) slot = (slot + 1) & mask;
  return slot;
}

std::uint32_t TextIndex::find(std::string_view text) const {
  if (slots_.empty()) return kNone;
  const std::uint32_t entry = slots_[slotOf(text)];
  return entry == 0 ? kNone : entry - 1;
}

std::uint32_t TextIndex::add(std::string_view text) {
  if (2 * (texts_.size() + 1) > slots_.size()) rehash(slots_.empty() ? 16 : 2 * slots_.size());
  const size_t slot = slotOf(text);
  if (slots_[slot] != 0) return slots_[slot] - 1;
  if (texts_.size() >= kNone - 1) throw std::length_error("too many distinct texts");
  texts_.emplace_back(text);
  slots_[slot] = static_cast<std::uint32_t>(texts_.size());
  return static_cast<std::uint32_t>(texts_.size() - 1);
}

void TextIndex::rehash(size_t slots) {
  slots_.assign(slots, 0);
  const size_t mask = slots - 1;
  for (size_t id = 0; id < texts_.size(); ++id) {
    size_t slot = std::hash<std::string_view>{}(texts_[id]) & mask;
    while (slots_[slot] != 0) slot = (slot + 1) & mask;
    slots_[slot] = static_cast<std::uint32_t>(id + 1);
  }
}

}  // namespace tarvello

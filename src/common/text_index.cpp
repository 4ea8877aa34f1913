#include "common/text_index.h"

#include <functional>
#include <stdexcept>

namespace tarvello {

namespace {

// A slot holds the id + 1 in its low half (0: free) and the top half of the
// text's hash in its high half, so a probe past other texts compares numbers
// and only a likely match reads the text itself.
std::uint64_t slotEntry(std::uint32_t id, size_t hash) {
  return (static_cast<std::uint64_t>(hash) >> 32 << 32) | (std::uint64_t{id} + 1);
}
std::uint32_t slotId(std::uint64_t entry) { return static_cast<std::uint32_t>(entry) - 1; }
bool slotFree(std::uint64_t entry) { return static_cast<std::uint32_t>(entry) == 0; }

}  // namespace

void TextIndex::reserve(size_t texts) {
  texts_.reserve(texts);
  size_t slots = 16;
  while (slots < 2 * texts) slots *= 2;
  if (slots > slots_.size()) rehash(slots);
}

size_t TextIndex::slotOf(std::string_view text, size_t hash) const {
  const size_t mask = slots_.size() - 1;
  const std::uint64_t fingerprint = static_cast<std::uint64_t>(hash) >> 32;
  size_t slot = hash & mask;
  // Linear probing: the table is kept at most half full.
  for (;; slot = (slot + 1) & mask) {
    const std::uint64_t entry = slots_[slot];
    if (slotFree(entry)) return slot;
    if ((entry >> 32) == fingerprint && texts_[slotId(entry)] == text) return slot;
  }
}

std::uint32_t TextIndex::find(std::string_view text) const {
  if (slots_.empty()) return kNone;
  const std::uint64_t entry = slots_[slotOf(text, std::hash<std::string_view>{}(text))];
  return slotFree(entry) ? kNone : slotId(entry);
}

std::uint32_t TextIndex::add(std::string_view text) {
  if (2 * (texts_.size() + 1) > slots_.size()) rehash(slots_.empty() ? 16 : 2 * slots_.size());
  const size_t hash = std::hash<std::string_view>{}(text);
  const size_t slot = slotOf(text, hash);
  if (!slotFree(slots_[slot])) return slotId(slots_[slot]);
  if (texts_.size() >= kNone - 1) throw std::length_error("too many distinct texts");
  const auto id = static_cast<std::uint32_t>(texts_.size());
  texts_.emplace_back(text);
  slots_[slot] = slotEntry(id, hash);
  return id;
}

void TextIndex::rehash(size_t slots) {
  slots_.assign(slots, 0);
  const size_t mask = slots - 1;
  for (size_t id = 0; id < texts_.size(); ++id) {
    const size_t hash = std::hash<std::string_view>{}(texts_[id]);
    size_t slot = hash & mask;
    while (!slotFree(slots_[slot])) slot = (slot + 1) & mask;
    slots_[slot] = slotEntry(static_cast<std::uint32_t>(id), hash);
  }
}

}  // namespace tarvello

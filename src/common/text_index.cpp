#include "common/text_index.h"

#include <functional>
#include <stdexcept>

namespace tarvello {

namespace {

// A slot holds the id + 1 in its low half (0: free) and the top half of the
// text's hash in its high half, so a probe past other texts compares numbers
// and only a likely match reads the text itself.
std::uint64_t slotEntry(std::uint32_t id, std::uint64_t hash) {
  return (hash >> 32 << 32) | (std::uint64_t{id} + 1);
}
// The text's hash, 64 bits wide everywhere. A 32-bit size_t (the web build)
// gives std::hash 32 bits, which left every fingerprint 0, so that every probe
// read and compared a text: there FNV-1a with a final mix stands in.
std::uint64_t hashOf(std::string_view text) {
  if constexpr (sizeof(size_t) >= sizeof(std::uint64_t)) {
    return std::hash<std::string_view>{}(text);
  } else {
    std::uint64_t h = 0xcbf29ce484222325u;
    for (const char c : text) h = (h ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccdu;
    return h ^ (h >> 33);
  }
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

size_t TextIndex::slotOf(std::string_view text, std::uint64_t hash) const {
  const size_t mask = slots_.size() - 1;
  const std::uint64_t fingerprint = hash >> 32;
  size_t slot = static_cast<size_t>(hash) & mask;
  // Linear probing: the table is kept at most half full.
  for (;; slot = (slot + 1) & mask) {
    const std::uint64_t entry = slots_[slot];
    if (slotFree(entry)) return slot;
    if ((entry >> 32) == fingerprint && texts_[slotId(entry)] == text) return slot;
  }
}

std::uint32_t TextIndex::find(std::string_view text) const {
  if (slots_.empty()) return kNone;
  const std::uint64_t entry = slots_[slotOf(text, hashOf(text))];
  return slotFree(entry) ? kNone : slotId(entry);
}

std::uint32_t TextIndex::add(std::string_view text) {
  if (2 * (texts_.size() + 1) > slots_.size()) rehash(slots_.empty() ? 16 : 2 * slots_.size());
  const std::uint64_t hash = hashOf(text);
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
    const std::uint64_t hash = hashOf(texts_[id]);
    size_t slot = static_cast<size_t>(hash) & mask;
    while (!slotFree(slots_[slot])) slot = (slot + 1) & mask;
    slots_[slot] = slotEntry(static_cast<std::uint32_t>(id), hash);
  }
}

}  // namespace tarvello

#include "pdf/truetype_metrics.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace tarvello {
namespace {

// Big-endian reads that say when they would run past the end.
struct Bytes {
  std::string_view data;
  bool ok = true;
  uint32_t u(size_t at, int width) {
    if (at + static_cast<size_t>(width) > data.size()) {
      ok = false;
      return 0;
    }
    uint32_t v = 0;
    for (int i = 0; i < width; ++i) v = (v << 8) | static_cast<unsigned char>(data[at + i]);
    return v;
  }
  uint16_t u16(size_t at) { return static_cast<uint16_t>(u(at, 2)); }
  int16_t s16(size_t at) { return static_cast<int16_t>(u16(at)); }
  uint32_t u32(size_t at) { return u(at, 4); }
};

// Code points of a UTF-8 text; a stray byte stands for itself.
std::u32string codePoints(std::string_view s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    const auto c = static_cast<unsigned char>(s[i]);
    const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    if (n == 1 || i + n > s.size()) {
      out += c;
      ++i;
      continue;
    }
    char32_t code = c & (0x7F >> n);
    for (size_t k = 1; k < n; ++k)
      code = (code << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    out += code;
    i += n;
  }
  return out;
}

}  // namespace

std::optional<TrueTypeMetrics> TrueTypeMetrics::read(std::string_view font) {
  Bytes b{font};
  size_t head = 0, hhea = 0, maxp = 0, hmtx = 0, loca = 0, glyf = 0, cmap = 0, os2 = 0;
  const uint16_t tables = b.u16(4);
  for (uint16_t t = 0; t < tables && b.ok; ++t) {
    const size_t record = 12 + 16 * size_t{t};
    const std::string_view tag = font.substr(record, 4);
    const size_t offset = b.u32(record + 8);
    if (tag == "head") head = offset;
    if (tag == "hhea") hhea = offset;
    if (tag == "maxp") maxp = offset;
    if (tag == "hmtx") hmtx = offset;
    if (tag == "loca") loca = offset;
    if (tag == "glyf") glyf = offset;
    if (tag == "cmap") cmap = offset;
    if (tag == "OS/2") os2 = offset;
  }
  if (!b.ok || !head || !hhea || !maxp || !hmtx || !loca || !glyf || !cmap) return std::nullopt;
  const double em = b.u16(head + 18);
  const bool longOffsets = b.s16(head + 50) != 0;
  const unsigned metrics = b.u16(hhea + 34);
  const unsigned count = b.u16(maxp + 4);
  if (!b.ok || !(em > 0) || metrics == 0 || count == 0) return std::nullopt;

  TrueTypeMetrics m;
  // The typographic descent where the font asks for it (USE_TYPO_METRICS),
  // as FreeType reads it.
  const bool typo = os2 && (b.u16(os2 + 62) & 0x80) != 0;
  m.descent_ = -b.s16(typo ? os2 + 70 : hhea + 6) / em;
  m.glyphs_.resize(count);
  for (unsigned g = 0; g < count; ++g) {
    Glyph& glyph = m.glyphs_[g];
    glyph.advance = b.u16(hmtx + 4 * size_t{std::min(g, metrics - 1)}) / em;
    const size_t start =
        longOffsets ? b.u32(loca + 4 * size_t{g}) : 2 * size_t{b.u16(loca + 2 * g)};
    const size_t end =
        longOffsets ? b.u32(loca + 4 * size_t{g} + 4) : 2 * size_t{b.u16(loca + 2 * g + 2)};
    if (end > start) {
      glyph.ink = true;
      glyph.xMin = b.s16(glyf + start + 2) / em;
      glyph.yMin = b.s16(glyf + start + 4) / em;
      glyph.xMax = b.s16(glyf + start + 6) / em;
      glyph.yMax = b.s16(glyf + start + 8) / em;
    }
  }

  // The Unicode map: Windows' full repertoire (format 12) before its BMP map
  // (format 4), then Unicode platform maps.
  size_t best = 0;
  int bestRank = 0;
  for (uint16_t t = 0, n = b.u16(cmap + 2); t < n && b.ok; ++t) {
    const size_t record = cmap + 4 + 8 * size_t{t};
    const uint16_t platform = b.u16(record), encoding = b.u16(record + 2);
    const size_t table = cmap + b.u32(record + 4);
    const uint16_t format = b.u16(table);
    int rank = 0;
    if (format == 12 && (platform == 0 || (platform == 3 && encoding == 10))) rank = 3;
    if (format == 4 && platform == 3 && encoding == 1) rank = 2;
    if (format == 4 && platform == 0) rank = 1;
    if (rank > bestRank) best = table, bestRank = rank;
  }
  if (bestRank == 0) return std::nullopt;
  if (b.u16(best) == 4) {
    const unsigned segments = b.u16(best + 6) / 2u;
    const size_t ends = best + 14, starts = ends + 2 * segments + 2, deltas = starts + 2 * segments,
                 ranges = deltas + 2 * segments;
    for (unsigned s = 0; s < segments && b.ok; ++s) {
      const unsigned first = b.u16(starts + 2 * s), last = b.u16(ends + 2 * s);
      const unsigned delta = b.u16(deltas + 2 * s), range = b.u16(ranges + 2 * s);
      for (unsigned c = first; c <= last && c != 0xFFFF; ++c) {
        unsigned g = 0;
        if (range == 0) {
          g = (c + delta) & 0xFFFF;
        } else {
          g = b.u16(ranges + 2 * s + range + 2 * (c - first));
          if (g != 0) g = (g + delta) & 0xFFFF;
        }
        if (g != 0 && g < count) m.glyphOf_[c] = g;
      }
    }
  } else {
    for (uint32_t group = 0, n = b.u32(best + 12); group < n && b.ok; ++group) {
      const size_t at = best + 16 + 12 * size_t{group};
      const uint32_t first = b.u32(at), last = std::min<uint32_t>(b.u32(at + 4), 0x10FFFF);
      const uint32_t g0 = b.u32(at + 8);
      for (uint32_t c = first; c <= last && b.ok; ++c)
        if (g0 + (c - first) < count) m.glyphOf_[c] = g0 + (c - first);
    }
  }
  if (!b.ok) return std::nullopt;
  return m;
}

const TrueTypeMetrics::Glyph& TrueTypeMetrics::glyph(char32_t code) const {
  const auto found = glyphOf_.find(code);
  return glyphs_[found == glyphOf_.end() ? 0 : found->second];
}

TextExtents TrueTypeMetrics::measure(std::string_view utf8) const {
  TextExtents e;
  bool ink = false;
  for (char32_t c : codePoints(utf8)) {
    const Glyph& g = glyph(c);
    if (g.ink) {
      const double left = e.advance + g.xMin, right = e.advance + g.xMax;
      e.inkLeft = ink ? std::min(e.inkLeft, left) : left;
      e.inkRight = ink ? std::max(e.inkRight, right) : right;
      e.inkBottom = ink ? std::min(e.inkBottom, g.yMin) : g.yMin;
      e.inkTop = ink ? std::max(e.inkTop, g.yMax) : g.yMax;
      ink = true;
    }
    e.advance += g.advance;
  }
  return e;
}

}  // namespace tarvello

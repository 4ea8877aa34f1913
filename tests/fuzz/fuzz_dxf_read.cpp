// The viewer's reading of a DXF file: any text gives either entities or a
// reason, and what was read can be framed.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "dxf/dxf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const tarvello::DxfReadResult r = tarvello::readDxfText(text);
  if (r.ok != r.error.empty()) std::abort();
  const tarvello::DxfBounds b = r.entities.bounds();
  if (!b.empty &&
      !(b.minX <= b.maxX && b.minY <= b.maxY && std::isfinite(b.minX) && std::isfinite(b.maxY)))
    std::abort();
  for (const auto& p : r.entities.polylines)
    for (const auto& q : p.points) (void)(q.x + q.y);
  return 0;
}

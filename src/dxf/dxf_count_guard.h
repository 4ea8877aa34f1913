#pragma once
// A check of the item counts in DXF text before dxflib reads it. dxflib
// allocates (and zero-fills) what a count such as the vertex count of an
// LWPOLYLINE declares the moment it reads the count, before any item arrives,
// so a file of a few hundred bytes can ask for gigabytes. A count can be
// honoured only if the rest of its entity has room for it: every item takes
// at least one group (two lines) of its own.
#include <optional>
#include <string>
#include <string_view>

namespace tarvello {

// Nothing when every count of the text can be met; otherwise the reason in
// words for the user, e.g. "The drawing is damaged: line 12: a SPLINE
// declares 2000000000 control points." The text is cut into groups as
// dxflib cuts it, entities the viewer does not draw included.
std::optional<std::string> checkDxfCounts(std::string_view text);

}  // namespace tarvello

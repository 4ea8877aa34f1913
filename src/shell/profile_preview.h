#pragma once
// The profile of the selected pipe or branch as the plot commands would draw
// it, read back into entities for the preview, without writing a file.
#include "commands/session.h"
#include "dxf/dxf_reader.h"

namespace tarvello {

enum class PreviewKind { Pipe, Branch };

// Nothing when `branchRow` is the header row or has no "Branch ID".
DxfEntities previewEntities(const Session& session, int branchRow, PreviewKind kind);

}  // namespace tarvello

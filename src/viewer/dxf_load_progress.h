#pragma once
// Reading a drawing without freezing the window: a large file is read on a
// worker thread while a progress dialog with a Cancel button is shown.
#include <QString>

#include "dxf/dxf_reader.h"

class QWidget;

namespace tarvello {

// Files up to this size are read at once on the calling thread: they take
// well under a second, and no event is handled meanwhile.
inline constexpr long long kReadWithProgressAbove = 2 * 1024 * 1024;

// Reads `path`. A larger file is read on a worker thread while a window-
// modal progress dialog over `parent` keeps the program painting; its Cancel
// button stops the reading (cancelled = true). Where no thread can be
// started, the file is read on the calling thread after all.
DxfReadResult readDxfWithProgress(const QString& path, QWidget* parent);

}  // namespace tarvello

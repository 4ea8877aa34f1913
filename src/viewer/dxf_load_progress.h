#pragma once
// Reading a drawing without freezing the window: the file is read on a
// worker thread while a progress dialog with a Cancel button is shown.
#include <QString>

#include "dxf/dxf_reader.h"

class QWidget;

namespace tarvello {

// Reads `path` on a worker thread; the calling (GUI) thread keeps handling
// events meanwhile. Readings that take longer than a moment show a progress
// dialog over `parent`; its Cancel button stops the reading (cancelled = true).
DxfReadResult readDxfWithProgress(const QString& path, QWidget* parent);

}  // namespace tarvello

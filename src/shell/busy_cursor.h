#pragma once
// Cursor shapes for the length of a scope: the busy cursor while a command
// works, the arrow while a dialog of that command waits for the user.
#include <QApplication>

namespace tarvello {

class ScopedCursor {
 public:
  explicit ScopedCursor(Qt::CursorShape shape) { QApplication::setOverrideCursor(shape); }
  ~ScopedCursor() { QApplication::restoreOverrideCursor(); }
  ScopedCursor(const ScopedCursor&) = delete;
  ScopedCursor& operator=(const ScopedCursor&) = delete;
};

struct BusyCursor : ScopedCursor {
  BusyCursor() : ScopedCursor(Qt::WaitCursor) {}
};

}  // namespace tarvello

#pragma once
// Shows the wait cursor for the lifetime of the object, restoring it also when a command fails.
#include <QApplication>

namespace absence::ui {

class TWaitCursor {
 public:
  TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;
};

}  // namespace absence::ui

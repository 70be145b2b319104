#pragma once
// The program's pictures, compiled in by resource name ("Plus", "Globe", "Trash_Empty", ...).
#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace absence::ui {

QIcon ResourceIcon(const QString& name);
// The picture drawn `size` pixels square, scaled to the screen.
QPixmap ResourcePicture(const QString& name, int size);
// The "PointNW" pointer shown while a reason can be dragged onto the calendar.
QCursor PointNWCursor();

}  // namespace absence::ui

#include "ui/common/pictures.h"

#include "ui/common/scale.h"

namespace absence::ui {

QIcon ResourceIcon(const QString& name) {
  return QIcon(QStringLiteral(":/images/") + name + QStringLiteral(".svg"));
}

QPixmap ResourcePicture(const QString& name, int size) {
  return ResourceIcon(name).pixmap(Scale(size), Scale(size));
}

QCursor PointNWCursor() {
  return QCursor(ResourcePicture(QStringLiteral("PointNW"), 32), Scale(2), Scale(2));
}

}  // namespace absence::ui

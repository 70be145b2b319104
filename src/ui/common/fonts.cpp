#include "ui/common/fonts.h"

#include <QApplication>

namespace absence::ui {

QFont DialogFont() {
  return QApplication::font();
}

QFont SmallFont() {
  QFont f = QApplication::font();
  const qreal size = f.pointSizeF() > 0 ? f.pointSizeF() : 9;
  f.setPointSizeF(std::max<qreal>(6.5, size * 7.0 / 8.0));
  return f;
}

}  // namespace absence::ui

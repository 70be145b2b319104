#include "ui/common/hints.h"

#include <QAction>
#include <QWidget>

namespace absence::ui {
namespace {

QString ShortPart(const QString& hint) {
  return hint.section(u'|', 0, 0);
}
QString LongPart(const QString& hint) {
  return hint.contains(u'|') ? hint.section(u'|', 1) : hint;
}

}  // namespace

void SetHint(QWidget* control, const QString& hint) {
  control->setToolTip(ShortPart(hint));
  control->setStatusTip(LongPart(hint));
}

void SetHint(QAction* action, const QString& hint) {
  action->setToolTip(ShortPart(hint));
  action->setStatusTip(LongPart(hint));
}

}  // namespace absence::ui

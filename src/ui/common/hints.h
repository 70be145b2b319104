#pragma once
// Hints are "short|long": the short part is the tooltip, the long part shows in the main
// window's status bar while the pointer is over the control.
#include <QString>

class QAction;
class QWidget;

namespace absence::ui {

void SetHint(QWidget* control, const QString& hint);
void SetHint(QAction* action, const QString& hint);

}  // namespace absence::ui

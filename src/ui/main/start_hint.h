#pragma once
// What the status bar tells a newcomer whose data set has no reasons or no employees yet.
#include <QString>

namespace absence::ui {

// Empty once the data set has both reasons and employees (trashed ones do not count).
// Short enough for one line of the status bar at the window's smallest.
QString StartHint(bool hasReasons, bool hasEmployees);
// The hint's tool tip: where to look around first.
QString StartHintTip();

}  // namespace absence::ui

#pragma once
// What the status bar tells a newcomer whose data set has no reasons or no employees yet.
#include <QString>

namespace absence::ui {

// Empty once the data set has both reasons and employees (trashed ones do not count).
QString StartHint(bool hasReasons, bool hasEmployees);

}  // namespace absence::ui

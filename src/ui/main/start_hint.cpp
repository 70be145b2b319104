#include "ui/main/start_hint.h"

namespace absence::ui {

QString StartHint(bool hasReasons, bool hasEmployees) {
  if (!hasReasons && !hasEmployees)
    return QStringLiteral("To begin: Edit > Absence Reasons..., then Edit > Employees...");
  if (!hasReasons)
    return QStringLiteral("No absence reasons yet: add them with Edit > Absence Reasons...");
  if (!hasEmployees) return QStringLiteral("No employees yet: add them with Edit > Employees...");
  return QString();
}

QString StartHintTip() {
  return QStringLiteral(
      "To look around first, make the demo organisation with absence-cli sample FOLDER and "
      "start absence --data FOLDER.");
}

}  // namespace absence::ui

#include "ui/main/start_hint.h"

namespace absence::ui {

QString StartHint(bool hasReasons, bool hasEmployees) {
  if (!hasReasons && !hasEmployees)
    return QStringLiteral(
        "To begin, add absence reasons (Edit > Absence Reasons...) and employees (Edit > "
        "Employees...), or try the sample organisation: absence-cli sample FOLDER, then "
        "absence --data FOLDER.");
  if (!hasReasons)
    return QStringLiteral(
        "No absence reasons yet: add them with Edit > Absence Reasons... to record absences.");
  if (!hasEmployees) return QStringLiteral("No employees yet: add them with Edit > Employees...");
  return QString();
}

}  // namespace absence::ui

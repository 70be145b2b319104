#include "ui/main/start_hint.h"

#include <QCoreApplication>

namespace absence::ui {
namespace {

QString Tr(const char* text) {
  return QCoreApplication::translate("absence::ui::StartHint", text);
}

}  // namespace

QString StartHint(bool hasReasons, bool hasEmployees) {
  if (!hasReasons && !hasEmployees)
    return Tr(QT_TRANSLATE_NOOP("absence::ui::StartHint",
                                "To begin: Edit > Absence Reasons..., then Edit > Employees..."));
  if (!hasReasons)
    return Tr(QT_TRANSLATE_NOOP("absence::ui::StartHint",
                                "No absence reasons yet: add them with Edit > Absence Reasons..."));
  if (!hasEmployees)
    return Tr(QT_TRANSLATE_NOOP("absence::ui::StartHint",
                                "No employees yet: add them with Edit > Employees..."));
  return QString();
}

QString StartHintTip() {
  return Tr(QT_TRANSLATE_NOOP(
      "absence::ui::StartHint",
      "To look around first, make the demo organisation with absence-cli sample FOLDER and "
      "start absence --data FOLDER."));
}

}  // namespace absence::ui

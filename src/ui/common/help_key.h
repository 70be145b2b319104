#pragma once
// F1 opens the help topic of the window in front: each window names its context number once.
class QAbstractButton;
class QObject;
class QWidget;

namespace absence::ui {

inline constexpr const char* kHelpContextProperty = "helpContext";

void SetHelpContext(QWidget* window, int context);
// The context of the active window (the innermost modal one first); 0 when it has none.
int ActiveHelpContext();
// A window's Help button: opens the topic `context` (modally when the window is modal).
void ConnectHelpButton(QAbstractButton* button, int context);
// Installs the application-wide F1 handling; `owner` keeps the filter alive.
void InstallHelpKey(QObject* owner);

}  // namespace absence::ui

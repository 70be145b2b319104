#pragma once
// A request to end the program from outside (SIGTERM at shutdown or logout, SIGINT, SIGHUP)
// closes the main window the ordinary way, so settings and data are saved as on any close.
class QWidget;

namespace absence::ui {

// Installs the signal handlers; `window` is closed when one of the signals arrives.
void CloseOnTerminationSignals(QWidget* window);

}  // namespace absence::ui

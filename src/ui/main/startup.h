#pragma once
// The program's entry sequence: single instance, splash, date pattern, main window, event loop.

namespace absence::ui {

// Runs the program; returns the process's exit code (0 also for a second copy that handed over
// to the running one).
int RunAbsence(int argc, char** argv);

}  // namespace absence::ui

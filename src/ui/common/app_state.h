#pragma once
// Process-wide values every window reads: where the data and settings live, the date pattern,
// the printer situation and the user's preferences.
#include <QString>
#include <string>

#include "data/settings.h"

namespace absence::ui {

struct TAppState {
  std::string AppFolder;  // data folder, with a trailing separator
  std::string IniPath;    // the settings file
  QString DatePattern = "mm/dd/yyyy";
  bool NoPrinter = false;
  QString PrinterName;
  TSettings Settings;
};

TAppState& App();

// Registers the compiled-in resources (pictures, help pages) of the window library.
void InitUiResources();

}  // namespace absence::ui

#pragma once
// The on/off preferences single windows keep in the "Initialization" section of the settings
// file (which wizard page to skip, whether a section is shown).
namespace absence::ui {

// True when the key holds 1.
bool ReadInitFlag(const char* key);
// Stores 1 or 0; a failed save is reported.
void WriteInitFlag(const char* key, bool on);

}  // namespace absence::ui

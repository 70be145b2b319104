#pragma once
// The ways the absence entry dialog is used: a day's entries from the calendar, new and changed
// own entries, and global entries that reach every employee employed on their day.
#include <QString>
#include <cstdint>

#include "data/types.h"

class QWidget;

namespace absence::ui {

class TDataSession;

// Edits the live entries of employee `empID` on `day` through copies; OK stores the changes of
// the own entries, Cancel discards all. True when OK was pressed.
bool EditDayEntries(TDataSession& session, int32_t empID, TDate day, QWidget* parent);
// A new own entry of `empID` (first reason, today, the default hours), not before the start date.
bool NewOwnEntry(TDataSession& session, int32_t empID, QWidget* parent);
// Changes the own entry at `index` of the employee's list.
bool EditOwnEntry(TDataSession& session, int32_t empID, int index, QWidget* parent);
// A new global entry: a copy reaches every employee employed on its day who has no entry of that
// reason on it (an exclusion counts).
bool NewGlobalEntry(TDataSession& session, QWidget* parent);
// Changes the global entry at `index` of the global list and every employee's copy of it.
bool EditGlobalEntry(TDataSession& session, int index, QWidget* parent);
// Shows a global entry as seen in an employee's list; nothing can be changed.
void ShowGlobalCopy(TDataSession& session, int32_t empID, int index, QWidget* parent);

}  // namespace absence::ui

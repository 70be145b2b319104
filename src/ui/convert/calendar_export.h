#pragma once
// File > Export Calendar: every absence into an iCalendar file that calendar programs open.
#include <QtGlobal>

class QWidget;

namespace absence::ui {

class TDataSession;

inline constexpr const char* kCalendarFileFilter =
    QT_TRANSLATE_NOOP("absence::ui::TfrmConvert", "Calendar File (*.ics)|*.ics|Any File (*.*)|*.*");

// Asks for the file, writes it and says how many events it holds; a failure is reported.
void ExportCalendar(const TDataSession& session);

}  // namespace absence::ui

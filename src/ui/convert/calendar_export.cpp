#include "ui/convert/calendar_export.h"

#include <ctime>

#include "convert/ical/ical_export.h"
#include "convert/text_file.h"
#include "ui/common/app_state.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/wait_cursor.h"
#include "ui/session/data_session.h"

namespace absence::ui {

void ExportCalendar(const TDataSession& session) {
  TFileDialogCall call;
  call.Kind = TFileDialogKind::Save;
  call.Title = QStringLiteral("Export Calendar");
  call.Filter = QString::fromLatin1(kCalendarFileFilter);
  call.DefaultExt = QStringLiteral("ics");
  call.InitialName = QStringLiteral("Absences.ics");
  const std::optional<QString> file = PromptForFile(call);
  if (!file) return;
  TCalendar cal;
  try {
    TWaitCursor wait;
    cal = CalendarText(session.Data(), {}, HourFormatPattern(App().Settings.HourFormat),
                       std::time(nullptr));
    WriteExportText(file->toStdString(), cal.Text);
  } catch (const EConvertError& e) {
    MessageBoxTitled(QString::fromStdString(e.what()), TMsgKind::Information, mbOK);
    return;
  }
  MessageBoxTitled(QStringLiteral("Export complete.  The calendar file holds %1 %2.")
                       .arg(cal.Events)
                       .arg(cal.Events == 1 ? QStringLiteral("event") : QStringLiteral("events")),
                   TMsgKind::Information, mbOK);
}

}  // namespace absence::ui

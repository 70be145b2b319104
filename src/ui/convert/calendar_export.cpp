#include "ui/convert/calendar_export.h"

#include <ctime>

#include "convert/ical/ical_export.h"
#include "convert/text_file.h"
#include "ui/common/app_state.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/wait_cursor.h"
#include "ui/convert/convert_wizard.h"
#include "ui/session/data_session.h"

namespace absence::ui {

void ExportCalendar(const TDataSession& session) {
  TFileDialogCall call;
  call.Kind = TFileDialogKind::Save;
  call.Title = TfrmConvert::tr("Export Calendar");
  call.Filter = TfrmConvert::tr(kCalendarFileFilter);
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
  MessageBoxTitled(
      cal.Events == 1
          ? TfrmConvert::tr("Export complete.  The calendar file holds %1 event.").arg(cal.Events)
          : TfrmConvert::tr("Export complete.  The calendar file holds %1 events.").arg(cal.Events),
      TMsgKind::Information, mbOK);
}

}  // namespace absence::ui

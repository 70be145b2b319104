#include "ui/main/calendar_cells.h"

#include <QCoreApplication>

#include "dates/dates.h"
#include "ui/common/date_text.h"

namespace absence::ui {

TCellContent DateCell(TDate date, const QString& pattern) {
  TCellContent cell;
  cell.Date = date;
  cell.Text = FormatDate(date, pattern);
  return cell;
}

TCellContent BuildCellText(TDate date, const QString& pattern, const TEmpRecClass& emp,
                           const TReasonList& reasons, int benefitMonth, int benefitDay) {
  TCellContent cell = DateCell(date, pattern);
  const int year = Year(date);
  const bool userYear = NearestValidDate(year, benefitMonth, benefitDay) == date;
  const bool anniversary = NearestValidDate(year, Month(emp.StartDate), Day(emp.StartDate)) == date;
  const char* marker = nullptr;
  if (userYear && anniversary)
    marker = QT_TRANSLATE_NOOP("absence::ui::TCalendarPanel", "User/Anniv");
  else if (userYear)
    marker = QT_TRANSLATE_NOOP("absence::ui::TCalendarPanel", "User Year");
  else if (anniversary)
    marker = QT_TRANSLATE_NOOP("absence::ui::TCalendarPanel", "Anniversary");
  if (marker) cell.Marker = QCoreApplication::translate("absence::ui::TCalendarPanel", marker);
  if (!cell.Marker.isEmpty()) cell.Text += u'*' + cell.Marker;

  TEntryList onDate;
  EntriesOnDate(onDate, &emp.Entries, date);
  for (const auto& e : onDate) {
    TCellEntry entry{e->ReasonID, e->Kind,
                     QString::fromStdString(ReasonText(reasons, e->ReasonID))};
    if (cell.Text.size() > 10) cell.Text += u'|';
    cell.Text += (entry.Kind == TEntryKind::Global ? u'G' : u'T') + entry.Description;
    cell.Entries.append(entry);
  }
  return cell;
}

}  // namespace absence::ui

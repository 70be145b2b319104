#include "ui/main/calendar_cells.h"

#include <QCoreApplication>
#include <QLocale>

#include "dates/dates.h"
#include "ui/common/clock.h"
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
  cell.Outside = !emp.IsEmployedOn(date);
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
    TCellEntry entry{e->ReasonID, e->Kind, QString::fromStdString(ReasonText(reasons, e->ReasonID)),
                     e->Hours};
    if (cell.Text.size() > 10) cell.Text += u'|';
    cell.Text += (entry.Kind == TEntryKind::Global ? u'G' : u'T') + entry.Description;
    cell.Entries.append(entry);
  }
  return cell;
}

int DraggedEntryIndex(const TCellContent& cell) {
  if (cell.Entries.isEmpty()) return -1;
  return cell.Entries.size() >= 2 ? 1 : 0;
}

namespace {

QString Translate(const char* text) {
  return QCoreApplication::translate("absence::ui::TCalendarGrid", text);
}

}  // namespace

QString CellEntryName(const TCellEntry& entry) {
  const QString hours = QLocale::system().toString(double(entry.Hours), 'g', 7);
  QString name = (entry.Hours == 1.0f
                      ? Translate(QT_TRANSLATE_NOOP("absence::ui::TCalendarGrid", "%1 %2 hour"))
                      : Translate(QT_TRANSLATE_NOOP("absence::ui::TCalendarGrid", "%1 %2 hours")))
                     .arg(entry.Description, hours);
  if (entry.Kind == TEntryKind::Global)
    name += Translate(QT_TRANSLATE_NOOP("absence::ui::TCalendarGrid", ", for everyone"));
  return name;
}

QString CellAccessibleName(const TCellContent& cell) {
  const QDate d = ToQDate(cell.Date);
  const QLocale locale = QLocale::system();
  QString name =
      Translate(QT_TRANSLATE_NOOP("absence::ui::TCalendarGrid", "%1 %2 %3"))
          .arg(locale.dayName(d.dayOfWeek(), QLocale::LongFormat),
               locale.monthName(d.month(), QLocale::LongFormat), QString::number(d.day()));
  if (cell.Date == Today())
    name += Translate(QT_TRANSLATE_NOOP("absence::ui::TCalendarGrid", ", today"));
  if (cell.Outside)
    name += Translate(QT_TRANSLATE_NOOP("absence::ui::TCalendarGrid", ", not employed"));
  if (!cell.Marker.isEmpty()) {
    name += QStringLiteral(", ");
    name += cell.Marker;
  }
  for (const TCellEntry& entry : cell.Entries) {
    name += QStringLiteral(", ");
    name += CellEntryName(entry);
  }
  return name;
}

}  // namespace absence::ui

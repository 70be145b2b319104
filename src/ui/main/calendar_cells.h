#pragma once
// What one day of the calendar shows for an employee: the date, the start of a benefit year or
// the hire anniversary, and the employee's live entries of the day. The text is the cell's
// display form; the typed parts beside it are what the code works with.
#include <QList>
#include <QMetaType>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "data/records.h"

namespace absence::ui {

struct TCellEntry {
  int32_t ReasonID = 0;
  TEntryKind Kind = TEntryKind::Own;
  QString Description;
  float Hours = 0;
};

struct TCellContent {
  TDate Date = 0;
  // "User Year", "Anniversary", "User/Anniv" or empty.
  QString Marker;
  // The live entries of the day, in the order of the employee's list.
  QList<TCellEntry> Entries;
  // The employee was not employed on the day (before the hire date, after the termination).
  bool Outside = false;
  // The date in the date pattern (10 characters), "*" and the marker, then "|", the kind letter
  // and the description of each entry ("|" left out before the first one without a marker).
  QString Text;
};

// The day alone: date text, no marker, no entries.
TCellContent DateCell(TDate date, const QString& pattern);

// The day for `emp`; `benefitMonth`/`benefitDay` start the user-defined benefit year.
TCellContent BuildCellText(TDate date, const QString& pattern, const TEmpRecClass& emp,
                           const TReasonList& reasons, int benefitMonth, int benefitDay);

// The entry a drag from the day takes: the second when there are two or more (shown on the
// bottom line of a cell with room for only one), else the only one; -1 without entries.
int DraggedEntryIndex(const TCellContent& cell);

// What a screen reader says for an entry ("Vacation 8 hours") and for the day ("Monday
// December 7, Vacation 8 hours"), with the marks the day is drawn with (today, outside the
// employment).
QString CellEntryName(const TCellEntry& entry);
QString CellAccessibleName(const TCellContent& cell);

}  // namespace absence::ui

Q_DECLARE_METATYPE(absence::ui::TCellContent)

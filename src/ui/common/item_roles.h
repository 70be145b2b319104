#pragma once
// Item data roles shared by the list models: views find a row's record through these, never
// through the text a cell shows.
#include <Qt>

namespace absence::ui {

// The record's identifier (employee, reason, department, entry...) as a qint32 or qint64.
inline constexpr int kRecordIdRole = Qt::UserRole + 1;
// The typed value a column sorts by (a date's serial, hours as a number), where the text would
// sort wrongly.
inline constexpr int kSortValueRole = Qt::UserRole + 2;

}  // namespace absence::ui

#pragma once
// Column widths of list windows, kept in the settings file between runs under one key per
// header bar in the product-name section.
#include <QList>
#include <QString>
#include <optional>

class QTableView;

namespace absence::ui {

// The header's name without its first three letters, then "Settings" ("hdrBalances" gives
// "BalancesSettings"; a name of three letters or fewer gives "Settings").
QString ColumnWidthKey(const QString& headerName);

// The widths stored under a key: nothing for "0" (design widths) or a value that is no list of
// widths. The last value counts by at most its first four characters.
std::optional<QList<int>> ParseColumnWidths(const QString& value);

// A table view with its own header (whose name gives the key) keeps the same stored values: the
// widths its cells had under a separate header bar, column 0 three pixels wider and the others
// one. Without stored widths the columns take the design widths (at 96 pixels per inch),
// scaled; columns beyond the stored ones are hidden; the last shown column takes the rest.
void SaveColumnWidths(const QTableView* view);
// True when stored widths were found.
bool LoadColumnWidths(QTableView* view, const QList<int>& designWidths);

}  // namespace absence::ui

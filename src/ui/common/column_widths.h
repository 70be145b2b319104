#pragma once
// Column widths of list windows, kept in the settings file between runs under one key per
// header bar in the product-name section.
#include <QList>
#include <QString>
#include <optional>

class QHeaderView;
class QTableWidget;

namespace absence::ui {

class THeaderControl;

// The header's name without its first three letters, then "Settings" ("hdrBalances" gives
// "BalancesSettings"; a name of three letters or fewer gives "Settings").
QString ColumnWidthKey(const QString& headerName);

// The widths stored under a key: nothing for "0" (design widths) or a value that is no list of
// widths. The last value counts by at most its first four characters.
std::optional<QList<int>> ParseColumnWidths(const QString& value);

// Writes the header's section widths, joined by commas, to the settings file.
void SaveColumnWidths(const THeaderControl* header, const QString& iniFileName);

// Applies the stored widths to the header and the grid (column 0 three pixels narrower, the
// others one), or, with none stored, scales the grid's design widths and fits the header to
// them. Grid columns without a header section are hidden; the row height is scaled.
void LoadColumnWidths(THeaderControl* header, QTableWidget* grid, const QString& iniFileName);

// The same for a view's own header, under the key its object name gives: the stored widths,
// sections past them hidden, or with none stored the design widths scaled.
void SaveHeaderWidths(const QHeaderView* header, const QString& iniFileName);
void LoadHeaderWidths(QHeaderView* header, const QList<int>& designWidths,
                      const QString& iniFileName);

}  // namespace absence::ui

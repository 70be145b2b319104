#pragma once
// The record lists as a test sees them: found by name, read through their models (the record
// identifier role, the texts and fonts shown) and driven with real clicks and keys.
#include <QString>
#include <QStringList>
#include <Qt>
#include <cstdint>

class QTableView;
class QToolButton;
class QWidget;

namespace absence::ui::test {

// The grid `name` in `window`; the test program stops when there is none.
QTableView* ListView(QWidget* window, const char* name);
// The speed button `name` in `window`.
QToolButton* ToolButton(QWidget* window, const char* name);

int RowCount(const QTableView* view);
QString Cell(const QTableView* view, int row, int column);
// A column's texts, top to bottom.
QStringList ColumnTexts(const QTableView* view, int column);
bool IsBold(const QTableView* view, int row, int column = 0);
// The record a row stands for; the row of a record, -1 when it is not listed.
int64_t RecordAt(const QTableView* view, int row);
int RowOfRecord(const QTableView* view, int64_t id);
// The current row, -1 for none; the picked rows, top to bottom.
int CurrentRow(const QTableView* view);
QList<int> PickedRows(const QTableView* view);

// A left click on the row's first cell, with `modifiers` held.
void ClickRow(QTableView* view, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Clicks the first row whose first cell reads `text`; false when none does.
bool ClickRowOf(QTableView* view, const QString& text);

}  // namespace absence::ui::test

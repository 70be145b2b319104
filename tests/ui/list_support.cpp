#include "list_support.h"

#include <QFont>
#include <QItemSelectionModel>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

#include "ui/common/item_roles.h"

namespace absence::ui::test {
namespace {

template <typename T>
T* Named(QWidget* window, const char* name) {
  T* child = window->findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no control named %s", name);
  return child;
}

}  // namespace

QTableView* ListView(QWidget* window, const char* name) {
  return Named<QTableView>(window, name);
}

QToolButton* ToolButton(QWidget* window, const char* name) {
  return Named<QToolButton>(window, name);
}

int RowCount(const QTableView* view) {
  return view->model()->rowCount();
}

QString Cell(const QTableView* view, int row, int column) {
  return view->model()->index(row, column).data().toString();
}

QStringList ColumnTexts(const QTableView* view, int column) {
  QStringList texts;
  for (int row = 0; row < RowCount(view); ++row) texts << Cell(view, row, column);
  return texts;
}

bool IsBold(const QTableView* view, int row, int column) {
  return view->model()->index(row, column).data(Qt::FontRole).value<QFont>().bold();
}

int64_t RecordAt(const QTableView* view, int row) {
  return view->model()->index(row, 0).data(kRecordIdRole).toLongLong();
}

int RowOfRecord(const QTableView* view, int64_t id) {
  for (int row = 0; row < RowCount(view); ++row)
    if (RecordAt(view, row) == id) return row;
  return -1;
}

int CurrentRow(const QTableView* view) {
  return view->currentIndex().isValid() ? view->currentIndex().row() : -1;
}

QList<int> PickedRows(const QTableView* view) {
  QList<int> rows;
  for (int row = 0; row < RowCount(view); ++row)
    if (view->selectionModel()->isRowSelected(row, QModelIndex())) rows << row;
  return rows;
}

void ClickRow(QTableView* view, int row, Qt::KeyboardModifiers modifiers) {
  QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                    view->visualRect(view->model()->index(row, 0)).center());
}

bool ClickRowOf(QTableView* view, const QString& text) {
  const int row = static_cast<int>(ColumnTexts(view, 0).indexOf(text));
  if (row < 0) return false;
  ClickRow(view, row);
  return true;
}

}  // namespace absence::ui::test

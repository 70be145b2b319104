#pragma once
// grdCalendarDrawCell: a day's frame (doubled where a month begins), its bold day number and
// marker, and up to two entries on its bottom lines, the globe before global ones and the
// "Plus" picture when more are hidden.
#include <QPixmap>
#include <QStyledItemDelegate>

namespace absence::ui {

class TCalendarGrid;

class TCalendarCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit TCalendarCellDelegate(TCalendarGrid* grid);
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  TCalendarGrid* grid_;
  QPixmap plus_;
  QPixmap globe_;
};

}  // namespace absence::ui

#pragma once
// grdCalendarDrawCell: a day's frame (doubled where a month begins), its bold day number and
// marker, and as many entries as its height holds, one a line upwards from its bottom line,
// the globe before global ones and the "Plus" picture when more are hidden. Weekends are
// shaded, days outside the employment greyed, and today's number is on a badge whatever else is
// drawn.
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

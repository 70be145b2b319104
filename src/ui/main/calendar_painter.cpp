#include "ui/main/calendar_painter.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/common/date_text.h"
#include "ui/common/pictures.h"
#include "ui/common/scale.h"
#include "ui/main/calendar_grid.h"

namespace absence::ui {
namespace {

// The gap between the two lines of a doubled frame line.
constexpr int kDoubleGap = 2;

}  // namespace

TCalendarCellDelegate::TCalendarCellDelegate(TCalendarGrid* grid)
    : QStyledItemDelegate(grid),
      grid_(grid),
      plus_(ResourcePicture(QStringLiteral("Plus"), 9)),
      globe_(ResourcePicture(QStringLiteral("Globe"), 13)) {}

void TCalendarCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  const int col = index.column();
  const int row = index.row();
  const TCellContent cell = grid_->Cell(col, row);
  const QRect r = option.rect;
  const QPalette& pal = option.palette;
  const bool current = col == grid_->currentColumn() && row == grid_->currentRow();
  const bool highlighted = grid_->Picked(col, row) || (current && !grid_->MultiPick());
  painter->save();
  painter->fillRect(r, highlighted ? pal.highlight() : pal.base());

  // Each cell draws its top and left edges; the last row and column close the grid. A week
  // that starts a month, and the 1st itself, get a doubled line towards the month before.
  const int day = ToQDate(cell.Date).day();
  painter->setPen(pal.color(QPalette::WindowText));
  painter->drawLine(r.topLeft(), r.topRight());
  painter->drawLine(r.topLeft(), r.bottomLeft());
  if (row == TCalendarGrid::kRows - 1) painter->drawLine(r.bottomLeft(), r.bottomRight());
  if (col == TCalendarGrid::kColumns - 1) painter->drawLine(r.topRight(), r.bottomRight());
  int top = r.top() + 1;
  if (row > 0 && day >= 1 && day <= 7) {
    painter->drawLine(r.left(), r.top() + kDoubleGap, r.right(), r.top() + kDoubleGap);
    top += kDoubleGap;
  }
  int left = r.left() + 1;
  if (col > 0 && day == 1) {
    painter->drawLine(r.left() + kDoubleGap, r.top(), r.left() + kDoubleGap, r.bottom());
    left += kDoubleGap;
  }

  const QColor text =
      highlighted ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text);
  painter->setPen(text);
  QFont bold = option.font;
  bold.setBold(true);
  const QString digits = QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
  const QFontMetrics boldMetrics(bold);
  const QFontMetrics metrics(option.font);
  painter->setFont(bold);
  painter->drawText(QPoint(left + 2, top + 1 + boldMetrics.ascent()), digits);
  if (!cell.Marker.isEmpty()) {
    painter->setFont(option.font);
    const int x = left + 2 + boldMetrics.horizontalAdvance(digits) + 3;
    painter->drawText(QPoint(x, top + 1 + metrics.ascent()),
                      metrics.elidedText(cell.Marker, Qt::ElideRight, r.right() - 2 - x));
  }

  painter->setFont(option.font);
  const int line = Scale(13);
  const QRect area(r.left() + 2, r.bottom() - Scale(15) + 1, r.width() - 5, Scale(15) - 2);
  const auto& cut = grid_->CutEntry();
  auto drawEntry = [&](const TCellEntry& entry, int y) {
    // An entry taken with Ctrl+X is shown faded until it is put down.
    const bool isCut =
        cut && cut->Date == cell.Date && cut->ReasonID == entry.ReasonID && cut->Kind == entry.Kind;
    painter->setPen(isCut ? pal.color(QPalette::Disabled, QPalette::Text) : text);
    int x = area.left();
    if (entry.Kind == TEntryKind::Global) {
      painter->drawPixmap(x, y + (line - globe_.height() / globe_.devicePixelRatio()) / 2, globe_);
      x += int(globe_.width() / globe_.devicePixelRatio()) + 1;
    }
    const QRect textArea(x, y, area.right() - x, line);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(entry.Description, Qt::ElideRight, textArea.width()));
  };
  const qsizetype count = cell.Entries.size();
  const int plusWidth = int(plus_.width() / plus_.devicePixelRatio());
  const int globeHeight = int(globe_.height() / globe_.devicePixelRatio());
  if (count == 1) drawEntry(cell.Entries[0], area.top());
  if (count >= 2) {
    const int upper = area.top() - line;
    // Too low a cell shows only the bottom entry and marks the rest with the "Plus".
    const bool roomForTwo = upper - r.top() >= globeHeight + 1 + boldMetrics.height();
    if (roomForTwo) drawEntry(cell.Entries[0], upper);
    drawEntry(cell.Entries[1], area.top());
    if (count >= 3 || !roomForTwo)
      painter->drawPixmap(r.right() - 3 - plusWidth, top + (roomForTwo ? 2 : 1), plus_);
  }
  // The keyboard's place: the current day while the calendar has the focus.
  if (current && grid_->hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(grid_);
    focus.rect = QRect(left + 1, top + 1, r.right() - left - 2, r.bottom() - top - 2);
    focus.backgroundColor =
        highlighted ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base);
    grid_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, grid_);
  }
  painter->restore();
}

}  // namespace absence::ui

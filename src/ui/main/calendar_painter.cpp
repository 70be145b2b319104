#include "ui/main/calendar_painter.h"

#include <QPainter>
#include <algorithm>

#include "ui/common/clock.h"
#include "ui/common/date_text.h"
#include "ui/common/pictures.h"
#include "ui/common/scale.h"
#include "ui/main/calendar_grid.h"

namespace absence::ui {
namespace {

// The gap between the two lines of a doubled frame line.
constexpr int kDoubleGap = 2;

// Today's badge: a colour that stands out on the plain, shaded and highlighted fills alike.
const QColor kTodayColor(200, 30, 30);

QColor Mix(const QColor& a, const QColor& b, double share) {
  return QColor::fromRgbF(float(a.redF() * (1 - share) + b.redF() * share),
                          float(a.greenF() * (1 - share) + b.greenF() * share),
                          float(a.blueF() * (1 - share) + b.blueF() * share));
}

// How many of `count` entries a cell lists: lines of `lineHeight` upwards from the one at
// `bottomLine`, the topmost still `header` or more below `cellTop` (the day number and the
// "Plus" picture stay clear). The bottom line always holds one.
int ListedEntries(int cellTop, int bottomLine, int lineHeight, int header, qsizetype count) {
  if (count <= 0) return 0;
  const int above = lineHeight > 0 ? std::max(0, (bottomLine - cellTop - header) / lineHeight) : 0;
  return int(std::min<qsizetype>(count, 1 + above));
}

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
  const bool weekend = col == 0 || col == TCalendarGrid::kColumns - 1;
  painter->save();
  QColor fill = pal.color(QPalette::Base);
  if (weekend) fill = Mix(fill, pal.color(QPalette::Window), 0.6);
  if (cell.Outside) fill = Mix(pal.color(QPalette::Window), pal.color(QPalette::Mid), 0.45);
  if (highlighted) fill = pal.color(QPalette::Highlight);
  painter->fillRect(r, fill);

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

  const QColor text = highlighted    ? pal.color(QPalette::HighlightedText)
                      : cell.Outside ? Mix(pal.color(QPalette::Text), fill, 0.4)
                                     : pal.color(QPalette::Text);
  painter->setPen(text);
  QFont bold = option.font;
  bold.setBold(true);
  const QString digits = QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0'));
  const QFontMetrics boldMetrics(bold);
  const QFontMetrics metrics(option.font);
  painter->setFont(bold);
  // Today's number stands on a badge of its own colour, picked or not.
  if (cell.Date == Today()) {
    painter->fillRect(
        QRect(left + 1, top + 1, boldMetrics.horizontalAdvance(digits) + 2, boldMetrics.height()),
        kTodayColor);
    painter->setPen(Qt::white);
  }
  painter->drawText(QPoint(left + 2, top + 1 + boldMetrics.ascent()), digits);
  painter->setPen(text);
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
  const int globeWidth = int(globe_.width() / globe_.devicePixelRatio());
  const int globeHeight = int(globe_.height() / globe_.devicePixelRatio());
  auto drawEntry = [&](const TCellEntry& entry, int y) {
    // An entry taken with Ctrl+X is shown faded until it is put down.
    const bool isCut =
        cut && cut->Date == cell.Date && cut->ReasonID == entry.ReasonID && cut->Kind == entry.Kind;
    painter->setPen(isCut ? pal.color(QPalette::Disabled, QPalette::Text) : text);
    int x = area.left();
    if (entry.Kind == TEntryKind::Global) {
      const QRect globe(x, y + (line - globeHeight) / 2, globeWidth, globeHeight);
      // The picture is made for a plain day: on a fill of another colour it keeps its own
      // ground, so that it stays visible on a picked day.
      if (fill != pal.color(QPalette::Base)) painter->fillRect(globe, pal.base());
      painter->drawPixmap(globe.topLeft(), globe_);
      x += globeWidth + 1;
    }
    const QRect textArea(x, y, area.right() - x, line);
    painter->drawText(textArea, Qt::AlignLeft | Qt::AlignVCenter,
                      metrics.elidedText(entry.Description, Qt::ElideRight, textArea.width()));
  };
  const qsizetype count = cell.Entries.size();
  const int plusWidth = int(plus_.width() / plus_.devicePixelRatio());
  const int listed =
      ListedEntries(r.top(), area.top(), line, globeHeight + 1 + boldMetrics.height(), count);
  // The entries listed, top to bottom; a cell with room for one line shows the entry a drag
  // takes, and the chosen one of the current day is never left out.
  QList<int> shown;
  for (int i = 0; i < listed; ++i) shown << i;
  if (listed == 1) shown.back() = DraggedEntryIndex(cell);
  const int chosen = current ? grid_->ChosenEntryIndex() : -1;
  if (listed > 0 && chosen >= 0 && !shown.contains(chosen)) shown.back() = chosen;
  for (int i = 0; i < shown.size(); ++i) {
    const int y = area.top() - int(shown.size() - 1 - i) * line;
    drawEntry(cell.Entries[shown[i]], y);
    // The entry Delete and Ctrl+X take, while the calendar has the focus.
    if (shown[i] == chosen && count > 1 && grid_->hasFocus()) {
      painter->setPen(QPen(text, 1, Qt::DotLine));
      painter->drawLine(area.left(), y + line, area.right(), y + line);
    }
  }
  if (listed < count) painter->drawPixmap(r.right() - 3 - plusWidth, top + 2, plus_);
  // The keyboard's place: the current day while the calendar has the focus, framed even when
  // the style frames focus only after Tab (picking with Ctrl+arrows leaves it unhighlighted).
  if (current && grid_->hasFocus()) {
    painter->setPen(QPen(text, 1, Qt::DotLine));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRect(left, top, r.right() - left - 1, r.bottom() - top - 1));
  }
  painter->restore();
}

}  // namespace absence::ui

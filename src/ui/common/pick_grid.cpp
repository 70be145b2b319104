#include "ui/common/pick_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "ui/common/app_state.h"
#include "ui/common/column_widths.h"
#include "ui/common/item_roles.h"
#include "ui/common/record_model.h"
#include "ui/common/scale.h"

namespace absence::ui {
namespace {

constexpr int kDesignRowHeight = 16;
constexpr int kPictureSize = 13;

// A cell's picture is square, as high as the cell less 2 pixels, at most its design size.
int PictureSize(int cellHeight) {
  return std::min(kPictureSize, cellHeight - 2);
}

// Where a cell's text goes: 2 pixels in from the left and 3 from the right (5 for a
// right-aligned column, which keeps numbers off the edge), after the picture and a pixel.
QRect TextRect(const QRect& cell, bool rightAligned, bool picture) {
  QRect r = cell.adjusted(2, 0, rightAligned ? -5 : -3, 0);
  if (picture) r.setLeft(r.left() + PictureSize(cell.height()) + 1);
  return r;
}

// Eliding also counts the glyphs' overhang beyond their advance, which a few pixels cover.
constexpr int kOverhang = 4;

// One line, vertically centred, 2 pixels in from the left and 3 from the right (5 for a
// right-aligned column, which keeps numbers off the edge); picked rows in the highlight colours.
// A cell's picture comes first, its bottom one pixel above the cell's, the text one pixel after.
class TPickCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool picked = option.state & QStyle::State_Selected;
    p->fillRect(option.rect, picked ? option.palette.highlight() : option.palette.base());
    p->setPen(picked ? option.palette.highlightedText().color() : option.palette.text().color());
    QFont font = option.font;
    font.setBold(index.data(Qt::FontRole).value<QFont>().bold());
    p->setFont(font);
    const Qt::Alignment alignment =
        Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt()) & Qt::AlignHorizontal_Mask;
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    const QRect r = TextRect(option.rect, alignment & Qt::AlignRight, !icon.isNull());
    if (!icon.isNull()) {
      const int size = PictureSize(option.rect.height());
      const QPixmap picture = icon.pixmap(size, size);
      const int top = option.rect.bottom() - size;  // bottom row one pixel above the cell's
      p->drawPixmap(QRect(option.rect.left() + 2, top, size, size), picture);
    }
    const QString text =
        QFontMetrics(font).elidedText(index.data().toString(), Qt::ElideRight, r.width());
    p->drawText(r, alignment | Qt::AlignVCenter | Qt::TextSingleLine, text);
  }
};

// A header one line of text high, with room around it.
class TOneLineHeader : public QHeaderView {
 public:
  explicit TOneLineHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}
  QSize sizeHint() const override {
    QSize size = QHeaderView::sizeHint();
    size.setHeight(fontMetrics().height() + 8);
    return size;
  }
};

}  // namespace

TPickGrid::TPickGrid(const QString& headerName, const QString& gridName, TRecordTableModel* records,
                     const QList<int>& designWidths, int visibleRows, QWidget* parent)
    : QTableView(parent),
      records_(records),
      designWidths_(designWidths),
      visibleRows_(visibleRows) {
  setObjectName(gridName);
  setHorizontalHeader(new TOneLineHeader(this));
  setModel(records_);
  QHeaderView* header = horizontalHeader();
  header->setObjectName(headerName);
  header->setSectionsClickable(false);
  header->setSectionsMovable(false);
  header->setHighlightSections(false);
  header->setMinimumSectionSize(0);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  verticalHeader()->hide();
  verticalHeader()->setMinimumSectionSize(1);
  verticalHeader()->setDefaultSectionSize(kDesignRowHeight);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setShowGrid(false);
  setWordWrap(false);
  setTabKeyNavigation(false);
  setItemDelegate(new TPickCellDelegate(this));
  for (int c = 0; c < designWidths_.size() && c < records_->columnCount(); ++c)
    setColumnWidth(c, designWidths_[c]);
  FitHeight();

  connect(header, &QHeaderView::sectionResized, this, [this] {
    // Widths the user drags are theirs: the rows no longer widen the columns.
    if (dragging_) defaultWidths_ = false;
    FitLastColumn();
  });
  header->viewport()->installEventFilter(this);
  // A refill keeps the picked record when it is still listed, else the row it stood on.
  connect(records_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
    keptRow_ = CurrentRow();
    keptID_ = RowID(keptRow_);
  });
  connect(records_, &QAbstractItemModel::modelReset, this, [this] {
    if (defaultWidths_) FitColumnsToRows();
    if (keptRow_ < 0 || RecordCount() == 0) {
      emit PicksChanged();
      return;
    }
    const int row = RowOf(keptID_);
    SelectRow(row >= 0 ? row : keptRow_);
  });
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, &TPickGrid::PicksChanged);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &TPickGrid::PicksChanged);
}

int TPickGrid::RecordCount() const {
  return records_->rowCount();
}

int32_t TPickGrid::RowID(int row) const {
  return static_cast<int32_t>(records_->RowID(row));
}

int TPickGrid::RowOf(int32_t id) const {
  return records_->RowOf(id);
}

int TPickGrid::CurrentRow() const {
  const QModelIndex current = currentIndex();
  return current.isValid() ? current.row() : -1;
}

void TPickGrid::SelectRow(int row) {
  if (RecordCount() == 0) return;
  row = std::clamp(row, 0, RecordCount() - 1);
  selectionModel()->setCurrentIndex(
      records_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(records_->index(row, 0));
}

bool TPickGrid::BlockMode() const {
  const int current = CurrentRow();
  const QModelIndexList picked = selectionModel()->selectedRows();
  return picked.size() != 1 || picked.front().row() != current;
}

bool TPickGrid::IsPicked(int row) const {
  return row >= 0 && row < RecordCount() && selectionModel()->isRowSelected(row, QModelIndex());
}

std::vector<int32_t> TPickGrid::PickedIDs() const {
  std::vector<int32_t> ids;
  for (int row = 0; row < RecordCount(); ++row)
    if (IsPicked(row)) ids.push_back(RowID(row));
  return ids;
}

void TPickGrid::SetBlockPicking(bool on) {
  blockPicking_ = on;
  setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

void TPickGrid::mousePressEvent(QMouseEvent* event) {
  if (blockPicking_ || event->modifiers() == Qt::NoModifier)
    return QTableView::mousePressEvent(event);
  // Without blocks a Ctrl click must not take the pick away either.
  QMouseEvent plain(event->type(), event->position(), event->scenePosition(),
                    event->globalPosition(), event->button(), event->buttons(), Qt::NoModifier);
  QTableView::mousePressEvent(&plain);
}

void TPickGrid::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete) {
    emit DeletePressed();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (!BlockMode() || RecordCount() == 0) emit RowActivated();
    return;
  }
  QTableView::keyPressEvent(event);
}

void TPickGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  if (!BlockMode() || RecordCount() == 0) emit RowActivated();
}

void TPickGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  FitLastColumn();
}

void TPickGrid::FitLastColumn() {
  int last = records_->columnCount() - 1;
  while (last >= 0 && isColumnHidden(last)) --last;
  // Until shown the viewport has no width of its own; showing resizes it.
  if (last < 0 || fitting_ || !isVisible()) return;
  fitting_ = true;
  int others = 0;
  for (int c = 0; c < last; ++c)
    if (!isColumnHidden(c)) others += columnWidth(c);
  setColumnWidth(last, std::max(0, viewport()->width() - others));
  fitting_ = false;
}

bool TPickGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == horizontalHeader()->viewport()) {
    if (event->type() == QEvent::MouseButtonPress) dragging_ = true;
    if (event->type() == QEvent::MouseButtonRelease) dragging_ = false;
  }
  return QTableView::eventFilter(watched, event);
}

QFont TPickGrid::WidestRowFont() const {
  // Any row turns bold when its record changes.
  QFont bold = font();
  bold.setBold(true);
  return bold;
}

int TPickGrid::ColumnWidthFor(const QString& text, const QFontMetrics& metrics, bool rightAligned,
                              bool picture) const {
  const QRect cell(0, 0, 0, verticalHeader()->defaultSectionSize());
  const QRect room = TextRect(cell, rightAligned, picture);
  return metrics.horizontalAdvance(text) + kOverhang + (cell.width() - room.width());
}

void TPickGrid::FitColumnToText(int column, const QString& sample) {
  const bool right = records_->ColumnAlignment(column) & Qt::AlignRight;
  const int needed = ColumnWidthFor(sample, QFontMetrics(WidestRowFont()), right, false);
  if (columnWidth(column) < needed) setColumnWidth(column, needed);
}

void TPickGrid::FitColumnsToRows() {
  const int rows = RecordCount();
  const int columns = records_->columnCount();
  int last = columns - 1;
  while (last >= 0 && isColumnHidden(last)) --last;
  if (rows == 0 || last < 0) return;
  const QFontMetrics metrics(WidestRowFont());
  int total = 2 * frameWidth();
  if (rows > visibleRows_) total += verticalScrollBar()->sizeHint().width();
  for (int c = 0; c <= last; ++c) {
    if (isColumnHidden(c)) continue;
    const bool right = records_->ColumnAlignment(c) & Qt::AlignRight;
    int needed = 0;
    for (int r = 0; r < rows; ++r) {
      const QModelIndex cell = records_->index(r, c);
      const bool picture = !cell.data(Qt::DecorationRole).value<QIcon>().isNull();
      needed = std::max(needed, ColumnWidthFor(cell.data().toString(), metrics, right, picture));
    }
    // The last column takes what the others leave: the grid makes room for it instead.
    if (c < last && columnWidth(c) < needed) setColumnWidth(c, needed);
    total += c < last ? columnWidth(c) : needed;
  }
  if (minimumWidth() < total) setMinimumWidth(total);
}

void TPickGrid::FitHeight() {
  setFixedHeight(visibleRows_ * verticalHeader()->defaultSectionSize() +
                 horizontalHeader()->sizeHint().height() + 2 * frameWidth());
}

void TPickGrid::LoadColumnWidths() {
  defaultWidths_ = !absence::ui::LoadColumnWidths(this, designWidths_);
  FitHeight();
  if (defaultWidths_) FitColumnsToRows();
}

void TPickGrid::SaveColumnWidths() const {
  absence::ui::SaveColumnWidths(this);
}

}  // namespace absence::ui

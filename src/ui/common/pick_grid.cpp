#include "ui/common/pick_grid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/common/app_state.h"
#include "ui/common/column_widths.h"
#include "ui/common/header_control.h"
#include "ui/common/scale.h"

namespace absence::ui {
namespace {

constexpr int kDesignRowHeight = 16;

// One line, vertically centred, 2 pixels in from the left and 3 from the right (5 for a
// right-aligned column, which keeps numbers off the edge); picked rows in the highlight colours.
// A cell's picture comes first, its bottom one pixel above the cell's, the text one pixel after.
class TPickCellDelegate : public QStyledItemDelegate {
 public:
  TPickCellDelegate(const TPickGrid* owner, QObject* parent)
      : QStyledItemDelegate(parent), owner_(owner) {}

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool picked = owner_->IsPicked(index.row());
    p->fillRect(option.rect, picked ? option.palette.highlight() : option.palette.base());
    p->setPen(picked ? option.palette.highlightedText().color() : option.palette.text().color());
    QFont font = option.font;
    font.setBold(index.data(Qt::FontRole).value<QFont>().bold());
    p->setFont(font);
    const Qt::Alignment alignment = owner_->ColumnAlignment(index.column());
    const bool right = alignment & Qt::AlignRight;
    QRect r = option.rect.adjusted(2, 0, right ? -5 : -3, 0);
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    if (!icon.isNull()) {
      const int size = std::min(kPictureSize, option.rect.height() - 2);
      const QPixmap picture = icon.pixmap(size, size);
      const int top = option.rect.bottom() - size;  // bottom row one pixel above the cell's
      p->drawPixmap(QRect(r.left(), top, size, size), picture);
      r.setLeft(r.left() + size + 1);
    }
    const QString text =
        QFontMetrics(font).elidedText(index.data().toString(), Qt::ElideRight, r.width());
    p->drawText(r, alignment | Qt::AlignVCenter | Qt::TextSingleLine, text);
  }

 private:
  static constexpr int kPictureSize = 13;
  const TPickGrid* owner_;
};

}  // namespace

TPickGrid::TPickGrid(const QString& headerName, const QString& gridName,
                     const QStringList& captions, const QList<int>& designWidths, int visibleRows,
                     QWidget* parent)
    : QWidget(parent) {
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  QList<int> sectionWidths;
  for (int i = 0; i < captions.size() && i < designWidths.size(); ++i)
    sectionWidths << designWidths[i] + (i == 0 ? 3 : 1);
  header_ = new THeaderControl(headerName, captions, sectionWidths);
  column->addWidget(header_);
  grid_ = new QTableWidget(1, static_cast<int>(captions.size()) + 1);
  grid_->setObjectName(gridName);
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setMinimumSectionSize(1);
  grid_->verticalHeader()->setDefaultSectionSize(kDesignRowHeight);
  grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setShowGrid(false);
  grid_->setWordWrap(false);
  grid_->setTabKeyNavigation(false);
  grid_->setItemDelegate(new TPickCellDelegate(this, grid_));
  for (int c = 0; c < grid_->columnCount() && c < designWidths.size(); ++c)
    grid_->setColumnWidth(c, designWidths[c]);
  grid_->setColumnHidden(grid_->columnCount() - 1, true);
  grid_->setProperty("visibleRows", visibleRows);
  column->addWidget(grid_);
  // The grid's height is fixed: a taller window leaves the room below it, with the header kept
  // on the grid.
  column->addStretch();
  setFocusProxy(grid_);
  grid_->viewport()->installEventFilter(this);
  grid_->installEventFilter(this);
  connect(header_, &QHeaderView::sectionResized, this,
          [this](int section, int, int newSize) { SectionResized(section, newSize); });
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (!blockMode_ && row >= 0) anchor_ = row;
    Repaint();
  });
}

void TPickGrid::Clear() {
  picks_.clear();
  blockMode_ = false;
  anchor_ = 0;
  grid_->clearContents();
  grid_->setRowCount(1);
}

void TPickGrid::AddRow(int32_t id, const QStringList& cells, bool modified) {
  const int row = RecordCount();
  grid_->setRowCount(row + 1);
  const int idColumn = grid_->columnCount() - 1;
  QFont font = grid_->font();
  font.setBold(modified);
  for (int c = 0; c < idColumn; ++c) {
    auto* item = new QTableWidgetItem(cells.value(c));
    item->setFont(font);
    grid_->setItem(row, c, item);
  }
  grid_->setItem(row, idColumn, new QTableWidgetItem(QString::number(id)));
  picks_.push_back(TBlockPickClass{});
  FitLastColumn();
}

int32_t TPickGrid::RowID(int row) const {
  if (row < 0 || row >= RecordCount()) return 0;
  return grid_->item(row, grid_->columnCount() - 1)->text().toInt();
}

int TPickGrid::RowOf(int32_t id) const {
  for (int row = 0; row < RecordCount(); ++row)
    if (RowID(row) == id) return row;
  return -1;
}

void TPickGrid::SetColumnAlignment(int column, Qt::Alignment alignment) {
  if (column < 0) return;
  if (alignments_.size() <= column) alignments_.resize(column + 1, Qt::AlignLeft);
  alignments_[column] = alignment & Qt::AlignHorizontal_Mask;
  grid_->viewport()->update();
}

Qt::Alignment TPickGrid::ColumnAlignment(int column) const {
  return column >= 0 && column < alignments_.size() ? alignments_[column] : Qt::AlignLeft;
}

int TPickGrid::CurrentRow() const {
  return grid_->currentRow();
}

void TPickGrid::SelectRow(int row) {
  row = std::clamp(row, 0, std::max(0, RecordCount() - 1));
  for (auto& p : picks_) p.Picked = false;
  blockMode_ = false;
  anchor_ = row;
  if (row < RecordCount()) picks_[static_cast<size_t>(row)].Picked = true;
  grid_->setCurrentCell(row, 0);
  Repaint();
}

bool TPickGrid::IsPicked(int row) const {
  if (row < 0 || row >= RecordCount()) return false;
  return blockMode_ ? picks_[static_cast<size_t>(row)].Picked : row == grid_->currentRow();
}

std::vector<int32_t> TPickGrid::PickedIDs() const {
  std::vector<int32_t> ids;
  for (int row = 0; row < RecordCount(); ++row)
    if (IsPicked(row)) ids.push_back(RowID(row));
  return ids;
}

void TPickGrid::MousePressed(int row, Qt::KeyboardModifiers modifiers) {
  if (row < 0 || row >= RecordCount()) return;
  if (modifiers & Qt::ShiftModifier) {
    if (!blockMode_)
      for (auto& p : picks_) p.Picked = false;
    const auto [from, to] = std::minmax(anchor_, row);
    for (int r = from; r <= to; ++r) picks_[static_cast<size_t>(r)].Picked = true;
    blockMode_ = true;
  } else if (modifiers & Qt::ControlModifier) {
    if (!blockMode_) {
      for (auto& p : picks_) p.Picked = false;
      // The row selected so far stays picked when a block starts with Ctrl.
      if (grid_->currentRow() >= 0 && grid_->currentRow() < RecordCount())
        picks_[static_cast<size_t>(grid_->currentRow())].Picked = true;
    }
    auto& p = picks_[static_cast<size_t>(row)];
    p.Picked = !p.Picked;
    blockMode_ = true;
  } else {
    for (auto& p : picks_) p.Picked = false;
    blockMode_ = false;
    anchor_ = row;
    picks_[static_cast<size_t>(row)].Picked = true;
  }
  Repaint();
}

bool TPickGrid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonPress) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton) {
      const int row = grid_->rowAt(mouse->position().toPoint().y());
      const Qt::KeyboardModifiers modifiers =
          blockPicking_ ? mouse->modifiers() : Qt::KeyboardModifiers();
      const bool block = modifiers & (Qt::ShiftModifier | Qt::ControlModifier);
      MousePressed(row, modifiers);
      // The grid's own selection follows only plain clicks; blocks are the pick objects'.
      if (block) return true;
    }
  } else if (watched == grid_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
    if (!blockMode_) emit RowActivated();
    return true;
  } else if (watched == grid_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Delete) {
      emit DeletePressed();
      return true;
    }
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !blockMode_) {
      emit RowActivated();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TPickGrid::Repaint() {
  grid_->viewport()->update();
  emit PicksChanged();
}

int TPickGrid::LastShownColumn() const {
  return header_->SectionCount() - 1;
}

void TPickGrid::FitLastColumn() {
  if (fitting_) return;
  fitting_ = true;
  const int last = LastShownColumn();
  int others = 0;
  int sections = 0;
  for (int c = 0; c < last; ++c) {
    if (!grid_->isColumnHidden(c)) others += grid_->columnWidth(c);
    sections += header_->SectionWidth(c);
  }
  const bool scrolling = grid_->rowCount() * grid_->rowHeight(0) > grid_->viewport()->height();
  const int scrollBar = scrolling ? grid_->verticalScrollBar()->sizeHint().width() : 0;
  const int viewport = grid_->width() - 2 * grid_->frameWidth() - scrollBar;
  if (last >= 0) {
    grid_->setColumnWidth(last, std::max(0, viewport - others));
    header_->SetSectionWidth(last, std::max(0, header_->width() - sections));
  }
  fitting_ = false;
}

void TPickGrid::SectionResized(int section, int newSize) {
  if (fitting_) return;
  if (section < LastShownColumn())
    grid_->setColumnWidth(section, std::max(0, newSize - (section == 0 ? 3 : 1)));
  FitLastColumn();
}

void TPickGrid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FitLastColumn();
}

void TPickGrid::FitColumnToText(int column, const QString& sample) {
  // The cell's text stands 2 pixels in from the left and 3 from the right; eliding measures the
  // glyphs' overhang too, which a few pixels more cover.
  const int needed = grid_->fontMetrics().horizontalAdvance(sample) + 5 + 4;
  if (grid_->columnWidth(column) >= needed) return;
  header_->SetSectionWidth(column, needed + (column == 0 ? 3 : 1));
  grid_->setColumnWidth(column, needed);
  FitLastColumn();
}

void TPickGrid::LoadColumnWidths() {
  fitting_ = true;
  absence::ui::LoadColumnWidths(header_, grid_);
  fitting_ = false;
  // The identifier column stays hidden whatever the stored widths say.
  grid_->setColumnHidden(grid_->columnCount() - 1, true);
  const int rows = grid_->property("visibleRows").toInt();
  grid_->setFixedHeight(rows * grid_->verticalHeader()->defaultSectionSize() + 4);
  FitLastColumn();
}

void TPickGrid::SaveColumnWidths() const {
  absence::ui::SaveColumnWidths(header_);
}

}  // namespace absence::ui

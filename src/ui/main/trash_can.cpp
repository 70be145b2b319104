#include "ui/main/trash_can.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "dates/dates.h"
#include "ui/common/hints.h"
#include "ui/common/pictures.h"

namespace absence::ui {
namespace {
constexpr int kTrashSize = 32;
}

bool HasTrashInYear(const TEntryList& entries, int year) {
  for (const auto& e : entries) {
    const int y = Year(e->EntryDate);
    if (y > year) break;
    if (y == year && e->IsDeleted() && !e->ReasonDeleted) return true;
  }
  return false;
}

TTrashCan::TTrashCan(QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("imgTrash"));
  setFixedSize(kTrashSize, kTrashSize);
  setAcceptDrops(true);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(tr("Trash"));
  SetFull(false);
}

void TTrashCan::SetFull(bool full) {
  full_ = full;
  setPixmap(ResourcePicture(full ? QStringLiteral("Trash_Full") : QStringLiteral("Trash_Empty"),
                            kTrashSize));
  SetHint(this, tr(full ? kTrashFullHint : kTrashEmptyHint));
}

void TTrashCan::dragEnterEvent(QDragEnterEvent* event) {
  dragMoveEvent(event);
}

// imgTrashDragOver: only an entry dragged from the calendar is taken.
void TTrashCan::dragMoveEvent(QDragMoveEvent* event) {
  if (DraggedEntry(event->mimeData()))
    event->acceptProposedAction();
  else
    event->ignore();
}

void TTrashCan::dropEvent(QDropEvent* event) {
  const auto entry = DraggedEntry(event->mimeData());
  if (!entry) return event->ignore();
  event->acceptProposedAction();
  emit EntryDropped(*entry);
}

void TTrashCan::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && full_) emit Opened();
}

void TTrashCan::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (event->modifiers() == Qt::NoModifier &&
      (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
    if (full_) emit Opened();
    return;
  }
  QLabel::keyPressEvent(event);
}

void TTrashCan::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  QStyleOptionFocusRect focus;
  focus.initFrom(this);
  focus.rect = rect();
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
}

}  // namespace absence::ui

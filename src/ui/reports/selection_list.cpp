#include "ui/reports/selection_list.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "reports/selection.h"
#include "ui/common/calendar_drag.h"
#include "ui/common/item_roles.h"
#include "ui/common/pictures.h"

namespace absence::ui {

TSelectionModel::TSelectionModel(QObject* parent) : QAbstractListModel(parent) {}

int TSelectionModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant TSelectionModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const reports::TSelectionItem& item = items_[static_cast<std::size_t>(index.row())];
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(item.Text);
    case kRecordIdRole:
      return qint32{item.ID};
    default:
      return {};
  }
}

void TSelectionModel::SetItems(reports::TSelection items) {
  beginResetModel();
  items_ = std::move(items);
  reports::SortSelection(items_);
  endResetModel();
}

void TSelectionModel::AddItems(const reports::TSelection& items) {
  for (const reports::TSelectionItem& item : items) {
    const auto at =
        std::upper_bound(items_.begin(), items_.end(), item, reports::SelectionTextBefore);
    const int row = static_cast<int>(at - items_.begin());
    beginInsertRows(QModelIndex(), row, row);
    items_.insert(at, item);
    endInsertRows();
  }
}

reports::TSelection TSelectionModel::TakeRows(const std::vector<int>& rows) {
  reports::TSelection taken;
  for (int r : rows) taken.push_back(items_[static_cast<std::size_t>(r)]);
  for (auto r = rows.rbegin(); r != rows.rend(); ++r) {
    beginRemoveRows(QModelIndex(), *r, *r);
    items_.erase(items_.begin() + *r);
    endRemoveRows();
  }
  return taken;
}

TSelectionList::TSelectionList(const char* name, QWidget* parent) : QListView(parent) {
  setObjectName(QString::fromLatin1(name));
  setModel(&model_);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setAcceptDrops(true);
  setDragEnabled(false);  // the drag is started here, carrying the box's name
}

std::vector<int> TSelectionList::SelectedRows() const {
  std::vector<int> rows;
  for (const QModelIndex& i : selectionModel()->selectedIndexes()) rows.push_back(i.row());
  std::sort(rows.begin(), rows.end());
  return rows;
}

reports::TSelection TSelectionList::TakeItems(bool all) {
  std::vector<int> rows;
  if (all) {
    for (int r = 0; r < Count(); ++r) rows.push_back(r);
  } else {
    rows = SelectedRows();
  }
  if (rows.empty()) return {};
  reports::TSelection taken = model_.TakeRows(rows);
  clearSelection();
  if (Count() > 0)
    selectionModel()->setCurrentIndex(model_.index(std::min(rows.front(), Count() - 1)),
                                      QItemSelectionModel::ClearAndSelect);
  return taken;
}

void TSelectionList::mousePressEvent(QMouseEvent* event) {
  dragged_ = false;
  QListView::mousePressEvent(event);
  dragArmed_ = event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid();
  pressedAt_ = event->position().toPoint();
}

void TSelectionList::mouseMoveEvent(QMouseEvent* event) {
  if (dragged_) return;
  if (!dragArmed_ || !(event->buttons() & Qt::LeftButton)) return QListView::mouseMoveEvent(event);
  if ((event->position().toPoint() - pressedAt_).manhattanLength() <
      QApplication::startDragDistance())
    return;
  dragArmed_ = false;
  dragged_ = true;
  StartDrag();
}

void TSelectionList::mouseReleaseEvent(QMouseEvent* event) {
  dragArmed_ = false;
  if (std::exchange(dragged_, false)) return;
  QListView::mouseReleaseEvent(event);
}

void TSelectionList::StartDrag() {
  const std::size_t picked = SelectedRows().size();
  if (picked == 0) return;
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kSelectionMimeType), objectName().toUtf8());
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  if (picked > 1)
    drag->setDragCursor(ResourcePicture(QStringLiteral("MultiDrag"), 32), Qt::MoveAction);
  RunDrag(drag);
}

bool TSelectionList::FromPartner(const QMimeData* mime) const {
  return partner_ && mime && mime->hasFormat(QString::fromLatin1(kSelectionMimeType)) &&
         mime->data(QString::fromLatin1(kSelectionMimeType)) == partner_->objectName().toUtf8();
}

void TSelectionList::dragEnterEvent(QDragEnterEvent* event) {
  if (!FromPartner(event->mimeData())) return event->ignore();
  event->setDropAction(Qt::MoveAction);
  event->accept();
}

void TSelectionList::dragMoveEvent(QDragMoveEvent* event) {
  if (!FromPartner(event->mimeData())) return event->ignore();
  event->setDropAction(Qt::MoveAction);
  event->accept();
}

void TSelectionList::dropEvent(QDropEvent* event) {
  if (!FromPartner(event->mimeData())) return event->ignore();
  event->setDropAction(Qt::MoveAction);
  event->accept();
  emit Dropped();
}

}  // namespace absence::ui

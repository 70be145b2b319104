#include "ui/reports/selection_list.h"

#include <QApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <algorithm>
#include <utility>

#include "ui/common/calendar_drag.h"
#include "ui/common/pictures.h"

namespace absence::ui {
namespace {

constexpr int kIDRole = Qt::UserRole;

// Sorted boxes order their items by text, ignoring case.
class TSortedItem : public QListWidgetItem {
 public:
  explicit TSortedItem(const reports::TSelectionItem& item)
      : QListWidgetItem(QString::fromStdString(item.Text)) {
    setData(kIDRole, item.ID);
  }
  bool operator<(const QListWidgetItem& other) const override {
    return text().compare(other.text(), Qt::CaseInsensitive) < 0;
  }
};

}  // namespace

TSelectionList::TSelectionList(const char* name, QWidget* parent) : QListWidget(parent) {
  setObjectName(QString::fromLatin1(name));
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSortingEnabled(true);
  setAcceptDrops(true);
  setDragEnabled(false);  // the drag is started here, carrying the box's name
}

void TSelectionList::AddItem(const reports::TSelectionItem& item) {
  addItem(new TSortedItem(item));
}

reports::TSelection TSelectionList::Items() const {
  reports::TSelection items;
  for (int r = 0; r < count(); ++r) items.push_back({item(r)->text().toStdString(), ItemID(r)});
  return items;
}

int32_t TSelectionList::ItemID(int row) const {
  return item(row)->data(kIDRole).toInt();
}

std::vector<int> TSelectionList::SelectedRows() const {
  std::vector<int> rows;
  for (const QListWidgetItem* i : selectedItems()) rows.push_back(row(i));
  std::sort(rows.begin(), rows.end());
  return rows;
}

reports::TSelection TSelectionList::TakeItems(bool all) {
  std::vector<int> rows;
  if (all) {
    for (int r = 0; r < count(); ++r) rows.push_back(r);
  } else {
    rows = SelectedRows();
  }
  reports::TSelection taken;
  if (rows.empty()) return taken;
  for (int r : rows) taken.push_back({item(r)->text().toStdString(), ItemID(r)});
  for (auto r = rows.rbegin(); r != rows.rend(); ++r) delete takeItem(*r);
  clearSelection();
  if (count() > 0)
    setCurrentRow(std::min(rows.front(), count() - 1), QItemSelectionModel::ClearAndSelect);
  return taken;
}

void TSelectionList::mousePressEvent(QMouseEvent* event) {
  dragged_ = false;
  QListWidget::mousePressEvent(event);
  dragArmed_ = event->button() == Qt::LeftButton && count() > 0 &&
               itemAt(event->position().toPoint()) != nullptr;
  pressedAt_ = event->position().toPoint();
}

void TSelectionList::mouseMoveEvent(QMouseEvent* event) {
  if (dragged_) return;
  if (!dragArmed_ || !(event->buttons() & Qt::LeftButton))
    return QListWidget::mouseMoveEvent(event);
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
  QListWidget::mouseReleaseEvent(event);
}

void TSelectionList::StartDrag() {
  if (selectedItems().isEmpty()) return;
  auto* mime = new QMimeData;
  mime->setData(QString::fromLatin1(kSelectionMimeType), objectName().toUtf8());
  auto* drag = new QDrag(this);
  drag->setMimeData(mime);
  if (selectedItems().size() > 1)
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

#pragma once
// One of the selection dialog's two list boxes: items kept in alphabetical order (ignoring
// case), several selectable, each carrying its record's identifier in kRecordIdRole. Selected
// items are dragged from one box onto its partner; the partner says so through Dropped.
#include <QAbstractListModel>
#include <QListView>
#include <cstdint>
#include <vector>

#include "reports/report.h"

namespace absence::ui {

// The items of one box: the text shown and the record's identifier, alphabetical ignoring case.
class TSelectionModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit TSelectionModel(QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

  const reports::TSelection& Items() const { return items_; }
  // Replaces every item.
  void SetItems(reports::TSelection items);
  // Each item goes to its alphabetical place, after items of equal text.
  void AddItems(const reports::TSelection& items);
  // Takes out the items at `rows` (ascending) and returns them in their order.
  reports::TSelection TakeRows(const std::vector<int>& rows);

 private:
  reports::TSelection items_;
};

class TSelectionList : public QListView {
  Q_OBJECT
 public:
  explicit TSelectionList(const char* name, QWidget* parent = nullptr);

  // The box whose drags this one takes, and that takes this one's.
  void SetPartner(TSelectionList* partner) { partner_ = partner; }

  TSelectionModel& Model() { return model_; }
  const TSelectionModel& Model() const { return model_; }
  int Count() const { return model_.rowCount(); }
  // Rows of the selected items, ascending.
  std::vector<int> SelectedRows() const;
  // Takes out the selected items (every item when `all`) and returns them in their order; the
  // item now at the first row taken, or the last one left, becomes the only one selected.
  reports::TSelection TakeItems(bool all);

 signals:
  // The partner's selected items were dropped on this box.
  void Dropped();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  bool FromPartner(const QMimeData* mime) const;
  void StartDrag();

  TSelectionModel model_;
  TSelectionList* partner_ = nullptr;
  QPoint pressedAt_;
  bool dragArmed_ = false;
  bool dragged_ = false;  // a drag ran; the button's moves until release are its own
};

// The drag's payload: the name of the box the items come from.
inline constexpr const char* kSelectionMimeType = "application/x-absence-selection";

}  // namespace absence::ui

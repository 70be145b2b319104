#pragma once
// imgTrash: the trash can on the calendar. An entry dragged from a day and dropped on it goes to
// the trash; its picture says whether the shown year holds trashed entries, and only then does
// a double click offer to restore them. It is a tab stop: Enter or Space does what the double
// click does.
#include <QLabel>

#include "data/records.h"
#include "ui/common/calendar_drag.h"

namespace absence::ui {

inline constexpr const char* kTrashEmptyHint = QT_TRANSLATE_NOOP(
    "absence::ui::TTrashCan", "Delete Absence|Drag a Absence entry to the trash can to remove it");
inline constexpr const char* kTrashFullHint = QT_TRANSLATE_NOOP(
    "absence::ui::TTrashCan",
    "Delete Absence|Drag a Absence entry to the trash can to remove it or double-click to "
    "Undelete an entry");

// Whether the date-sorted `entries` hold a trashed entry of `year` whose reason is not trashed.
bool HasTrashInYear(const TEntryList& entries, int year);

class TTrashCan : public QLabel {
  Q_OBJECT
 public:
  explicit TTrashCan(QWidget* parent = nullptr);

  void SetFull(bool full);
  bool Full() const { return full_; }

 signals:
  // An entry dragged from the calendar was dropped here.
  void EntryDropped(const absence::ui::TDraggedEntry& entry);
  // A double click (or Enter) while the trash holds something.
  void Opened();

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool full_ = false;
};

}  // namespace absence::ui

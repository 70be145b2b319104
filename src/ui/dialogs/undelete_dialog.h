#pragma once
// The restore dialog shared by every window that deletes something: it lists the trashed records
// of one kind and restores the ones the user selects.
#include <QAbstractListModel>
#include <QDialog>
#include <cstdint>
#include <vector>

#include "data/undelete.h"
#include "ui/common/dialog_buttons.h"

class QListView;

namespace absence::ui {

class TDataSession;

inline constexpr int kUnDeleteHelpContext = 1210;

// What a row of the restore list holds besides its text, for its painter and its restore.
// The row's place in its list's trash, which the restore takes (int).
inline constexpr int kTrashPositionRole = Qt::UserRole + 10;
// Entries and balances: the day (TDate), the reason's description, the hours (float).
inline constexpr int kTrashDateRole = Qt::UserRole + 11;
inline constexpr int kTrashReasonRole = Qt::UserRole + 12;
inline constexpr int kTrashHoursRole = Qt::UserRole + 13;
// Entries: a global entry (bool), drawn with the globe.
inline constexpr int kTrashGlobalRole = Qt::UserRole + 14;

// The trashed records of one kind, in their list's order, following the session's changes.
// Reasons, departments and employees carry their identifiers in kRecordIdRole.
class TTrashModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit TTrashModel(TDataSession& session, QObject* parent = nullptr);

  // Lists the trash of `mode`; balances and own entries of the employee `empID`, balances of
  // `accruals` when given (a copy the caller edits). False when that employee does not exist.
  bool Show(TUndeleteMode mode, int32_t empID, const TAccrualList* accruals = nullptr);
  // Lists the trash again from the records as they are now.
  void Refresh();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  struct TRow {
    int Position = 0;
    int32_t RecordID = 0;
    QString Name;  // reasons, departments, employees
    TDate Date = 0;
    QString Reason;
    float Hours = 0;
    bool Global = false;
  };
  std::vector<TRow> Rows() const;
  QString Text(const TRow& row) const;

  TDataSession& session_;
  TUndeleteMode mode_ = TUndeleteMode::Entries;
  int32_t empID_ = 0;
  const TAccrualList* accruals_ = nullptr;
  std::vector<TRow> rows_;
};

class TfrmUnDelete : public QDialog, public TDialogButtons {
  Q_OBJECT
 public:
  TfrmUnDelete(TDataSession& session, QWidget* parent = nullptr);

  // The kind of record; set before SetSource.
  void SetMode(TUndeleteMode mode);
  // Lists the trash of the mode's list. Balances and own entries belong to the employee `empID`.
  // False when that employee does not exist.
  bool SetSource(int32_t empID = 0);
  // Balance mode on a balance list that is not the data set's: the copy the employee dialog
  // edits until its OK. The restore changes that copy only.
  void SetAccrualSource(TAccrualList& accruals);
  // Items listed.
  int Count() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void cmdOKClick();
  void RestorePositions(const std::vector<int>& positions);

  TDataSession& session_;
  TNormalCursor cursor_;
  TUndeleteMode mode_ = TUndeleteMode::Entries;
  int32_t empID_ = 0;
  TAccrualList* accruals_ = nullptr;  // the dialog's copy, restored in place
  TTrashModel model_;
  QListView* deletedList_ = nullptr;
};

}  // namespace absence::ui

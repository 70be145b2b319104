#pragma once
// The restore dialog shared by every window that deletes something: it lists the trashed records
// of one kind and restores the ones the user selects.
#include <QDialog>
#include <cstdint>
#include <vector>

#include "data/undelete.h"

class QListWidget;

#include "ui/common/dialog_buttons.h"

namespace absence::ui {

class TDataSession;

inline constexpr int kUnDeleteHelpContext = 1210;

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

  QListWidget* lstDeleted = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void cmdOKClick();
  QString ItemText(int position) const;
  void RestorePositions(const std::vector<int>& positions);

  TDataSession& session_;
  TNormalCursor cursor_;
  TUndeleteMode mode_ = TUndeleteMode::Entries;
  int32_t empID_ = 0;
  TAccrualList* accruals_ = nullptr;     // the dialog's copy, restored in place
  const TAccrualList* shown_ = nullptr;  // the balances listed
};

}  // namespace absence::ui

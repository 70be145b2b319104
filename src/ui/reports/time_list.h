#pragma once
// The absence list: one year of an employee's entries (own entries and copies of global ones)
// or of the global entries, ordered by date or by reason, with New, Edit, Delete, Undo and
// Print. The entries are shown in the chosen order; the list itself stays in date order.
#include <functional>

#include "data/kinds.h"
#include "data/records.h"
#include "ui/common/list_window.h"

class QRadioButton;
class QSpinBox;

namespace absence::ui {

class TDataSession;
struct TRecordRow;

inline constexpr int kEmployeeAbsenceHelpContext = 410;
inline constexpr int kGlobalAbsenceHelpContext = 450;

class TfrmTimeList : public TListWindow {
  Q_OBJECT
 public:
  // `kind` Own: the entries of employee `empID`; Global: the global entries. `year` is shown
  // first.
  TfrmTimeList(TDataSession& session, TEntryKind kind, int32_t empID, int year,
               QWidget* parent = nullptr);

  int Year() const { return year_; }
  bool ByReason() const;

 protected:
  bool AnyTrashed() const override;
  void EditRecord(int32_t editID) override;
  void DeleteRecords(const std::vector<int32_t>& ids) override;
  void UndoDelete() override;
  void showEvent(QShowEvent* event) override;

 private:
  // The listed entries; empty when the employee is gone.
  const TEntryList& Entries() const;
  // Positions in the entry list, in the order shown.
  std::vector<std::size_t> ShownOrder() const;
  // One row per listed entry, its list position plus one as the identifier (0 means New).
  std::vector<TRecordRow> Rows() const;
  void OrderClicked(bool byReason);
  void YearChanged(int year);
  void PrintClicked();

  TDataSession& session_;
  TEntryKind kind_;
  int32_t empID_;
  int year_;
  QRadioButton* byDateButton_ = nullptr;
  QRadioButton* byReasonButton_ = nullptr;
  QSpinBox* yearBox_ = nullptr;
};

// The main window's List and Global commands: the window for the employee or the global
// entries, modal over `owner`.
void ShowAbsenceList(TDataSession& session, TEntryKind kind, int32_t empID, int year,
                     QWidget* owner);

}  // namespace absence::ui

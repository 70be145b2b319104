#pragma once
// The employee dialog's balance section: the employee's accrual balances in a grid with New,
// Edit, Print, Undo, Delete and Help. Balances of reasons with a policy are made by the program
// and can only be edited; the others can be added and put in the trash as well.
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "data/records.h"
#include "ui/common/list_window.h"

class QLabel;

namespace absence::ui {

class TDataSession;
class TPickGrid;
struct TRecordRow;

inline constexpr int kAccrualBalancesHelpContext = 360;

class TAccrualBalances : public QWidget {
  Q_OBJECT
 public:
  explicit TAccrualBalances(TDataSession& session, QWidget* parent = nullptr);

  // The balance list shown and edited (the employee's own, or a new employee's).
  void SetAccruals(TAccrualList& accruals);
  // The earliest as-of date a balance may get (the start date typed, today when none).
  void SetEarliestDate(std::function<TDate()> earliest) { earliest_ = std::move(earliest); }
  // The employee's last and first name as typed, for the heading of the printed balances.
  using TNames = std::pair<std::string, std::string>;
  void SetNamesAsTyped(std::function<TNames()> names) { names_ = std::move(names); }
  // Sorts the balances and lists the live ones again, the picked row kept.
  void Refresh();
  void SaveColumnWidths() const;

 private:
  // Sorts the balances and lists the live ones; `keepRow` is selected afterwards.
  void Fill(int keepRow);
  std::vector<TRecordRow> Rows() const;
  void NewClicked();
  void EditClicked();
  void DeleteClicked();
  void UndoClicked();
  void PrintClicked();
  // Delete only for a balance of a reason without a policy.
  void UpdateDeleteButton();
  // New (`index` -1) or Edit of the balance at `index`.
  void RunAccrualDialog(int index);
  TAccrualRecClass* CurrentBalance() const;

  TDataSession& session_;
  TRecordButtons buttons_;
  TPickGrid* grid_ = nullptr;
  TAccrualList* accruals_ = nullptr;
  std::function<TDate()> earliest_;
  std::function<TNames()> names_;
};

}  // namespace absence::ui

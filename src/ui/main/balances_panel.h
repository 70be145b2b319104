#pragma once
// pnlAccruals: the shown employee's balance per active reason (used, available, balance) for
// the displayed year, in a table whose column widths the user drags and the settings keep.
#include <QWidget>

#include "data/records.h"

class QLabel;
class QTableView;

namespace absence::ui {

class TBalancesModel;
class TDataSession;

class TBalancesPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TBalancesPanel(TDataSession& session, QWidget* parent = nullptr);

  // The year the figures are for.
  void SetYear(int year);
  // The balances of employee `empID` as of `date`, kept up to date as the data set changes;
  // 0 or an employee no longer there leaves the figures blank beside the reasons.
  void ShowBalances(int32_t empID, TDate date);
  // Column widths from and to the settings file.
  void LoadColumnWidths();
  void SaveColumnWidths() const;

 signals:
  // A double click or Enter on a row asks how its balance was reached.
  void ExplainRequested(int32_t reasonID, TDate asOf);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ExplainRow(int row);
  // The last column takes what the others leave.
  void FitLastColumn();

  TBalancesModel* model_ = nullptr;
  QLabel* yearLabel_ = nullptr;
  QTableView* table_ = nullptr;
  QList<int> designWidths_;
};

}  // namespace absence::ui

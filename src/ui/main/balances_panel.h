#pragma once
// pnlAccruals: the selected employee's balance per active reason (used, available, balance) for
// the displayed year, under a header whose column widths the user drags and the settings keep.
#include <QWidget>

#include "data/records.h"

class QLabel;
class QTableWidget;

namespace absence::ui {

class TDataSession;
class THeaderControl;

class TBalancesPanel : public QWidget {
  Q_OBJECT
 public:
  // Typed values beside the texts of grdBalances.
  static constexpr int kReasonIDRole = Qt::UserRole;  // column 0
  static constexpr int kValueRole = Qt::UserRole;     // columns 2 to 4, the shown number
  static constexpr int kAsOfRole = Qt::UserRole + 1;  // column 0, the date the engine is asked

  explicit TBalancesPanel(TDataSession& session, QWidget* parent = nullptr);

  // One row per active reason, figures blank.
  void LoadReasons();
  // The year the figures are for.
  void SetYear(int year);
  // Used, available and balance of `emp` as of `date`.
  void FillBalances(const TEmpRecClass& emp, TDate date);
  void ClearBalances();
  // Column widths from and to the settings file.
  void LoadColumnWidths();
  void SaveColumnWidths() const;

 signals:
  // A double click or Enter on a row asks how its balance was reached.
  void ExplainRequested(int32_t reasonID, TDate asOf);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void hdrBalancesSectionResize(int section, int oldSize, int newSize);
  // The last column takes what the others leave, less the scroll bar when it shows.
  void FitBalanceColumns();
  void grdBalancesDblClick(int row);

  TDataSession& session_;
  QLabel* lblAccrual = nullptr;
  QLabel* lblBalanceYear = nullptr;
  THeaderControl* hdrBalances = nullptr;
  QTableWidget* grdBalances = nullptr;
  bool adjustingHeader_ = false;
};

}  // namespace absence::ui

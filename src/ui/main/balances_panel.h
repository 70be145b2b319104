#pragma once
// pnlAccruals: the shown employee's balance per active reason (used, available, balance) for
// the displayed year, in a table whose column widths the user drags and the settings keep. The
// table takes the panel's height in whole rows; the figures are never cut.
#include <QWidget>

#include "data/records.h"

class QBoxLayout;
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
  // The balances of employee `empID` as of `date` (named after the year in the caption), kept
  // up to date as the data set changes; 0 or an employee no longer there leaves the figures
  // blank beside the reasons.
  void ShowBalances(int32_t empID, TDate date);
  // The panel's height when its table shows `rows` whole rows.
  int HeightForRows(int rows) const;
  // Column widths from and to the settings file. Stored widths that would hide a column or leave
  // a figure column narrower than its figures are ignored.
  void LoadColumnWidths();
  void SaveColumnWidths();

 signals:
  // A double click or Enter on a row asks how its figures on the panel's date were reached.
  void ExplainRequested(int32_t reasonID, TDate date);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ExplainRow(int row);
  // The width a column needs: for the figure columns their heading and their widest figure
  // (at least a four-digit negative one, drawn bold); the reason column shows some of its text.
  int NeededWidth(int column) const;
  // The design widths, widened where the figures need more.
  void UseDesignWidths();
  // Takes the shown widths as the wanted ones.
  void KeepWidths();
  // A divider was dragged: a figure column keeps its figures, and the columns before the last
  // give back what the last one needs.
  void SectionResized(int column);
  // The last column takes what the others leave; when that is too little for its figures, the
  // reason column (and then the year column) gives up the difference.
  void FitLastColumn();
  // The table holds as many whole rows as the panel's height allows.
  void FitRows();

  TBalancesModel* model_ = nullptr;
  QLabel* yearLabel_ = nullptr;
  QLabel* asOfLabel_ = nullptr;
  QBoxLayout* title_ = nullptr;
  QTableView* table_ = nullptr;
  QList<int> designWidths_;
  // The widths of the columns before the last as loaded or dragged; a narrow window shows the
  // reason and year columns narrower for a while, and these come back when it widens.
  QList<int> wanted_;
  bool fitting_ = false;   // the widths are being set here
  bool dragging_ = false;  // the mouse is pressed on the header: a divider may be dragged
};

}  // namespace absence::ui

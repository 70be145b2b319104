#pragma once
// The History window: the saved changes of the data folder's journal, newest first, filtered by
// employee, reason, department, kind and the days they were saved on; each row says when, who,
// what, and the values before and after. It prints the rows shown and exports them as CSV.
#include <QAbstractTableModel>
#include <QDialog>
#include <cstdint>
#include <memory>
#include <vector>

#include "data/journal.h"

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class QTableView;

namespace absence::ui {

class TDataSession;
class TDateEdit;
class TPVComboBox;

// The journal's records that pass a filter, one row each, newest first. Cell texts are made
// when a view asks for them, so a journal of 100,000 changes is shown at once. A row's
// kRecordIdRole is the record's position in the journal.
class THistoryModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum TColumn { kWhenColumn, kUserColumn, kChangeColumn, kValuesColumn, kColumnCount };

  explicit THistoryModel(QObject* parent = nullptr);

  void SetJournal(std::shared_ptr<const TJournal> journal);
  void SetFilter(const TJournalFilter& filter);
  // Dates of the When column.
  void SetDatePattern(const QString& pattern);
  const TJournal& Journal() const { return *journal_; }
  // Positions in the journal of the rows, in row order.
  const std::vector<std::size_t>& Shown() const { return shown_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  void Select();

  std::shared_ptr<const TJournal> journal_;
  TJournalFilter filter_;
  std::vector<std::size_t> shown_;
  std::string datePattern_ = "mm/dd/yyyy";
};

class TfrmHistory : public QDialog {
  Q_OBJECT
 public:
  // Reads the journal of the session's data folder. `empID` other than 0 (the employee dialog)
  // shows that employee's changes only.
  explicit TfrmHistory(const TDataSession& session, int32_t empID = 0, QWidget* parent = nullptr);

  const THistoryModel& Model() const { return *model_; }
  // The filter the boxes give.
  const TJournalFilter& Filter() const { return filter_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FillChoices(int32_t empID);
  // Reads the boxes into the filter and shows what passes it.
  void ApplyFilter();
  // A date box left: empty is an open end; a date that does not parse keeps the last one.
  void DateBoxDone(TDateEdit* box, TDate& end);
  // What the rows are filtered by, in words, for the printout.
  QString FilterWords() const;
  void UpdateCount();
  void PrintClick();
  void ExportClick();

  const TDataSession& session_;
  THistoryModel* model_ = nullptr;
  TJournalFilter filter_;
  TPVComboBox* cboEmployee_ = nullptr;
  TPVComboBox* cboReason_ = nullptr;
  TPVComboBox* cboDept_ = nullptr;
  QComboBox* cboKind_ = nullptr;
  TDateEdit* txtFrom_ = nullptr;
  TDateEdit* txtTo_ = nullptr;
  QTableView* grdHistory_ = nullptr;
  QLabel* lblCount_ = nullptr;
  QLabel* lblProblems_ = nullptr;
  QPushButton* cmdPrint_ = nullptr;
  QPushButton* cmdExport_ = nullptr;
  QDialogButtonBox* buttons_ = nullptr;
};

// Edit › History... and the employee dialog's History button: the window, modal over `owner`.
void ShowHistory(const TDataSession& session, int32_t empID, QWidget* owner);

}  // namespace absence::ui

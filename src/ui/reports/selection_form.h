#pragma once
// The selection dialog of four reports ("Choices Dialog"): which employees or departments to
// include and the report's options; Preview and Print run the report window for them.
#include <QDialog>

#include "reports/report.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace absence::ui {

class TDataSession;
class TDateEdit;
class TSelectionList;

class TfrmSelection : public QDialog {
  Q_OBJECT
 public:
  // `selection` is the caller's list, refilled from the destination list on every report.
  TfrmSelection(const TDataSession& session, reports::TSelection& selection,
                QWidget* parent = nullptr);

  // Shows the option groups of the kind (Absence, Balances, EmpInfo or Department) and fills
  // the source list.
  void Configure(reports::TReportKind kind);
  // The report's options as the dialog holds them (dates as last checked).
  reports::TReportOptions Options() const;

  QLabel* lblSource = nullptr;
  TSelectionList* lstSource = nullptr;
  QLabel* lblDestination = nullptr;
  TSelectionList* lstDestination = nullptr;
  QPushButton* IncludeBtn = nullptr;
  QPushButton* IncAllBtn = nullptr;
  QPushButton* ExcludeBtn = nullptr;
  QPushButton* ExAllBtn = nullptr;
  QGroupBox* pnlSelectFrom = nullptr;
  QRadioButton* btnEmps = nullptr;
  QRadioButton* btnDepts = nullptr;
  QCheckBox* chkNewPage = nullptr;
  QGroupBox* pnlReportType = nullptr;
  QRadioButton* btnDetail = nullptr;
  QRadioButton* btnSummary = nullptr;
  QGroupBox* pnlDates = nullptr;
  TDateEdit* txtStartDate = nullptr;
  QToolButton* spdStartDate = nullptr;
  TDateEdit* txtEndDate = nullptr;
  QToolButton* spdEndDate = nullptr;
  QGroupBox* pnlAsOfDate = nullptr;
  TDateEdit* txtAsOfDate = nullptr;
  QToolButton* spdAsOfDate = nullptr;
  QCheckBox* chkIncludeAll = nullptr;
  QGroupBox* pnlEmpInfo = nullptr;
  QCheckBox* chkEmpInfo = nullptr;
  QCheckBox* chkEmpAccruals = nullptr;
  QPushButton* cmdPreview = nullptr;
  QPushButton* cmdPrint = nullptr;
  QPushButton* cmdCancel = nullptr;
  QPushButton* cmdHelp = nullptr;

 private:
  void CreateLists();
  void CreateOptions();
  void CreateButtons();
  void FillSource();
  void SelectFromClick();
  void Move(TSelectionList* from, TSelectionList* to, bool all);
  void UpdateButtons();
  void DateExit(TDateEdit* box);
  // The date checks of the absence taken report; false after a message.
  bool DatesValid();
  void cmdReportClick(bool preview);

  const TDataSession& session_;
  reports::TSelection& selection_;
  reports::TReportKind kind_ = reports::TReportKind::Absence;
};

// The Report menu's way into the four reports: the dialog with its caption and help context for
// the kind, modal over `owner`, and the caller's selection list for its lifetime.
void RunReportSelection(const TDataSession& session, reports::TReportKind kind, QWidget* owner);
// The caption and help context the dialog gets for a kind.
QString SelectionCaption(reports::TReportKind kind);
int SelectionHelpContext(reports::TReportKind kind);

}  // namespace absence::ui

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

 private:
  void CreateLists();
  void CreateOptions();
  void CreateButtons();
  void FillSource();
  // The session's employees or departments changed under the dialog: the lists offer what is
  // there now, and the chosen items that still exist stay chosen.
  void RefreshChoices();
  reports::TSelection Choices() const;
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

  // Lists and move buttons.
  QLabel* sourceLabel_ = nullptr;
  TSelectionList* sourceList_ = nullptr;
  QLabel* destinationLabel_ = nullptr;
  TSelectionList* destinationList_ = nullptr;
  QPushButton* includeButton_ = nullptr;
  QPushButton* includeAllButton_ = nullptr;
  QPushButton* excludeButton_ = nullptr;
  QPushButton* excludeAllButton_ = nullptr;
  // Options.
  QGroupBox* selectFromGroup_ = nullptr;
  QRadioButton* employeesChoice_ = nullptr;
  QRadioButton* departmentsChoice_ = nullptr;
  QCheckBox* newPageBox_ = nullptr;
  QGroupBox* reportTypeGroup_ = nullptr;
  QRadioButton* detailChoice_ = nullptr;
  QRadioButton* summaryChoice_ = nullptr;
  QGroupBox* datesGroup_ = nullptr;
  TDateEdit* startDateBox_ = nullptr;
  QToolButton* startCalendarButton_ = nullptr;
  TDateEdit* endDateBox_ = nullptr;
  QToolButton* endCalendarButton_ = nullptr;
  QGroupBox* asOfGroup_ = nullptr;
  TDateEdit* asOfDateBox_ = nullptr;
  QToolButton* asOfCalendarButton_ = nullptr;
  QCheckBox* includeAllReasonsBox_ = nullptr;
  QGroupBox* printGroup_ = nullptr;
  QCheckBox* employeeInfoBox_ = nullptr;
  QCheckBox* accrualsBox_ = nullptr;
  // Buttons.
  QPushButton* previewButton_ = nullptr;
  QPushButton* printButton_ = nullptr;
  QPushButton* closeButton_ = nullptr;
  QPushButton* helpButton_ = nullptr;
};

// The Report menu's way into the four reports: the dialog with its caption and help context for
// the kind, modal over `owner`, and the caller's selection list for its lifetime.
void RunReportSelection(const TDataSession& session, reports::TReportKind kind, QWidget* owner);
// The caption and help context the dialog gets for a kind.
QString SelectionCaption(reports::TReportKind kind);
int SelectionHelpContext(reports::TReportKind kind);

}  // namespace absence::ui

#pragma once
// The preferences dialog: toolbar style, hour display, which employees are offered, default hours
// per entry, the start of the user-defined benefit year, and the organization name printed on
// reports. It edits a copy of the settings; the caller stores them on OK.
#include <QDialog>
#include <string>

#include "data/settings.h"
#include "ui/common/dialog_buttons.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QToolButton;

namespace absence::ui {

inline constexpr int kPreferencesHelpContext = 1220;

// What OK changed, so the main window refreshes only what it must.
struct TPreferencesChanges {
  bool Toolbar = false;          // style or border: re-arrange the toolbar
  bool EmployeeDisplay = false;  // refill the employee box
  bool Balances = false;         // hour display or benefit year: refill the balances
  bool Any() const { return Toolbar || EmployeeDisplay || Balances; }
};

class TfrmPreferences : public QDialog, public TDialogButtons {
  Q_OBJECT
 public:
  explicit TfrmPreferences(QWidget* parent = nullptr);

  // Sets every page from `s`, in the order the settings depend on each other.
  void Load(const TSettings& s);
  // Stores the dialog's values into `s`; returns what differs from before.
  TPreferencesChanges Store(TSettings& s) const;

  void SetHourFormat(THourFormat format);
  THourFormat GetHourFormat() const;
  void SetToolCaption(TToolCaption toolCaption);
  TToolCaption GetToolCaption() const;
  void SetShowButtonBorder(bool show);
  bool GetShowButtonBorder() const;
  void SetBenefitMonth(int month);
  int GetBenefitMonth() const;
  void SetBenefitDay(int day);
  int GetBenefitDay() const;
  void SetEmployeeDisplay(TEmployeeDisplay display);
  TEmployeeDisplay GetEmployeeDisplay() const;
  void SetRecordTime(TRecordTime recordTime);
  TRecordTime GetRecordTime() const;
  void SetDefaultHours(float hours);
  float GetDefaultHours() const;
  void SetOrganization(const std::string& name);
  std::string GetOrganization() const;
  void UpdateYearText();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* CreateToolBarPage();
  QWidget* CreateHourPage();
  QWidget* CreateEmployeePage();
  QWidget* CreateDefaultHoursPage();
  QWidget* CreateUserYearPage();
  QWidget* CreateOrganizationPage();
  void ShowTestButton();
  void btnHoursGroupClick();
  void AbsenceGroupClick();
  void cboMonthChange(int index);

  // The pages' controls; tests and help reach them by their object names.
  QTabWidget* nbNoteBook = nullptr;
  QRadioButton* btnPictureOnly = nullptr;
  QRadioButton* btnTextOnly = nullptr;
  QRadioButton* btnBoth = nullptr;
  QCheckBox* chkFlat = nullptr;
  QToolButton* spdTest = nullptr;
  QButtonGroup* btnHoursGroup = nullptr;
  QLineEdit* Edit1 = nullptr;
  QLineEdit* HourDisplay = nullptr;
  QButtonGroup* EmployeeGroup = nullptr;
  QLabel* lblDefault = nullptr;
  QSpinBox* UpDown1 = nullptr;
  QLineEdit* txtDefaultHours = nullptr;  // the up-down's own read-only text
  QGroupBox* AbsenceGroup = nullptr;
  QButtonGroup* AbsenceButtons = nullptr;
  QLineEdit* txtStartYear = nullptr;
  QLineEdit* txtEndYear = nullptr;
  QComboBox* cboMonth = nullptr;
  QSpinBox* UpDown2 = nullptr;
  QLineEdit* txtUserDay = nullptr;
  QLineEdit* txtOrganization = nullptr;
  QSpinBox* spnGenerations = nullptr;
  TNormalCursor cursor_;
};

// "March 1" and "February 28" for a year starting on 1 March (February always has 28 days).
QString UserYearStart(int month, int day);
QString UserYearEnd(int month, int day);

}  // namespace absence::ui

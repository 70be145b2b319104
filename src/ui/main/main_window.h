#pragma once
// The application's main window. It composes the toolbar (employee box), the calendar panel,
// the balances panel and the day list over the data session, keeps the selected employee by
// identifier, and runs the menu commands. Tests reach its controls by object name.
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <cstdint>

#include "data/settings_file.h"
#include "data/types.h"

class QLabel;
class QSplitter;
class QTimer;

namespace absence::ui {

class TBalancesPanel;
class TCalendarPanel;
class TDataSession;
class TDayList;
class TfrmSplash;
class TMainActions;
class TMainToolbar;

inline constexpr int kMainHelpContext = 1110;
inline constexpr int kLoadDelayMs = 3000;
// The split between the calendar and the panels below it, kept beside the column widths.
inline constexpr const char* kSplitterKey = "MainSettings";
// Without a stored split the panels take a fifth of the height, and at least the room for
// five balance rows.
inline constexpr int kPanelsShare = 5;
inline constexpr int kFirstBalanceRows = 5;
inline constexpr const char* kAbandonQuestion = QT_TRANSLATE_NOOP(
    "absence::ui::TfrmMain",
    "All entries and changes since the beginning of this session or since your last save will "
    "be lost.\r\rAre you sure you want to abandon all changes?");
inline constexpr const char* kNoPrinterMessage = QT_TRANSLATE_NOOP(
    "absence::ui::TfrmMain",
    "No printer has been detected on this computer, so all printing and reporting functions "
    "have been disabled.");

class TfrmMain : public QMainWindow {
  Q_OBJECT
 public:
  // `loadDelayMs`: time from creation to the data load (tests shorten it).
  explicit TfrmMain(int loadDelayMs = kLoadDelayMs, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // The data set, for the windows opened from here.
  TDataSession& Session() { return *session_; }
  // The selected employee; 0 when none.
  int32_t CurrentEmpID() const { return currentEmpID_; }

  // The splash window, released when the data set is loaded.
  void SetSplash(TfrmSplash* splash);
  // Shows the window maximised or at its stored place.
  void ShowAsStored();
  // A second copy asked for the window: restore it and bring it to the front.
  void BringToFront();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Building (main_window.cpp).
  void CreateStatusBar();
  void ConnectCommands();
  void ConnectHistory();
  void ArrangeControls();
  // The split between the calendar and the panels, from and to the settings file.
  void LoadSplitter();
  void SaveSplitter() const;
  void AppActivate(Qt::ApplicationState state);
  // Settings (main_window_settings.cpp; SettingChanged in main_window_commands.cpp).
  void ReadSettings();
  void WriteSettings();
  // Moves a window that no screen shows onto the nearest screen.
  void KeepOnScreen();
  // Follows a changed preference: the toolbar, the employee box, the hours and benefit year.
  void SettingChanged(TSettingId id);
  // Start-up, save, abandon and close (main_window_data.cpp).
  void FormActivate();
  void LoadWhenDue();
  void FormCloseQuery();
  void mnuFileSaveClick();
  void mnuFileAbandonClick();
  // A data set opened read-only says so in the title and the status bar, and cannot be saved.
  void ShowReadOnlyMark();
  // The shown employee, to find again after the lists were replaced: by identifier, and only
  // while the name is still the same (a restored or imported set may give the number to
  // someone else; two employees may share a name).
  struct TShownEmployee {
    int32_t EmpID = 0;
    QString Name;
  };
  TShownEmployee RememberEmployee() const;
  // Fills the boxes, the calendar and the day list again after the lists were replaced or
  // edited by another window; the remembered employee is selected again when still there.
  void RefreshLists(const TShownEmployee& remembered);
  // Import and export (main_window_commands.cpp).
  void mnuFileImportClick();
  void mnuFileExportClick();
  void mnuFileCalendarClick();
  void RunConvertWizard(bool import);
  // The boxes, the selection and what follows it (main_window_view.cpp).
  void LoadEmpCombo();
  void LoadReasonCombo();
  // Tells a newcomer where to start while the data set lacks reasons or employees.
  void ShowStartHint();
  void cboEmpBoxClick();
  void SelectEmployee(int32_t empID);
  void ShowEmployee();
  void ClearEmployee();
  void ShowWeeks(TDate date);
  void WeeksShown();
  void ShowDayEntries();
  void SetEmployeeCommands();
  void SetGlobalCommands();
  void spdDateClick();
  void ExplainBalance(int32_t reasonID, TDate date);
  // Help and the other small commands (main_window_commands.cpp).
  void mnuFileBackupClick();
  void mnuFileRestoreClick();
  void mnuFileSetupClick();
  void mnuEditGlobalClick();
  void mnuEditAbsenceClick();
  void mnuEditPreferencesClick();
  // The maintenance windows (main_window_maintenance.cpp).
  void mnuEditEmpClick();
  void spdEmpClick();
  // Fills the employee box again and selects `empID` when it is still listed.
  void ReselectEmployee(int32_t empID);
  void mnuEditDeptClick();
  void mnuEditReasonClick();
  void mnuFileExitClick();
  void mnuHelpContentsClick();
  void mnuHelpSearchClick();
  void mnuHelpHelpClick();
  void mnuHelpTechSupportClick();
  void mnuHelpAboutClick();
  void spdHelpClick();

  TDataSession* session_;
  TMainActions* actions_ = nullptr;
  QAction* reportMenu_ = nullptr;  // off when there is no printer
  bool listsStale_ = false;        // a change touched the records the boxes list
  TMainToolbar* toolbar_ = nullptr;
  QSplitter* splitter_ = nullptr;
  TCalendarPanel* calendar_ = nullptr;
  TBalancesPanel* balances_ = nullptr;
  TDayList* dayList_ = nullptr;
  QLabel* statusDate_ = nullptr;
  QLabel* startHint_ = nullptr;
  QTimer* loadTimer_ = nullptr;
  QPointer<TfrmSplash> splash_;

  int32_t currentEmpID_ = 0;
  bool reasonsExist_ = false;
  bool employeesExist_ = false;
  // While true, the program's active window comes to the front when the program is activated;
  // commands that open a system dialog clear it while the dialog is open.
  bool activateFront_ = true;
  bool activated_ = false;
  bool refitWhenShown_ = false;  // moved onto a screen before its frame was known
  bool closing_ = false;
};

}  // namespace absence::ui

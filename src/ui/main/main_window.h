#pragma once
// The application's main window: menus, toolbar, calendar area, balances panel, day list and
// status bar; it owns the data set from the delayed load until the program ends.
#include <QCursor>
#include <QMainWindow>
#include <QPixmap>
#include <QPointer>
#include <array>

#include "data/dataset.h"
#include "data/records.h"

class QAction;
class QFrame;
class QLabel;
class QListWidget;
class QMenu;
class QTableWidget;
class QTimer;
class QToolButton;
class QWidget;

namespace absence::ui {

class TfrmSplash;
class THeaderControl;
class TPVComboBox;

inline constexpr int kMainHelpContext = 1110;
inline constexpr int kLoadDelayMs = 3000;
inline constexpr const char* kAbandonQuestion =
    "All entries and changes since the beginning of this session or since your last save will "
    "be lost.\r\rAre you sure you want to abandon all changes?";
inline constexpr const char* kNoPrinterMessage =
    "No printer has been detected on this computer, so all printing and reporting functions "
    "have been disabled.";

class TfrmMain : public QMainWindow {
  Q_OBJECT
 public:
  // `loadDelayMs`: time from creation to the data load (tests shorten it).
  explicit TfrmMain(int loadDelayMs = kLoadDelayMs, QWidget* parent = nullptr);
  ~TfrmMain() override;

  // The splash window, released when the data set is loaded.
  void SetSplash(TfrmSplash* splash);
  // Shows the window maximised or at its stored place.
  void ShowAsStored();
  // A second copy asked for the window: restore it and bring it to the front.
  void BringToFront();

  // Settings of the initialisation file, and the toolbar they style.
  void ReadSettings();
  void WriteSettings();
  void ArrangeToolbar();

  void LoadEmpCombo();
  void LoadReasonCombo();
  void ShowWeeks(TDate date);
  void ShowDayEntries();
  void ClearPicks();

  bool DataLoaded() const { return loaded_; }
  bool LoadFailed() const { return loadFailed_; }
  TDataSet& Data() { return data_; }
  QTimer* LoadTimer() const { return Timer1; }

  // Controls, named as the windows that extend them expect.
  QWidget* pnlToolBack = nullptr;
  QLabel* lblEmp = nullptr;
  TPVComboBox* cboEmpBox = nullptr;
  QToolButton* spdAbsenceView = nullptr;
  QToolButton* spdEmp = nullptr;
  QFrame* bvlToolBar1 = nullptr;
  QToolButton* spdGlobal = nullptr;
  QFrame* bvlToolBar2 = nullptr;
  QToolButton* spdDate = nullptr;
  QToolButton* spdHelp = nullptr;
  QWidget* pnlMain = nullptr;
  TPVComboBox* cboReasonBox = nullptr;
  QLabel* lblMonth = nullptr;
  QLabel* imgTrash = nullptr;
  std::array<QLabel*, 7> lblDays{};  // lblSunday ... lblSaturday
  QTableWidget* grdCalendar = nullptr;
  QToolButton* spdCalendarUp = nullptr;
  QToolButton* spdCalendarDown = nullptr;
  QWidget* Panel1 = nullptr;
  QLabel* lblAccrual = nullptr;
  QLabel* lblBalanceYear = nullptr;
  THeaderControl* hdrBalances = nullptr;
  QTableWidget* grdBalances = nullptr;
  QLabel* lblDayViewDate = nullptr;
  QListWidget* lstViewDay = nullptr;
  QLabel* lblStatusDate = nullptr;
  QTimer* Timer1 = nullptr;

  QMenu* mnuFile = nullptr;
  QMenu* mnuEdit = nullptr;
  QMenu* mnuReport = nullptr;
  QMenu* mnuHelp = nullptr;
  QAction* mnuFileSave = nullptr;
  QAction* mnuFileAbandon = nullptr;
  QAction* mnuFileBackup = nullptr;
  QAction* mnuFileRestore = nullptr;
  QAction* mnuFileSetup = nullptr;
  QAction* mnuFileImport = nullptr;
  QAction* mnuFileExport = nullptr;
  QAction* mnuFileExit = nullptr;
  QAction* mnuEditAbsence = nullptr;
  QAction* mnuEditGlobal = nullptr;
  QAction* mnuEditEmp = nullptr;
  QAction* mnuEditDept = nullptr;
  QAction* mnuEditReason = nullptr;
  QAction* mnuEditPreferences = nullptr;
  QAction* mnuReportAbsence = nullptr;
  QAction* mnuReportBalances = nullptr;
  QAction* mnuReportEmpInfo = nullptr;
  QAction* mnuReportCalendar = nullptr;
  QAction* mnuReportDepInfo = nullptr;
  QAction* mnuHelpContents = nullptr;
  QAction* mnuHelpSearch = nullptr;
  QAction* mnuHelpHelp = nullptr;
  QAction* mnuHelpTechSupport = nullptr;
  QAction* mnuHelpTip = nullptr;
  QAction* mnuHelpBugs = nullptr;
  QAction* mnuHelpAbout = nullptr;

  // Pictures of the calendar, trash, day list and toolbar; the drag pointer.
  QPixmap bmpPlus, bmpTrashEmpty, bmpTrashFull, bmpDates, bmpGlobe, bmpHelp;
  QCursor crPointNW;
  // While true, the program's active window comes to the front when the program is activated;
  // commands that open a system dialog clear it while the dialog is open.
  bool ActivateFront = true;

  // Selection shared with the windows that extend this one.
  TEmpRecClass* CurrentEmp = nullptr;
  TEntryList* CurrentEntries = nullptr;
  bool ReasonsExist = false;
  bool EmployeesExist = false;

  // Handlers.
  void FormActivate();
  void Timer1Timer();
  void FormCloseQuery();
  void cboEmpBoxClick();
  void mnuFileSaveClick();
  void mnuFileAbandonClick();
  void mnuFileExitClick();
  void mnuHelpContentsClick();
  void mnuHelpSearchClick();
  void mnuHelpHelpClick();
  void mnuHelpTechSupportClick();
  void mnuHelpAboutClick();
  void spdHelpClick();
  void AppActivate(Qt::ApplicationState state);

  // The cell of the calendar's pick flags, column by column.
  TBlockPickClass& Pick(int col, int row) { return picks_[col * 4 + row]; }

  // Enables a command when it is available in this build and `on` is true.
  static void SetCommandEnabled(QAction* action, bool on);
  static void SetCommandEnabled(QToolButton* button, bool on);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // After a failed save at close: backs the data set up into a new file (data folder, else the
  // home folder) and returns the sentence that tells the user where.
  QString KeepUnsavedData();
  void CreateMenus();
  void CreateToolbar();
  void CreateCalendarPanel();
  void CreateBottomPanel();
  void CreateStatusBar();
  void ArrangeControls();
  void FitBalanceColumns();
  void hdrBalancesSectionResize(int section, int oldSize, int newSize);
  void SetEmployeeCommands();
  void SetGlobalCommands();
  void SelectEmployee(int index);
  void ClearEmployeeSelection();
  bool LoadData(bool reportToUser);
  TDate CellDate(int col, int row) const;

  TDataSet data_;
  TEntryList NoEntries;
  std::array<TBlockPickClass, 28> picks_{};
  bool MultiPick = false;
  bool activated_ = false;
  bool loaded_ = false;
  bool loadFailed_ = false;
  bool closing_ = false;
  bool adjustingHeader_ = false;
  QPointer<TfrmSplash> splash_;
};

}  // namespace absence::ui

// The main window's data set: the delayed load, save, abandon, closing, and the boxes and day
// list filled from the lists.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "data/backup.h"
#include "ui/common/app_state.h"
#include "ui/common/column_widths.h"
#include "ui/common/date_text.h"
#include "ui/common/header_control.h"
#include "ui/common/message_box.h"
#include "ui/common/printers.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/common/wait_cursor.h"
#include "ui/main/main_window.h"
#include "ui/main/splash.h"

namespace absence::ui {
namespace {

constexpr int kMaxWarningsShown = 8;

QString WarningsText(const TWarnings& warnings) {
  QString text = QStringLiteral(
      "Some records of the data files could not be read and were "
      "skipped or repaired:\r");
  for (std::size_t i = 0; i < warnings.size() && i < kMaxWarningsShown; ++i)
    text += u'\r' + QString::fromStdString(warnings[i]);
  return text;
}

}  // namespace

bool TfrmMain::LoadData(bool reportToUser) {
  TWarnings warnings;
  try {
    LoadDataSet(data_, App().AppFolder, &warnings);
  } catch (const std::exception& e) {
    // The data set in memory stays as it was; the files are never written from it.
    if (reportToUser)
      ShowErrorBox(QStringLiteral("The Absence data could not be read:\r\r") +
                   QString::fromStdString(e.what()));
    return false;
  }
  if (reportToUser && !warnings.empty())
    MessageBoxTitled(WarningsText(warnings), TMsgKind::Warning, mbOK);
  return true;
}

void TfrmMain::Timer1Timer() {
  Timer1->stop();
  {
    TWaitCursor wait;
    loaded_ = LoadData(true);
    loadFailed_ = !loaded_;
    LoadReasonCombo();
    LoadEmpCombo();
    SetGlobalCommands();
    ShowDayEntries();
    // Without a data set there is nothing to save, and abandoning means reading it again.
    SetCommandEnabled(mnuFileSave, loaded_);
  }
  if (splash_) splash_->deleteLater();
  splash_ = nullptr;
  QApplication::restoreOverrideCursor();
  setEnabled(true);
  if (App().NoPrinter) {
    MessageBoxTitled(QString::fromLatin1(kNoPrinterMessage), TMsgKind::Information, mbOK);
    mnuReport->setEnabled(false);
    mnuReport->menuAction()->setEnabled(false);
    mnuFileSetup->setEnabled(false);
    App().PrinterName.clear();
  } else {
    App().PrinterName = DefaultPrinterName();
  }
}

QString TfrmMain::KeepUnsavedData() {
  const QString name =
      QStringLiteral("Absence-unsaved-%1.abk")
          .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
  QString failures;
  for (const QString& folder : {QString::fromStdString(App().AppFolder), QDir::homePath()}) {
    const QString path = QDir(folder).filePath(name);
    try {
      BackupData(data_, path.toStdString());
      return QStringLiteral(
                 "\r\rYour changes were kept in the backup file \"%1\"; choose "
                 "\"Restore from Backup...\" to bring them back.")
          .arg(QDir::toNativeSeparators(path));
    } catch (const EDataFileError& e) {
      failures += u'\r' + QString::fromStdString(e.what());
    }
  }
  return QStringLiteral("\r\rYour changes could not be kept in a backup file either:") + failures;
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  FormCloseQuery();
  event->accept();
}

void TfrmMain::FormCloseQuery() {
  if (closing_) return;
  closing_ = true;
  Timer1->stop();
  SaveColumnWidths(hdrBalances, QString::fromStdString(App().IniPath));
  WriteSettings();
  // A data set that was never loaded (or failed to load) is not written: that would replace the
  // user's files with an empty or partial set.
  if (loaded_ && !loadFailed_) {
    TWaitCursor wait;
    try {
      SaveDataSet(data_, App().AppFolder, /*reload=*/false);
    } catch (const std::exception& e) {
      // The window closes all the same; the changes must not go with it.
      ShowErrorBox(QString::fromStdString(e.what()) + KeepUnsavedData());
    }
  }
  CurrentEmp = nullptr;
  CurrentEntries = &NoEntries;
  data_.Free();
  loaded_ = false;
  // Closed before the load: the splash and its wait cursor go with the window.
  if (splash_) {
    splash_->deleteLater();
    splash_ = nullptr;
    QApplication::restoreOverrideCursor();
  }
}

void TfrmMain::mnuFileSaveClick() {
  if (!loaded_ || loadFailed_) return;
  TWaitCursor wait;
  ClearPicks();
  WriteSettings();
  const int32_t selected = cboEmpBox->currentIndex() >= 0 ? cboEmpBox->CurrentID() : 0;
  CurrentEmp = nullptr;
  CurrentEntries = &NoEntries;
  try {
    SaveDataSet(data_, App().AppFolder, /*reload=*/true);
  } catch (const std::exception& e) {
    ShowErrorBox(QString::fromStdString(e.what()));
  }
  // The reload replaced every record: point the selection at the new ones.
  if (cboEmpBox->currentIndex() >= 0) {
    if (FindEmp(data_.EmpList, selected, std::string()) >= 0) {
      SelectEmployee(cboEmpBox->currentIndex());
    } else if (cboEmpBox->count() > 0) {
      cboEmpBox->setCurrentIndex(0);
      SelectEmployee(0);
    }
  }
  ShowDayEntries();
}

void TfrmMain::mnuFileAbandonClick() {
  if (MessageBoxTitled(QString::fromLatin1(kAbandonQuestion), TMsgKind::Confirmation,
                       mbYes | mbNo) != mbYes)
    return;
  TWaitCursor wait;
  ClearPicks();
  const QString remembered = cboEmpBox->currentIndex() >= 0 ? cboEmpBox->currentText() : QString();
  ReadSettings();
  CurrentEmp = nullptr;
  CurrentEntries = &NoEntries;
  if (LoadData(true)) {
    loaded_ = true;
    loadFailed_ = false;
    SetCommandEnabled(mnuFileSave, true);
  }
  LoadReasonCombo();
  LoadEmpCombo();
  SetGlobalCommands();
  ShowWeeks(CellDate(0, 0));
  const int index = remembered.isEmpty() ? -1 : cboEmpBox->findText(remembered);
  if (index >= 0) {
    cboEmpBox->setCurrentIndex(index);
    SelectEmployee(index);
  } else {
    ClearEmployeeSelection();
  }
  ShowDayEntries();
}

void TfrmMain::LoadEmpCombo() {
  QSignalBlocker block(cboEmpBox);
  cboEmpBox->clear();
  const int display = App().Settings.EmployeeDisplay;
  for (const auto& emp : data_.EmpList) {
    if (emp->Deleted) continue;
    if (display == 1 && emp->TermDate != 0) continue;
    if (display == 2 && !(emp->TermDate > 0)) continue;
    cboEmpBox->AddItem(QString::fromStdString(emp->FullName()), emp->EmpID);
  }
  cboEmpBox->setCurrentIndex(-1);
  EmployeesExist = cboEmpBox->count() > 0;
  ClearEmployeeSelection();
}

void TfrmMain::LoadReasonCombo() {
  cboReasonBox->clear();
  grdBalances->clearContents();
  grdBalances->setRowCount(1);
  int row = 0;
  for (const auto& reason : data_.ReasonList) {
    if (!reason->Active || reason->Deleted) continue;
    cboReasonBox->AddItem(QString::fromStdString(reason->Description), reason->ReasonID);
    if (row > 0) grdBalances->setRowCount(row + 1);
    QString year = QStringLiteral("Cal");
    if (reason->HasPolicy && reason->Basis == 'A') year = QStringLiteral("Anniv");
    if (reason->HasPolicy && reason->Basis != 'C' && reason->Basis != 'A')
      year = QStringLiteral("User");
    grdBalances->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(reason->Description)));
    grdBalances->setItem(row, 1, new QTableWidgetItem(year));
    grdBalances->setItem(row, 5, new QTableWidgetItem(QString::number(reason->ReasonID)));
    ++row;
  }
  FitBalanceColumns();
  if (cboReasonBox->count() > 0) cboReasonBox->setCurrentIndex(0);
  ReasonsExist = cboReasonBox->count() > 0;
}

void TfrmMain::cboEmpBoxClick() {
  const int index = cboEmpBox->currentIndex();
  if (index < 0) return;
  TWaitCursor wait;
  SelectEmployee(index);
}

void TfrmMain::SelectEmployee(int index) {
  const int found = FindEmp(data_.EmpList, cboEmpBox->ItemID(index), std::string());
  if (found < 0) {
    ClearEmployeeSelection();
    return;
  }
  CurrentEmp = data_.EmpList[found].get();
  CurrentEntries = &CurrentEmp->Entries;
  ClearPicks();
  SetEmployeeCommands();
}

void TfrmMain::ClearEmployeeSelection() {
  CurrentEmp = nullptr;
  CurrentEntries = &NoEntries;
  ClearPicks();
  SetEmployeeCommands();
}

void TfrmMain::SetEmployeeCommands() {
  const bool emp = CurrentEmp != nullptr;
  SetCommandEnabled(spdAbsenceView, emp && ReasonsExist);
  SetCommandEnabled(mnuEditAbsence, emp && ReasonsExist);
  SetCommandEnabled(spdEmp, emp);
}

void TfrmMain::SetGlobalCommands() {
  SetCommandEnabled(spdGlobal, ReasonsExist);
  SetCommandEnabled(mnuEditGlobal, ReasonsExist);
}

void TfrmMain::ShowDayEntries() {
  const int col = std::max(0, grdCalendar->currentColumn());
  const int row = std::max(0, grdCalendar->currentRow());
  const TDate date = CellDate(col, row);
  const QDate q = ToQDate(date);
  const QLocale locale = QLocale::system();
  lblDayViewDate->setText(QStringLiteral("Entries for ") +
                          locale.dayName(q.dayOfWeek(), QLocale::LongFormat) +
                          QStringLiteral(",  ") + locale.monthName(q.month(), QLocale::LongFormat) +
                          u' ' + QString::number(q.day()));
  lstViewDay->clear();
  const QIcon globe(bmpGlobe);
  for (const auto& emp : data_.EmpList) {
    if (emp->Deleted) continue;
    // Entries are kept sorted by date.
    auto it = std::lower_bound(emp->Entries.begin(), emp->Entries.end(), date,
                               [](const auto& e, TDate d) { return e->EntryDate < d; });
    for (; it != emp->Entries.end() && (*it)->EntryDate == date; ++it) {
      const TAbsenceRecClass& e = **it;
      if (!e.IsLive() || e.IsExclusion()) continue;
      const QString text = QString::fromStdString(emp->FullName() + " - " +
                                                  ReasonText(data_.ReasonList, e.ReasonID));
      auto* item = new QListWidgetItem(text, lstViewDay);
      item->setSizeHint(QSize(0, Scale(15)));
      item->setData(Qt::UserRole, QString(e.IsGlobal() ? u'G' : u'T') + text);
      if (e.IsGlobal()) item->setIcon(globe);
    }
  }
}

}  // namespace absence::ui

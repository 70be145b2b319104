// The main window from creation to close: the delayed load, the printer check, saving without a
// question, the settings file and the balance column widths.
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "data/backup.h"
#include "data/dataset.h"
#include "data/ini_file.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_text.h"
#include "ui/common/header_control.h"
#include "ui/common/help.h"
#include "ui/common/help_key.h"
#include "ui/common/help_viewer.h"
#include "ui/common/printers.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/main/main_window.h"

using namespace absence;
using namespace absence::ui;

namespace {

constexpr TDate kToday = 46364;  // Tuesday, 8 December 2026

std::unique_ptr<TfrmMain> StartMain(int delayMs = 10) {
  auto w = std::make_unique<TfrmMain>(delayMs);
  w->ShowAsStored();
  return w;
}

bool WaitForLoad(TfrmMain& w) {
  return QTest::qWaitFor([&] { return !w.Timer1->isActive() && w.isEnabled(); }, 5000);
}

// Reasons Vacation and Sick, employees Smith (current, with a vacation day today) and Jones
// (terminated), saved into the data folder.
void SaveSampleData(const std::string& folder) {
  TDataSet data;
  int32_t id = -1;
  AddReason(data.ReasonList, id, "Vacation", true, false, ' ', ' ');
  id = -1;
  AddReason(data.ReasonList, id, "Sick", true, false, ' ', ' ');
  id = -1;
  AddEmp(data.EmpList, id, "Smith", "Ann", "", kToday - 400, 0, 0, 'F');
  id = -1;
  AddEmp(data.EmpList, id, "Jones", "Bob", "", kToday - 900, kToday - 30, 0, 'F');
  TEmpRecClass& smith = *data.EmpList[FindEmp(data.EmpList, 0, "Smith, Ann")];
  AddEntry(smith.Entries, data.EmpList, data.ReasonList, data.ReasonList[0]->ReasonID, kToday, 8,
           'T');
  SaveDataSet(data, folder, false);
}

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

int ActiveHelpContextOf(QWidget* w) {
  return w->property(kHelpContextProperty).toInt();
}

QString IniValue(const test::TTempEnvironment& env, const char* section, const char* key) {
  TIniFile ini(env.IniPath().toStdString());
  ini.Load();
  return QString::fromStdString(ini.ReadString(section, key, "<none>"));
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }
  void init() { SetTodayOverride(kToday); }

  void startInAnEmptyFolderCreatesTheFourFilesAfterTheDelay() {
    test::TTempEnvironment env;
    test::TMessageBoxSpy spy;
    auto w = StartMain(300);
    QVERIFY(!w->isEnabled());
    QVERIFY(!QFile::exists(env.DataFile("emp.dat")));
    QVERIFY(!w->DataLoaded());
    QVERIFY(WaitForLoad(*w));
    QVERIFY(w->DataLoaded());
    for (const char* name : {"reason.dat", "emp.dat", "globals.dat", "dept.dat"}) {
      QVERIFY2(QFile::exists(env.DataFile(name)), name);
      QCOMPARE(QFileInfo(env.DataFile(name)).size(), qint64(0));
    }
    QVERIFY(spy.Calls().empty());
    QCOMPARE(w->cboEmpBox->count(), 0);
    QVERIFY(!w->EmployeesExist);
    QVERIFY(!w->ReasonsExist);
  }

  void theWindowHasItsMinimumSizeAndCaption() {
    test::TTempEnvironment env;
    SetScreenResolution(120);
    TfrmMain w(100000);
    QCOMPARE(w.minimumSize(), QSize(Scale(580), Scale(430)));
    QCOMPARE(w.windowTitle(), QString("Absence"));
    SetScreenResolution(96);
  }

  void noPrinterIsReportedOnceAndDisablesPrinting() {
    test::TTempEnvironment env;
    SetPrintersOverride(QStringList{});
    test::TMessageBoxSpy spy;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Text,
             QString("No printer has been detected on this computer, so all printing and "
                     "reporting functions have been disabled."));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Information);
    QVERIFY(!w->mnuReport->menuAction()->isEnabled());
    QVERIFY(!w->mnuFileSetup->isEnabled());
    QVERIFY(App().NoPrinter);
    QVERIFY(App().PrinterName.isEmpty());
    // The stored orientation survives a run without printers.
    env.WriteIni("[Initialization]\r\nPrinter=1\r\n");
    w->close();
    QCOMPARE(IniValue(env, "Initialization", "Printer"), QString("1"));
  }

  void aPrinterIsRememberedQuietly() {
    test::TTempEnvironment env;
    test::TMessageBoxSpy spy;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QVERIFY(spy.Calls().empty());
    QCOMPARE(App().PrinterName, QString("PDF file"));
    QVERIFY(!App().NoPrinter);
  }

  void theLoadedListsFillTheBoxesAndTheDayList() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QCOMPARE(w->cboEmpBox->count(), 2);
    QCOMPARE(w->cboEmpBox->currentIndex(), -1);
    QCOMPARE(w->cboReasonBox->count(), 2);
    QCOMPARE(w->grdBalances->rowCount(), 2);
    // The reason list is kept in description order.
    QCOMPARE(w->grdBalances->item(0, 0)->text(), QString("Sick"));
    QCOMPARE(w->grdBalances->item(1, 0)->text(), QString("Vacation"));
    QCOMPARE(w->grdBalances->item(0, 1)->text(), QString("Cal"));
    QVERIFY(w->ReasonsExist && w->EmployeesExist);
    QCOMPARE(w->lstViewDay->count(), 1);
    QCOMPARE(w->lstViewDay->item(0)->text(), QString("Smith, Ann - Vacation"));
    QVERIFY(w->lblDayViewDate->text().startsWith("Entries for "));
    QCOMPARE(w->lblBalanceYear->text(), QString("2026"));
    QCOMPARE(w->grdCalendar->item(0, 0)->text(), QString("12/06/2026"));
    QCOMPARE(w->grdCalendar->currentColumn(), 2);

    w->cboEmpBox->setCurrentIndex(w->cboEmpBox->findText("Smith, Ann"));
    w->cboEmpBoxClick();
    QVERIFY(w->CurrentEmp);
    QCOMPARE(QString::fromStdString(w->CurrentEmp->FullName()), QString("Smith, Ann"));
    QCOMPARE(w->CurrentEntries, &w->CurrentEmp->Entries);
  }

  void employeeDisplayFiltersTheEmployeeBox_data() {
    QTest::addColumn<int>("display");
    QTest::addColumn<QStringList>("listed");
    QTest::newRow("all") << 0 << QStringList{"Smith, Ann", "Jones, Bob"};
    QTest::newRow("current") << 1 << QStringList{"Smith, Ann"};
    QTest::newRow("former") << 2 << QStringList{"Jones, Bob"};
  }
  void employeeDisplayFiltersTheEmployeeBox() {
    QFETCH(int, display);
    QFETCH(QStringList, listed);
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    env.WriteIni(QString("[Initialization]\r\nEmployeeDisplay=%1\r\n").arg(display));
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QStringList shown;
    for (int i = 0; i < w->cboEmpBox->count(); ++i) shown << w->cboEmpBox->itemText(i);
    shown.sort();
    listed.sort();
    QCOMPARE(shown, listed);
  }

  void closingWritesTheDataSetWithoutAQuestion() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    test::TMessageBoxSpy spy;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    int32_t id = -1;
    AddDept(w->Data().DeptList, id, "Sales", 0, true, "S1");
    w->close();
    QVERIFY(spy.Calls().empty());
    TDataSet back;
    LoadDataSet(back, App().AppFolder);
    QCOMPARE(back.DeptList.size(), size_t(1));
    QCOMPARE(back.DeptList[0]->DeptName, std::string("Sales"));
    QCOMPARE(back.ReasonList.size(), size_t(2));
    QCOMPARE(back.EmpList.size(), size_t(2));
    QVERIFY(!QFile::exists(env.DataFile("dept.tmp")));
  }

  void aFailedSaveAtCloseKeepsTheChangesInABackup() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    const QByteArray before = FileBytes(env.DataFile("emp.dat"));
    test::TMessageBoxSpy spy;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    int32_t id = -1;
    AddDept(w->Data().DeptList, id, "Sales", 0, true, "S1");
    // A folder where a temporary file belongs makes the save fail.
    QVERIFY(QDir().mkdir(env.DataFile("dept.tmp")));
    w->close();
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Error);
    QCOMPARE(FileBytes(env.DataFile("emp.dat")), before);
    const QStringList kept =
        QDir(env.DataFolder()).entryList({QStringLiteral("Absence-unsaved-*.abk")}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY(spy.Calls()[0].Text.contains(kept[0]));
    TDataSet restored;
    RestoreData(restored, QDir(env.DataFolder()).filePath(kept[0]).toStdString());
    QCOMPARE(restored.DeptList.size(), size_t(1));
    QCOMPARE(restored.EmpList.size(), size_t(2));
  }

  void closingBeforeTheLoadWritesNoData() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    const QByteArray before = FileBytes(env.DataFile("emp.dat"));
    auto w = StartMain(100000);
    w->close();
    QCOMPARE(FileBytes(env.DataFile("emp.dat")), before);
    QVERIFY(!w->LoadTimer()->isActive());
  }

  void aFailedLoadIsReportedAndNeverWrittenBack() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    const QByteArray reasons = FileBytes(env.DataFile("reason.dat"));
    // A folder where a data file belongs cannot be read.
    QFile::remove(env.DataFile("globals.dat"));
    QVERIFY(QDir().mkdir(env.DataFile("globals.dat")));
    test::TMessageBoxSpy spy;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QVERIFY(w->LoadFailed());
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Error);
    QVERIFY(spy.Calls()[0].Text.startsWith("The Absence data could not be read:"));
    QVERIFY(spy.Calls()[0].Text.contains("globals.dat"));
    QVERIFY(!w->mnuFileSave->isEnabled());
    QCOMPARE(w->cboEmpBox->count(), 0);
    w->close();
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(FileBytes(env.DataFile("reason.dat")), reasons);
    QVERIFY(!QFile::exists(env.DataFile("reason.tmp")));
    QVERIFY(QFileInfo(env.DataFile("globals.dat")).isDir());
  }

  void saveCurrentChangesWritesAndKeepsTheEmployee() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    test::TMessageBoxSpy spy;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    w->cboEmpBox->setCurrentIndex(w->cboEmpBox->findText("Jones, Bob"));
    w->cboEmpBoxClick();
    int32_t id = -1;
    AddReason(w->Data().ReasonList, id, "Jury Duty", true, false, ' ', ' ');
    w->mnuFileSave->trigger();
    QVERIFY(spy.Calls().empty());
    TDataSet back;
    LoadDataSet(back, App().AppFolder);
    QCOMPARE(back.ReasonList.size(), size_t(3));
    QVERIFY(w->CurrentEmp);
    QCOMPARE(QString::fromStdString(w->CurrentEmp->FullName()), QString("Jones, Bob"));
    QCOMPARE(w->CurrentEmp, w->Data().EmpList[FindEmp(w->Data().EmpList, 0, "Jones, Bob")].get());
    QCOMPARE(IniValue(env, "Initialization", "HourFormat"), QString("#,##0.0"));
  }

  void abandonAsksAndRereadsOnlyOnYes() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    test::TMessageBoxSpy spy;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    w->cboEmpBox->setCurrentIndex(w->cboEmpBox->findText("Smith, Ann"));
    w->cboEmpBoxClick();
    int32_t id = -1;
    AddReason(w->Data().ReasonList, id, "Jury Duty", true, false, ' ', ' ');

    spy.Answer(mbNo);
    w->mnuFileAbandon->trigger();
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Text,
             QString("All entries and changes since the beginning of this session or since your "
                     "last save will be lost.\r\rAre you sure you want to abandon all changes?"));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Confirmation);
    QCOMPARE(spy.Calls()[0].Buttons, TMsgButtons(mbYes | mbNo));
    QCOMPARE(w->Data().ReasonList.size(), size_t(3));

    spy.Answer(mbYes);
    w->mnuFileAbandon->trigger();
    QCOMPARE(w->Data().ReasonList.size(), size_t(2));
    QCOMPARE(w->cboEmpBox->currentText(), QString("Smith, Ann"));
    QVERIFY(w->CurrentEmp);
    QCOMPARE(QString::fromStdString(w->CurrentEmp->FullName()), QString("Smith, Ann"));
  }

  void firstRunDefaultsAreWrittenAtClose() {
    test::TTempEnvironment env;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QVERIFY(w->windowState() & Qt::WindowMaximized);
    const TSettings& s = App().Settings;
    QCOMPARE(s.HourFormat, std::string("#,##0.0"));
    QCOMPARE(s.ToolCaption, 2);
    QVERIFY(!s.ShowButtonBorder);
    QCOMPARE(s.DefaultHours, 8.0f);
    QCOMPARE(w->spdHelp->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(w->spdHelp->autoRaise());
    w->close();
    const QString ini = env.ReadIni();
    const QStringList order = {"HourFormat=#,##0.0", "BenefitMonth=1",    "BenefitDay=1",
                               "ListOrder=0",        "FontSettings=96",   "Printer=0",
                               "ShowButtonBorder=0", "ToolCaption=2",     "EmployeeDisplay=0",
                               "RecordTime=0",       "DefaultHours=8.00", "StartupState=0"};
    qsizetype at = 0;
    for (const QString& line : order) {
      const qsizetype found = ini.indexOf(line + "\r\n", at);
      QVERIFY2(found >= 0, qPrintable(line));
      at = found;
    }
    QCOMPARE(IniValue(env, "Initialization", "AppPath"),
             QString::fromStdString(App().AppFolder).chopped(1));
  }

  void outOfRangeSettingsAreRepaired() {
    test::TTempEnvironment env;
    env.WriteIni(
        "[Initialization]\r\nToolCaption=9\r\nBenefitMonth=0\r\nBenefitDay=40\r\n"
        "EmployeeDisplay=5\r\nHourFormat=junk\r\nStartupState=1,2\r\nDefaultHours=0\r\n"
        "RecordTime=1\r\nShowButtonBorder=1\r\n");
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    const TSettings& s = App().Settings;
    QCOMPARE(s.ToolCaption, 2);
    QCOMPARE(s.BenefitMonth, 1);
    QCOMPARE(s.BenefitDay, 1);
    QCOMPARE(s.EmployeeDisplay, 2);
    QCOMPARE(s.HourFormat, std::string("#,##0.00"));
    QCOMPARE(s.DefaultHours, 1.0f);
    QVERIFY(!w->spdHelp->autoRaise());
    QVERIFY(w->windowState() & Qt::WindowMaximized);
    w->close();
    QCOMPARE(IniValue(env, "Initialization", "ToolCaption"), QString("2"));
    QCOMPARE(IniValue(env, "Initialization", "BenefitDay"), QString("1"));
    QCOMPARE(IniValue(env, "Initialization", "DefaultHours"), QString("1.00"));
  }

  void toolbarStylesFromTheSettings_data() {
    QTest::addColumn<int>("caption");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("height");
    QTest::newRow("pictures") << 0 << int(Qt::ToolButtonIconOnly) << 27;
    QTest::newRow("text") << 1 << int(Qt::ToolButtonTextOnly) << 27;
    QTest::newRow("both") << 2 << int(Qt::ToolButtonTextUnderIcon) << 40;
  }
  void toolbarStylesFromTheSettings() {
    QFETCH(int, caption);
    QFETCH(int, style);
    QFETCH(int, height);
    test::TTempEnvironment env;
    env.WriteIni(QString("[Initialization]\r\nToolCaption=%1\r\n").arg(caption));
    TfrmMain w(100000);
    for (QToolButton* b : {w.spdAbsenceView, w.spdEmp, w.spdGlobal, w.spdDate, w.spdHelp}) {
      QCOMPARE(int(b->toolButtonStyle()), style);
      QCOMPARE(b->height(), Scale(height));
    }
  }

  void aStoredPlaceIsRestored() {
    test::TTempEnvironment env;
    env.WriteIni("[Initialization]\r\nStartupState=40,30,700,500\r\n");
    auto w = StartMain();
    QVERIFY(!(w->windowState() & Qt::WindowMaximized));
    QCOMPARE(w->size(), QSize(700, 500));
    QVERIFY(WaitForLoad(*w));
    w->resize(720, 520);
    w->close();
    const QStringList parts = IniValue(env, "Initialization", "StartupState").split(',');
    QCOMPARE(parts.size(), 4);
    QCOMPARE(parts[2], QString("720"));
    QCOMPARE(parts[3], QString("520"));
  }

  void balanceColumnWidthsAreSavedAndRestored() {
    test::TTempEnvironment env;
    {
      auto w = StartMain();
      QVERIFY(WaitForLoad(*w));
      w->hdrBalances->SetSectionWidth(0, 180);
      QCOMPARE(w->grdBalances->columnWidth(0), 177);
      w->close();
    }
    const QStringList stored = IniValue(env, "Absence", "BalancesSettings").split(',');
    QCOMPARE(stored.size(), 5);
    QCOMPARE(stored[0], QString("180"));
    auto w = StartMain();
    QCOMPARE(w->hdrBalances->SectionWidth(0), 180);
    QCOMPARE(w->grdBalances->columnWidth(0), 177);
    QVERIFY(w->grdBalances->isColumnHidden(5));
  }

  void aResolutionChangeResetsTheColumnWidths() {
    test::TTempEnvironment env;
    env.WriteIni(
        "[Initialization]\r\nFontSettings=96\r\n[Absence]\r\nBalancesSettings=180,30,30,30,30\r\n"
        "EmployeeSettings=50,50\r\nUnrelated=1\r\n");
    SetScreenResolution(120);
    TfrmMain w(100000);
    QCOMPARE(w.grdBalances->columnWidth(0), Scale(153));
    QCOMPARE(w.hdrBalances->SectionWidth(0), Scale(153) + 3);
    QCOMPARE(IniValue(env, "Absence", "BalancesSettings"), QString("<none>"));
    QCOMPARE(IniValue(env, "Absence", "EmployeeSettings"), QString("<none>"));
    QCOMPARE(IniValue(env, "Absence", "Unrelated"), QString("1"));
    SetScreenResolution(96);
  }

  void menusCarryEveryCommand() {
    test::TTempEnvironment env;
    TfrmMain w(100000);
    auto captions = [](QMenu* m) {
      QStringList c;
      for (QAction* a : m->actions())
        if (!a->isSeparator()) c << a->text();
      return c;
    };
    QCOMPARE(captions(w.mnuFile),
             (QStringList{"&Save Current Changes", "&Abandon All Changes", "&Backup Data...",
                          "&Restore from Backup...", "&Printer Setup...", "&Import Data...",
                          "&Export Data...", "E&xit"}));
    QCOMPARE(captions(w.mnuEdit),
             (QStringList{"&Absence Entries...", "&Global Absence Entries...", "&Employees...",
                          "&Departments...", "Absence &Reasons...", "&Preferences..."}));
    QCOMPARE(captions(w.mnuReport),
             (QStringList{"&Absence Taken...", "Absence &Balances...", "Employee &Information...",
                          "&Month Calendar...", "&Department Information..."}));
    QCOMPARE(captions(w.mnuHelp),
             (QStringList{"&Contents", "&Search for Help On...", "&How to Use Help",
                          "&Technical Support", "Tip of the &Day...", "&Reporting Problems...",
                          "&About Absence..."}));
    QVERIFY(!w.mnuHelpTip->isVisible() && !w.mnuHelpBugs->isVisible());
    QCOMPARE(w.spdGlobal->statusTip(),
             QString("Click to add a Absence entry for all active employees"));
    QCOMPARE(w.spdGlobal->toolTip(), QString("Global Entry"));
    for (QToolButton* b : {w.spdAbsenceView, w.spdEmp, w.spdGlobal}) QVERIFY(!b->isEnabled());
  }

  void helpCommandsOpenTheirTopics() {
    test::TTempEnvironment env;
    TfrmMain w(100000);
    const std::pair<QAction*, const char*> commands[] = {
        {w.mnuHelpContents, "Contents"},
        {w.mnuHelpHelp, "How_To_Use_Help"},
        {w.mnuHelpTechSupport, "Technical_Support"},
    };
    for (const auto& [action, topic] : commands) {
      action->trigger();
      QCOMPARE(TfrmHelp::Instance()->CurrentTopic()->Name, QString(topic));
    }
    w.spdHelp->click();
    QCOMPARE(TfrmHelp::Instance()->CurrentTopic()->Name, QString("Main_Screen"));
    w.mnuHelpSearch->trigger();
    QVERIFY(TfrmHelp::Instance()->isVisible());
    TfrmHelp::Instance()->close();
    QCOMPARE(ActiveHelpContextOf(&w), 1110);
  }

  void aSecondCopyBringsTheWindowBack() {
    test::TTempEnvironment env;
    TfrmMain w(100000);
    w.show();
    w.setWindowState(Qt::WindowMinimized);
    w.BringToFront();
    QVERIFY(!(w.windowState() & Qt::WindowMinimized));
    QVERIFY(w.isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

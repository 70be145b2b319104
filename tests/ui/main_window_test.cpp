// The main window from creation to close: the delayed load, the printer check, saving without a
// question, the settings file and the balance column widths.
#include <sys/wait.h>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cstdio>
#include <memory>

#include "data/backup.h"
#include "data/dataset.h"
#include "data/generations.h"
#include "data/ini_file.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_text.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/help.h"
#include "ui/common/help_key.h"
#include "ui/common/help_viewer.h"
#include "ui/common/printers.h"
#include "ui/common/pv_combo_box.h"
#include "ui/common/scale.h"
#include "ui/main/main_window.h"
#include "ui/main/splash.h"
#include "ui/session/data_session.h"

using namespace absence;
using namespace absence::ui;

namespace {

constexpr TDate kToday = 46364;  // Tuesday, 8 December 2026

template <typename T>
T* Find(QObject* w, const char* name) {
  T* child = w->findChild<T*>(QString::fromLatin1(name));
  if (!child) qFatal("no control named %s", name);
  return child;
}

QAction* Command(QObject* w, const char* name) {
  return Find<QAction>(w, name);
}

std::unique_ptr<TfrmMain> StartMain(int delayMs = 10) {
  auto w = std::make_unique<TfrmMain>(delayMs);
  w->ShowAsStored();
  return w;
}

bool WaitForLoad(TfrmMain& w) {
  QTimer* timer = Find<QTimer>(&w, "Timer1");
  return QTest::qWaitFor([&] { return !timer->isActive() && w.isEnabled(); }, 5000);
}

// Reasons Vacation and Sick, employees Smith (current, with a vacation day today) and Jones
// (terminated), saved into the data folder.
void SaveSampleData(const std::string& folder) {
  TDataSet data;
  AddReason(data.ReasonList, "Vacation", true, false, TBasis::None, TValidate::None);
  AddReason(data.ReasonList, "Sick", true, false, TBasis::None, TValidate::None);
  AddEmp(data.EmpList, "Smith", "Ann", "", kToday - 400, 0, 0, 'F');
  AddEmp(data.EmpList, "Jones", "Bob", "", kToday - 900, kToday - 30, 0, 'F');
  TEmpRecClass& smith = *data.EmpList[FindEmp(data.EmpList, 0, "Smith, Ann")];
  AddEntry(smith.Entries, data.EmpList, data.ReasonList, data.ReasonList[0]->ReasonID, kToday, 8,
           TEntryKind::Own);
  SaveDataSet(data, folder, false);
}

// Runs absence-cli with `args`; its exit status and what it wrote to both streams.
std::pair<int, std::string> RunCliCommand(const std::string& args) {
  std::string command = ABSENCE_CLI;
  command.append(" ").append(args).append(" 2>&1");
  FILE* p = ::popen(command.c_str(), "r");
  std::string out;
  char buf[4096];
  std::size_t n;
  while (p && (n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
  const int raw = p ? ::pclose(p) : -1;
  return {raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out};
}

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

int ActiveHelpContextOf(QWidget* w) {
  return w->property(kHelpContextProperty).toInt();
}

QTableView* Balances(QObject* w) {
  return Find<QTableView>(w, "grdBalances");
}

QString Cell(const QAbstractItemView* view, int row, int column) {
  return view->model()->index(row, column).data().toString();
}

QComboBox* EmpBox(QObject* w) {
  return Find<QComboBox>(w, "cboEmpBox");
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
    QVERIFY(!w->Session().Loaded());
    QVERIFY(WaitForLoad(*w));
    QVERIFY(w->Session().Loaded());
    for (const char* name : {"reason.dat", "emp.dat", "globals.dat", "dept.dat"}) {
      QVERIFY2(QFile::exists(env.DataFile(name)), name);
      QCOMPARE(QFileInfo(env.DataFile(name)).size(), qint64(0));
    }
    QVERIFY(spy.Calls().empty());
    QCOMPARE(EmpBox(w.get())->count(), 0);
    QCOMPARE(Find<QComboBox>(w.get(), "cboReasonBox")->count(), 0);
    QVERIFY(!Find<QToolButton>(w.get(), "spdGlobal")->isEnabled());
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
    spy.Answer(mbOK);
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Text,
             QString("No printer has been detected on this computer, so all printing and "
                     "reporting functions have been disabled."));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Information);
    QVERIFY(!Find<QMenu>(w.get(), "mnuReport")->menuAction()->isEnabled());
    QVERIFY(!Command(w.get(), "mnuFileSetup")->isEnabled());
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
    QCOMPARE(EmpBox(w.get())->count(), 2);
    QCOMPARE(EmpBox(w.get())->currentIndex(), -1);
    QCOMPARE(Find<QComboBox>(w.get(), "cboReasonBox")->count(), 2);
    QTableView* balances = Balances(w.get());
    QCOMPARE(balances->model()->rowCount(), 2);
    // The reason list is kept in description order.
    QCOMPARE(Cell(balances, 0, 0), QString("Sick"));
    QCOMPARE(Cell(balances, 1, 0), QString("Vacation"));
    QCOMPARE(Cell(balances, 0, 1), QString("Cal"));
    auto* day = Find<QListView>(w.get(), "lstViewDay");
    QCOMPARE(day->model()->rowCount(), 1);
    QCOMPARE(Cell(day, 0, 0), QString("Smith, Ann - Vacation"));
    QVERIFY(Find<QLabel>(w.get(), "lblDayViewDate")->text().startsWith("Entries for "));
    QCOMPARE(Find<QLabel>(w.get(), "lblBalanceYear")->text(), QString("2026"));
    auto* calendar = Find<QTableWidget>(w.get(), "grdCalendar");
    QCOMPARE(calendar->item(0, 0)->text(), QString("12/06/2026"));
    QCOMPARE(calendar->currentColumn(), 2);
    QCOMPARE(calendar->item(0, 2)->text(), QString("12/08/2026"));

    QVERIFY(test::ChooseByKeys(EmpBox(w.get()), "Smith, Ann"));
    const TEmpRecClass* shown = w->Session().Employee(w->CurrentEmpID());
    QVERIFY(shown);
    QCOMPARE(QString::fromStdString(shown->FullName()), QString("Smith, Ann"));
    // The calendar shows her entries.
    QCOMPARE(calendar->item(0, 2)->text(), QString("12/08/2026TVacation"));
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
    for (int i = 0; i < EmpBox(w.get())->count(); ++i) shown << EmpBox(w.get())->itemText(i);
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
    AddDept(absence::ui::test::TestData(w->Session()).DeptList, "Sales", 0, true, "S1");
    w->close();
    QVERIFY(spy.Calls().empty());
    TDataSet back;
    LoadDataSet(back, App().AppFolder);
    QCOMPARE(back.DeptList.size(), size_t(1));
    QCOMPARE(back.DeptList[0]->DeptName, std::string("Sales"));
    QCOMPARE(back.ReasonList.size(), size_t(2));
    QCOMPARE(back.EmpList.size(), size_t(2));
    QVERIFY(!QFile::exists(env.DataFile(SaveTempName("dept.dat.tmp").c_str())));
  }

  void aFailedSaveAtCloseKeepsTheChangesInABackup() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    const QByteArray before = FileBytes(env.DataFile("emp.dat"));
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    AddDept(absence::ui::test::TestData(w->Session()).DeptList, "Sales", 0, true, "S1");
    // A folder where a temporary file belongs makes the save fail.
    QVERIFY(QDir().mkdir(env.DataFile(SaveTempName("dept.dat.tmp").c_str())));
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
    QVERIFY(!Find<QTimer>(w.get(), "Timer1")->isActive());
  }

  void aFailedLoadIsReportedAndNeverWrittenBack() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    const QByteArray reasons = FileBytes(env.DataFile("reason.dat"));
    // A folder where a data file belongs cannot be read.
    QFile::remove(env.DataFile("globals.dat"));
    QVERIFY(QDir().mkdir(env.DataFile("globals.dat")));
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QVERIFY(!w->Session().Loaded());
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Error);
    QVERIFY(spy.Calls()[0].Text.startsWith("The Absence data could not be read:"));
    QVERIFY(spy.Calls()[0].Text.contains("globals.dat"));
    QVERIFY(!Command(w.get(), "mnuFileSave")->isEnabled());
    QCOMPARE(EmpBox(w.get())->count(), 0);
    w->close();
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(FileBytes(env.DataFile("reason.dat")), reasons);
    QVERIFY(!QFile::exists(env.DataFile(SaveTempName("reason.dat.tmp").c_str())));
    QVERIFY(QFileInfo(env.DataFile("globals.dat")).isDir());
  }

  void saveCurrentChangesWritesAndKeepsTheEmployee() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    test::TMessageBoxSpy spy;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QVERIFY(test::ChooseByKeys(EmpBox(w.get()), "Jones, Bob"));
    const int32_t jones = w->CurrentEmpID();
    QVERIFY(jones > 0);
    AddReason(absence::ui::test::TestData(w->Session()).ReasonList, "Jury Duty", true, false,
              TBasis::None, TValidate::None);
    QSignalSpy reloaded(&w->Session(), &TDataSession::Reloaded);
    Command(w.get(), "mnuFileSave")->trigger();
    QVERIFY(spy.Calls().empty());
    QCOMPARE(reloaded.count(), 1);
    TDataSet back;
    LoadDataSet(back, App().AppFolder);
    QCOMPARE(back.ReasonList.size(), size_t(3));
    // The selection is the same employee among the records read back.
    QCOMPARE(w->CurrentEmpID(), jones);
    const TEmpRecClass* shown = w->Session().Employee(w->CurrentEmpID());
    QVERIFY(shown);
    QCOMPARE(QString::fromStdString(shown->FullName()), QString("Jones, Bob"));
    QCOMPARE(EmpBox(w.get())->currentText(), QString("Jones, Bob"));
    QCOMPARE(IniValue(env, "Initialization", "HourFormat"), QString("#,##0.0"));
  }

  void abandonAsksAndRereadsOnlyOnYes() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    test::TMessageBoxSpy spy;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QVERIFY(test::ChooseByKeys(EmpBox(w.get()), "Smith, Ann"));
    AddReason(absence::ui::test::TestData(w->Session()).ReasonList, "Jury Duty", true, false,
              TBasis::None, TValidate::None);

    spy.Answer(mbNo);
    Command(w.get(), "mnuFileAbandon")->trigger();
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Text,
             QString("All entries and changes since the beginning of this session or since your "
                     "last save will be lost.\r\rAre you sure you want to abandon all changes?"));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Confirmation);
    QCOMPARE(spy.Calls()[0].Buttons, TMsgButtons(mbYes | mbNo));
    QCOMPARE(absence::ui::test::TestData(w->Session()).ReasonList.size(), size_t(3));

    spy.Answer(mbYes);
    Command(w.get(), "mnuFileAbandon")->trigger();
    QCOMPARE(absence::ui::test::TestData(w->Session()).ReasonList.size(), size_t(2));
    QCOMPARE(EmpBox(w.get())->currentText(), QString("Smith, Ann"));
    const TEmpRecClass* shown = w->Session().Employee(w->CurrentEmpID());
    QVERIFY(shown);
    QCOMPARE(QString::fromStdString(shown->FullName()), QString("Smith, Ann"));
  }

  // Of two employees with one name, the one shown stays shown when the lists are read again.
  void abandonKeepsTheShownOneOfTwoNamesakes() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    TDataSet data;
    LoadDataSet(data, App().AppFolder);
    AddEmp(data.EmpList, "Smith", "Ann", "", kToday - 100, 0, 0, 'F');
    SaveDataSet(data, App().AppFolder, false);
    test::TMessageBoxSpy spy;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QComboBox* box = EmpBox(w.get());
    int namesake = -1;
    for (int i = box->findText("Smith, Ann") + 1; i < box->count(); ++i)
      if (box->itemText(i) == "Smith, Ann") namesake = i;
    QVERIFY(namesake > 0);
    box->setFocus();
    while (box->currentIndex() < namesake) QTest::keyClick(box, Qt::Key_Down);
    const int32_t shown = w->CurrentEmpID();
    QCOMPARE(shown, box->itemData(namesake).toInt());
    spy.Answer(mbYes);
    Command(w.get(), "mnuFileAbandon")->trigger();
    QCOMPARE(w->CurrentEmpID(), shown);
    QCOMPARE(box->currentIndex(), namesake);
  }

  void firstRunDefaultsAreWrittenAtClose() {
    test::TTempEnvironment env;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QVERIFY(w->windowState() & Qt::WindowMaximized);
    const TSettings& s = App().Settings;
    QCOMPARE(s.HourFormat, THourFormat::Tenth);
    QCOMPARE(s.ToolCaption, TToolCaption::PictureAndText);
    QVERIFY(!s.ShowButtonBorder);
    QCOMPARE(s.DefaultHours, 8.0f);
    QCOMPARE(Find<QToolButton>(w.get(), "spdHelp")->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(Find<QToolButton>(w.get(), "spdHelp")->autoRaise());
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
    QCOMPARE(s.ToolCaption, TToolCaption::PictureAndText);
    QCOMPARE(s.BenefitMonth, 1);
    QCOMPARE(s.BenefitDay, 1);
    QCOMPARE(s.EmployeeDisplay, TEmployeeDisplay::Former);
    QCOMPARE(s.HourFormat, THourFormat::Hundredth);
    QCOMPARE(s.DefaultHours, 1.0f);
    QVERIFY(!Find<QToolButton>(w.get(), "spdHelp")->autoRaise());
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
    for (const char* name : {"spdAbsenceView", "spdEmp", "spdGlobal", "spdDate", "spdHelp"}) {
      auto* b = Find<QToolButton>(&w, name);
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

  // A place on a monitor that is gone (or from another machine) must not lose the window, and
  // one the user can still reach is theirs to keep.
  void aPlaceOffEveryScreenIsMovedOnto_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("kept");
    QTest::newRow("far right below") << "5000,9000,700,500" << false;
    QTest::newRow("far left above") << "-3000,-4000,700,500" << false;
    QTest::newRow("just below") << "2000,40,700,500" << false;
    QTest::newRow("only the bottom edge shows") << "-480,30,700,500" << false;
    QTest::newRow("bigger than the screen, off it") << "20,-9000,4000,3000" << false;
    QTest::newRow("partly off the left") << "20,-300,700,500" << true;
    QTest::newRow("partly off the right and bottom") << "300,400,700,500" << true;
  }
  void aPlaceOffEveryScreenIsMovedOnto() {
    QFETCH(QString, stored);
    QFETCH(bool, kept);
    const QStringList want = stored.split(',');
    test::TTempEnvironment env;
    env.WriteIni("[Initialization]\r\nStartupState=" + stored + "\r\n");
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = w->frameGeometry();
    const bool fits = frame.width() <= area.width() && frame.height() <= area.height();
    if (kept) {
      QCOMPARE(w->pos(), QPoint(want[1].toInt(), want[0].toInt()));
    } else if (fits) {
      // The title bar and borders too, not only the client area.
      QVERIFY2(area.contains(frame), qPrintable(stored));
    } else {
      QCOMPARE(frame.topLeft(), area.topLeft());
    }
    w->close();
    const QStringList parts = IniValue(env, "Initialization", "StartupState").split(',');
    QCOMPARE(parts.size(), 4);
    const QRect saved(QPoint(parts[1].toInt(), parts[0].toInt()), frame.size());
    if (kept)
      QCOMPARE(saved.topLeft(), QPoint(want[1].toInt(), want[0].toInt()));
    else
      QVERIFY2(fits ? area.contains(saved) : saved.topLeft() == area.topLeft(),
               qPrintable(parts.join(',')));
  }

  // A window moved off every screen while the program runs (a monitor unplugged) is stored
  // where the next start can reach it.
  void aWindowOffEveryScreenIsNotSavedThere() {
    test::TTempEnvironment env;
    env.WriteIni("[Initialization]\r\nStartupState=40,30,700,500\r\n");
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    w->move(-6000, 7000);
    QTRY_COMPARE(w->pos(), QPoint(-6000, 7000));
    const QSize frame = w->frameGeometry().size();
    w->close();
    const QStringList parts = IniValue(env, "Initialization", "StartupState").split(',');
    QCOMPARE(parts.size(), 4);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(area.contains(QRect(QPoint(parts[1].toInt(), parts[0].toInt()), frame)),
             qPrintable(parts.join(',')));
  }

  void balanceColumnWidthsAreSavedAndRestored() {
    test::TTempEnvironment env;
    {
      auto w = StartMain();
      QVERIFY(WaitForLoad(*w));
      auto* header = Find<QHeaderView>(w.get(), "hdrBalances");
      // The user drags the divider after "Reason" to make the section 180 wide.
      const int divider = header->sectionViewportPosition(0) + header->sectionSize(0) - 1;
      const int y = header->height() / 2;
      test::DragWithMouse(header->viewport(), QPoint(divider, y),
                          QPoint(divider + 180 - header->sectionSize(0), y));
      QCOMPARE(header->sectionSize(0), 180);
      QCOMPARE(Balances(w.get())->columnWidth(0), 180);
      w->close();
    }
    const QStringList stored = IniValue(env, "Absence", "BalancesSettings").split(',');
    QCOMPARE(stored.size(), 5);
    // Stored as the header bar above the old grid measured it: the first column plus 3.
    QCOMPARE(stored[0], QString("183"));
    auto w = StartMain();
    // Once the window has its size (a narrower one shows the reasons narrower for a while).
    QTRY_COMPARE(Balances(w.get())->columnWidth(0), 180);
    // Every column the table has is one the settings keep: no hidden column of identifiers.
    QCOMPARE(Balances(w.get())->model()->columnCount(), int(stored.size()));
  }

  // The split between the calendar and the panels, dragged by its handle, is kept in the
  // settings file and comes back with the next window; the panels take what the calendar gives.
  void theSplitIsSavedAndRestored() {
    test::TTempEnvironment env;
    env.WriteIni("[Initialization]\r\nStartupState=40,30,900,700\r\n");
    QList<int> dragged;
    {
      auto w = StartMain();
      QVERIFY(WaitForLoad(*w));
      auto* split = Find<QSplitter>(w.get(), "splMain");
      auto* panel = Find<QWidget>(w.get(), "pnlAccruals");
      auto* days = Find<QWidget>(w.get(), "lstViewDay");
      const QList<int> before = split->sizes();
      const int panelHeight = panel->height(), daysHeight = days->height();
      // The handle moves with the mouse: each point is given where the handle is then.
      QSplitterHandle* handle = split->handle(1);
      const QPoint start = handle->mapTo(split, handle->rect().center());
      QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, handle->mapFrom(split, start));
      for (int step : {30, 60, 90})
        QTest::mouseMove(handle, handle->mapFrom(split, start - QPoint(0, step)));
      QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier,
                          handle->mapFrom(split, start - QPoint(0, 90)));
      dragged = split->sizes();
      QCOMPARE(dragged[0], before[0] - 90);
      QCOMPARE(dragged[1], before[1] + 90);
      QVERIFY(panel->height() > panelHeight + 60);
      QVERIFY(days->height() > daysHeight + 60);
      w->close();
    }
    QCOMPARE(IniValue(env, "Absence", "MainSettings"),
             QString("%1,%2").arg(dragged[0]).arg(dragged[1]));
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    QCOMPARE(Find<QSplitter>(w.get(), "splMain")->sizes(), dragged);
  }

  // Stored balance widths are used only when every column shows and each figure column is wide
  // enough for its heading and figures; otherwise the table starts from its own widths.
  void storedBalanceWidthsThatCutFiguresAreIgnored_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("kept");
    QTest::newRow("usable") << "183,50,90,100,100" << true;
    QTest::newRow("two columns, the figures hidden") << "183,50" << false;
    QTest::newRow("used too narrow") << "183,50,6,100,100" << false;
    QTest::newRow("available hidden") << "183,50,90,0,100" << false;
  }
  void storedBalanceWidthsThatCutFiguresAreIgnored() {
    QFETCH(QString, stored);
    QFETCH(bool, kept);
    test::TTempEnvironment env;
    TfrmMain unstored(100000);
    const int designReason = Balances(&unstored)->columnWidth(0);
    env.WriteIni(
        "[Initialization]\r\nFontSettings=96\r\nStartupState=10,10,1200,700\r\n"
        "[Absence]\r\nBalancesSettings=" +
        stored + "\r\n");
    TfrmMain w(100000);
    w.ShowAsStored();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTableView* table = Balances(&w);
    QCOMPARE(table->columnWidth(0), kept ? 180 : designReason);
    if (kept) QCOMPARE(table->columnWidth(2), 89);
    QHeaderView* header = table->horizontalHeader();
    for (int c = 0; c < header->count(); ++c) {
      QVERIFY(!table->isColumnHidden(c));
      const QString heading = table->model()->headerData(c, Qt::Horizontal).toString();
      QVERIFY2(header->fontMetrics().horizontalAdvance(heading) < header->sectionSize(c),
               qPrintable(heading));
    }
  }

  void aResolutionChangeResetsTheColumnWidths() {
    test::TTempEnvironment env;
    env.WriteIni(
        "[Initialization]\r\nFontSettings=96\r\n[Absence]\r\nBalancesSettings=180,30,30,30,30\r\n"
        "EmployeeSettings=50,50\r\nUnrelated=1\r\n");
    SetScreenResolution(120);
    TfrmMain w(100000);
    const int reset = Balances(&w)->columnWidth(0);
    QVERIFY(reset != 180);
    QCOMPARE(IniValue(env, "Absence", "BalancesSettings"), QString("<none>"));
    QCOMPARE(IniValue(env, "Absence", "EmployeeSettings"), QString("<none>"));
    QCOMPARE(IniValue(env, "Absence", "Unrelated"), QString("1"));
    // The widths are those of a window that finds none stored.
    TfrmMain unstored(100000);
    QCOMPARE(Balances(&unstored)->columnWidth(0), reset);
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
    QCOMPARE(captions(Find<QMenu>(&w, "mnuFile")),
             (QStringList{"&Save Current Changes", "&Abandon All Changes", "&Backup Data...",
                          "&Restore from Backup...", "&Printer Setup...", "&Import Data...",
                          "&Export Data...", "Export &Calendar...", "&Month-End...", "E&xit"}));
    QCOMPARE(captions(Find<QMenu>(&w, "mnuEdit")),
             (QStringList{"&Undo", "&Redo", "&Absence Entries...", "&Global Absence Entries...",
                          "&Employees...", "&Departments...", "Absence &Reasons...", "&History...",
                          "&Preferences..."}));
    QCOMPARE(captions(Find<QMenu>(&w, "mnuReport")),
             (QStringList{"&Absence Taken...", "Absence &Balances...", "Employee &Information...",
                          "&Month Calendar...", "&Department Information...",
                          "Employee &Statements..."}));
    QCOMPARE(captions(Find<QMenu>(&w, "mnuHelp")),
             (QStringList{"&Contents", "&Search for Help On...", "&How to Use Help",
                          "&Technical Support", "Tip of the &Day...", "&Reporting Problems...",
                          "&About Absence..."}));
    QVERIFY(!Command(&w, "mnuHelpTip")->isVisible() && !Command(&w, "mnuHelpBugs")->isVisible());
    auto* global = Find<QToolButton>(&w, "spdGlobal");
    QCOMPARE(global->statusTip(), QString("Click to add a Absence entry for all active employees"));
    QCOMPARE(global->toolTip(), QString("Global Entry"));
    for (const char* name : {"spdAbsenceView", "spdEmp", "spdGlobal"})
      QVERIFY(!Find<QToolButton>(&w, name)->isEnabled());
  }

  void helpCommandsOpenTheirTopics() {
    test::TTempEnvironment env;
    TfrmMain w(100000);
    const std::pair<const char*, const char*> commands[] = {
        {"mnuHelpContents", "Contents"},
        {"mnuHelpHelp", "How_To_Use_Help"},
        {"mnuHelpTechSupport", "Technical_Support"},
    };
    for (const auto& [action, topic] : commands) {
      Command(&w, action)->trigger();
      QCOMPARE(TfrmHelp::Instance()->CurrentTopic()->Name, QString(topic));
    }
    QTest::mouseClick(Find<QToolButton>(&w, "spdHelp"), Qt::LeftButton);
    QCOMPARE(TfrmHelp::Instance()->CurrentTopic()->Name, QString("Main_Screen"));
    Command(&w, "mnuHelpSearch")->trigger();
    QVERIFY(TfrmHelp::Instance()->isVisible());
    TfrmHelp::Instance()->close();
    QCOMPARE(ActiveHelpContextOf(&w), 1110);
  }

  // While a window has the data folder open, absence-cli may read it but not change it, and a
  // second window opens it read-only and says so.
  void aWindowHoldsItsFolderAgainstOtherWriters() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    test::TMessageBoxSpy spy;
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    const std::string dir =
        "--data " + App().AppFolder + " --ini " + env.IniPath().toStdString() + " ";
    const std::string emps = App().AppFolder + "emps.txt";
    QCOMPARE(RunCliCommand(dir + "export employees " + emps + " --format comma").first, 0);
    const QByteArray before = FileBytes(env.DataFile("emp.dat"));
    const auto [status, out] =
        RunCliCommand(dir + "import employees " + emps + " --format comma --mode add");
    QCOMPARE(status, 1);
    QVERIFY2(out.find("is in use by") != std::string::npos, out.c_str());
    QCOMPARE(FileBytes(env.DataFile("emp.dat")), before);

    spy.Answer(mbYes);
    auto second = StartMain();
    QVERIFY(WaitForLoad(*second));
    QCOMPARE(spy.Calls().size(), size_t(1));
    QVERIFY(spy.Calls()[0].Text.contains("is in use by"));
    QCOMPARE(second->windowTitle(), QString("Absence - read-only"));
    QCOMPARE(Find<QLabel>(second.get(), "lblReadOnly")->text(), QString("read-only"));
    QVERIFY(!Command(second.get(), "mnuFileSave")->isEnabled());
    QVERIFY(!Command(second.get(), "mnuFileImport")->isEnabled());
    QCOMPARE(EmpBox(second.get())->count(), 2);
    second->close();
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(FileBytes(env.DataFile("emp.dat")), before);
    QVERIFY(QFile::exists(env.DataFile("absence.lock")));
    w->close();
    QCOMPARE(spy.Calls().size(), size_t(1));
    QVERIFY(!QFile::exists(env.DataFile("absence.lock")));
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

  // The splash stays on top of every window: the warning of a repaired load must not be under
  // it.
  void theLoadWarningIsNotCoveredByTheSplash() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    QFile emp(env.DataFile("emp.dat"));
    QVERIFY(emp.open(QIODevice::Append));
    emp.write(QByteArray(1, 'x') + QByteArray(98, '\0'));
    emp.close();
    QPointer<TfrmSplash> splash = new TfrmSplash;
    splash->show();
    std::vector<std::pair<TMsgKind, bool>> shown;  // kind, splash visible
    SetMessageBoxHook([&](const TMessageBoxCall& call) {
      shown.emplace_back(call.Kind, splash && splash->isVisible());
      return mbOK;
    });
    auto w = std::make_unique<TfrmMain>(10);
    w->SetSplash(splash);
    w->ShowAsStored();
    const bool loaded = WaitForLoad(*w);
    test::FailOnUnexpectedMessageBoxes();
    QVERIFY(loaded);
    QVERIFY(!shown.empty());
    QCOMPARE(shown[0].first, TMsgKind::Warning);
    QVERIFY(!shown[0].second);
  }

  // After a save that changed the data, the restore dialog opens where its generations are.
  void restoreOpensInTheFolderOfTheAutomaticBackups() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    auto w = StartMain();
    QVERIFY(WaitForLoad(*w));
    AddDept(absence::ui::test::TestData(w->Session()).DeptList, "Sales", 0, true, "S1");
    Command(w.get(), "mnuFileSave")->trigger();
    QString folder;
    SetFileDialogHook([&](const TFileDialogCall& call) {
      folder = call.Folder;
      return std::optional<QString>();
    });
    Command(w.get(), "mnuFileRestore")->trigger();
    SetFileDialogHook(nullptr);
    QCOMPARE(folder, QString::fromStdString(GenerationsFolder(App().AppFolder)));
    QCOMPARE(ListGenerations(App().AppFolder).size(), size_t(1));
  }
};

ABSENCE_UI_SUITE("main", MainWindowTest)
#include "main_window_test.moc"

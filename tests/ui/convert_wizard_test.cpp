// The import and export wizard driven through its pages with real clicks and keys: the page flow
// and Back, the checks of each page, the summary, the run with its progress bar and "another
// file?", the start-page setting, and the File menu commands of the main window.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>
#include <memory>

#include "data/dataset.h"
#include "data/ini_file.h"
#include "data/json_dump.h"
#include "dialog_support.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/date_edit.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/pick_date.h"
#include "ui/common/pv_combo_box.h"
#include "ui/convert/convert_summary.h"
#include "ui/convert/convert_wizard.h"
#include "ui/main/main_window.h"
#include "ui/session/data_session.h"

using namespace absence;
using namespace absence::ui;
using absence::ui::test::Find;

namespace {

using TPage = TfrmConvert::TPage;

// Reasons Vacation and Sick, employees Smith (SSN 100) and Jones (SSN 200) with one entry each.
void SaveSampleData(const std::string& folder) {
  TDataSet data;
  const int32_t vacation =
      AddReason(data.ReasonList, "Vacation", true, true, TBasis::Calendar, TValidate::MonthEnd);
  AddReason(data.ReasonList, "Sick", true, false, TBasis::None, TValidate::None);
  const char* const people[][3] = {{"Smith", "Ann", "100"}, {"Jones", "Bob", "200"}};
  for (const auto& e : people) {
    AddEmp(data.EmpList, e[0], e[1], e[2], 45000, 0, 0, 'F');
    AddEntry(data.EmpList.back()->Entries, data.EmpList, data.ReasonList, vacation, 45300, 8,
             TEntryKind::Own);
  }
  SortEmps(data.EmpList);
  SaveDataSet(data, folder, false);
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

void Click(QAbstractButton* b) {
  QVERIFY2(b->isEnabled(), qPrintable(b->objectName()));
  QTest::mouseClick(b, Qt::LeftButton);
}

int Page(TfrmConvert& w) {
  return Find<QStackedWidget>(&w, "ntWizard")->currentIndex();
}

// Saves a picture of the wizard's page when ABSENCE_SCREENSHOTS names a folder.
void Screenshot(TfrmConvert& w, const QString& name) {
  const QString folder = qEnvironmentVariable("ABSENCE_SCREENSHOTS");
  if (folder.isEmpty()) return;
  QDir().mkpath(folder);
  w.grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

// A temporary environment whose data set (the sample one, or none) is loaded into a session;
// message boxes go to `boxes`.
struct TWizardCase {
  explicit TWizardCase(bool withData) {
    if (withData) SaveSampleData(App().AppFolder);
    loaded = session.Load();
  }
  test::TTempEnvironment env;
  TDataSession session{App().AppFolder};
  test::TMessageBoxSpy boxes;
  bool loaded = false;
};

}  // namespace

class ConvertWizardTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }

  void importEmployeesShowsProgressAndOffersAnotherFile() {
    TWizardCase wiz(true);
    QVERIFY(wiz.loaded);
    const QString file = wiz.env.DataFolder() + QStringLiteral("in/emps.txt");
    WriteFile(file,
              "Adams,Al,300,01/02/2024,,Y,Sales\r\nBaker,Bea,400,02/03/2024,,N,\r\n"
              "Cole,Cy,500,03/04/2024,12/31/2024,Y,Sales\r\n");
    TfrmConvert w(wiz.session, true);
    w.show();
    QCOMPARE(w.windowTitle(), QString("Import Wizard"));
    QCOMPARE(Find<QLabel>(&w, "lblIntro")->text(),
             QString("The next few screens will help you import information into Absence."));
    QVERIFY(!Find<QPushButton>(&w, "cmdBack")->isEnabled());
    Screenshot(w, "import-0-startup");
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(Page(w), TPage::pgDetails);
    QVERIFY(Find<QPushButton>(&w, "cmdBack")->isEnabled());
    QCOMPARE(Find<QLabel>(&w, "lblInfo")->text(),
             QString("Which type of information do you want to import?"));
    QVERIFY(Find<QRadioButton>(&w, "btnEmployee")->isChecked());
    Screenshot(w, "import-1-details");
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(Page(w), TPage::pgFinish);
    QVERIFY(Find<QRadioButton>(&w, "btnReplace")->isChecked());
    Screenshot(w, "import-3-finish");
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(Page(w), TPage::pgFiles);
    QCOMPARE(Find<QLabel>(&w, "lblImportFile")->text(),
             QString("Where is the import file located?"));
    QCOMPARE(Find<QComboBox>(&w, "cboFileType")->currentText(), QString("Comma Delimited"));
    QTest::keyClicks(Find<QLineEdit>(&w, "txtImportFile"), file);
    Screenshot(w, "import-4-files");
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(Page(w), TPage::pgRun);
    QCOMPARE(Find<QPushButton>(&w, "cmdNext")->text(), QString("&Import"));
    QCOMPARE(Find<QPushButton>(&w, "cmdNext")->layoutDirection(),
             Qt::LeftToRight);  // the arrow before the caption
    QCOMPARE(Find<QLabel>(&w, "lblSummary")->text(),
             "Import:\nEmployee Information\n  Replacing all existing Employees\n  Removing:\n"
             "    2 employees\n    2 absence entries\n    0 opening balances\n\nImport from:\n" +
                 MinimizeName(
                     file,
                     [&](const QString& s) {
                       return Find<QLabel>(&w, "lblSummary")->fontMetrics().horizontalAdvance(s);
                     },
                     Find<QLabel>(&w, "lblSummary")->width()));
    Screenshot(w, "import-5-summary");

    const std::string before = DumpJson(wiz.session.Data());
    QSignalSpy progress(Find<QProgressBar>(&w, "ProgressBar1"), &QProgressBar::valueChanged);
    QSignalSpy changed(&wiz.session, &TDataSession::Changed);
    wiz.boxes.Answer(mbYes);  // replace what is there
    wiz.boxes.Answer(mbYes);  // another file
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(wiz.boxes.Calls().size(), size_t(2));
    QCOMPARE(wiz.boxes.Calls()[0].Text,
             QString("This removes 2 employees, 2 absence entries and 0 opening balances.  Do "
                     "you want to continue?"));
    QCOMPARE(wiz.boxes.Calls()[0].Kind, TMsgKind::Confirmation);
    QCOMPARE(wiz.boxes.Calls()[1].Text,
             QString("Import complete.  Do you want to Import another file?"));
    QCOMPARE(wiz.boxes.Calls()[1].Kind, TMsgKind::Confirmation);
    QList<int> steps;
    for (const auto& args : progress) steps << args[0].toInt();
    QCOMPARE(steps, (QList<int>{1, 2, 3, 0}));  // a line at a time, then back to 0 for the next
    QCOMPARE(Find<QProgressBar>(&w, "ProgressBar1")->maximum(), 3);
    QCOMPARE(changed.count(), 1);
    const TDataSet& d = absence::ui::test::TestData(wiz.session);
    QCOMPARE(d.EmpList.size(), size_t(3));
    QCOMPARE(QString::fromStdString(d.EmpList[0]->FullName()), QString("Adams, Al"));
    QCOMPARE(d.EmpList[1]->EmpType, 'T');
    QVERIFY(FindDept(d.DeptList, 0, "Sales") >= 0);
    // Yes: back on page 1, Next reads Next again.
    QCOMPARE(Page(w), TPage::pgDetails);
    QCOMPARE(Find<QPushButton>(&w, "cmdNext")->text(), QString("&Next"));
    QVERIFY(Find<QPushButton>(&w, "cmdBack")->isEnabled());

    // A second file: absences added; No closes the wizard with its OK result.
    const QString absences = wiz.env.DataFolder() + QStringLiteral("in/abs.txt");
    WriteFile(absences, "300\tSick\t01/05/2024\t8\r\n300\tSick\t01/05/2024\t1.5\r\n");
    Click(Find<QRadioButton>(&w, "btnAbsence"));
    Click(Find<QPushButton>(&w, "cmdNext"));
    Click(Find<QRadioButton>(&w, "btnAdd"));
    Click(Find<QPushButton>(&w, "cmdNext"));
    Find<QLineEdit>(&w, "txtImportFile")->clear();
    QTest::keyClicks(Find<QLineEdit>(&w, "txtImportFile"), absences);
    QVERIFY(test::ChooseByKeys(Find<QComboBox>(&w, "cboFileType"), "Tab Delimited"));
    Click(Find<QPushButton>(&w, "cmdNext"));
    QVERIFY(Find<QLabel>(&w, "lblSummary")
                ->text()
                .startsWith("Import:\nAbsence Information \n  Adding to existing Absence "
                            "entries\n\nImport from:\n"));
    wiz.boxes.Answer(mbNo);
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(w.result(), int(QDialog::Accepted));
    QVERIFY(!w.isVisible());
    const auto& adams = *d.EmpList[0];
    QCOMPARE(adams.Entries.size(), size_t(1));
    QCOMPARE(adams.Entries[0]->Hours, 9.5f);

    // Each import is one change: undone, the replaced employees are back exactly; redone, the
    // imports are there again.
    QUndoStack& history = *wiz.session.History();
    QCOMPARE(history.undoText(), QString("Import absences"));
    const std::string imported = DumpJson(wiz.session.Data());
    history.undo();
    QCOMPARE(history.undoText(), QString("Import employees (replace)"));
    history.undo();
    QCOMPARE(DumpJson(wiz.session.Data()), before);
    history.redo();
    history.redo();
    QCOMPARE(DumpJson(wiz.session.Data()), imported);
  }

  void backRetracesEveryPath() {
    TWizardCase wiz(false);
    QVERIFY(wiz.loaded);
    TfrmConvert w(wiz.session, false);
    w.show();
    QCOMPARE(w.windowTitle(), QString("Export Wizard"));
    struct Step {
      QAbstractButton* click;
      int page;
    };
    // Export of employees: 0 1 4, and back.
    for (const Step& s : {Step{Find<QPushButton>(&w, "cmdNext"), TPage::pgDetails},
                          Step{Find<QPushButton>(&w, "cmdNext"), TPage::pgFiles},
                          Step{Find<QPushButton>(&w, "cmdBack"), TPage::pgDetails},
                          Step{Find<QPushButton>(&w, "cmdBack"), TPage::pgStartup}}) {
      Click(s.click);
      QCOMPARE(Page(w), s.page);
    }
    QVERIFY(!Find<QPushButton>(&w, "cmdBack")->isEnabled());
    // Export of entries: 0 1 2 4 5, and back.
    Click(Find<QPushButton>(&w, "cmdNext"));
    Click(Find<QRadioButton>(&w, "btnAbsence"));
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(Page(w), TPage::pgAbsence);
    QVERIFY(Find<QRadioButton>(&w, "btnAll")->isChecked());
    QVERIFY(!Find<TDateEdit>(&w, "txtStartDate")->isEnabled());
    Screenshot(w, "export-2-absence");
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(Page(w), TPage::pgFiles);
    QTest::keyClicks(Find<QLineEdit>(&w, "txtImportFile"), wiz.env.DataFolder() + "out.txt");
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(Page(w), TPage::pgRun);
    QCOMPARE(Find<QPushButton>(&w, "cmdNext")->text(), QString("&Export"));
    QCOMPARE(Find<QLabel>(&w, "lblSummary")->text().section(u'\n', 0, 2),
             QString("Export:\nAbsence Information \n"));
    for (int page : {TPage::pgFiles, TPage::pgAbsence, TPage::pgDetails, TPage::pgStartup}) {
      Click(Find<QPushButton>(&w, "cmdBack"));
      QCOMPARE(Page(w), page);
      QCOMPARE(Find<QPushButton>(&w, "cmdNext")->text(), QString("&Next"));
      QCOMPARE(Find<QPushButton>(&w, "cmdNext")->layoutDirection(),
               Qt::RightToLeft);  // the arrow after the caption
    }
    QVERIFY(wiz.boxes.Calls().empty());
  }

  void selectedDatesAreChecked() {
    TWizardCase wiz(true);
    QVERIFY(wiz.loaded);
    TfrmConvert w(wiz.session, false);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    Click(Find<QPushButton>(&w, "cmdNext"));
    Click(Find<QRadioButton>(&w, "btnAbsence"));
    Click(Find<QPushButton>(&w, "cmdNext"));
    Click(Find<QRadioButton>(&w, "btnSelect"));
    QVERIFY(Find<TDateEdit>(&w, "txtStartDate")->isEnabled() &&
            Find<QPushButton>(&w, "cmdEndCalendar")->isEnabled());
    struct Case {
      QString start, end, message;
      TDateEdit* focus;
    } cases[] = {
        {"", "", "Please enter a Start Date for the Absence entries you wish to export.",
         Find<TDateEdit>(&w, "txtStartDate")},
        {"01/01/2024", "", "Please enter an End Date for the Absence entries you wish to export.",
         Find<TDateEdit>(&w, "txtEndDate")},
        {"02/01/2024", "01/01/2024",
         "The End Date can not be before the Start Date.  Please try again.",
         Find<TDateEdit>(&w, "txtStartDate")},
    };
    for (const Case& c : cases) {
      Find<TDateEdit>(&w, "txtStartDate")->setText(c.start);
      Find<TDateEdit>(&w, "txtEndDate")->setText(c.end);
      wiz.boxes.Answer(mbOK);
      Click(Find<QPushButton>(&w, "cmdNext"));
      QCOMPARE(wiz.boxes.Calls().back().Text, c.message);
      QCOMPARE(wiz.boxes.Calls().back().Kind, TMsgKind::Information);
      QCOMPARE(Page(w), TPage::pgAbsence);
      QCOMPARE(QApplication::focusWidget(), c.focus);
    }
    // The calendar button fills the end date from the picker.
    Find<TDateEdit>(&w, "txtStartDate")->setText("01/01/2023");
    Find<TDateEdit>(&w, "txtEndDate")->setText("01/01/2024");
    SetPickDateHook([](TfrmPickDate& picker) {
      picker.SetDate(45350);  // 2024-02-28
      QTest::mouseClick(picker.OkButton(), Qt::LeftButton);
    });
    Click(Find<QPushButton>(&w, "cmdEndCalendar"));
    SetPickDateHook(nullptr);
    QCOMPARE(Find<TDateEdit>(&w, "txtEndDate")->text(), QString("02/28/2024"));
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(Page(w), TPage::pgFiles);
    const QString out = wiz.env.DataFolder() + QStringLiteral("new/folder/abs.txt");
    QTest::keyClicks(Find<QLineEdit>(&w, "txtImportFile"), out);
    wiz.boxes.Answer(mbNo);
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(wiz.boxes.Calls().back().Text,
             QString("The directory does not exist.  Do you want to create it?"));
    QCOMPARE(Page(w), TPage::pgFiles);
    wiz.boxes.Answer(mbYes);
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(Page(w), TPage::pgRun);
    QVERIFY(Find<QLabel>(&w, "lblSummary")
                ->text()
                .contains("  From:\t01/01/2023\n  To:\t02/28/2024\n"));
    wiz.boxes.Answer(mbNo);
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(wiz.boxes.Calls().back().Text,
             QString("Export complete.  Do you want to Export another file?"));
    QCOMPARE(ReadFile(out),
             QByteArray("200,Vacation,01/09/2024,8.0\r\n100,Vacation,01/09/2024,8.0\r\n"));
  }

  void fileChecksAndFailuresStayOnTheirPage() {
    TWizardCase wiz(true);
    QVERIFY(wiz.loaded);
    {
      TfrmConvert w(wiz.session, false);
      w.show();
      Click(Find<QPushButton>(&w, "cmdNext"));
      Click(Find<QPushButton>(&w, "cmdNext"));
      wiz.boxes.Answer(mbOK);
      Click(Find<QPushButton>(&w, "cmdNext"));
      QCOMPARE(wiz.boxes.Calls().back().Text,
               QString("Please select the location of your data file."));
      QCOMPARE(Page(w), TPage::pgFiles);
    }
    TfrmConvert w(wiz.session, true);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    Click(Find<QPushButton>(&w, "cmdNext"));
    Click(Find<QRadioButton>(&w, "btnAbsence"));
    Click(Find<QPushButton>(&w, "cmdNext"));
    Click(Find<QPushButton>(&w, "cmdNext"));
    QTest::keyClicks(Find<QLineEdit>(&w, "txtImportFile"), wiz.env.DataFolder() + "missing.txt");
    wiz.boxes.Answer(mbOK);
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(wiz.boxes.Calls().back().Text,
             QString("The Data File you selected does not exist.  Please check your selection and "
                     "try again."));
    QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(&w, "txtImportFile"));
    QCOMPARE(Page(w), TPage::pgFiles);

    // Replacing asks first, saying what goes; No runs nothing.
    const QString file = wiz.env.DataFolder() + QStringLiteral("abs.txt");
    WriteFile(file, "100,Sick,01/05/2024,8\r\n999,Sick,01/05/2024,8\r\n");
    Find<QLineEdit>(&w, "txtImportFile")->setText(file);
    Click(Find<QPushButton>(&w, "cmdNext"));
    QVERIFY(
        Find<QLabel>(&w, "lblSummary")->text().contains("  Removing:\n    2 absence entries\n"));
    wiz.boxes.Answer(mbNo);
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(wiz.boxes.Calls().back().Text,
             QString("This removes 2 absence entries.  Do you want to continue?"));
    QCOMPARE(Page(w), TPage::pgRun);
    QCOMPARE(Find<QProgressBar>(&w, "ProgressBar1")->value(), 0);
    // Yes: an unknown Employee ID stops the run, which changes nothing.
    wiz.boxes.Answer(mbYes);
    wiz.boxes.Answer(mbOK);
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(wiz.boxes.Calls().back().Text,
             QString("Error locating Employee for ID 999 in record 2."));
    QCOMPARE(wiz.boxes.Calls().back().Kind, TMsgKind::Information);
    QCOMPARE(Page(w), TPage::pgRun);
    QCOMPARE(Find<QProgressBar>(&w, "ProgressBar1")->value(), 0);
    for (const auto& e : absence::ui::test::TestData(wiz.session).EmpList)
      QCOMPARE(e->Entries.size(), size_t(1));
  }

  void exportsInUtf8AndAFaultyAddImportKeepsNothing() {
    TWizardCase wiz(true);
    QVERIFY(wiz.loaded);
    wiz.session.Data().EmpList[0]->FirstName = "Zo\xC3\xAB";
    {
      TfrmConvert w(wiz.session, false);
      w.show();
      Click(Find<QPushButton>(&w, "cmdNext"));
      Click(Find<QPushButton>(&w, "cmdNext"));
      QVERIFY(Find<QComboBox>(&w, "cboEncoding")->isVisible());
      QCOMPARE(Find<QComboBox>(&w, "cboEncoding")->currentText(), QString("Windows-1252"));
      QVERIFY(test::ChooseByKeys(Find<QComboBox>(&w, "cboEncoding"), "UTF-8"));
      const QString out = wiz.env.DataFolder() + QStringLiteral("emps-utf8.txt");
      QTest::keyClicks(Find<QLineEdit>(&w, "txtImportFile"), out);
      Click(Find<QPushButton>(&w, "cmdNext"));
      wiz.boxes.Answer(mbNo);
      Click(Find<QPushButton>(&w, "cmdNext"));
      QCOMPARE(wiz.boxes.Calls().back().Text,
               QString("Export complete.  Do you want to Export another file?"));
      QVERIFY(ReadFile(out).contains("Zo\xC3\xAB"));
    }
    TfrmConvert w(wiz.session, true);
    w.show();
    Click(Find<QPushButton>(&w, "cmdNext"));
    Click(Find<QRadioButton>(&w, "btnAbsence"));
    Click(Find<QPushButton>(&w, "cmdNext"));
    Click(Find<QRadioButton>(&w, "btnAdd"));
    Click(Find<QPushButton>(&w, "cmdNext"));
    QVERIFY(
        !Find<QComboBox>(&w, "cboEncoding")->isVisible());  // an import finds its file's encoding
    const QString file = wiz.env.DataFolder() + QStringLiteral("abs.txt");
    WriteFile(
        file,
        "100,Sick,01/05/2024,8\r\n\r\n100,Training,01/06/2024,8\r\n999,Sick,01/05/2024,8\r\n");
    QTest::keyClicks(Find<QLineEdit>(&w, "txtImportFile"), file);
    Click(Find<QPushButton>(&w, "cmdNext"));
    QSignalSpy changed(&wiz.session, &TDataSession::Changed);
    wiz.boxes.Answer(mbOK);
    Click(Find<QPushButton>(&w, "cmdNext"));
    QCOMPARE(wiz.boxes.Calls().back().Text,
             QString("Error locating Employee for ID 999 in record 4."));
    QCOMPARE(changed.count(), 0);
    const TDataSet& d = wiz.session.Data();
    for (const auto& e : d.EmpList) QCOMPARE(e->Entries.size(), size_t(1));
    QCOMPARE(FindReason(d.ReasonList, 0, "Training"), -1);
  }

  void theStartPageSettingIsKept() {
    TWizardCase wiz(false);
    QVERIFY(wiz.loaded);
    wiz.env.WriteIni("[Initialization]\r\nShowExportPage=1\r\n");
    {
      TfrmConvert w(wiz.session, false);
      w.show();
      QCOMPARE(Page(w), TPage::pgDetails);
      QVERIFY(Find<QCheckBox>(&w, "chkDisplay")->isChecked());
      Click(Find<QPushButton>(&w, "cmdBack"));
      Click(Find<QCheckBox>(&w, "chkDisplay"));
    }
    TIniFile ini(App().IniPath);
    ini.Load();
    QCOMPARE(ini.ReadInteger("Initialization", "ShowExportPage", -1), 0);
    {
      TfrmConvert w(wiz.session, true);
      w.show();
      QCOMPARE(Page(w), TPage::pgStartup);
      QVERIFY(!Find<QCheckBox>(&w, "chkDisplay")->isChecked());
      Click(Find<QCheckBox>(&w, "chkDisplay"));
    }
    ini.Load();
    QCOMPARE(ini.ReadInteger("Initialization", "ShowImportPage", -1), 1);
  }

  void longFileNamesLoseLeadingFolders() {
    const auto chars = [](const QString& s) { return int(s.size()); };
    struct Case {
      QString path;
      int width;
      QString shown;
    } cases[] = {
        {"/home/ann/data/emps.txt", 30, "/home/ann/data/emps.txt"},
        {"/home/ann/data/emps.txt", 22, "/.../ann/data/emps.txt"},
        {"/home/ann/data/emps.txt", 21, "/.../data/emps.txt"},
        {"/home/ann/data/emps.txt", 17, "/.../emps.txt"},
        {"/home/ann/data/emps.txt", 5, "emps.txt"},
        {"C:/Data/Absence/emps.txt", 20, "C:/.../emps.txt"},
        {"relative/folder/emps.txt", 20, ".../folder/emps.txt"},
    };
    for (const Case& c : cases) QCOMPARE(MinimizeName(c.path, chars, c.width), c.shown);
  }

  void fileMenuOpensTheWizardAndTheMainWindowShowsTheImport() {
    test::TTempEnvironment env;
    SaveSampleData(App().AppFolder);
    const QString file = env.DataFolder() + QStringLiteral("emps.txt");
    WriteFile(file, "Young,Yan,900,01/02/2024,,Y,\r\n");
    TfrmMain main(10);
    main.show();
    QVERIFY(QTest::qWaitFor([&] { return main.Session().Loaded() && main.isEnabled(); }, 5000));
    auto* empBox = main.findChild<QComboBox*>("cboEmpBox");
    QCOMPARE(empBox->count(), 2);
    test::TMessageBoxSpy boxes;
    bool driven = false;
    QTimer::singleShot(0, [&] {
      auto* w = qobject_cast<TfrmConvert*>(QApplication::activeModalWidget());
      QVERIFY(w);
      Click(Find<QPushButton>(w, "cmdNext"));
      Click(Find<QPushButton>(w, "cmdNext"));
      Click(Find<QPushButton>(w, "cmdNext"));
      QTest::keyClicks(Find<QLineEdit>(w, "txtImportFile"), file);
      Click(Find<QPushButton>(w, "cmdNext"));
      boxes.Answer(mbYes);  // replace the two employees there
      boxes.Answer(mbNo);   // no other file
      Click(Find<QPushButton>(w, "cmdNext"));
      driven = true;
    });
    main.findChild<QAction*>("mnuFileImport")->trigger();
    QVERIFY(driven);
    QCOMPARE(empBox->count(), 1);
    QCOMPARE(empBox->itemText(0), QString("Young, Yan"));

    // Export Calendar writes every absence into the file the dialog names.
    const QString ics = env.DataFolder() + QStringLiteral("cal/absences.ics");
    SetFileDialogHook([&](const TFileDialogCall& call) -> std::optional<QString> {
      if (call.Title != "Export Calendar" || call.DefaultExt != "ics") return std::nullopt;
      return ics;
    });
    boxes.Answer(mbOK);
    main.findChild<QAction*>("mnuFileCalendar")->trigger();
    SetFileDialogHook(nullptr);
    QCOMPARE(boxes.Calls().back().Text,
             QString("Export complete.  The calendar file holds 0 events."));
    QVERIFY(ReadFile(ics).startsWith("BEGIN:VCALENDAR\r\n"));
    main.close();
  }
};

ABSENCE_UI_SUITE("convert", ConvertWizardTest)
#include "convert_wizard_test.moc"

// A new user's first day on an empty data folder, through the windows only: the organisation is
// built in the Edit windows and the policy wizard, absences are dragged onto the calendar, a
// holiday is given to everyone but one, the balances are read and explained, the data is saved,
// abandoned, backed up and restored, every report and list is printed to PDF, and the absences
// go through an export into a fresh folder. After each step the data set is checked against what
// the user did; the files, read again, give the data set the windows held.
//
// The steps run in declaration order on one data folder and one main window.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QtTest>
#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <set>
#include <tuple>
#include <utility>

#include "calendar_window.h"
#include "data/json_dump.h"
#include "dates/dates.h"
#include "dialog_support.h"
#include "list_support.h"
#include "suites.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_edit.h"
#include "ui/common/date_text.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/num_edit.h"
#include "ui/common/pv_combo_box.h"
#include "ui/convert/convert_wizard.h"
#include "ui/dialogs/absence_rec.h"
#include "ui/main/balance_explanation.h"
#include "ui/maintenance/accrual_balances.h"
#include "ui/maintenance/accrual_rec.h"
#include "ui/maintenance/dept_rec.h"
#include "ui/maintenance/dept_window.h"
#include "ui/maintenance/emp_rec.h"
#include "ui/maintenance/emp_window.h"
#include "ui/maintenance/reason_rec.h"
#include "ui/maintenance/reasons_window.h"
#include "ui/maintenance/rule_wizard.h"
#include "ui/reports/print_calendar.h"
#include "ui/reports/selection_form.h"
#include "ui/reports/setup_form.h"
#include "ui/reports/time_list.h"

using namespace absence;
using namespace absence::ui;
using namespace absence::ui::test;

namespace {

QString Date(TDate d) {
  return FormatDate(d, App().DatePattern);
}

// Replaces the text of a box by typing, as a user does, and leaves it with Tab.
void Retype(QLineEdit* box, const QString& text) {
  box->setFocus();
  box->selectAll();
  QTest::keyClick(box, Qt::Key_Delete);
  QTest::keyClicks(box, text);
  QTest::keyClick(box, Qt::Key_Tab);
}

void Click(QAbstractButton* button) {
  QVERIFY2(button->isEnabled(), qPrintable(button->objectName()));
  QTest::mouseClick(button, Qt::LeftButton);
}

// Clicks the row of a record grid whose first column reads `text`; false when none does or
// the click did not make it current.
bool ClickRowOf(QWidget* window, const char* grid, const QString& text) {
  QTableView* view = ListView(window, grid);
  return absence::ui::test::ClickRowOf(view, text) &&
         ColumnTexts(view, 0).value(CurrentRow(view)) == text;
}

// Confirms the print setup window that Print opens before a report is printed; false for any
// other dialog.
bool ConfirmedPrintSetup(QDialog& dialog) {
  auto* setup = dynamic_cast<TPVSetupForm*>(&dialog);
  if (!setup) return false;
  Click(setup->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok));
  return true;
}

// The data set as JSON without the in-memory "changed" marks, which no file holds.
nlohmann::json Stored(const TDataSet& data) {
  nlohmann::json j = nlohmann::json::parse(DumpJson(data));
  std::function<void(nlohmann::json&)> strip = [&](nlohmann::json& node) {
    if (node.is_object()) {
      node.erase("Modified");
      for (auto& [key, value] : node.items()) strip(value);
    } else if (node.is_array()) {
      for (auto& value : node) strip(value);
    }
  };
  strip(j);
  return j;
}

nlohmann::json StoredInFolder(const QString& folder) {
  TDataSet data;
  LoadDataSet(data, folder.toStdString());
  return Stored(data);
}

std::string DeptName(const TDeptList& depts, int32_t deptID) {
  const int at = FindDept(depts, deptID, "");
  return at < 0 ? std::string() : depts[static_cast<size_t>(at)]->DeptName;
}

// One employee's live entries as the export file carries them: reason, day and hours.
using TEntryLine = std::tuple<std::string, TDate, float>;
std::multiset<TEntryLine> LiveEntries(const TDataSet& data, const TEmpRecClass& emp) {
  std::multiset<TEntryLine> lines;
  for (const auto& e : emp.Entries)
    if (e->IsLive())
      lines.emplace(ReasonText(data.ReasonList, e->ReasonID), e->EntryDate, e->Hours);
  return lines;
}

// The people of the first day.
struct TPerson {
  const char* Last;
  const char* First;
  const char* ID;
  TDate Start;
  TDate End;
  const char* Dept;
  bool Manager;
  float Opening;  // Vacation hours as of the opening date; 0 keeps the policy's empty balance
};

const TDate kOpeningDate = EncodeDate(2026, 12, 1);
const TPerson kPeople[] = {
    {"Adams", "Alice", "E-1", EncodeDate(2018, 3, 1), 0, "Office", true, 24},
    {"Baker", "Ben", "E-2", EncodeDate(2024, 6, 15), 0, "Office", false, 8},
    {"Clark", "Cora", "E-3", EncodeDate(2026, 10, 1), 0, "Workshop", false, 4},
    {"Davis", "Dan", "E-4", EncodeDate(2020, 1, 10), EncodeDate(2026, 11, 30), "Workshop", false,
     0},
};

// The employee record holds the person's ID, dates, department and benefit eligibility.
bool IsPerson(const TDataSet& d, const TEmpRecClass& e, const TPerson& p) {
  return e.SSN == p.ID && e.StartDate == p.Start && e.TermDate == p.End &&
         DeptName(d.DeptList, e.DeptID) == p.Dept && e.EmpType == 'F';
}

// The calendar shows the weeks from Sunday 6 December 2026; (column, row) of a day in them.
TDate Day(int col, int row) {
  return kStart + row * 7 + col;
}
// The holiday: Thursday 24 December.
constexpr int kHolidayCol = 4, kHolidayRow = 2;

}  // namespace

class FirstDayTest : public QObject {
  Q_OBJECT
 private slots:
  // The program starts on an empty data folder: no question, four empty files.
  void initTestCase() {
    InitUiResources();
    SetTodayOverride(kToday);
    env_ = std::make_unique<TTempEnvironment>();
    cal_ = std::make_unique<TCalendarWindow>();
    QVERIFY(cal_->loaded);
    for (const char* name : {"reason.dat", "emp.dat", "globals.dat", "dept.dat"})
      QVERIFY2(QFile::exists(env_->DataFile(name)), name);
    QVERIFY(Data().EmpList.empty() && Data().ReasonList.empty() && Data().DeptList.empty());
  }
  void cleanupTestCase() {
    SetFileDialogHook(nullptr);
    SetDialogHook(nullptr);
    cal_.reset();
    env_.reset();
  }

  // Edit › Departments: two new departments typed into the department dialog.
  void twoDepartments() {
    TDialogDriver driver([&](QDialog& dialog) {
      QApplication::setActiveWindow(&dialog);
      if (auto* list = qobject_cast<TfrmDept*>(&dialog)) {
        for (int i = 0; i < 2; ++i) Click(ToolButton(list, "spdNewRec"));
        QCOMPARE(RowCount(ListView(list, "grdDept")), 2);
        Click(Find<QPushButton>(list, "cmdClose"));
      } else if (auto* dept = qobject_cast<TfrmDeptRec*>(&dialog)) {
        const bool first = Data().DeptList.empty();
        QCOMPARE(dept->windowTitle(), QString("New Department"));
        QTest::keyClicks(Find<QLineEdit>(dept, "txtDeptName"), first ? "Office" : "Workshop");
        QTest::keyClicks(Find<QLineEdit>(dept, "txtDeptCode"), first ? "OFF" : "WS");
        QTest::keyClick(Find<QLineEdit>(dept, "txtDeptCode"), Qt::Key_Return);
      } else {
        QFAIL(qPrintable("unexpected dialog " + dialog.objectName()));
      }
    });
    Command("mnuEditDept")->trigger();
    QCOMPARE(driver.Runs(), 3);
    const TDeptList& depts = Data().DeptList;
    QCOMPARE(depts.size(), size_t(2));
    QCOMPARE(depts[0]->DeptName, std::string("Office"));
    QCOMPARE(depts[0]->DeptCode, std::string("OFF"));
    QCOMPARE(depts[1]->DeptName, std::string("Workshop"));
    for (const auto& d : depts) QVERIFY(d->Active && d->ManagerID == 0 && !d->Deleted);
  }

  // Edit › Absence Reasons: Vacation on the anniversary year with three tiers made in the policy
  // wizard, Sick on the calendar year with the policy as it comes, Holiday without a policy.
  void threeReasonsAndAPolicy() {
    struct TReason {
      const char* Name;
      int Basis;  // the radio button: -1 no policy, 0 calendar, 1 anniversary
    };
    const TReason reasons[] = {{"Vacation", 1}, {"Sick", 0}, {"Holiday", -1}};
    int typed = 0;
    TDialogDriver driver([&](QDialog& dialog) {
      QApplication::setActiveWindow(&dialog);
      if (auto* list = qobject_cast<TfrmReasons*>(&dialog)) {
        for (int i = 0; i < 3; ++i) Click(ToolButton(list, "spdNewRec"));
        QCOMPARE(RowCount(ListView(list, "grdReasons")), 3);
        QVERIFY(ClickRowOf(list, "grdReasons", "Vacation"));
        Click(ToolButton(list, "spdPolicy"));
        Click(Find<QPushButton>(list, "cmdClose"));
      } else if (auto* rec = qobject_cast<TfrmReasonRec*>(&dialog)) {
        const TReason& r = reasons[typed++];
        QTest::keyClicks(Find<QLineEdit>(rec, "txtReason"), r.Name);
        if (r.Basis >= 0) {
          ClickBox(Find<QCheckBox>(rec, "chkRules"));
          ClickBox(Find<QGroupBox>(rec, "BasisGroup")->findChildren<QRadioButton*>()[r.Basis]);
        }
        Click(rec->OkButton());
      } else if (auto* wizard = qobject_cast<TfrmRuleWizard*>(&dialog)) {
        QCOMPARE(wizard->windowTitle(), QString("Benefit Policy Wizard Vacation"));
        Click(Find<QPushButton>(wizard, "cmdNext"));
        // Up to 1 year 40 hours a year, up to 5 years 80, beyond that 120.
        EnterRule(*wizard, 1, 40);
        EnterRule(*wizard, 5, 80);
        EnterRule(*wizard, 100, 120);
        QCOMPARE(RowCount(ListView(wizard, "grdPolicy")), 3);
        QCOMPARE(Find<QPushButton>(wizard, "cmdNext")->text(), QString("&Finish"));
        Click(Find<QPushButton>(wizard, "cmdNext"));
      } else {
        QFAIL(qPrintable("unexpected dialog " + dialog.objectName()));
      }
    });
    Command("mnuEditReason")->trigger();
    QCOMPARE(driver.Runs(), 5);
    const TReasonRecClass& vacation = Reason("Vacation");
    QVERIFY(vacation.Active && vacation.HasPolicy);
    QVERIFY(vacation.Basis == TBasis::Anniversary);
    QVERIFY(vacation.Validate == TValidate::MonthEnd);
    const float tiers[][3] = {{0, 12, 40}, {12, 60, 80}, {60, kMaxRuleMonths, 120}};
    QCOMPARE(vacation.Rules.size(), size_t(3));
    for (size_t i = 0; i < 3; ++i) {
      QCOMPARE(float(vacation.Rules[i]->StartMonth), tiers[i][0]);
      QCOMPARE(float(vacation.Rules[i]->EndMonth), tiers[i][1]);
      QCOMPARE(vacation.Rules[i]->Hours, tiers[i][2]);
    }
    const TReasonRecClass& sick = Reason("Sick");
    QVERIFY(sick.HasPolicy && sick.Basis == TBasis::Calendar);
    QCOMPARE(sick.Rules.size(), size_t(1));
    const TReasonRecClass& holiday = Reason("Holiday");
    QVERIFY(holiday.Active && !holiday.HasPolicy && holiday.Rules.empty());
    QVERIFY(holiday.Basis == TBasis::None);
    // The main window offers them for dragging.
    QCOMPARE(Find<QComboBox>(cal_->w.get(), "cboReasonBox")->count(), 3);
  }

  // Edit › Employees: four people with their departments, one of them the Office's manager and
  // one terminated; the Vacation balances are set to the opening hours.
  void fourEmployeesWithOpeningBalances() {
    const TPerson* typing = nullptr;
    TDialogDriver driver([&](QDialog& dialog) {
      QApplication::setActiveWindow(&dialog);
      if (auto* list = qobject_cast<TfrmEmp*>(&dialog)) {
        for (const TPerson& p : kPeople) {
          typing = &p;
          Click(ToolButton(list, "spdNewRec"));
        }
        QCOMPARE(RowCount(ListView(list, "grdEmployee")), 4);
        Click(Find<QPushButton>(list, "cmdClose"));
      } else if (auto* rec = qobject_cast<TfrmEmpRec*>(&dialog)) {
        TypeEmployee(*rec, *typing);
      } else if (auto* accrual = qobject_cast<TfrmAccrualRec*>(&dialog)) {
        QCOMPARE(Find<TPVComboBox>(accrual, "cboReasonBox")->currentText(), QString("Vacation"));
        Find<TNumEdit>(accrual, "txtHours")->setFocus();
        Find<TNumEdit>(accrual, "txtHours")->selectAll();
        QTest::keyClicks(Find<TNumEdit>(accrual, "txtHours"), QString::number(typing->Opening));
        Retype(Find<TDateEdit>(accrual, "txtAsOfDate"), Date(kOpeningDate));
        Click(accrual->OkButton());
      } else {
        QFAIL(qPrintable("unexpected dialog " + dialog.objectName()));
      }
    });
    Command("mnuEditEmp")->trigger();
    QCOMPARE(driver.Runs(), 1 + 4 + 3);
    const TDataSet& d = Data();
    QCOMPARE(d.EmpList.size(), size_t(4));
    for (const TPerson& p : kPeople) {
      const TEmpRecClass& e = Emp(p);
      QVERIFY2(IsPerson(d, e, p), p.Last);
      // A balance for each policy reason; Vacation's from the opening date when one was typed.
      QCOMPARE(e.Accruals.size(), size_t(2));
      const TAccrualRecClass& v = *e.Accruals[FindAccrual(e.Accruals, Reason("Vacation").ReasonID)];
      QCOMPARE(v.Hours, p.Opening);
      QCOMPARE(v.AsOfDate, p.Opening > 0 ? kOpeningDate : p.Start);
      const TAccrualRecClass& s = *e.Accruals[FindAccrual(e.Accruals, Reason("Sick").ReasonID)];
      QCOMPARE(s.Hours, 0.0f);
      QCOMPARE(s.AsOfDate, p.Start);
    }
    QCOMPARE(d.DeptList[FindDept(d.DeptList, 0, "Office")]->ManagerID, Emp(kPeople[0]).EmpID);
    QCOMPARE(d.DeptList[FindDept(d.DeptList, 0, "Workshop")]->ManagerID, 0);
  }

  // Adams drags Vacation onto Wednesday and Sick onto Friday; for Baker, Monday to Wednesday of
  // next week and that Friday are picked and take Vacation in one drop.
  void absencesDraggedOntoDays() {
    const int32_t vacation = Reason("Vacation").ReasonID;
    const int32_t sick = Reason("Sick").ReasonID;
    QVERIFY(cal_->Choose("Adams, Alice"));
    QVERIFY(cal_->DragReason("Vacation", 3, 0));
    QVERIFY(cal_->DragReason("Sick", 5, 0));
    QCOMPARE(cal_->Text(3, 0), QString("12/09/2026TVacation"));
    QVERIFY(cal_->Choose("Baker, Ben"));
    cal_->Click(1, 1);
    cal_->Click(3, 1, Qt::ShiftModifier);
    cal_->Click(5, 1, Qt::ControlModifier);
    QVERIFY(cal_->DragReason("Vacation", 1, 1));
    float hours = 0;
    QCOMPARE(OwnEntryDates(Emp(kPeople[0]), vacation, &hours), std::vector<TDate>{Day(3, 0)});
    QCOMPARE(hours, 8.0f);
    QCOMPARE(OwnEntryDates(Emp(kPeople[0]), sick, &hours), std::vector<TDate>{Day(5, 0)});
    QCOMPARE(OwnEntryDates(Emp(kPeople[1]), vacation, &hours),
             (std::vector<TDate>{Day(1, 1), Day(2, 1), Day(3, 1), Day(5, 1)}));
    QCOMPARE(hours, 8.0f);
    for (const TPerson& p : {kPeople[2], kPeople[3]}) QVERIFY(Emp(p).Entries.empty());
    QVERIFY(Data().GlobalList.empty());
  }

  // Global › New: a Christmas Eve holiday for everyone employed; Clark works that day, so her
  // copy goes to the trash from the calendar.
  void aHolidayForAllButOne() {
    const int32_t holiday = Reason("Holiday").ReasonID;
    TDialogDriver driver([&](QDialog& dialog) {
      QApplication::setActiveWindow(&dialog);
      if (auto* list = qobject_cast<TfrmTimeList*>(&dialog)) {
        QCOMPARE(list->windowTitle(), QString("Global Absence"));
        Click(ToolButton(list, "spdNewRec"));
        QCOMPARE(RowCount(ListView(list, "grdAbsence")), 1);
        Click(Find<QPushButton>(list, "cmdClose"));
      } else if (auto* rec = qobject_cast<TfrmAbsenceRec*>(&dialog)) {
        QCOMPARE(rec->windowTitle(), QString("New Global Absence Entry"));
        QVERIFY(ChooseByKeys(Find<TPVComboBox>(rec, "cboReasonBox"), "Holiday"));
        Retype(Find<TDateEdit>(rec, "txtDate"), Date(Day(kHolidayCol, kHolidayRow)));
        Retype(Find<TNumEdit>(rec, "txtHours"), "8");
        Click(rec->OkButton());
      } else {
        QFAIL(qPrintable("unexpected dialog " + dialog.objectName()));
      }
    });
    Click(Find<QToolButton>(cal_->w.get(), "spdGlobal"));
    QCOMPARE(driver.Runs(), 2);
    const TDate eve = Day(kHolidayCol, kHolidayRow);
    QCOMPARE(LiveHours(Data().GlobalList, holiday, TEntryKind::Global, eve), 8.0f);
    QVERIFY(cal_->Choose("Clark, Cora"));
    QCOMPARE(cal_->Text(kHolidayCol, kHolidayRow), QString("12/24/2026GHoliday"));
    QVERIFY(cal_->DragEntryToTrash(kHolidayCol, kHolidayRow));
    QCOMPARE(cal_->Text(kHolidayCol, kHolidayRow), QString("12/24/2026"));
    // The holiday stays for everyone else employed that day; Davis left in November.
    QCOMPARE(LiveHours(Data().GlobalList, holiday, TEntryKind::Global, eve), 8.0f);
    for (const TPerson& p : kPeople) {
      const float expected =
          std::string(p.Last) == "Adams" || std::string(p.Last) == "Baker" ? 8.0f : -1.0f;
      QCOMPARE(LiveHours(Emp(p).Entries, holiday, TEntryKind::Global, eve), expected);
    }
  }

  // The balances panel for Adams: what she used this year, and the Vacation balance explained.
  void balancesAndAnExplanation() {
    QVERIFY(cal_->Choose("Adams, Alice"));
    QCOMPARE(cal_->Balance("Vacation", 1), QString("Anniv"));
    QCOMPARE(cal_->Balance("Sick", 1), QString("Cal"));
    for (const char* reason : {"Vacation", "Sick", "Holiday"})
      QCOMPARE(cal_->Balance(reason, 2), QString("8.00"));
    // Her opening hours and what the policy added since: balance = available - used.
    const QString available = cal_->Balance("Vacation", 3);
    QVERIFY2(available.toDouble() >= 24.0, qPrintable(available));
    QCOMPARE(cal_->Balance("Vacation", 4).toDouble(), available.toDouble() - 8.0);
    QCOMPARE(cal_->Balance("Holiday", 3), QString());
    // A double click on the row explains its figures, the available hours among them.
    auto* balances = Find<QTableView>(cal_->w.get(), "grdBalances");
    const QModelIndex vacation =
        balances->model()->match(balances->model()->index(0, 0), Qt::DisplayRole, "Vacation")[0];
    QString explained;
    TDialogDriver driver([&](QDialog& dialog) {
      auto* window = dynamic_cast<TfrmBalanceExplanation*>(&dialog);
      QVERIFY(window);
      explained = window->Text();
      Click(Find<QPushButton>(window, "cmdClose"));
    });
    const QPoint at = balances->visualRect(vacation).center();
    QTest::mouseClick(balances->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(balances->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QVERIFY2(!explained.isEmpty(), "no explanation window");
    QVERIFY(explained.contains("24"));
    QString figure;
    for (const QString& line : explained.split(u'\n'))
      if (line.startsWith("Available: ")) figure = line.section(u' ', 1, 1).remove(u',');
    QCOMPARE(QString::number(figure.toDouble(), 'f', 2), available);
  }

  // Save writes what the windows hold; a change then abandoned is gone again.
  void saveAndAbandon() {
    Command("mnuFileSave")->trigger();
    saved_ = Stored(Data());
    QCOMPARE(StoredInFolder(env_->DataFolder()), saved_);
    QVERIFY(cal_->Choose("Adams, Alice"));
    QVERIFY(cal_->DragReason("Sick", 2, 1));
    QVERIFY(Stored(Data()) != saved_);
    TMessageBoxSpy spy;
    spy.Answer(mbYes);
    Command("mnuFileAbandon")->trigger();
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Confirmation);
    QCOMPARE(Stored(Data()), saved_);
    QCOMPARE(StoredInFolder(env_->DataFolder()), saved_);
  }

  // A backup made, a change saved over it, and the backup restored and saved.
  void backUpAndRestore() {
    const QString backup = QFileInfo(env_->DataFolder() + "../first-day.abk").absoluteFilePath();
    QList<TFileDialogKind> asked;
    SetFileDialogHook([&](const TFileDialogCall& call) -> std::optional<QString> {
      asked << call.Kind;
      return backup;
    });
    {
      TMessageBoxSpy spy;
      spy.Answer(mbYes);  // create the new file
      spy.Answer(mbOK);   // backed up
      Command("mnuFileBackup")->trigger();
      QCOMPARE(spy.Calls().size(), size_t(2));
      QCOMPARE(spy.Calls()[1].Text, QString("Your Absence data was successfully backed up."));
    }
    QVERIFY(QFileInfo(backup).size() > 0);
    QVERIFY(cal_->Choose("Adams, Alice"));
    QVERIFY(cal_->DragReason("Sick", 2, 1));
    Command("mnuFileSave")->trigger();
    QVERIFY(StoredInFolder(env_->DataFolder()) != saved_);
    {
      TMessageBoxSpy spy;
      spy.Answer(mbYes);  // replace the data there with the backup
      spy.Answer(mbOK);   // restored
      Command("mnuFileRestore")->trigger();
      QCOMPARE(spy.Calls().size(), size_t(2));
      QVERIFY(spy.Calls()[0].Text.endsWith(
          "Do you want to replace your current data with the backup?"));
      QCOMPARE(spy.Calls()[1].Text, QString("Your Absence data was successfully restored."));
    }
    SetFileDialogHook(nullptr);
    QCOMPARE(asked, (QList<TFileDialogKind>{TFileDialogKind::Save, TFileDialogKind::Open}));
    QCOMPARE(Stored(Data()), saved_);
    Command("mnuFileSave")->trigger();
    QCOMPARE(StoredInFolder(env_->DataFolder()), saved_);
  }

  // The four selection reports, the month calendar, and the lists of the Edit windows, the
  // employee's balances and the absence lists, each printed to a PDF file.
  void everyReportAndListToPdf() {
    const QString folder = QFileInfo(env_->DataFolder() + "../pdf/").absoluteFilePath();
    QDir().mkpath(folder);
    QString next;  // the file the next print asks for
    QStringList printed;
    SetFileDialogHook([&](const TFileDialogCall& call) -> std::optional<QString> {
      if (call.DefaultExt != "pdf" || next.isEmpty()) return std::nullopt;
      printed << next;
      return folder + std::exchange(next, QString()) + ".pdf";
    });
    // The selection reports of everyone (Absence Taken of December).
    const char* const reports[][2] = {{"mnuReportAbsence", "absence-taken"},
                                      {"mnuReportBalances", "balances"},
                                      {"mnuReportEmpInfo", "employee-information"},
                                      {"mnuReportDepInfo", "department-information"}};
    for (const auto& report : reports) {
      TDialogDriver driver([&](QDialog& dialog) {
        if (ConfirmedPrintSetup(dialog)) return;
        auto* selection = qobject_cast<TfrmSelection*>(&dialog);
        QVERIFY(selection);
        Click(Find<QPushButton>(selection, "IncAllBtn"));
        if (Find<QGroupBox>(selection, "pnlDates")->isVisible()) {
          Retype(Find<TDateEdit>(selection, "txtStartDate"), Date(EncodeDate(2026, 12, 1)));
          Retype(Find<TDateEdit>(selection, "txtEndDate"), Date(EncodeDate(2026, 12, 31)));
        }
        next = report[1];
        Click(Find<QPushButton>(selection, "cmdPrint"));
        Click(Find<QPushButton>(selection, "cmdCancel"));
      });
      Command(report[0])->trigger();
      QCOMPARE(driver.Runs(), 2);  // the selection, then the print setup
    }
    // The month calendar of December.
    {
      TDialogDriver driver([&](QDialog& dialog) {
        if (ConfirmedPrintSetup(dialog)) return;
        QVERIFY(dynamic_cast<TfrmPrintCalendar*>(&dialog));
        next = "month-calendar";
        Click(Find<QPushButton>(&dialog, "cmdPrint"));
        Click(Find<QPushButton>(&dialog, "cmdClose"));
      });
      Command("mnuReportCalendar")->trigger();
      QCOMPARE(driver.Runs(), 2);
    }
    // The lists of the Edit windows, and Adams's balances from her employee dialog.
    TDialogDriver driver([&](QDialog& dialog) {
      if (ConfirmedPrintSetup(dialog)) return;
      QApplication::setActiveWindow(&dialog);
      if (auto* depts = qobject_cast<TfrmDept*>(&dialog)) {
        next = "departments";
        Click(ToolButton(depts, "spdPrint"));
        Click(Find<QPushButton>(depts, "cmdClose"));
      } else if (auto* reasons = qobject_cast<TfrmReasons*>(&dialog)) {
        next = "reasons";
        Click(ToolButton(reasons, "spdPrint"));
        Click(Find<QPushButton>(reasons, "cmdClose"));
      } else if (auto* emps = qobject_cast<TfrmEmp*>(&dialog)) {
        next = "employees";
        Click(ToolButton(emps, "spdPrint"));
        QVERIFY(ClickRowOf(emps, "grdEmployee", "Adams, Alice"));
        Click(ToolButton(emps, "spdEditRec"));
        Click(Find<QPushButton>(emps, "cmdClose"));
      } else if (auto* emp = qobject_cast<TfrmEmpRec*>(&dialog)) {
        if (Find<TAccrualBalances>(emp, "pnlAccruals")->isHidden())
          Click(Find<QPushButton>(emp, "cmdAccruals"));
        next = "balances-of-adams";
        Click(ToolButton(Find<TAccrualBalances>(emp, "pnlAccruals"), "spdPrint"));
        Click(emp->CancelButton());
      } else if (auto* list = qobject_cast<TfrmTimeList*>(&dialog)) {
        next = list->windowTitle() == "Global Absence" ? "global-absences" : "absences-of-baker";
        Click(ToolButton(list, "spdPrint"));
        Click(Find<QPushButton>(list, "cmdClose"));
      } else {
        QFAIL(qPrintable("unexpected dialog " + dialog.objectName()));
      }
    });
    for (const char* command : {"mnuEditDept", "mnuEditReason", "mnuEditEmp"})
      Command(command)->trigger();
    QVERIFY(cal_->Choose("Baker, Ben"));
    Click(Find<QToolButton>(cal_->w.get(), "spdAbsenceView"));
    Click(Find<QToolButton>(cal_->w.get(), "spdGlobal"));
    SetFileDialogHook(nullptr);
    QCOMPARE(driver.Runs(), 6);  // six windows; the departments print with no setup window
    QCOMPARE(printed, (QStringList{"absence-taken", "balances", "employee-information",
                                   "department-information", "month-calendar", "departments",
                                   "reasons", "employees", "balances-of-adams", "absences-of-baker",
                                   "global-absences"}));
    // Each file holds what the user asked for (spaces of the layout taken as one).
    const std::pair<const char*, QStringList> contents[] = {
        {"absence-taken",
         {"Alice Adams", "12/09/2026 Vacation 8.0", "12/11/2026 Sick 8.0", "Ben Baker",
          "12/18/2026 Vacation 8.0", "Vacation 32.0", "Cora Clark", "Report Totals", "Holiday 16.0",
          "Vacation 40.0"}},
        {"balances",
         {"Alice Adams", "Vacation Anniv 24.0 0.0 24.0", "Cora Clark",
          "Vacation Anniv 4.0 0.0 4.0"}},
        {"employee-information",
         {"Dan Davis", "Employee ID: E-4", "Term Date: 11/30/2026", "Department: Workshop",
          "Vacation 24.0 12/01/2026"}},
        {"department-information",
         {"Office OFF Yes Alice Adams", "Workshop WS Yes <No Manager>", "Clark, Cora"}},
        {"month-calendar",
         {"December 2026", "Adams, Alice - Vacation", "Baker, Ben - Vacation", "Global Holiday"}},
        {"departments", {"Department List", "Office OFF Yes Alice Adams"}},
        {"reasons",
         {"Vacation Yes Yes Anniversary Year As Of Month End", "Holiday Yes No n/a n/a",
          "60 960 120 0"}},
        {"employees", {"Davis, Dan E-4 01/10/2020 11/30/2026 Yes Workshop"}},
        {"balances-of-adams", {"Adams, Alice", "Vacation 24.0 12/01/2026"}},
        {"absences-of-baker",
         {"Ben Baker - 2026", "12/18/2026 Vacation 8.0", "12/24/2026 Holiday - Global 8.0"}},
        {"global-absences", {"Global Absence - 2026", "12/24/2026 Holiday - Global 8.0"}},
    };
    QStringList missing;
    for (const auto& [name, texts] : contents) {
      const QString text = PdfText(folder + name + ".pdf").simplified();
      for (const QString& t : texts)
        if (!text.contains(t)) missing << QString("%1: %2").arg(name, t);
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(", ")));
    // Printing changed nothing.
    QCOMPARE(Stored(Data()), saved_);
  }

  // File › Export writes the employees and the absences; the program started on a fresh folder
  // imports both and holds the same people with the same absences.
  void absencesExportedAndImportedIntoAFreshFolder() {
    const QString out = QFileInfo(env_->DataFolder() + "../export/").absoluteFilePath();
    QDir().mkpath(out);
    Convert("mnuFileExport", out);
    QVERIFY(QFileInfo(out + "employees.txt").size() > 0);
    QVERIFY(QFileInfo(out + "absences.txt").size() > 0);
    const TDataSet& before = Data();
    std::vector<std::pair<std::string, std::multiset<TEntryLine>>> people;
    for (const TPerson& p : kPeople) people.emplace_back(p.ID, LiveEntries(before, Emp(p)));

    // Closing saves; the program then starts on a fresh folder.
    const nlohmann::json held = Stored(Data());
    cal_.reset();
    QCOMPARE(StoredInFolder(env_->DataFolder()), held);
    const QString fresh = QFileInfo(env_->DataFolder() + "../fresh/").absoluteFilePath();
    QDir().mkpath(fresh);
    App().AppFolder = fresh.toStdString();
    cal_ = std::make_unique<TCalendarWindow>();
    QVERIFY(cal_->loaded);
    QVERIFY(Data().EmpList.empty());
    Convert("mnuFileImport", out);
    const TDataSet& after = Data();
    QCOMPARE(after.EmpList.size(), size_t(4));
    for (const TPerson& p : kPeople) QVERIFY2(IsPerson(after, Emp(p), p), p.Last);
    // The fresh folder has no global entries: the holiday copies arrive as each one's own
    // entries, and Clark's exemption, with no holiday left to exempt her from, is skipped (the
    // import said so).
    for (const auto& [id, before_lines] : people) {
      const TEmpRecClass& e = *after.EmpList[FindEmpBySSN(after, id)];
      auto lines = before_lines;
      std::erase_if(lines, [](const TEntryLine& line) { return std::get<2>(line) < 0; });
      QCOMPARE(LiveEntries(after, e), lines);
      for (const auto& x : e.Entries) QVERIFY(x->Kind == TEntryKind::Own);
    }
    QCOMPARE(people[2].second,
             (std::multiset<TEntryLine>{{"Holiday", Day(kHolidayCol, kHolidayRow), -1.0f}}));
    QVERIFY(FindReason(after.ReasonList, 0, "Holiday") >= 0);
  }

  // Closing saves; the files, read again, give the data set the windows held.
  void theFilesGiveTheSameDataSetAgain() {
    Command("mnuFileSave")->trigger();
    QVERIFY(cal_->Choose("Baker, Ben"));
    QVERIFY(cal_->DragReason("Sick", 6, 2));  // Saturday 26 December, kept by closing
    const nlohmann::json held = Stored(Data());
    const QString folder = QString::fromStdString(App().AppFolder);
    cal_.reset();
    QCOMPARE(StoredInFolder(folder), held);
    QCOMPARE(StoredInFolder(env_->DataFolder()), saved_);
  }

 private:
  TDataSet& Data() { return absence::ui::test::TestData(cal_->w->Session()); }
  QAction* Command(const char* name) { return Find<QAction>(cal_->w.get(), name); }
  const TReasonRecClass& Reason(const char* name) {
    const int at = FindReason(Data().ReasonList, 0, name);
    if (at < 0) qFatal("no reason %s", name);
    return *Data().ReasonList[static_cast<size_t>(at)];
  }
  const TEmpRecClass& Emp(const TPerson& p) {
    return cal_->Emp(qPrintable(QString("%1, %2").arg(p.Last, p.First)));
  }
  static size_t FindEmpBySSN(const TDataSet& data, const std::string& ssn) {
    for (size_t i = 0; i < data.EmpList.size(); ++i)
      if (data.EmpList[i]->SSN == ssn) return i;
    qFatal("no employee %s", ssn.c_str());
  }

  // Types an "up to" period in years and its hours a year on the wizard's details page.
  static void EnterRule(TfrmRuleWizard& w, int years, int hours) {
    Retype(Find<QLineEdit>(&w, "txtEnd"), QString::number(years));
    ClickBox(Find<QRadioButton>(&w, "btnEndYears"));
    Retype(Find<TNumEdit>(&w, "txtHours"), QString::number(hours));
    ClickBox(Find<QRadioButton>(&w, "btnYearHours"));
    Click(Find<QPushButton>(&w, "cmdNext"));
  }

  // The employee dialog filled in the order of its boxes; the opening balance through the
  // balance section's Edit.
  static void TypeEmployee(TfrmEmpRec& dlg, const TPerson& p) {
    QCOMPARE(dlg.windowTitle(), QString("New Employee"));
    QTest::keyClicks(Find<QLineEdit>(&dlg, "txtFirstName"), p.First);
    QTest::keyClicks(Find<QLineEdit>(&dlg, "txtLastName"), p.Last);
    QTest::keyClicks(Find<QLineEdit>(&dlg, "txtSSN"), p.ID);
    Retype(Find<TDateEdit>(&dlg, "txtStartDate"), Date(p.Start));
    if (p.End) Retype(Find<TDateEdit>(&dlg, "txtEndDate"), Date(p.End));
    QVERIFY(ChooseByKeys(Find<TPVComboBox>(&dlg, "cboDeptBox"), p.Dept));
    if (p.Manager) ClickBox(Find<QCheckBox>(&dlg, "chkManager"));
    QCOMPARE(Find<QCheckBox>(&dlg, "chkManager")->isChecked(), p.Manager);
    if (p.Opening > 0) {
      if (Find<TAccrualBalances>(&dlg, "pnlAccruals")->isHidden())
        Click(Find<QPushButton>(&dlg, "cmdAccruals"));
      QVERIFY(ClickRowOf(Find<TAccrualBalances>(&dlg, "pnlAccruals"), "grdAccruals", "Vacation"));
      Click(ToolButton(Find<TAccrualBalances>(&dlg, "pnlAccruals"), "spdEditRec"));
    }
    Click(dlg.OkButton());
  }

  // Runs the export (or import) wizard over the employees and then the absences, in and out of
  // the files "employees.txt" and "absences.txt" of `folder`.
  void Convert(const char* command, const QString& folder) {
    const bool import = QString(command) == "mnuFileImport";
    TMessageBoxSpy spy;
    spy.Answer(mbYes);             // another file
    if (import) spy.Answer(mbOK);  // the lines the absence import skipped
    spy.Answer(mbNo);
    TDialogDriver driver([&](QDialog& dialog) {
      auto* w = qobject_cast<TfrmConvert*>(&dialog);
      QVERIFY(w);
      for (const char* file : {"employees.txt", "absences.txt"}) {
        const bool absences = QString(file) == "absences.txt";
        if (Find<QStackedWidget>(w, "ntWizard")->currentIndex() == TfrmConvert::pgStartup)
          Click(Find<QPushButton>(w, "cmdNext"));
        QCOMPARE(Find<QStackedWidget>(w, "ntWizard")->currentIndex(), int(TfrmConvert::pgDetails));
        Click(absences ? Find<QRadioButton>(w, "btnAbsence")
                       : Find<QRadioButton>(w, "btnEmployee"));
        Click(Find<QPushButton>(w, "cmdNext"));
        if (Find<QStackedWidget>(w, "ntWizard")->currentIndex() == TfrmConvert::pgAbsence) {
          QVERIFY(Find<QRadioButton>(w, "btnAll")->isChecked());
          Click(Find<QPushButton>(w, "cmdNext"));
        }
        if (Find<QStackedWidget>(w, "ntWizard")->currentIndex() == TfrmConvert::pgFinish) {
          QVERIFY(Find<QRadioButton>(w, "btnReplace")->isChecked());
          Click(Find<QPushButton>(w, "cmdNext"));
        }
        QCOMPARE(Find<QStackedWidget>(w, "ntWizard")->currentIndex(), int(TfrmConvert::pgFiles));
        Find<QLineEdit>(w, "txtImportFile")->clear();
        QTest::keyClicks(Find<QLineEdit>(w, "txtImportFile"), folder + file);
        Click(Find<QPushButton>(w, "cmdNext"));
        QCOMPARE(Find<QStackedWidget>(w, "ntWizard")->currentIndex(), int(TfrmConvert::pgRun));
        Click(Find<QPushButton>(w, "cmdNext"));
      }
    });
    Command(command)->trigger();
    QCOMPARE(driver.Runs(), 1);
    QCOMPARE(spy.Calls().size(), size_t(import ? 3 : 2));
    const QString done = import ? "Import" : "Export";
    for (const auto& call : spy.Calls())
      if (call.Kind != TMsgKind::Information)
        QCOMPARE(call.Text, QString("%1 complete.  Do you want to %1 another file?").arg(done));
    if (import) QVERIFY(spy.Calls()[1].Text.contains("with negative hours were skipped"));
  }

  std::unique_ptr<TTempEnvironment> env_;
  std::unique_ptr<TCalendarWindow> cal_;
  nlohmann::json saved_;  // the data set as last saved in the first folder
};

ABSENCE_UI_SUITE("first_day", FirstDayTest)
#include "first_day_test.moc"

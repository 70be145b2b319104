// The History window driven by keys and clicks: each filter box, the employee dialog's History
// button, printing and CSV export of the rows shown, and journals that are damaged or missing.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "data/journal.h"
#include "dates/date_text.h"
#include "dialog_support.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_edit.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/item_roles.h"
#include "ui/main/main_window.h"
#include "ui/maintenance/emp_rec.h"
#include "ui/reports/history_window.h"

namespace absence::ui::test {
namespace {

// Noon of the day, so the local day is that day in every time zone a test machine has.
int64_t NoonOf(TDate day) {
  return (static_cast<int64_t>(day) - 25569) * 86'400'000 + 43'200'000;
}

QString DateText(TDate day) {
  return QString::fromStdString(FormatDate(day, App().DatePattern.toStdString()));
}

}  // namespace

class HistoryWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void filtersNarrowTheRowsNewestFirst();
  void theEmployeeDialogOpensItForItsEmployee();
  void printsAndExportsTheRowsShown();
  void damagedAndMissingJournalsAreReported();
  void theEditMenuOpensIt();

 private:
  // The five changes, oldest first (positions 0 to 4 in the journal).
  std::string JournalText() const;
  void WriteJournal(const std::string& text) const;
  std::unique_ptr<TfrmHistory> Open(int32_t empID = 0);
  static std::vector<qint64> Positions(const TfrmHistory& w);

  std::unique_ptr<TTempEnvironment> env_;
  std::unique_ptr<TDataSession> session_;
  std::unique_ptr<TSampleOrg> org_;
  int32_t sales_ = 0;
};

void HistoryWindowTest::init() {
  env_ = std::make_unique<TTempEnvironment>();
  SetTodayOverride(kToday);
  session_ = std::make_unique<TDataSession>(env_->DataFolder().toStdString());
  org_ = std::make_unique<TSampleOrg>(*session_);
  sales_ = AddDept(TestData(*session_).DeptList, "Sales", 0, true, "S");
  WriteJournal(JournalText());
}

void HistoryWindowTest::cleanup() {
  SetFileDialogHook(nullptr);
  SetDialogHook(nullptr);
  org_.reset();
  session_.reset();
  env_.reset();
}

std::string HistoryWindowTest::JournalText() const {
  using T = TJournalRefType;
  const TJournalRef smith{T::Employee, org_->Smith, "Smith, Ann", 0};
  const TJournalRef jones{T::Employee, org_->Jones, "Jones, Bob", sales_};
  const TJournalRef vacation{T::Reason, org_->Vacation, "Vacation", 0};
  const TJournalRef sick{T::Reason, org_->Sick, "Sick", 0};
  const TJournalRef globals{T::GlobalList, 0, "", 0};
  const TJournalRef sales{T::Dept, sales_, "Sales", 0};
  namespace k = journal_kind;
  const TJournalRecord records[] = {
      {NoonOf(kToday - 40),
       "ann",
       "desk",
       k::kAddEntries,
       "Add Vacation on 10/29/2026 \u2014 Smith, Ann",
       {smith, vacation},
       {{"Hours", {}, "8"}}},
      {NoonOf(kToday - 30),
       "ann",
       "desk",
       k::kEditEmployee,
       "Edit employee Jones, Bob",
       {jones},
       {{"LastName", "Jones", "Jonas"}}},
      {NoonOf(kToday - 20),
       "bo",
       "laptop",
       k::kSetRules,
       "Change policy of Vacation",
       {vacation},
       {{"Rules", "0-960 months: 80 h", "0-960 months: 96 h"}}},
      {NoonOf(kToday - 10),
       "ann",
       "desk",
       k::kAddEntries,
       "Add global Sick on 11/28/2026",
       {globals, sick},
       {{"Hours", {}, "8"}}},
      {NoonOf(kToday - 5),
       "bo",
       "laptop",
       k::kEditDept,
       "Edit department Sales",
       {sales},
       {{"DeptCode", "S", "SA"}}},
  };
  std::string text;
  for (const TJournalRecord& r : records) text += JournalLine(r);
  return text;
}

void HistoryWindowTest::WriteJournal(const std::string& text) const {
  std::ofstream(JournalPath(session_->Folder()), std::ios::binary | std::ios::trunc) << text;
}

std::unique_ptr<TfrmHistory> HistoryWindowTest::Open(int32_t empID) {
  auto w = std::make_unique<TfrmHistory>(*session_, empID);
  w->show();
  w->activateWindow();
  if (!QTest::qWaitForWindowActive(w.get())) qFatal("window not shown");
  return w;
}

std::vector<qint64> HistoryWindowTest::Positions(const TfrmHistory& w) {
  const auto* view = w.findChild<QTableView*>(QStringLiteral("grdHistory"));
  std::vector<qint64> positions;
  for (int row = 0; row < view->model()->rowCount(); ++row)
    positions.push_back(view->model()->index(row, 0).data(kRecordIdRole).toLongLong());
  return positions;
}

void HistoryWindowTest::filtersNarrowTheRowsNewestFirst() {
  const auto choose = [](const char* box, const char* text) {
    return [box, text](TfrmHistory& w) {
      QVERIFY2(ChooseByKeys(Find<QComboBox>(&w, box), QString::fromUtf8(text)), text);
    };
  };
  // Typed into a date box and confirmed with Enter, or by leaving the box with Tab.
  const auto type = [](const char* box, TDate day, Qt::Key confirm) {
    return [box, day, confirm](TfrmHistory& w) {
      auto* edit = Find<TDateEdit>(&w, box);
      edit->setFocus();
      edit->selectAll();
      QTest::keyClicks(edit, DateText(day));
      QTest::keyClick(edit, confirm);
    };
  };
  struct TCase {
    const char* Name;
    std::vector<std::function<void(TfrmHistory&)>> Steps;
    std::vector<qint64> Rows;
  };
  const std::vector<TCase> cases = {
      {"no filter", {}, {4, 3, 2, 1, 0}},
      {"employee: own changes and global entries", {choose("cboEmployee", "Smith, Ann")}, {3, 0}},
      {"reason", {choose("cboReason", "Vacation")}, {2, 0}},
      {"department: itself and its employees", {choose("cboDepartment", "Sales")}, {4, 1}},
      {"kind", {choose("cboKind", "Entries added")}, {3, 0}},
      {"saved between two days",
       {type("txtFrom", kToday - 30, Qt::Key_Return), type("txtTo", kToday - 10, Qt::Key_Tab)},
       {3, 2, 1}},
      {"from a day on", {type("txtFrom", kToday - 10, Qt::Key_Return)}, {4, 3}},
      {"employee and reason together",
       {choose("cboEmployee", "Smith, Ann"), choose("cboReason", "Vacation")},
       {0}},
  };
  for (const TCase& c : cases) {
    auto w = Open();
    for (const auto& step : c.Steps) step(*w);
    QCOMPARE(Positions(*w), c.Rows);
    const QString count = Find<QLabel>(w.get(), "lblCount")->text();
    QCOMPARE(count, c.Rows.size() == 5 ? QStringLiteral("5 changes")
                                       : QStringLiteral("%1 of 5 changes").arg(c.Rows.size()));
  }
  // What a row shows: when, who, what, and the values before and after.
  auto w = Open();
  const QAbstractItemModel* m = Find<QTableView>(w.get(), "grdHistory")->model();
  const QString when = m->index(3, THistoryModel::kWhenColumn).data().toString();
  QVERIFY2(QRegularExpression(QStringLiteral("^%1 \\d\\d:\\d\\d$").arg(DateText(kToday - 30)))
               .match(when)
               .hasMatch(),
           qPrintable(when));
  QCOMPARE(m->index(3, THistoryModel::kUserColumn).data().toString(), QStringLiteral("ann"));
  QCOMPARE(m->index(3, THistoryModel::kChangeColumn).data().toString(),
           QStringLiteral("Edit employee Jones, Bob"));
  QCOMPARE(m->index(3, THistoryModel::kValuesColumn).data().toString(),
           QStringLiteral("LastName: Jones \u2192 Jonas"));
  QCOMPARE(m->index(4, THistoryModel::kValuesColumn).data().toString(),
           QStringLiteral("Hours: (none) \u2192 8"));
}

void HistoryWindowTest::theEmployeeDialogOpensItForItsEmployee() {
  std::vector<qint64> rows;
  QString shownEmployee;
  TDialogDriver driver([&](QDialog& dialog) {
    auto* history = qobject_cast<TfrmHistory*>(&dialog);
    QVERIFY(history);
    rows = Positions(*history);
    shownEmployee = Find<QComboBox>(history, "cboEmployee")->currentText();
    QTest::mouseClick(Find<QPushButton>(history, "cmdClose"), Qt::LeftButton);
  });
  TfrmEmpRec dlg(*session_);
  dlg.SetEmpID(org_->Jones);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowActive(&dlg));
  QVERIFY(Find<QPushButton>(&dlg, "cmdHistory")->isVisible());
  QTest::mouseClick(Find<QPushButton>(&dlg, "cmdHistory"), Qt::LeftButton);
  QCOMPARE(driver.Runs(), 1);
  QCOMPARE(shownEmployee, QStringLiteral("Jones, Bob"));
  QCOMPARE(rows, (std::vector<qint64>{3, 1}));

  TfrmEmpRec added(*session_);
  added.show();
  QVERIFY(!Find<QPushButton>(&added, "cmdHistory")->isVisible());
}

void HistoryWindowTest::printsAndExportsTheRowsShown() {
  const QString csv = env_->DataFolder() + QStringLiteral("history.csv");
  const QString pdf = env_->DataFolder() + QStringLiteral("history.pdf");
  QString next;
  SetFileDialogHook([&](const TFileDialogCall&) { return std::optional<QString>(next); });
  auto w = Open();
  QVERIFY(ChooseByKeys(Find<QComboBox>(w.get(), "cboDepartment"), QStringLiteral("Sales")));

  next = csv;
  QTest::mouseClick(Find<QPushButton>(w.get(), "cmdExport"), Qt::LeftButton);
  std::ifstream in(csv.toStdString(), std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  QCOMPARE(QString::fromStdString(text.str()),
           QString::fromStdString(
               "Time,User,Host,Kind,Change,Value,Before,After\r\n" +
               JournalTimeText(NoonOf(kToday - 5)) +
               ",bo,laptop,edit-department,Edit department Sales,DeptCode,S,SA\r\n" +
               JournalTimeText(NoonOf(kToday - 30)) +
               ",ann,desk,edit-employee,\"Edit employee Jones, Bob\",LastName,Jones,Jonas\r\n"));

  next = pdf;
  QTest::mouseClick(Find<QPushButton>(w.get(), "cmdPrint"), Qt::LeftButton);
  const QString printed = PdfText(pdf).simplified();
  for (const char* shown :
       {"Change History", "Sales", "Edit department Sales", "DeptCode: S \u2192 SA",
        "Edit employee Jones, Bob", "LastName: Jones \u2192 Jonas"})
    QVERIFY2(printed.contains(QString::fromUtf8(shown)), shown);
  QVERIFY(!printed.contains(QStringLiteral("Vacation")));
}

void HistoryWindowTest::damagedAndMissingJournalsAreReported() {
  struct TCase {
    const char* Name;
    bool Write;
    std::string Text;
    qsizetype Rows;
    bool Problem;
  };
  const std::string whole = JournalText();
  const std::vector<TCase> cases = {
      {"torn last line", true, whole + "{\"time\":\"2026-12-0", 5, true},
      {"damaged line in the middle", true, "not a change\n" + whole, 5, true},
      {"missing", false, "", 0, false},
  };
  for (const TCase& c : cases) {
    std::remove(JournalPath(session_->Folder()).c_str());
    if (c.Write) WriteJournal(c.Text);
    auto w = Open();
    QVERIFY2(static_cast<qsizetype>(Positions(*w).size()) == c.Rows, c.Name);
    auto* problems = Find<QLabel>(w.get(), "lblProblems");
    QVERIFY2(problems->isVisible() == c.Problem, c.Name);
    if (c.Problem) QVERIFY2(problems->text().contains(QStringLiteral("history.jsonl")), c.Name);
    QVERIFY2(Find<QPushButton>(w.get(), "cmdPrint")->isEnabled() == (c.Rows > 0), c.Name);
    QVERIFY2(Find<QPushButton>(w.get(), "cmdExport")->isEnabled() == (c.Rows > 0), c.Name);
  }
}

void HistoryWindowTest::theEditMenuOpensIt() {
  TfrmMain main(10);
  main.ShowAsStored();
  auto* timer = Find<QTimer>(&main, "Timer1");
  QVERIFY(QTest::qWaitFor([&] { return !timer->isActive() && main.isEnabled(); }, 5000));
  std::vector<qint64> rows;
  TDialogDriver driver([&](QDialog& dialog) {
    auto* history = qobject_cast<TfrmHistory*>(&dialog);
    QVERIFY(history);
    rows = Positions(*history);
    QTest::keyClick(history, Qt::Key_Escape);
  });
  auto* command = Find<QAction>(&main, "mnuEditHistory");
  QVERIFY(command->isEnabled());
  command->trigger();
  QCOMPARE(driver.Runs(), 1);
  QCOMPARE(rows, (std::vector<qint64>{4, 3, 2, 1, 0}));
}

ABSENCE_UI_SUITE("history", HistoryWindowTest)

}  // namespace absence::ui::test

#include "history_window_test.moc"

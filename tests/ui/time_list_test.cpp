// The absence list window driven by clicks and keys: the rows of a year, Undo, the read-only
// global copy, deleting and restoring a global entry, the order and Print.
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>
#include <memory>

#include "../core/reports/report_data_set.h"
#include "dialog_support.h"
#include "list_support.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/file_dialogs.h"
#include "ui/dialogs/absence_rec.h"
#include "ui/dialogs/undelete_dialog.h"
#include "ui/main/main_window.h"
#include "ui/reports/time_list.h"

using namespace absence;
using namespace absence::ui;

namespace {

constexpr int32_t kAnn = 1;
constexpr int32_t kCy = 3;

// The report organisation in a session (changed by `change`), and the list window of Ann's entries
// (Own) or of the global entries, shown for `year`.
struct TListFixture {
  ui::test::TTempEnvironment env;
  TDataSession session{env.DataFolder().toStdString()};
  std::unique_ptr<TfrmTimeList> w;

  TListFixture(TEntryKind kind, int year, const std::function<void(TDataSet&)>& change = {}) {
    SetTodayOverride(EncodeDate(2024, 3, 15));
    TDataSet data = absence::test::MakeReportDataSet();
    SaveDataSet(data, env.DataFolder().toStdString(), false);
    if (!session.Load()) qFatal("the data set did not load");
    // Changed after loading: saving empties the trash.
    if (change) change(absence::ui::test::TestData(session));
    w = std::make_unique<TfrmTimeList>(session, kind, kind == TEntryKind::Own ? kAnn : 0, year);
    w->show();
    w->activateWindow();
    if (!QTest::qWaitForWindowActive(w.get())) qFatal("window not shown");
  }
  QTableView* Table() const { return ui::test::ListView(w.get(), "grdAbsence"); }
  QToolButton* Button(const char* name) const { return ui::test::ToolButton(w.get(), name); }
  template <typename T>
  T* Child(const char* name) const {
    return ui::test::Find<T>(w.get(), name);
  }
  int Rows() const { return ui::test::RowCount(Table()); }
  QStringList Row(int row) const {
    QStringList cells;
    for (int c = 0; c < 3; ++c) cells << ui::test::Cell(Table(), row, c);
    return cells;
  }
  // Whether the reason cell shows the globe of a global entry's copy.
  bool Globe(int row) const {
    return !Table()->model()->index(row, 1).data(Qt::DecorationRole).value<QIcon>().isNull();
  }
  QPoint Centre(int row) const {
    return Table()->visualRect(Table()->model()->index(row, 0)).center();
  }
  // The press and release of the first click, then the second.
  void DoubleClick(int row) {
    QTest::mouseClick(Table()->viewport(), Qt::LeftButton, {}, Centre(row));
    QTest::mouseDClick(Table()->viewport(), Qt::LeftButton, {}, Centre(row));
  }
  TEntryList& AnnEntries() { return absence::ui::test::TestEmp(session, kAnn).Entries; }
};

bool SortedByDate(const TEntryList& list) {
  return std::is_sorted(list.begin(), list.end(),
                        [](const auto& a, const auto& b) { return a->EntryDate < b->EntryDate; });
}

}  // namespace

class TimeListTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ui::test::FailOnUnexpectedMessageBoxes(); }

  void CaptionsAndHintsFollowTheMode() {
    struct Row {
      TEntryKind kind;
      const char* caption;
      const char* newHint;
      const char* helpHint;
    } rows[] = {
        {TEntryKind::Own, "Employee Absence", "New Absence Entry", "Absence Help"},
        {TEntryKind::Global, "Global Absence", "New Global Absence Entry", "Global Absence Help"}};
    for (const Row& r : rows) {
      TListFixture f(r.kind, 2024);
      QCOMPARE(f.w->windowTitle(), QString::fromLatin1(r.caption));
      QVERIFY(f.Button("spdNewRec")->toolTip().startsWith(QString::fromLatin1(r.newHint)));
      QVERIFY(f.Button("spdHelp")->toolTip().startsWith(QString::fromLatin1(r.helpHint)));
      QCOMPARE(f.Child<QLineEdit>("txtYear")->text(), QStringLiteral("2024"));
      QVERIFY(f.Child<QLineEdit>("txtYear")->isReadOnly() &&
              f.Child<QLineEdit>("txtYear")->font().bold());
      QVERIFY(f.Child<QRadioButton>("btnDate")->isChecked());
    }
  }

  // A year without entries: no rows, nothing to edit, delete or print; a double click offers a
  // new entry.
  void YearWithoutEntries() {
    TListFixture f(TEntryKind::Own, 2022);
    QCOMPARE(f.Rows(), 0);
    QVERIFY(!f.Button("spdEditRec")->isEnabled());
    QVERIFY(!f.Button("spdDeleteRec")->isEnabled());
    QVERIFY(!f.Button("spdPrint")->isEnabled());
    QVERIFY(!f.Button("spdUnDo")->isEnabled());
    QVERIFY(f.Button("spdNewRec")->isEnabled());
    QString caption;
    ui::test::TDialogDriver driver([&](QDialog& d) {
      caption = d.windowTitle();
      d.reject();
    });
    QTest::mouseDClick(f.Table()->viewport(), Qt::LeftButton, {},
                       f.Table()->visualRect(f.Table()->model()->index(0, 0)).center());
    QCOMPARE(driver.Runs(), 1);
    QCOMPARE(caption, QStringLiteral("New Absence Entry"));
    QCOMPARE(f.Rows(), 0);
  }

  // The rows of 2024 in date order, the global copy with the globe; the year steps with the
  // up-down's keys; Undo only for a trashed entry of the year shown.
  void RowsAndUndoFollowTheYear() {
    TListFixture f(TEntryKind::Own, 2024, [](TDataSet& d) {
      TEntryList& ann = d.EmpList[0]->Entries;
      const int i = FindEntry(ann, 1, TEntryKind::Own, EncodeDate(2023, 12, 31));
      ann[static_cast<std::size_t>(i)]->AddDelMark(TTrashMark::Record, d.EmpList);
    });
    QCOMPARE(f.Rows(), 4);
    QCOMPARE(f.Row(0), (QStringList{"01/01/2024", "Holiday", "8.0"}));
    QCOMPARE(f.Row(3), (QStringList{"02/01/2024", "Vacation", "8.0"}));
    QVERIFY(f.Globe(0));  // the globe
    QVERIFY(!f.Globe(1));
    QVERIFY(!f.Button("spdUnDo")->isEnabled());
    QVERIFY(f.Button("spdPrint")->isEnabled());
    QTest::keyClick(f.Child<QSpinBox>("spnYear"), Qt::Key_Down);
    QCOMPARE(f.w->Year(), 2023);
    QCOMPARE(f.Rows(), 0);
    QVERIFY(f.Button("spdUnDo")->isEnabled());
    QTest::keyClick(f.Child<QSpinBox>("spnYear"), Qt::Key_Down);
    QVERIFY(!f.Button("spdUnDo")->isEnabled());
  }

  void GlobalCopyOpensReadOnlyInEmployeeMode() {
    TListFixture f(TEntryKind::Own, 2024);
    QString caption;
    bool readOnly = false;
    ui::test::TDialogDriver driver([&](QDialog& d) {
      caption = d.windowTitle();
      readOnly = dynamic_cast<TfrmAbsenceRec&>(d).ReadOnlyMode();
      d.reject();
    });
    f.DoubleClick(0);
    QCOMPARE(driver.Runs(), 1);
    QCOMPARE(caption, QStringLiteral("Global Absence Entry"));
    QVERIFY(readOnly);
    // An own entry opens for editing.
    f.DoubleClick(1);
    QCOMPARE(caption, QStringLiteral("Edit Absence Entry"));
    QVERIFY(!readOnly);
  }

  // In global mode Delete takes every employee's copy away; Undo brings them back.
  void DeletingAGlobalEntryRemovesTheCopiesAndUndoRestoresThem() {
    TListFixture f(TEntryKind::Global, 2024);
    const TDate day = EncodeDate(2024, 1, 1);
    QCOMPARE(f.Rows(), 1);
    QVERIFY(f.Globe(0));
    QCOMPARE(ui::test::LiveHours(f.AnnEntries(), 3, TEntryKind::Global, day), 8.0f);
    QTest::mouseClick(f.Table()->viewport(), Qt::LeftButton, {}, f.Centre(0));
    QTest::mouseClick(f.Button("spdDeleteRec"), Qt::LeftButton);
    QCOMPARE(f.Rows(), 0);
    QVERIFY(f.Button("spdUnDo")->isEnabled());
    QCOMPARE(ui::test::LiveHours(f.AnnEntries(), 3, TEntryKind::Global, day), -1.0f);
    QCOMPARE(ui::test::LiveHours(f.session.Employee(kCy)->Entries, 3, TEntryKind::Global, day),
             -1.0f);
    ui::test::TDialogDriver driver([](QDialog& d) {
      auto& undelete = dynamic_cast<TfrmUnDelete&>(d);
      auto* list = d.findChild<QListView*>(QStringLiteral("lstDeleted"));
      QCOMPARE(list->model()->rowCount(), 1);
      QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
      QTest::mouseClick(undelete.OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(f.Button("spdUnDo"), Qt::LeftButton);
    QCOMPARE(driver.Runs(), 1);
    QCOMPARE(f.Rows(), 1);
    QCOMPARE(ui::test::LiveHours(f.AnnEntries(), 3, TEntryKind::Global, day), 8.0f);
    QCOMPARE(ui::test::LiveHours(f.session.Employee(kCy)->Entries, 3, TEntryKind::Global, day),
             8.0f);
  }

  // Ordered by reason while open (and remembered); the list itself keeps its date order.
  void OrderByReasonThenCloseLeavesTheListByDate() {
    TListFixture f(TEntryKind::Own, 2024);
    ui::test::ClickBox(f.Child<QRadioButton>("btnReason"));
    QCOMPARE(App().Settings.ListOrder, TListOrder::ByReason);
    const QStringList reasons = {f.Row(0)[1], f.Row(1)[1], f.Row(2)[1], f.Row(3)[1]};
    QCOMPARE(reasons, (QStringList{"Holiday", "Sick", "Vacation", "Vacation"}));
    // Only the window's rows are in reason order: the data set's list stays by date.
    QVERIFY(SortedByDate(f.AnnEntries()));
    // An edit in reason order changes the entry shown in the row.
    ui::test::TDialogDriver driver([](QDialog& d) {
      auto& rec = dynamic_cast<TfrmAbsenceRec&>(d);
      QCOMPARE(rec.GetEntryDate(), EncodeDate(2024, 1, 31));
      rec.SetHours(2);
      QTest::mouseClick(rec.OkButton(), Qt::LeftButton);
    });
    f.DoubleClick(1);
    QCOMPARE(driver.Runs(), 1);
    QCOMPARE(f.Row(1), (QStringList{"01/31/2024", "Sick", "2.0"}));
    // The list follows the session: undoing the edit from elsewhere shows the old hours.
    const QStringList edited = f.Row(1);
    f.session.History()->undo();
    QCOMPARE(f.Row(1)[1], QStringLiteral("Sick"));
    QVERIFY(f.Row(1) != edited);
    f.session.History()->redo();
    QCOMPARE(f.Row(1), edited);
    QTest::mouseClick(f.Child<QPushButton>("cmdClose"), Qt::LeftButton);
    QVERIFY(SortedByDate(f.AnnEntries()));
    // The next window opens in reason order.
    TfrmTimeList again(f.session, TEntryKind::Own, kAnn, 2024);
    again.show();
    QVERIFY(ui::test::Find<QRadioButton>(&again, "btnReason")->isChecked());
    again.close();
    App().Settings.ListOrder = TListOrder::ByDate;
  }

  void PrintWritesTheListToThePdfPrinter() {
    TListFixture f(TEntryKind::Own, 2024);
    const QString file = f.env.DataFolder() + QStringLiteral("absences.pdf");
    SetFileDialogHook([&](const TFileDialogCall&) { return std::optional<QString>(file); });
    QTest::mouseClick(f.Button("spdPrint"), Qt::LeftButton);
    SetFileDialogHook(nullptr);
    QVERIFY(QFileInfo(file).size() > 0);
  }

  // The main window's List opens the selected employee's list, Global the global entries,
  // both for the year its balances show.
  void MainWindowListAndGlobalOpenTheWindow() {
    ui::test::TTempEnvironment env;
    SetTodayOverride(EncodeDate(2024, 3, 15));
    TDataSet data = absence::test::MakeReportDataSet();
    SaveDataSet(data, env.DataFolder().toStdString(), false);
    auto w = std::make_unique<TfrmMain>(10);
    w->ShowAsStored();
    auto* timer = ui::test::Find<QTimer>(w.get(), "Timer1");
    QVERIFY(QTest::qWaitFor([&] { return !timer->isActive() && w->isEnabled(); }, 5000));
    auto* list = ui::test::Find<QToolButton>(w.get(), "spdAbsenceView");
    QVERIFY(!list->isEnabled());  // no employee yet
    QVERIFY(ui::test::ChooseByKeys(ui::test::Find<QComboBox>(w.get(), "cboEmpBox"), "Able, Ann"));
    QVERIFY(list->isEnabled());
    struct Row {
      const char* button;
      const char* caption;
      int rows;
    } rows[] = {{"spdAbsenceView", "Employee Absence", 4}, {"spdGlobal", "Global Absence", 1}};
    for (const Row& r : rows) {
      QString caption;
      int shown = -1;
      ui::test::TDialogDriver driver([&](QDialog& d) {
        auto& window = dynamic_cast<TfrmTimeList&>(d);
        caption = window.windowTitle();
        QCOMPARE(window.Year(), 2024);
        shown = ui::test::RowCount(ui::test::ListView(&window, "grdAbsence"));
        QTest::mouseClick(ui::test::Find<QPushButton>(&window, "cmdClose"), Qt::LeftButton);
      });
      QTest::mouseClick(ui::test::Find<QToolButton>(w.get(), r.button), Qt::LeftButton);
      QCOMPARE(driver.Runs(), 1);
      QCOMPARE(caption, QString::fromLatin1(r.caption));
      QCOMPARE(shown, r.rows);
    }
  }
};

ABSENCE_UI_SUITE("time_list", TimeListTest)
#include "time_list_test.moc"

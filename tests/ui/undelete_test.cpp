// The restore dialog in each of its modes, driven by keys and clicks.
#include "undelete_test.h"

#include <QListView>
#include <QPushButton>
#include <QUndoStack>

#include "data/undelete.h"
#include "edit/changes.h"
#include "screenshots.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/dialogs/undelete_dialog.h"

namespace absence::ui::test {
namespace {

// Trashes one record of each kind (two entries of Smith, a global entry, a balance of Smith).
void TrashOneOfEach(TDataSet& d, const TSampleOrg& org) {
  TEmpRecClass& smith = *d.EmpList[FindEmp(d.EmpList, org.Smith, "")];
  AddDept(d.DeptList, "Sales", 0, true, "");
  d.DeptList[0]->Delete(d.EmpList);
  d.EmpList[FindEmp(d.EmpList, org.Jones, "")]->Delete(d.DeptList);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org.Sick, kToday - 2, 4, TEntryKind::Own);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org.Vacation, kToday - 1, 8, TEntryKind::Own);
  for (auto& e : smith.Entries) e->AddDelMark(TTrashMark::Record, d.EmpList);
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, org.Vacation, kToday - 7, 8, TEntryKind::Global);
  d.GlobalList[0]->AddDelMark(TTrashMark::Global, d.EmpList);
  SetAccrual(smith.Accruals, org.Vacation, 40, kToday - 100);
  smith.Accruals[0]->AddDelMark(TTrashMark::Record);
  d.ReasonList[1]->Delete(d.EmpList, d.GlobalList);  // Sick: its entry now hides with it
}

std::size_t Trash(TDataSession& s, TUndeleteMode mode, int32_t emp) {
  TDataSet& d = absence::ui::test::TestData(s);
  switch (mode) {
    case TUndeleteMode::Reasons:
      return TrashedPositions(d.ReasonList).size();
    case TUndeleteMode::Depts:
      return TrashedPositions(d.DeptList).size();
    case TUndeleteMode::Emps:
      return TrashedPositions(d.EmpList).size();
    case TUndeleteMode::Accruals:
      return TrashedPositions(s.Employee(emp)->Accruals).size();
    case TUndeleteMode::Entries:
      return TrashedPositions(s.Employee(emp)->Entries).size();
    case TUndeleteMode::Globals:
      return TrashedPositions(d.GlobalList).size();
  }
  return 0;
}

}  // namespace

void UnDeleteTest::init() {
  env_ = std::make_unique<TTempEnvironment>();
  SetTodayOverride(kToday);
  App().Settings.HourFormat = THourFormat::Tenth;
  session_ = std::make_unique<TDataSession>(env_->DataFolder().toStdString());
  org_ = std::make_unique<TSampleOrg>(*session_);
  TrashOneOfEach(absence::ui::test::TestData(*session_), *org_);
}

void UnDeleteTest::cleanup() {
  org_.reset();
  session_.reset();
  env_.reset();
}

void UnDeleteTest::eachModeListsAndRestoresItsTrash_data() {
  QTest::addColumn<char>("mode");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("firstItem");
  QTest::addColumn<bool>("global");
  QTest::newRow("R") << 'R' << "Restore Absence Reasons"
                     << "Sick" << false;
  QTest::newRow("D") << 'D' << "Restore Departments"
                     << "Sales" << false;
  QTest::newRow("E") << 'E' << "Restore Employees"
                     << "Jones, Bob" << false;
  QTest::newRow("A") << 'A' << "Restore Benefit Accruals"
                     << "Vacation\t08/30/2026\t40.0" << false;
  QTest::newRow("T") << 'T' << "Restore Absence"
                     << "12/07/2026\tVacation\t8.0" << false;
  QTest::newRow("G") << 'G' << "Restore Global Absence"
                     << "12/01/2026\tVacation\t8.0" << true;
}

void UnDeleteTest::eachModeListsAndRestoresItsTrash() {
  QFETCH(char, mode);
  QFETCH(QString, caption);
  QFETCH(QString, firstItem);
  QFETCH(bool, global);
  const auto m = static_cast<TUndeleteMode>(mode);
  TfrmUnDelete dlg(*session_);
  dlg.SetMode(m);
  QVERIFY(dlg.SetSource(org_->Smith));
  QCOMPARE(dlg.windowTitle(), caption);
  QCOMPARE(std::size_t(dlg.Count()), Trash(*session_, m, org_->Smith));
  QVERIFY(dlg.Count() >= 1);
  auto* list = Find<QListView>(&dlg, "lstDeleted");
  const QModelIndex first = list->model()->index(0, 0);
  QCOMPARE(first.data().toString(), firstItem);
  QCOMPARE(first.data(kTrashGlobalRole).toBool(), global);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  QVERIFY(NoCutTexts(&dlg));
  SaveScreenshot(&dlg, QStringLiteral("undelete-") + QChar::fromLatin1(mode));
  QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(list, Qt::Key_Return);
  QVERIFY(!dlg.isVisible());
  QCOMPARE(dlg.result(), int(QDialog::Accepted));
  QCOMPARE(Trash(*session_, m, org_->Smith), std::size_t{0});
}

void UnDeleteTest::severalEntriesRestoredOnceAndMerged() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass& smith = absence::ui::test::TestEmp(*session_, org_->Smith);
  const TDate day = kToday - 1;
  // Beside the trashed 8 hours of Vacation: a live 2 hours and another trashed 1 hour.
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Vacation, day, 1, TEntryKind::Own);
  smith
      .Entries[static_cast<std::size_t>(
          FindEntry(smith.Entries, org_->Vacation, TEntryKind::Own, day))]
      ->AddDelMark(TTrashMark::Record, d.EmpList);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Vacation, day, 2, TEntryKind::Own);
  TfrmUnDelete dlg(*session_);
  dlg.SetMode(TUndeleteMode::Entries);
  dlg.SetSource(org_->Smith);
  QCOMPARE(dlg.Count(), 2);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  auto* list = Find<QListView>(&dlg, "lstDeleted");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualRect(list->model()->index(0, 0)).center());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    list->visualRect(list->model()->index(1, 0)).center());
  QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
  QCOMPARE(LiveHours(smith.Entries, org_->Vacation, TEntryKind::Own, day), 11.0f);
  int onDay = 0;
  for (const auto& e : smith.Entries) onDay += e->EntryDate == day;
  QCOMPARE(onDay, 1);
}

void UnDeleteTest::cancelRestoresNothing() {
  TfrmUnDelete dlg(*session_);
  dlg.SetMode(TUndeleteMode::Entries);
  dlg.SetSource(org_->Smith);
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  QTest::keyClick(Find<QListView>(&dlg, "lstDeleted"), Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(Find<QListView>(&dlg, "lstDeleted"), Qt::Key_Escape);
  QVERIFY(!dlg.isVisible());
  QCOMPARE(Trash(*session_, TUndeleteMode::Entries, org_->Smith), std::size_t{1});
  QVERIFY(!dlg.SetSource(9999));
}

// A change made while the list is open (an undo, another window's delete) shows at once, and
// the row picked is the record restored.
void UnDeleteTest::listFollowsChangesMadeWhileOpen() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass& smith = absence::ui::test::TestEmp(*session_, org_->Smith);
  const TDate day = kToday - 20;
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Vacation, day, 3, TEntryKind::Own);
  TfrmUnDelete dlg(*session_);
  dlg.SetMode(TUndeleteMode::Entries);
  QVERIFY(dlg.SetSource(org_->Smith));
  dlg.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dlg));
  auto* list = Find<QListView>(&dlg, "lstDeleted");
  QCOMPARE(list->model()->rowCount(), 1);
  QVERIFY(session_->Submit(
      std::make_unique<edit::TTrashEntry>(org_->Smith, org_->Vacation, TEntryKind::Own, day)));
  QCOMPARE(list->model()->rowCount(), 2);
  const QString shown = QStringLiteral("11/18/2026\t") + QStringLiteral("Vacation\t3.0");
  const QModelIndexList found =
      list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, shown, 1, Qt::MatchExactly);
  QCOMPARE(found.size(), 1);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                    list->visualRect(found.front()).center());
  QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
  QCOMPARE(LiveHours(smith.Entries, org_->Vacation, TEntryKind::Own, day), 3.0f);
  QCOMPARE(LiveHours(smith.Entries, org_->Vacation, TEntryKind::Own, kToday - 1), -1.0f);
  session_->History()->undo();  // the restore taken back
  TfrmUnDelete again(*session_);
  again.SetMode(TUndeleteMode::Entries);
  QVERIFY(again.SetSource(org_->Smith));
  QCOMPARE(again.Count(), 2);
  session_->History()->undo();  // the trash taken back
  QCOMPARE(again.Count(), 1);
}

}  // namespace absence::ui::test

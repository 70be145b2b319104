// The absence entry dialog: a day's entries in turn, global entries read-only, the start-date
// rule, the hour decimals, inactive reasons, and the global entries reaching every employee.
#include "absence_rec_test.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QUndoStack>

#include "dialog_support.h"
#include "screenshots.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_edit.h"
#include "ui/common/date_text.h"
#include "ui/common/num_edit.h"
#include "ui/common/pv_combo_box.h"
#include "ui/dialogs/absence_entry_flows.h"
#include "ui/dialogs/absence_rec.h"

namespace absence::ui::test {
namespace {

TfrmAbsenceRec& Rec(QDialog& d) {
  auto* rec = qobject_cast<TfrmAbsenceRec*>(&d);
  if (!rec) qFatal("not the absence entry dialog");
  return *rec;
}

// Replaces the box's text as a user does: select all, type.
void TypeInto(QWidget* box, const QString& text) {
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, text);
}

}  // namespace

void AbsenceRecTest::init() {
  env_ = std::make_unique<TTempEnvironment>();
  SetTodayOverride(kToday);
  session_ = std::make_unique<TDataSession>(env_->DataFolder().toStdString());
  org_ = std::make_unique<TSampleOrg>(*session_);
}

void AbsenceRecTest::cleanup() {
  org_.reset();
  session_.reset();
  env_.reset();
}

void AbsenceRecTest::dayWithOwnAndGlobalEntryStepsThroughBoth() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass& smith = absence::ui::test::TestEmp(*session_, org_->Smith);
  const TDate day = kToday - 5;
  d.ReasonList[0]->Active = true;  // Holiday, for the global entry
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, org_->Holiday, day, 8, TEntryKind::Global);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Vacation, day, 6, TEntryKind::Own);

  QStringList captions;
  TDialogDriver driver([&](QDialog& dlg) {
    TfrmAbsenceRec& rec = Rec(dlg);
    QVERIFY(Find<QScrollBar>(&rec, "barScroll")->isVisible());
    QCOMPARE(Find<QScrollBar>(&rec, "barScroll")->maximum(), 1);
    // Holiday sorts first: the global copy, read-only with Cancel focused.
    captions << rec.windowTitle();
    QVERIFY(rec.ReadOnlyMode());
    QVERIFY(!rec.OkButton()->isEnabled());
    QVERIFY(!Find<QToolButton>(&rec, "spdDate")->isVisible());
    QCOMPARE(QApplication::focusWidget(), rec.CancelButton());
    QTest::keyClick(Find<QScrollBar>(&rec, "barScroll"), Qt::Key_Down);
    captions << rec.windowTitle();
    QCOMPARE(rec.EntryIndex(), 1);
    QVERIFY(!rec.ReadOnlyMode());
    QCOMPARE(rec.GetReason(), org_->Vacation);
    TypeInto(Find<TNumEdit>(&rec, "txtHours"), "4");
    QTest::mouseClick(rec.OkButton(), Qt::LeftButton);
  });
  QVERIFY(EditDayEntries(*session_, org_->Smith, day, nullptr));
  QCOMPARE(driver.Runs(), 1);
  QCOMPARE(captions, QStringList({"Global Absence Entry", "Edit Absence Entry"}));
  QCOMPARE(LiveHours(smith.Entries, org_->Vacation, TEntryKind::Own, day), 4.0f);
  QCOMPARE(LiveHours(smith.Entries, org_->Holiday, TEntryKind::Global, day), 8.0f);
  QCOMPARE(LiveHours(d.GlobalList, org_->Holiday, TEntryKind::Global, day), 8.0f);
}

void AbsenceRecTest::cancelDiscardsEveryEntryOfTheDay() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass& smith = absence::ui::test::TestEmp(*session_, org_->Smith);
  const TDate day = kToday - 5;
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Sick, day, 2, TEntryKind::Own);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Vacation, day, 6, TEntryKind::Own);
  TDialogDriver driver([&](QDialog& dlg) {
    TfrmAbsenceRec& rec = Rec(dlg);
    TypeInto(Find<TNumEdit>(&rec, "txtHours"), "1");
    QTest::keyClick(Find<QScrollBar>(&rec, "barScroll"),
                    Qt::Key_Down);  // stores the first into its copy
    TypeInto(Find<TNumEdit>(&rec, "txtHours"), "3");
    QTest::keyClick(&rec, Qt::Key_Escape);
  });
  QVERIFY(!EditDayEntries(*session_, org_->Smith, day, nullptr));
  QCOMPARE(LiveHours(smith.Entries, org_->Sick, TEntryKind::Own, day), 2.0f);
  QCOMPARE(LiveHours(smith.Entries, org_->Vacation, TEntryKind::Own, day), 6.0f);
}

void AbsenceRecTest::dateBeforeTheStartDateIsRefused() {
  TEmpRecClass& young = absence::ui::test::TestEmp(*session_, org_->Young);
  const QString startText = FormatDate(young.StartDate, App().DatePattern);
  TMessageBoxSpy spy;
  spy.Answer(mbOK);
  bool stayedOpen = false;
  TDialogDriver driver([&](QDialog& dlg) {
    TfrmAbsenceRec& rec = Rec(dlg);
    QCOMPARE(rec.windowTitle(), QString("New Absence Entry"));
    TypeInto(Find<TDateEdit>(&rec, "txtDate"), FormatDate(young.StartDate - 1, App().DatePattern));
    QTest::mouseClick(rec.OkButton(), Qt::LeftButton);
    stayedOpen = rec.isVisible();
    QVERIFY(Find<TDateEdit>(&rec, "txtDate")->hasFocus());
    TypeInto(Find<TDateEdit>(&rec, "txtDate"), startText);
    QTest::mouseClick(rec.OkButton(), Qt::LeftButton);
  });
  QVERIFY(NewOwnEntry(*session_, org_->Young, nullptr));
  QVERIFY(stayedOpen);
  QCOMPARE(spy.Calls().size(), std::size_t{1});
  QCOMPARE(spy.Calls()[0].Text,
           "The absence date may not be before the employee's start date (" + startText + ").");
  QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Information);
  QCOMPARE(LiveHours(young.Entries, org_->Sick, TEntryKind::Own, young.StartDate), 8.0f);
}

void AbsenceRecTest::scrollingOntoABadDateStaysOnTheEntry() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass& young = absence::ui::test::TestEmp(*session_, org_->Young);
  const TDate day = young.StartDate;
  AddEntry(young.Entries, d.EmpList, d.ReasonList, org_->Sick, day, 2, TEntryKind::Own);
  AddEntry(young.Entries, d.EmpList, d.ReasonList, org_->Vacation, day, 6, TEntryKind::Own);
  TMessageBoxSpy spy;
  spy.Answer(mbOK);
  TDialogDriver driver([&](QDialog& dlg) {
    TfrmAbsenceRec& rec = Rec(dlg);
    TypeInto(Find<TDateEdit>(&rec, "txtDate"), FormatDate(day - 3, App().DatePattern));
    QTest::keyClick(Find<QScrollBar>(&rec, "barScroll"), Qt::Key_Down);
    QCOMPARE(rec.EntryIndex(), 0);
    QCOMPARE(Find<QScrollBar>(&rec, "barScroll")->value(), 0);
    QTest::keyClick(&rec, Qt::Key_Escape);
  });
  QVERIFY(!EditDayEntries(*session_, org_->Young, day, nullptr));
  QCOMPARE(spy.Calls().size(), std::size_t{1});
}

void AbsenceRecTest::hoursShownWithTheDecimalsOfTheHourDisplay_data() {
  QTest::addColumn<int>("format");
  QTest::addColumn<int>("decimals");
  QTest::addColumn<QString>("shown");
  QTest::newRow("whole") << static_cast<int>(THourFormat::Whole) << 0 << "8";
  QTest::newRow("tenth") << static_cast<int>(THourFormat::Tenth) << 1 << "7.7";
  QTest::newRow("hundredth") << static_cast<int>(THourFormat::Hundredth) << 2 << "7.66";
}

void AbsenceRecTest::hoursShownWithTheDecimalsOfTheHourDisplay() {
  QFETCH(int, format);
  QFETCH(int, decimals);
  QFETCH(QString, shown);
  App().Settings.HourFormat = static_cast<THourFormat>(format);
  TfrmAbsenceRec rec(*session_);
  rec.SetHours(7.66f);
  QCOMPARE(Find<TNumEdit>(&rec, "txtHours")->Decimals(), decimals);
  QCOMPARE(Find<TNumEdit>(&rec, "txtHours")->text(), shown);
}

void AbsenceRecTest::inactiveReasonShownOnlyForAnExistingEntry() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass& smith = absence::ui::test::TestEmp(*session_, org_->Smith);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Holiday, kToday - 3, 8, TEntryKind::Own);
  QStringList shownForOld, shownForNew;
  auto items = [](TfrmAbsenceRec& rec) {
    QStringList list;
    for (int i = 0; i < Find<TPVComboBox>(&rec, "cboReasonBox")->count(); ++i)
      list << Find<TPVComboBox>(&rec, "cboReasonBox")->itemText(i);
    return list;
  };
  TDialogDriver driver([&](QDialog& dlg) {
    TfrmAbsenceRec& rec = Rec(dlg);
    (shownForOld.isEmpty() ? shownForOld : shownForNew) = items(rec);
    QTest::keyClick(&rec, Qt::Key_Escape);
  });
  EditOwnEntry(*session_, org_->Smith, 0, nullptr);
  NewOwnEntry(*session_, org_->Smith, nullptr);
  QCOMPARE(shownForOld, QStringList({"Holiday", "Sick", "Vacation"}));
  QCOMPARE(shownForNew, QStringList({"Sick", "Vacation"}));
}

void AbsenceRecTest::newGlobalEntryReachesEveryoneEmployedThatDay() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  const TDate day = kToday - 40;  // Jones still employed, Young not yet
  TEmpRecClass& smith = absence::ui::test::TestEmp(*session_, org_->Smith);
  // Smith already excluded this reason on that day: the exclusion is kept.
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Vacation, day, 0, TEntryKind::Exclusion);
  App().Settings.DefaultHours = 7.5f;
  TDialogDriver driver([&](QDialog& dlg) {
    TfrmAbsenceRec& rec = Rec(dlg);
    QCOMPARE(rec.windowTitle(), QString("New Global Absence Entry"));
    QCOMPARE(rec.GetHours(), 7.5f);
    QVERIFY(ChooseByKeys(Find<TPVComboBox>(&rec, "cboReasonBox"), "Vacation"));
    TypeInto(Find<TDateEdit>(&rec, "txtDate"), FormatDate(day, App().DatePattern));
    QTest::keyClick(Find<TNumEdit>(&rec, "txtHours"), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  });
  QVERIFY(NewGlobalEntry(*session_, nullptr));
  QCOMPARE(LiveHours(d.GlobalList, org_->Vacation, TEntryKind::Global, day), 7.5f);
  QCOMPARE(
      LiveHours(session_->Employee(org_->Jones)->Entries, org_->Vacation, TEntryKind::Global, day),
      7.5f);
  QCOMPARE(
      LiveHours(session_->Employee(org_->Young)->Entries, org_->Vacation, TEntryKind::Global, day),
      -1.0f);
  QCOMPARE(LiveHours(smith.Entries, org_->Vacation, TEntryKind::Global, day), -1.0f);
  QVERIFY(FindEntry(smith.Entries, org_->Vacation, TEntryKind::Exclusion, day) != -1);

  // Changing it in the global list carries the change to every copy.
  TDialogDriver edit([&](QDialog& dlg) {
    TfrmAbsenceRec& rec = Rec(dlg);
    QCOMPARE(rec.windowTitle(), QString("Edit Global Absence Entry"));
    TypeInto(Find<TNumEdit>(&rec, "txtHours"), "3");
    QTest::mouseClick(rec.OkButton(), Qt::LeftButton);
  });
  QVERIFY(EditGlobalEntry(*session_, 0, nullptr));
  QCOMPARE(
      LiveHours(session_->Employee(org_->Jones)->Entries, org_->Vacation, TEntryKind::Global, day),
      3.0f);
}

void AbsenceRecTest::bothModesLookFinishedWithATabOrder() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass& smith = absence::ui::test::TestEmp(*session_, org_->Smith);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Sick, kToday, 2, TEntryKind::Own);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Vacation, kToday, 6, TEntryKind::Own);
  QString shot = QStringLiteral("absence-entry-single");
  TDialogDriver driver([&](QDialog& dlg) {
    TfrmAbsenceRec& rec = Rec(dlg);
    QVERIFY(NoCutTexts(&rec));
    SaveScreenshot(&rec, shot);
    QCOMPARE(QApplication::focusWidget(), Find<TPVComboBox>(&rec, "cboReasonBox"));
    const QList<QWidget*> order = {Find<TDateEdit>(&rec, "txtDate"),
                                   Find<TNumEdit>(&rec, "txtHours"), rec.OkButton(),
                                   rec.CancelButton()};
    for (QWidget* next : order) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  });
  NewOwnEntry(*session_, org_->Smith, nullptr);
  shot = QStringLiteral("absence-entry-list");
  EditDayEntries(*session_, org_->Smith, kToday, nullptr);
  QCOMPARE(driver.Runs(), 2);
}

void AbsenceRecTest::typedHoursAreStoredOrRefusedAsTyped_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("refused");
  QTest::newRow("above the maximum with a fraction") << "25.5" << true;
  QTest::newRow("just above the maximum") << "24.01" << true;
  QTest::newRow("three digits") << "100" << true;
  QTest::newRow("at the maximum") << "24" << false;
  QTest::newRow("two decimals") << "23.75" << false;
  QTest::newRow("short") << "2.5" << false;
}

void AbsenceRecTest::typedHoursAreStoredOrRefusedAsTyped() {
  QFETCH(QString, typed);
  QFETCH(bool, refused);
  App().Settings.HourFormat = THourFormat::Hundredth;
  const TDate day = kToday + 20;  // a day without entries
  TMessageBoxSpy spy;
  spy.Answer(mbOK);
  QString shownAfterRefusal;
  bool focusKept = false;
  double maximum = 0;
  TDialogDriver driver([&](QDialog& dlg) {
    TfrmAbsenceRec& rec = Rec(dlg);
    auto* hours = Find<TNumEdit>(&rec, "txtHours");
    maximum = hours->Maximum();
    TypeInto(Find<TDateEdit>(&rec, "txtDate"), FormatDate(day, App().DatePattern));
    TypeInto(hours, typed);
    QCOMPARE(hours->text(), typed);
    QTest::keyClick(hours, Qt::Key_Return);
    if (!rec.isVisible()) return;
    shownAfterRefusal = hours->text();
    focusKept = hours->hasFocus();
    QTest::keyClick(&rec, Qt::Key_Escape);
  });
  const bool stored = NewOwnEntry(*session_, org_->Smith, nullptr);
  const TEmpRecClass& smith = *session_->Employee(org_->Smith);
  QCOMPARE(stored, !refused);
  if (!refused) {
    QVERIFY(spy.Calls().empty());
    QCOMPARE(LiveHours(smith.Entries, org_->Sick, TEntryKind::Own, day), typed.toFloat());
    return;
  }
  QCOMPARE(spy.Calls().size(), std::size_t{1});
  QVERIFY2(spy.Calls()[0].Text.contains(QString::number(maximum)), qPrintable(spy.Calls()[0].Text));
  QCOMPARE(shownAfterRefusal, typed);
  QVERIFY(focusKept);
  QCOMPARE(LiveHours(smith.Entries, org_->Sick, TEntryKind::Own, day), -1.0f);
}

void AbsenceRecTest::dayPassing24HoursAsksFirst() {
  TDataSet& d = absence::ui::test::TestData(*session_);
  TEmpRecClass& smith = absence::ui::test::TestEmp(*session_, org_->Smith);
  const TDate day = kToday + 20;
  App().Settings.HourFormat = THourFormat::Hundredth;
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org_->Sick, day, 20.5f, TEntryKind::Own);
  TMessageBoxSpy spy;
  spy.Answer(mbNo);
  spy.Answer(mbYes);
  TDialogDriver driver([&](QDialog& dlg) {
    TfrmAbsenceRec& rec = Rec(dlg);
    QVERIFY(ChooseByKeys(Find<TPVComboBox>(&rec, "cboReasonBox"), "Vacation"));
    TypeInto(Find<TDateEdit>(&rec, "txtDate"), FormatDate(day, App().DatePattern));
    TypeInto(Find<TNumEdit>(&rec, "txtHours"), "6");
    QTest::keyClick(Find<TNumEdit>(&rec, "txtHours"), Qt::Key_Return);
  });
  const int undoBefore = session_->History()->count();
  QVERIFY(!NewOwnEntry(*session_, org_->Smith, nullptr));
  QCOMPARE(spy.Calls().size(), std::size_t{1});
  const TMessageBoxCall& asked = spy.Calls()[0];
  QCOMPARE(asked.Buttons, TMsgButtons{mbYes | mbNo});
  QVERIFY2(asked.Text.contains(FormatDate(day, App().DatePattern)) && asked.Text.contains("26.5"),
           qPrintable(asked.Text));
  QCOMPARE(LiveHours(smith.Entries, org_->Vacation, TEntryKind::Own, day), -1.0f);
  QCOMPARE(session_->History()->count(), undoBefore);

  QVERIFY(NewOwnEntry(*session_, org_->Smith, nullptr));
  QCOMPARE(spy.Calls().size(), std::size_t{2});
  QCOMPARE(LiveHours(smith.Entries, org_->Vacation, TEntryKind::Own, day), 6.0f);
}

void AbsenceRecTest::emptyDateOfANewGlobalEntryIsRefused() {
  const std::size_t globalsBefore = session_->Data().GlobalList.size();
  TMessageBoxSpy spy;
  spy.Answer(mbOK);
  bool stayedOpen = false;
  QString dateMessage;
  TDialogDriver driver([&](QDialog& dlg) {
    TfrmAbsenceRec& rec = Rec(dlg);
    auto* date = Find<TDateEdit>(&rec, "txtDate");
    date->setFocus();
    QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(date, Qt::Key_Delete);
    QTest::mouseClick(rec.OkButton(), Qt::LeftButton);
    stayedOpen = rec.isVisible();
    QVERIFY(date->hasFocus());
    dateMessage = date->InvalidDateMessage();
    QTest::keyClick(&rec, Qt::Key_Escape);
  });
  QVERIFY(!NewGlobalEntry(*session_, nullptr));
  QVERIFY(stayedOpen);
  QCOMPARE(spy.Calls().size(), std::size_t{1});
  QCOMPARE(spy.Calls()[0].Text, dateMessage);
  QCOMPARE(session_->Data().GlobalList.size(), globalsBefore);
}

}  // namespace absence::ui::test

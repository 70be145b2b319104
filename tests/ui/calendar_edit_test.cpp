// Editing on the calendar: a double click opens the day's entries in the entry dialog; an entry
// dragged onto the trash can goes to the trash, whose picture follows the shown year, and a
// double click on a full trash can offers the entries back. The keyboard does all of it too.
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "calendar_window.h"
#include "data/json_dump.h"
#include "dialog_support.h"
#include "suites.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/help.h"
#include "ui/common/help_viewer.h"
#include "ui/common/hints.h"
#include "ui/common/message_box.h"
#include "ui/common/num_edit.h"
#include "ui/common/pictures.h"
#include "ui/dialogs/absence_rec.h"
#include "ui/dialogs/undelete_dialog.h"
#include "ui/main/trash_can.h"
#include "ui/session/data_session.h"

using namespace absence;
using namespace absence::ui;
using namespace absence::ui::test;

namespace {

// Thursday 10 December (the global Holiday) is column 4 of the first week.
constexpr int kHolidayCol = 4;

void TypeInto(QWidget* box, const QString& text) {
  box->setFocus();
  QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(box, text);
}

TTrashCan* Trash(TCalendarWindow& cal) {
  return Find<TTrashCan>(cal.w.get(), "imgTrash");
}

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Presses Tab (Shift+Tab with `back`) until `target` has the focus, as a user gets there.
bool TabTo(QWidget* target, bool back = false) {
  for (int i = 0; i < 40 && !target->hasFocus(); ++i)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                    back ? Qt::ShiftModifier : Qt::NoModifier);
  return target->hasFocus();
}

// What a screen reader says for the day that has the focus.
QString Spoken(QWidget* grid) {
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(grid);
  QAccessibleInterface* cell = table ? table->focusChild() : nullptr;
  return cell ? cell->text(QAccessible::Name) : QString("<no cell>");
}

bool ShowsPicture(QLabel* label, const char* name) {
  return label->pixmap().toImage() == ResourcePicture(QString::fromLatin1(name), 32).toImage();
}

}  // namespace

class CalendarEditTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }
  // Each case starts on the small organisation with the window loaded.
  void init() {
    SetTodayOverride(kToday);
    env_ = std::make_unique<TTempEnvironment>();
    SaveSampleData(App().AppFolder);
    window_ = std::make_unique<TCalendarWindow>();
    QVERIFY(window_->loaded);
  }
  void cleanup() {
    window_.reset();
    env_.reset();
  }

  // The day holds the holiday and an own entry: the dialog steps through both, the global one
  // read-only; OK changes the own one and the calendar, balances and day list follow.
  void aDoubleClickEditsTheDaysEntries() {
    TCalendarWindow& cal = *window_;
    QVERIFY(cal.Choose("Brown, Cy"));
    const int32_t sick = cal.ReasonID("Sick");
    QVERIFY(cal.DragReason("Sick", kHolidayCol, 0));
    QStringList captions;
    TDialogDriver driver([&](QDialog& dlg) {
      auto* rec = qobject_cast<TfrmAbsenceRec*>(&dlg);
      QVERIFY(rec);
      QCOMPARE(Find<QScrollBar>(rec, "barScroll")->maximum(), 1);
      captions << rec->windowTitle();
      QVERIFY(!rec->OkButton()->isEnabled());
      QTest::keyClick(Find<QScrollBar>(rec, "barScroll"), Qt::Key_Down);
      captions << rec->windowTitle();
      QCOMPARE(rec->GetReason(), sick);
      TypeInto(Find<TNumEdit>(rec, "txtHours"), "3");
      QTest::mouseClick(rec->OkButton(), Qt::LeftButton);
    });
    cal.DoubleClick(kHolidayCol, 0);
    QCOMPARE(driver.Runs(), 1);
    QCOMPARE(captions, QStringList({"Global Absence Entry", "Edit Absence Entry"}));
    const TEmpRecClass& brown = cal.Emp("Brown, Cy");
    QCOMPARE(LiveHours(brown.Entries, sick, TEntryKind::Own, kToday + 2), 3.0f);
    QCOMPARE(LiveHours(brown.Entries, cal.ReasonID("Holiday"), TEntryKind::Global, kToday + 2),
             8.0f);
    QCOMPARE(cal.Balance("Sick", 2), QString("3.00"));
    auto* day = Find<QListView>(cal.w.get(), "lstViewDay")->model();
    QCOMPARE(day->rowCount(), 4);  // the holiday of all three, Brown's sick day
  }

  // Without the mouse: the reason is recorded on two picked days, one of them moved to another
  // day, put in the trash, restored from the trash's window and trashed and taken back once
  // more; Enter opens a day. A screen reader hears each day with its entries.
  void theCalendarWorksFromTheKeyboardAlone() {
    TCalendarWindow& cal = *window_;
    QApplication::setActiveWindow(cal.w.get());
    QVERIFY(QTest::qWaitForWindowActive(cal.w.get()));
    QVERIFY(cal.Choose("Brown, Cy"));
    const int32_t sick = cal.ReasonID("Sick");
    auto* reasonBox = Find<QComboBox>(cal.w.get(), "cboReasonBox");
    QVERIFY(TabTo(reasonBox));
    QVERIFY(ChooseByKeys(reasonBox, "Sick"));
    QVERIFY(TabTo(cal.grid));
    QWidget* grid = cal.grid;
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = Qt::NoModifier) {
      QTest::keyClick(QApplication::focusWidget(), k, m);
    };
    const auto sickDays = [&] { return OwnEntryDates(cal.Emp("Brown, Cy"), sick, nullptr); };

    // Today, then Wednesday and Thursday picked with Shift; Insert records Sick on both.
    QCOMPARE(Spoken(grid), QString("Tuesday December 8, today"));
    key(Qt::Key_Right);
    key(Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(Spoken(grid), QString("Thursday December 10, Holiday 8 hours, for everyone"));
    key(Qt::Key_Insert);
    QCOMPARE(sickDays(), (std::vector<TDate>{kToday + 1, kToday + 2}));
    QCOMPARE(cal.Balance("Sick", 2), QString("16.00"));

    // Wednesday's entry cut and put a week later.
    key(Qt::Key_Left);
    key(Qt::Key_X, Qt::ControlModifier);
    key(Qt::Key_Down);
    key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(sickDays(), (std::vector<TDate>{kToday + 2, kToday + 8}));
    QCOMPARE(Spoken(grid), QString("Wednesday December 16, Sick 8 hours"));
    QCOMPARE(cal.Text(3, 0), QString("12/09/2026"));

    // Enter opens the day as a double click does.
    QStringList opened;
    {
      TDialogDriver driver([&](QDialog& dlg) {
        opened << dlg.windowTitle();
        QTest::keyClick(&dlg, Qt::Key_Escape);
      });
      key(Qt::Key_Return);
    }
    QCOMPARE(opened, QStringList{"Edit Absence Entry"});

    // Delete puts it in the trash; the trash, reached with Shift+Tab, gives it back.
    TTrashCan* trash = Trash(cal);
    QVERIFY(!trash->Full());
    key(Qt::Key_Delete);
    QCOMPARE(sickDays(), std::vector<TDate>{kToday + 2});
    QVERIFY(trash->Full());
    QVERIFY(TabTo(trash, true));
    TDialogDriver restore([](QDialog& dlg) {
      auto* undelete = qobject_cast<TfrmUnDelete*>(&dlg);
      QVERIFY(undelete);
      auto* list = Find<QListView>(undelete, "lstDeleted");
      QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(list, Qt::Key_Return);
    });
    key(Qt::Key_Return);
    QCOMPARE(restore.Runs(), 1);
    QCOMPARE(sickDays(), (std::vector<TDate>{kToday + 2, kToday + 8}));

    // Trashed again, and taken back with the window's undo key.
    QVERIFY(TabTo(grid));
    key(Qt::Key_Delete);
    QCOMPARE(sickDays(), std::vector<TDate>{kToday + 2});
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Undo);
    QCOMPARE(sickDays(), (std::vector<TDate>{kToday + 2, kToday + 8}));

    // On Thursday 10 (the holiday, then Sick) Delete would take Sick, as a drag would; Alt+Down
    // chooses the holiday instead, which goes to the trash for Brown alone.
    key(Qt::Key_Up);
    key(Qt::Key_Right);
    key(Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(
        QAccessible::queryAccessibleInterface(grid)->focusChild()->text(QAccessible::Description),
        QString("Holiday 8 hours, for everyone"));
    key(Qt::Key_Delete);
    const int32_t holiday = cal.ReasonID("Holiday");
    QCOMPARE(LiveHours(cal.Emp("Brown, Cy").Entries, holiday, TEntryKind::Global, kToday + 2),
             -1.0f);
    QCOMPARE(LiveHours(cal.Emp("Smith, Ann").Entries, holiday, TEntryKind::Global, kToday + 2),
             8.0f);
    QCOMPARE(sickDays(), (std::vector<TDate>{kToday + 2, kToday + 8}));
  }

  // Cancel keeps everything; a day without entries, a day only marked, and a double click
  // with Ctrl or Shift (which picks days) open nothing.
  void aDoubleClickOpensNothingWhereThereIsNothingToEdit() {
    TCalendarWindow& cal = *window_;
    QVERIFY(cal.Choose("Smith, Ann"));
    const int32_t vacation = cal.ReasonID("Vacation");
    TDialogDriver cancel([](QDialog& dlg) {
      auto* rec = qobject_cast<TfrmAbsenceRec*>(&dlg);
      QVERIFY(rec);
      TypeInto(Find<TNumEdit>(rec, "txtHours"), "2");
      QTest::keyClick(rec, Qt::Key_Escape);
    });
    cal.DoubleClick(2, 0);  // today: the anniversary and 8 hours of vacation
    QCOMPARE(cancel.Runs(), 1);
    QCOMPARE(LiveHours(cal.Emp("Smith, Ann").Entries, vacation, TEntryKind::Own, kToday), 8.0f);

    TDialogDriver none([](QDialog&) { QFAIL("no dialog expected"); });
    struct Case {
      int col, row;
      Qt::KeyboardModifiers modifiers;
    } cases[] = {
        {3, 0, Qt::NoModifier},       // nothing on Wednesday 9 December
        {5, 3, Qt::NoModifier},       // 1 January: only the user-year marker
        {2, 0, Qt::ControlModifier},  // picking
        {kHolidayCol, 0, Qt::ShiftModifier},
    };
    for (const Case& c : cases) cal.DoubleClick(c.col, c.row, c.modifiers);
    QCOMPARE(none.Runs(), 0);
  }

  // Changes on the calendar are taken back and made again from the main window's toolbar and
  // Edit menu, each exactly: a drag that moves an entry, a reason dropped on a day, an entry
  // put in the trash. The commands say what they would undo; a save ends the history.
  void calendarChangesAreUndoneAndRedone() {
    TCalendarWindow& cal = *window_;
    QVERIFY(cal.Choose("Smith, Ann"));
    const TDataSession& session = cal.w->Session();
    auto* undo = Find<QToolButton>(cal.w.get(), "spdUndo");
    auto* redo = Find<QToolButton>(cal.w.get(), "spdRedo");
    auto* undoCommand = Find<QAction>(cal.w.get(), "mnuEditUndo");
    auto* redoCommand = Find<QAction>(cal.w.get(), "mnuEditRedo");
    QVERIFY(!undo->isEnabled() && !redo->isEnabled() && !undoCommand->isEnabled());
    QCOMPARE(redoCommand->shortcuts(),
             QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));

    std::vector<std::string> dumps{DumpJson(session.Data())};
    QVERIFY(cal.DragEntry(2, 0, 3, 0));  // Smith's vacation from today to tomorrow
    QCOMPARE(
        undoCommand->text(),
        QString::fromUtf8("&Undo Move Vacation from 12/08/2026 to 12/09/2026 \u2014 Smith, Ann"));
    dumps.push_back(DumpJson(session.Data()));
    QVERIFY(cal.DragReason("Sick", 3, 1));
    dumps.push_back(DumpJson(session.Data()));
    QVERIFY(cal.DragEntryToTrash(kHolidayCol, 0));
    dumps.push_back(DumpJson(session.Data()));
    QCOMPARE(cal.Text(kHolidayCol, 0), QString("12/10/2026"));
    QVERIFY(undo->isEnabled() && !redo->isEnabled());

    for (std::size_t k = dumps.size() - 1; k-- > 0;) {
      QTest::mouseClick(undo, Qt::LeftButton);
      QCOMPARE(DumpJson(session.Data()), dumps[k]);
    }
    QVERIFY(!undo->isEnabled() && redo->isEnabled());
    QCOMPARE(cal.Text(2, 0), QString("12/08/2026*Anniversary|TVacation"));
    QCOMPARE(cal.Text(3, 0), QString("12/09/2026"));
    QCOMPARE(cal.Balance("Vacation", 2), QString("8.00"));

    for (std::size_t k = 1; k < dumps.size(); ++k) {
      if (k == 1)
        QTest::mouseClick(redo, Qt::LeftButton);
      else
        redoCommand->trigger();
      QCOMPARE(DumpJson(session.Data()), dumps[k]);
    }
    QCOMPARE(cal.Text(kHolidayCol, 0), QString("12/10/2026"));
    QCOMPARE(cal.Text(3, 0), QString("12/09/2026TVacation"));
    undoCommand->trigger();
    QCOMPARE(cal.Text(kHolidayCol, 0), QString("12/10/2026GHoliday"));

    TMessageBoxSpy spy;
    QVERIFY(cal.w->Session().Save());
    QVERIFY(!undo->isEnabled() && !redo->isEnabled() && !undoCommand->isEnabled());
  }

  // While the main window is active its commands answer the platform's keys: undo and redo of
  // a calendar change, save, the employee box, the screen's help and quitting.
  void theMainWindowsCommandsAnswerTheirKeys() {
    TCalendarWindow& cal = *window_;
    QVERIFY(cal.Choose("Smith, Ann"));
    const TDataSession& session = cal.w->Session();
    const std::string before = DumpJson(session.Data());
    QVERIFY(cal.DragEntry(2, 0, 3, 0));
    const std::string after = DumpJson(session.Data());
    const QByteArray stored = FileBytes(env_->DataFile("emp.dat"));
    auto* undo = Find<QToolButton>(cal.w.get(), "spdUndo");
    QWidget* employeeBox = Find<QComboBox>(cal.w.get(), "cboEmpBox");
    cal.grid->setFocus();
    ShowHelpContents();  // another topic than the one F1 should bring
    const struct {
      QKeySequence keys;
      std::function<bool()> done;
    } rows[] = {
        {QKeySequence::Undo, [&] { return DumpJson(session.Data()) == before; }},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), [&] { return DumpJson(session.Data()) == after; }},
        {QKeySequence::Save,
         [&] { return FileBytes(env_->DataFile("emp.dat")) != stored && !undo->isEnabled(); }},
        {QKeySequence::Find, [&] { return employeeBox->hasFocus(); }},
        {QKeySequence::HelpContents,
         [&] {
           return TfrmHelp::Instance() && TfrmHelp::Instance()->CurrentTopic() &&
                  TfrmHelp::Instance()->CurrentTopic()->Name == u"Main_Screen";
         }},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), [&] { return !cal.w->isVisible(); }},
    };
    for (const auto& row : rows) {
      QApplication::setActiveWindow(cal.w.get());
      QVERIFY(QTest::qWaitForWindowActive(cal.w.get()));
      QTest::keySequence(cal.w.get(), row.keys);
      QVERIFY2(row.done(), qPrintable(row.keys.toString()));
    }
    if (TfrmHelp::Instance()) TfrmHelp::Instance()->close();
  }

  // An own entry and a global copy go to the trash: the day loses them, the other employees
  // keep the holiday, the trash fills. A reason dragged onto the trash is refused.
  void entriesDraggedOntoTheTrashGoToTheTrash() {
    TCalendarWindow& cal = *window_;
    QVERIFY(cal.Choose("Smith, Ann"));
    TTrashCan* trash = Trash(cal);
    QVERIFY(trash->isVisible());
    QVERIFY(!trash->Full());
    QVERIFY(ShowsPicture(trash, "Trash_Empty"));
    const int32_t vacation = cal.ReasonID("Vacation");
    const int32_t holiday = cal.ReasonID("Holiday");

    QVERIFY(cal.DragEntryToTrash(2, 0));
    QCOMPARE(cal.Text(2, 0), QString("12/08/2026*Anniversary"));
    QVERIFY(OwnEntryDates(cal.Emp("Smith, Ann"), vacation, nullptr).empty());
    QVERIFY(trash->Full());
    QVERIFY(ShowsPicture(trash, "Trash_Full"));
    QCOMPARE(trash->toolTip(), QString("Delete Absence"));
    QCOMPARE(cal.Balance("Vacation", 2), QString());

    QVERIFY(cal.DragEntryToTrash(kHolidayCol, 0));
    QCOMPARE(cal.Text(kHolidayCol, 0), QString("12/10/2026"));
    QCOMPARE(LiveHours(cal.Emp("Smith, Ann").Entries, holiday, TEntryKind::Global, kToday + 2),
             -1.0f);
    QCOMPARE(LiveHours(cal.Emp("Brown, Cy").Entries, holiday, TEntryKind::Global, kToday + 2),
             8.0f);
    QCOMPARE(LiveHours(absence::ui::test::TestData(cal.w->Session()).GlobalList, holiday,
                       TEntryKind::Global, kToday + 2),
             8.0f);
    cal.Click(kHolidayCol, 0);
    QCOMPARE(Find<QListView>(cal.w.get(), "lstViewDay")->model()->rowCount(), 2);

    // Only entries from the calendar are taken.
    auto* box = Find<QComboBox>(cal.w.get(), "cboReasonBox");
    cal.DropDragsOn(trash, trash->rect().center());
    cal.accepted = true;
    const QPoint p = box->rect().center();
    DragWithMouse(box, p, p + QPoint(30, 10));
    QVERIFY(!cal.accepted);
    // A day that lost its last entry starts no drag any more.
    const int drags = cal.drags;
    QVERIFY(!cal.DragEntryToTrash(2, 0));
    QCOMPARE(cal.drags, drags);
  }

  // The picture says whether the shown year holds trash; without an employee it is empty,
  // after a save too.
  void theTrashFollowsTheShownYear() {
    TCalendarWindow& cal = *window_;
    QVERIFY(cal.Choose("Smith, Ann"));
    TTrashCan* trash = Trash(cal);
    auto* down = Find<QToolButton>(cal.w.get(), "spdCalendarDown");
    auto* up = Find<QToolButton>(cal.w.get(), "spdCalendarUp");
    QCOMPARE(trash->statusTip(), QString("Drag a Absence entry to the trash can to remove it"));
    QVERIFY(cal.DragEntryToTrash(2, 0));
    QVERIFY(trash->Full());
    QCOMPARE(trash->statusTip(), QString("Drag a Absence entry to the trash can to remove it or "
                                         "double-click to Undelete an entry"));
    // One week on, the balances are for 2027, which holds no trash; one back, 2026 again.
    QTest::mouseClick(down, Qt::LeftButton);
    QVERIFY(!trash->Full());
    QVERIFY(ShowsPicture(trash, "Trash_Empty"));
    QTest::mouseClick(up, Qt::LeftButton);
    QVERIFY(trash->Full());
    QVERIFY(cal.Choose("Brown, Cy"));
    QVERIFY(!trash->Full());
    QVERIFY(cal.Choose("Smith, Ann"));
    QVERIFY(trash->Full());
    TMessageBoxSpy spy;
    QVERIFY(cal.w->Session().Save());
    QVERIFY(cal.Choose("Smith, Ann"));
    QVERIFY(!trash->Full());
  }

  // A double click on the full trash lists the employee's trashed entries; restoring them all
  // brings them back to the calendar and empties the trash. An empty trash opens nothing.
  void aDoubleClickOnTheTrashRestores() {
    TCalendarWindow& cal = *window_;
    QVERIFY(cal.Choose("Smith, Ann"));
    TTrashCan* trash = Trash(cal);
    {
      TDialogDriver none([](QDialog&) { QFAIL("the empty trash opened a dialog"); });
      QTest::mouseDClick(trash, Qt::LeftButton);
      QCOMPARE(none.Runs(), 0);
    }
    QVERIFY(cal.DragEntryToTrash(2, 0));
    QVERIFY(cal.DragEntryToTrash(kHolidayCol, 0));
    QStringList listed;
    TDialogDriver restore([&](QDialog& dlg) {
      auto* undelete = qobject_cast<TfrmUnDelete*>(&dlg);
      QVERIFY(undelete);
      QCOMPARE(undelete->windowTitle(), QString("Restore Absence"));
      auto* list = Find<QListView>(undelete, "lstDeleted");
      for (int i = 0; i < list->model()->rowCount(); ++i) {
        const QModelIndex row = list->model()->index(i, 0);
        listed << row.data().toString() + (row.data(kTrashGlobalRole).toBool() ? " G" : " T");
      }
      QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
      QTest::mouseClick(undelete->OkButton(), Qt::LeftButton);
    });
    QTest::mouseDClick(trash, Qt::LeftButton);
    QCOMPARE(restore.Runs(), 1);
    QCOMPARE(listed, QStringList({"12/08/2026\tVacation\t8.0 T", "12/10/2026\tHoliday\t8.0 G"}));
    QCOMPARE(cal.Text(2, 0), QString("12/08/2026*Anniversary|TVacation"));
    QCOMPARE(cal.Text(kHolidayCol, 0), QString("12/10/2026GHoliday"));
    QVERIFY(!trash->Full());
    QCOMPARE(cal.Balance("Vacation", 2), QString("8.00"));
  }

  // A trashed entry restored on a day that has a live one of its reason again adds its hours to
  // that one.
  void aRestoredEntryMergesWithTheDaysLiveOne() {
    TCalendarWindow& cal = *window_;
    QVERIFY(cal.Choose("Smith, Ann"));
    const int32_t vacation = cal.ReasonID("Vacation");
    QVERIFY(cal.DragEntryToTrash(2, 0));
    QVERIFY(cal.DragReason("Vacation", 2, 0));
    TDialogDriver restore([](QDialog& dlg) {
      auto* undelete = qobject_cast<TfrmUnDelete*>(&dlg);
      QVERIFY(undelete);
      QCOMPARE(undelete->Count(), 1);
      QTest::keyClick(Find<QListView>(undelete, "lstDeleted"), Qt::Key_A, Qt::ControlModifier);
      QTest::mouseClick(undelete->OkButton(), Qt::LeftButton);
    });
    QTest::mouseDClick(Trash(cal), Qt::LeftButton);
    QCOMPARE(restore.Runs(), 1);
    float hours = 0;
    QCOMPARE(OwnEntryDates(cal.Emp("Smith, Ann"), vacation, &hours), std::vector<TDate>{kToday});
    QCOMPARE(hours, 16.0f);
    QCOMPARE(cal.Text(2, 0), QString("12/08/2026*Anniversary|TVacation"));
    QCOMPARE(cal.Balance("Vacation", 2), QString("16.00"));
    QVERIFY(!Trash(cal)->Full());
  }

  // Hours a file can hold only apart (a damaged or crafted data set): restoring the trashed one
  // onto the day's live one, or dropping more hours on it, is refused with a message; nothing
  // changes and the program goes on.
  void hoursThatWouldNotFitAreRefusedWithAMessage() {
    TCalendarWindow& cal = *window_;
    QVERIFY(cal.Choose("Smith, Ann"));
    const int32_t vacation = cal.ReasonID("Vacation");
    constexpr float kHuge = 3e38f;
    TEmpRecClass& ann = cal.Emp("Smith, Ann");
    const auto huge = [&] {
      const int i = FindEntry(ann.Entries, vacation, TEntryKind::Own, kToday);
      QVERIFY(i != -1);
      ann.Entries[static_cast<std::size_t>(i)]->Hours = kHuge;
    };
    huge();
    QVERIFY(cal.DragEntryToTrash(2, 0));
    QVERIFY(cal.DragReason("Vacation", 2, 0));
    huge();
    QStringList shown;
    SetMessageBoxHook([&](const TMessageBoxCall& call) {
      shown << call.Text;
      return mbOK;
    });
    TDialogDriver restore([](QDialog& dlg) {
      auto* undelete = qobject_cast<TfrmUnDelete*>(&dlg);
      QVERIFY(undelete);
      QTest::keyClick(Find<QListView>(undelete, "lstDeleted"), Qt::Key_A, Qt::ControlModifier);
      QTest::mouseClick(undelete->OkButton(), Qt::LeftButton);
    });
    QTest::mouseDClick(Trash(cal), Qt::LeftButton);
    QCOMPARE(restore.Runs(), 1);
    QVERIFY(cal.DragReason("Vacation", 2, 0));  // 8 more hours fit: they merge
    SetMessageBoxHook(nullptr);
    QCOMPARE(shown, QStringList{"The hours of two entries of one reason and day add up to more "
                                "than can be stored."});
    QVERIFY(Trash(cal)->Full());
    QCOMPARE(LiveHours(ann.Entries, vacation, TEntryKind::Own, kToday), kHuge + 8.0f);
  }

 private:
  std::unique_ptr<TTempEnvironment> env_;
  std::unique_ptr<TCalendarWindow> window_;
};

ABSENCE_UI_SUITE("calendar_edit", CalendarEditTest)
#include "calendar_edit_test.moc"

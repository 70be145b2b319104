// The report selection dialog in its four kinds, driven by clicks, keys, double clicks and
// drags: what each kind shows, moving items, the date checks and the report it starts.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDrag>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>

#include "../core/reports/report_data_set.h"
#include "dialog_support.h"
#include "edit/changes.h"
#include "reports/report.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/calendar_drag.h"
#include "ui/common/clock.h"
#include "ui/common/date_edit.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/help.h"
#include "ui/common/help_key.h"
#include "ui/common/help_viewer.h"
#include "ui/common/item_roles.h"
#include "ui/common/pick_date.h"
#include "ui/main/main_window.h"
#include "ui/reports/month_end.h"
#include "ui/reports/preview_form.h"
#include "ui/reports/selection_form.h"
#include "ui/reports/selection_list.h"
#include "ui/reports/setup_form.h"

using namespace absence;
using namespace absence::ui;
using absence::reports::TReportKind;
using absence::ui::test::Find;

namespace {

const TDate kMarch15 = EncodeDate(2024, 3, 15);

QStringList Texts(const QAbstractItemView* list) {
  QStringList texts;
  const QAbstractItemModel* model = list->model();
  for (int r = 0; r < model->rowCount(); ++r) texts << model->index(r, 0).data().toString();
  return texts;
}

int Count(const QAbstractItemView* list) {
  return list->model()->rowCount();
}

QString SelectedText(const QAbstractItemView* list) {
  const auto rows = list->selectionModel()->selectedRows();
  return rows.size() == 1 ? rows.front().data().toString() : QString();
}

QPoint ItemCentre(QAbstractItemView* list, const QString& text) {
  const auto found =
      list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
  if (found.isEmpty()) qFatal("no item %s", qPrintable(text));
  return list->visualRect(found.front()).center();
}

void ClickItem(QAbstractItemView* list, const QString& text, Qt::KeyboardModifiers mods = {}) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, mods, ItemCentre(list, text));
}

// Every text of every page, one per line.
QString DocumentText(const reports::TDocument& doc) {
  QString all;
  for (const reports::TPage& page : doc.Pages)
    for (const reports::TTextItem& t : page.Texts) all += QString::fromStdString(t.Text) + u'\n';
  return all;
}

// A drop of a real QMimeData through the list's drag and drop handlers; true when taken.
bool Deliver(const QMimeData* mime, QAbstractItemView* onto) {
  const QPoint at = onto->viewport()->rect().center();
  QDragEnterEvent enter(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(onto->viewport(), &enter);
  QDragMoveEvent move(at, Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(onto->viewport(), &move);
  if (!move.isAccepted()) return false;
  QDropEvent drop(QPointF(at), Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(onto->viewport(), &drop);
  return drop.isAccepted();
}

// The small report organisation in the data folder, a session on it, and the dialog of one
// kind, shown and active.
struct TDialogFixture {
  ui::test::TTempEnvironment env;
  TDataSession session{env.DataFolder().toStdString()};
  reports::TSelection selection;
  std::unique_ptr<TfrmSelection> dlg;

  explicit TDialogFixture(TReportKind kind, TEmployeeDisplay display = TEmployeeDisplay::All) {
    SetTodayOverride(kMarch15);
    App().Settings.EmployeeDisplay = display;
    TDataSet data = absence::test::MakeReportDataSet();
    SaveDataSet(data, env.DataFolder().toStdString(), false);
    if (!session.Load()) qFatal("the data set did not load");
    dlg = std::make_unique<TfrmSelection>(session, selection);
    dlg->Configure(kind);
    dlg->show();
    dlg->activateWindow();
    if (!QTest::qWaitForWindowActive(dlg.get())) qFatal("dialog not shown");
  }
  void Type(TDateEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
  }
  // Runs `click` and hands the preview it opens to `look`, then closes it; false when no
  // preview opened.
  bool Preview(const std::function<void(const reports::TDocument&)>& look) {
    bool opened = false;
    QTimer::singleShot(0, [&] {
      auto* preview = dynamic_cast<TPVPreviewForm*>(QApplication::activeModalWidget());
      if (!preview) return;
      opened = true;
      look(preview->Document());
      QTest::mouseClick(preview->findChild<QPushButton*>(QStringLiteral("btnDone")),
                        Qt::LeftButton);
    });
    QTest::mouseClick(Find<QPushButton>(dlg.get(), "cmdPreview"), Qt::LeftButton);
    QCoreApplication::processEvents();
    return opened;
  }
};

}  // namespace

class SelectionTest : public QObject {
  Q_OBJECT
 private slots:
  void init() { ui::test::FailOnUnexpectedMessageBoxes(); }

  // The Report menu's four kinds: caption, help, the groups shown and their defaults, the
  // source list, and the help page behind Help.
  void ConfiguresEachKind() {
    struct Row {
      TReportKind kind;
      const char* caption;
      int help;
      bool selectFrom, reportType, dates, asOf, empInfo;
      const char* newPage;
      const char* sourceLabel;
      QStringList source;
    };
    const QStringList emps = {QStringLiteral("Able, Ann"), QStringLiteral("Baker, Bo"),
                              QStringLiteral("Cole, Cy")};
    const Row rows[] = {
        {TReportKind::Absence, "Absence Taken Selection", 2110, true, true, true, false, false,
         "New page for each Employee", "Available Employees", emps},
        {TReportKind::Balances, "Absence Reason Balance Report Selection", 2130, true, false, false,
         true, false, "New page for each Employee", "Available Employees", emps},
        {TReportKind::EmpInfo, "Employee Information Selection", 2150, true, false, false, false,
         true, "New page for each Employee", "Available Employees", emps},
        {TReportKind::Department,
         "Department Information Selection",
         2140,
         false,
         false,
         false,
         false,
         false,
         "New Page for each Department",
         "Available Departments",
         {QStringLiteral("<No Department>"), QStringLiteral("Office"), QStringLiteral("Sales")}},
    };
    ui::test::TTempEnvironment env;
    SetTodayOverride(kMarch15);
    TDataSet data = absence::test::MakeReportDataSet();
    SaveDataSet(data, env.DataFolder().toStdString(), false);
    TDataSession session(env.DataFolder().toStdString());
    QVERIFY(session.Load());
    std::map<TReportKind, int> heights;
    for (const Row& row : rows) {
      ui::test::TDialogDriver driver([&](QDialog& d) {
        auto& dlg = dynamic_cast<TfrmSelection&>(d);
        QCOMPARE(dlg.windowTitle(), QString::fromLatin1(row.caption));
        QCOMPARE(dlg.property(kHelpContextProperty).toInt(), row.help);
        QCOMPARE(Find<QGroupBox>(&dlg, "pnlSelectFrom")->isVisible(), row.selectFrom);
        QCOMPARE(Find<QGroupBox>(&dlg, "pnlReportType")->isVisible(), row.reportType);
        QCOMPARE(Find<QGroupBox>(&dlg, "pnlDates")->isVisible(), row.dates);
        QCOMPARE(Find<QGroupBox>(&dlg, "pnlAsOfDate")->isVisible(), row.asOf);
        QCOMPARE(Find<QGroupBox>(&dlg, "pnlEmpInfo")->isVisible(), row.empInfo);
        QCOMPARE(Find<QCheckBox>(&dlg, "chkNewPage")->text(), QString::fromLatin1(row.newPage));
        QVERIFY(Find<QCheckBox>(&dlg, "chkNewPage")->isChecked());
        QVERIFY(Find<QRadioButton>(&dlg, "btnEmps")->isChecked());
        QVERIFY(Find<QRadioButton>(&dlg, "btnDetail")->isChecked());
        QCOMPARE(Find<TDateEdit>(&dlg, "txtStartDate")->text(), QString());
        QCOMPARE(Find<TDateEdit>(&dlg, "txtEndDate")->text(), QString());
        QCOMPARE(Find<TDateEdit>(&dlg, "txtAsOfDate")->text(),
                 row.asOf ? QStringLiteral("03/15/2024") : QString());
        QCOMPARE(Find<QToolButton>(&dlg, "spdAsOfDate")->toolTip(),
                 QStringLiteral("Show Calendar"));
        QVERIFY(!Find<QCheckBox>(&dlg, "chkIncludeAll")->isChecked());
        QVERIFY(Find<QCheckBox>(&dlg, "chkEmpInfo")->isChecked() &&
                Find<QCheckBox>(&dlg, "chkEmpAccruals")->isChecked());
        QCOMPARE(Find<QLabel>(&dlg, "lblSource")->text(), QString::fromLatin1(row.sourceLabel));
        QCOMPARE(Texts(Find<QListView>(&dlg, "lstSource")), row.source);
        QCOMPARE(Count(Find<QListView>(&dlg, "lstDestination")), 0);
        QVERIFY(!Find<QPushButton>(&dlg, "cmdPreview")->isEnabled() &&
                !Find<QPushButton>(&dlg, "cmdPrint")->isEnabled());
        QVERIFY(Find<QPushButton>(&dlg, "IncludeBtn")->isEnabled() &&
                !Find<QPushButton>(&dlg, "ExcludeBtn")->isEnabled());
        QVERIFY(Find<QPushButton>(&dlg, "IncludeBtn")->font().bold());
        heights[row.kind] = dlg.height();
        dlg.grab().save(
            QDir::temp().filePath(QStringLiteral("absence-selection-%1.png").arg(row.help)));
        QTest::mouseClick(Find<QPushButton>(&dlg, "cmdHelp"), Qt::LeftButton);
        TfrmHelp* help = TfrmHelp::Instance();
        QVERIFY(help->CurrentTopic());
        QCOMPARE(help->CurrentTopic()->Context, row.help);
        help->close();
        QTest::mouseClick(Find<QPushButton>(&dlg, "cmdCancel"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
      });
      RunReportSelection(session, row.kind, nullptr);
      QCOMPARE(driver.Runs(), 1);
    }
    // The dialog is only as high as the groups it shows.
    for (TReportKind kind : {TReportKind::Absence, TReportKind::Balances, TReportKind::EmpInfo})
      QVERIFY(heights[TReportKind::Department] < heights[kind]);
  }

  void ListCaptionsFollowTheEmployeeDisplay() {
    struct Row {
      TEmployeeDisplay display;
      const char* source;
      const char* destination;
      QStringList items;
    } rows[] = {
        {TEmployeeDisplay::All,
         "Available Employees",
         "Selected Employees",
         {QStringLiteral("Able, Ann"), QStringLiteral("Baker, Bo"), QStringLiteral("Cole, Cy")}},
        {TEmployeeDisplay::Current,
         "Available Current Employees",
         "Selected Current Employees",
         {QStringLiteral("Able, Ann"), QStringLiteral("Cole, Cy")}},
        {TEmployeeDisplay::Former,
         "Available Former Employees",
         "Selected Former Employees",
         {QStringLiteral("Baker, Bo")}},
    };
    for (const Row& row : rows) {
      TDialogFixture f(TReportKind::Balances, row.display);
      QCOMPARE(Find<QLabel>(f.dlg.get(), "lblSource")->text(), QString::fromLatin1(row.source));
      QCOMPARE(Find<QLabel>(f.dlg.get(), "lblDestination")->text(),
               QString::fromLatin1(row.destination));
      QCOMPARE(Texts(Find<QListView>(f.dlg.get(), "lstSource")), row.items);
    }
  }

  // Moving items by the four buttons, double clicks and drags; the list moved from keeps the
  // selection at the first moved item's place, and the buttons follow the lists.
  void MovesItemsBetweenTheLists() {
    TDialogFixture f(TReportKind::Absence);
    TfrmSelection& d = *f.dlg;
    int drags = 0;
    bool dropped = false;
    QPixmap dragCursor;
    // A drag the dialog starts is dropped onto `target` (the other list unless told).
    QAbstractItemView* target = nullptr;
    SetDragHook([&](QDrag& drag) {
      ++drags;
      dragCursor = drag.dragCursor(Qt::MoveAction);
      dropped = Deliver(drag.mimeData(), target);
      return dropped ? Qt::MoveAction : Qt::IgnoreAction;
    });
    auto drag = [&](QAbstractItemView* from, QAbstractItemView* onto, const QString& item) {
      target = onto;
      const QPoint p = ItemCentre(from, item);
      ui::test::DragWithMouse(from->viewport(), p, p + QPoint(0, 12));
    };
    struct Step {
      const char* what;
      std::function<void()> act;
      QStringList source;
      QStringList destination;
      QString selectedInSource;
      QString selectedInDestination;
    };
    const QString ann = QStringLiteral("Able, Ann"), bo = QStringLiteral("Baker, Bo"),
                  cy = QStringLiteral("Cole, Cy");
    const Step steps[] = {
        {"> moves the clicked item; the next one is selected",
         [&] {
           ClickItem(Find<QListView>(&d, "lstSource"), bo);
           QTest::mouseClick(Find<QPushButton>(&d, "IncludeBtn"), Qt::LeftButton);
         },
         {ann, cy},
         {bo},
         cy,
         QString()},
        {"a double click moves the item back",
         [&] {
           // The press and release of the first click, then the second.
           ClickItem(Find<QListView>(&d, "lstDestination"), bo);
           QTest::mouseDClick(Find<QListView>(&d, "lstDestination")->viewport(), Qt::LeftButton, {},
                              ItemCentre(Find<QListView>(&d, "lstDestination"), bo));
         },
         {ann, bo, cy},
         {},
         QString(),
         QString()},
        {"dragging onto the destination moves the selected items",
         [&] {
           ClickItem(Find<QListView>(&d, "lstSource"), cy);
           drag(Find<QListView>(&d, "lstSource"), Find<QListView>(&d, "lstDestination"), cy);
         },
         {ann, bo},
         {cy},
         bo,
         QString()},
        {"a drag dropped on its own list moves nothing",
         [&] {
           ClickItem(Find<QListView>(&d, "lstDestination"), cy);
           drag(Find<QListView>(&d, "lstDestination"), Find<QListView>(&d, "lstDestination"), cy);
         },
         {ann, bo},
         {cy},
         QString(),
         cy},
        {">> moves all, in alphabetical order",
         [&] { QTest::mouseClick(Find<QPushButton>(&d, "IncAllBtn"), Qt::LeftButton); },
         {},
         {ann, bo, cy},
         QString(),
         cy},
        {"< moves two picked items; the last item left is selected",
         [&] {
           ClickItem(Find<QListView>(&d, "lstDestination"), bo);
           ClickItem(Find<QListView>(&d, "lstDestination"), cy, Qt::ControlModifier);
           QTest::mouseClick(Find<QPushButton>(&d, "ExcludeBtn"), Qt::LeftButton);
         },
         {bo, cy},
         {ann},
         QString(),
         ann},
        {"<< moves all back",
         [&] { QTest::mouseClick(Find<QPushButton>(&d, "ExAllBtn"), Qt::LeftButton); },
         {ann, bo, cy},
         {},
         QString(),
         QString()},
    };
    for (const Step& s : steps) {
      s.act();
      QVERIFY2(Texts(Find<QListView>(&d, "lstSource")) == s.source, s.what);
      QVERIFY2(Texts(Find<QListView>(&d, "lstDestination")) == s.destination, s.what);
      if (!s.selectedInSource.isEmpty())
        QVERIFY2(SelectedText(Find<QListView>(&d, "lstSource")) == s.selectedInSource, s.what);
      if (!s.selectedInDestination.isEmpty())
        QVERIFY2(SelectedText(Find<QListView>(&d, "lstDestination")) == s.selectedInDestination,
                 s.what);
      const bool chosen = !s.destination.isEmpty();
      QVERIFY2(Find<QPushButton>(&d, "IncludeBtn")->isEnabled() == !s.source.isEmpty(), s.what);
      QVERIFY2(Find<QPushButton>(&d, "IncAllBtn")->isEnabled() == !s.source.isEmpty(), s.what);
      QVERIFY2(Find<QPushButton>(&d, "ExcludeBtn")->isEnabled() == chosen, s.what);
      QVERIFY2(Find<QPushButton>(&d, "ExAllBtn")->isEnabled() == chosen, s.what);
      QVERIFY2(Find<QPushButton>(&d, "cmdPreview")->isEnabled() == chosen &&
                   Find<QPushButton>(&d, "cmdPrint")->isEnabled() == chosen,
               s.what);
    }
    QCOMPARE(drags, 2);
    QVERIFY(dragCursor.isNull());  // one item: the ordinary drag pointer
    // Two picked items drag with the multi-item pointer.
    ClickItem(Find<QListView>(&d, "lstSource"), ann);
    ClickItem(Find<QListView>(&d, "lstSource"), cy, Qt::ControlModifier);
    drag(Find<QListView>(&d, "lstSource"), Find<QListView>(&d, "lstDestination"), ann);
    QVERIFY(dropped);
    QVERIFY(!dragCursor.isNull());
    QCOMPARE(Texts(Find<QListView>(&d, "lstDestination")), (QStringList{ann, cy}));
    SetDragHook(nullptr);
  }

  void SelectFromSwitchesTheLists() {
    TDialogFixture f(TReportKind::Absence);
    TfrmSelection& d = *f.dlg;
    QTest::mouseClick(Find<QPushButton>(&d, "IncludeBtn"), Qt::LeftButton);
    ClickItem(Find<QListView>(&d, "lstSource"), QStringLiteral("Cole, Cy"));
    QTest::mouseClick(Find<QPushButton>(&d, "IncludeBtn"), Qt::LeftButton);
    ui::test::ClickBox(Find<QRadioButton>(&d, "btnDepts"));
    QCOMPARE(Find<QCheckBox>(&d, "chkNewPage")->text(),
             QStringLiteral("New page for each Department"));
    QCOMPARE(Find<QLabel>(&d, "lblSource")->text(), QStringLiteral("Available Departments"));
    QCOMPARE(Find<QLabel>(&d, "lblDestination")->text(), QStringLiteral("Selected Departments"));
    QCOMPARE(Texts(Find<QListView>(&d, "lstSource")),
             (QStringList{QStringLiteral("<No Department>"), QStringLiteral("Office"),
                          QStringLiteral("Sales")}));
    QCOMPARE(Count(Find<QListView>(&d, "lstDestination")), 0);
    QVERIFY(!Find<QPushButton>(&d, "cmdPreview")->isEnabled());
    ui::test::ClickBox(Find<QRadioButton>(&d, "btnEmps"));
    QCOMPARE(Find<QCheckBox>(&d, "chkNewPage")->text(),
             QStringLiteral("New page for each Employee"));
    QCOMPARE(Count(Find<QListView>(&d, "lstSource")), 3);
    QCOMPARE(Count(Find<QListView>(&d, "lstDestination")), 0);
  }

  // Changes made while the dialog is open (by another window, an undo) reach both lists:
  // records gone leave them, records added or back are offered, and what is chosen stays chosen.
  void ListsFollowTheSessionsChanges() {
    struct Step {
      const char* what;
      TReportKind kind;
      std::function<void(TDataSession&)> change;
      QStringList source;
      QStringList destination;
    };
    const QString ann = QStringLiteral("Able, Ann"), bo = QStringLiteral("Baker, Bo"),
                  cy = QStringLiteral("Cole, Cy");
    const Step steps[] = {
        {"a chosen employee trashed leaves the destination",
         TReportKind::Balances,
         [](TDataSession& s) {
           s.Submit(std::make_unique<edit::TTrashRecords>(edit::TRecordKind::Employee,
                                                          std::vector<int32_t>{3}));
         },
         {ann},
         {bo}},
        {"the trash undone offers the employee again",
         TReportKind::Balances,
         [](TDataSession& s) {
           s.Submit(std::make_unique<edit::TTrashRecords>(edit::TRecordKind::Employee,
                                                          std::vector<int32_t>{3}));
           s.History()->undo();
         },
         {ann, cy},
         {bo}},
        {"a department added is offered in its place",
         TReportKind::Department,
         [](TDataSession& s) {
           s.Submit(std::make_unique<edit::TAddDept>(edit::TDeptFields{"Lab", "", true, 0}));
         },
         {QStringLiteral("<No Department>"), QStringLiteral("Lab")},
         {QStringLiteral("Office"), QStringLiteral("Sales")}},
    };
    for (const Step& step : steps) {
      TDialogFixture f(step.kind);
      auto* source = Find<QListView>(f.dlg.get(), "lstSource");
      QTest::mouseClick(Find<QPushButton>(f.dlg.get(), "IncAllBtn"), Qt::LeftButton);
      ClickItem(Find<QListView>(f.dlg.get(), "lstDestination"),
                Texts(Find<QListView>(f.dlg.get(), "lstDestination")).front());
      QTest::mouseClick(Find<QPushButton>(f.dlg.get(), "ExcludeBtn"), Qt::LeftButton);
      step.change(f.session);
      QVERIFY2(Texts(source) == step.source, step.what);
      QVERIFY2(Texts(Find<QListView>(f.dlg.get(), "lstDestination")) == step.destination,
               step.what);
      // The report gets the records the destination list holds now.
      QVERIFY(f.Preview([](const reports::TDocument&) {}));
      QCOMPARE(f.selection.size(), std::size_t(step.destination.size()));
      for (int i = 0; i < step.destination.size(); ++i) {
        const QModelIndex row =
            Find<QListView>(f.dlg.get(), "lstDestination")->model()->index(i, 0);
        QCOMPARE(f.selection[std::size_t(i)].ID, row.data(kRecordIdRole).toInt());
        QCOMPARE(QString::fromStdString(f.selection[std::size_t(i)].Text), step.destination[i]);
      }
    }
  }

  // The absence taken report's dates: each failure one box and the focus back in its box;
  // the same day twice is a period.
  void ChecksTheDates() {
    struct Row {
      const char* start;
      const char* end;
      const char* message;  // empty: the report opens
      const char* focus;
    } rows[] = {
        {"", "01/31/2024", "Please enter a Beginning On date.", "txtStartDate"},
        {"01/01/2024", "", "Please enter an Ending On date.", "txtEndDate"},
        {"01/31/2024", "01/30/2024", "The Ending On date cannot be before the Beginning on date.",
         "txtStartDate"},
        {"01/31/2024", "01/31/2024", "", nullptr},
        {"01/01/24", "1/31/2024", "", nullptr},
        {"01/01/2024", "13/45/2024",
         "The date you entered - 13/45/2024 - is not valid.\r\r Please make sure your date is in "
         "the \"mm/dd/yyyy\" format.",
         "txtEndDate"},
    };
    for (const Row& row : rows) {
      TDialogFixture f(TReportKind::Absence);
      TfrmSelection& d = *f.dlg;
      QTest::mouseClick(Find<QPushButton>(&d, "IncAllBtn"), Qt::LeftButton);
      f.Type(Find<TDateEdit>(&d, "txtStartDate"), QString::fromLatin1(row.start));
      f.Type(Find<TDateEdit>(&d, "txtEndDate"), QString::fromLatin1(row.end));
      ui::test::TMessageBoxSpy spy;
      spy.Answer(mbOK);
      spy.Answer(mbOK);
      bool titled = false;
      const bool opened = f.Preview([&](const reports::TDocument& doc) {
        titled = DocumentText(doc).contains(QStringLiteral("Absence Taken"));
      });
      if (*row.message == '\0') {
        QVERIFY2(opened && titled, row.end);
        QCOMPARE(spy.Calls().size(), std::size_t{0});
        QVERIFY(d.Options().StartDate <= d.Options().EndDate);
        QCOMPARE(f.selection.size(), std::size_t{3});
        continue;
      }
      QVERIFY2(!opened, row.message);
      QCOMPARE(spy.Calls().size(), std::size_t{1});
      QCOMPARE(spy.Calls()[0].Text, QString::fromLatin1(row.message));
      QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Information);
      QCOMPARE(spy.Calls()[0].Buttons, TMsgButtons(mbOK));
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(row.focus));
      QVERIFY(f.selection.empty());
    }
  }

  void CloseLeavesAnUnfinishedDateUnchecked() {
    TDialogFixture f(TReportKind::Absence);
    f.Type(Find<TDateEdit>(f.dlg.get(), "txtStartDate"), QStringLiteral("13/4"));
    QTest::mouseClick(Find<QPushButton>(f.dlg.get(), "cmdCancel"),
                      Qt::LeftButton);  // a box would fail the test
    QCOMPARE(f.dlg->result(), int(QDialog::Rejected));
    QVERIFY(!f.dlg->isVisible());
  }

  void CalendarButtonWritesThePickedDate() {
    TDialogFixture f(TReportKind::Balances);
    SetPickDateHook([](TfrmPickDate& picker) {
      QCOMPARE(picker.Date(), kMarch15);
      picker.SetDate(EncodeDate(2024, 2, 29));
      picker.accept();
    });
    QTest::mouseClick(Find<QToolButton>(f.dlg.get(), "spdAsOfDate"), Qt::LeftButton);
    SetPickDateHook(nullptr);
    QCOMPARE(Find<TDateEdit>(f.dlg.get(), "txtAsOfDate")->text(), QStringLiteral("02/29/2024"));
  }

  // Each kind hands its choices to the report: the selection in the destination list's order
  // and the options set in the dialog, seen in the preview's pages.
  void PreviewRunsTheChosenReport() {
    struct Row {
      TReportKind kind;
      std::function<void(TDialogFixture&)> choose;
      QStringList shown;
      QStringList notShown;
    };
    const Row rows[] = {
        {TReportKind::Absence,
         [](TDialogFixture& f) {
           f.Type(Find<TDateEdit>(f.dlg.get(), "txtStartDate"), QStringLiteral("01/01/2024"));
           f.Type(Find<TDateEdit>(f.dlg.get(), "txtEndDate"), QStringLiteral("01/31/2024"));
           ui::test::ClickBox(Find<QRadioButton>(f.dlg.get(), "btnSummary"));
         },
         {QStringLiteral("Absence Taken"), QStringLiteral("Ann Able")},
         {QStringLiteral("01/10/2024")}},
        {TReportKind::Balances,
         [](TDialogFixture& f) {
           f.Type(Find<TDateEdit>(f.dlg.get(), "txtAsOfDate"), QStringLiteral("01/31/2024"));
           ui::test::ClickBox(Find<QCheckBox>(f.dlg.get(), "chkIncludeAll"));
         },
         {QStringLiteral("As of 01/31/2024"), QStringLiteral("Holiday")},
         {}},
        {TReportKind::EmpInfo,
         [](TDialogFixture& f) {
           ui::test::ClickBox(Find<QCheckBox>(f.dlg.get(), "chkEmpAccruals"));
         },
         {QStringLiteral("111-22")},
         {QStringLiteral("Vacation")}},
        {TReportKind::Department,
         [](TDialogFixture&) {},
         {QStringLiteral("Department Information List"), QStringLiteral("Unassigned Employees")},
         {}},
        // The last complete month unless the dates are changed.
        {TReportKind::Statement,
         [](TDialogFixture& f) {
           QCOMPARE(Find<TDateEdit>(f.dlg.get(), "txtStartDate")->text(),
                    QStringLiteral("02/01/2024"));
           QCOMPARE(Find<TDateEdit>(f.dlg.get(), "txtEndDate")->text(),
                    QStringLiteral("02/29/2024"));
           QVERIFY(!Find<QCheckBox>(f.dlg.get(), "chkNewPage")->isVisible());
         },
         {QStringLiteral("Employee Statement"), QStringLiteral("From 02/01/2024 to 02/29/2024"),
          QStringLiteral("Cy Cole"), QStringLiteral("02/01/2024"),
          QStringLiteral("Manager signature (Ann Able)")},
         {QStringLiteral("01/10/2024")}},
    };
    for (const Row& row : rows) {
      TDialogFixture f(row.kind);
      QTest::mouseClick(Find<QPushButton>(f.dlg.get(), "IncAllBtn"), Qt::LeftButton);
      row.choose(f);
      QString text;
      QVERIFY(f.Preview([&](const reports::TDocument& doc) { text = DocumentText(doc); }));
      for (const QString& s : row.shown) QVERIFY2(text.contains(s), qPrintable(s));
      for (const QString& s : row.notShown) QVERIFY2(!text.contains(s), qPrintable(s));
      const reports::TSelection expected =
          row.kind == TReportKind::Department
              ? reports::TSelection{{"<No Department>", 0}, {"Office", 2}, {"Sales", 1}}
              : reports::TSelection{{"Able, Ann", 1}, {"Baker, Bo", 2}, {"Cole, Cy", 3}};
      QCOMPARE(f.selection.size(), expected.size());
      for (std::size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(f.selection[i].Text, expected[i].Text);
        QCOMPARE(f.selection[i].ID, expected[i].ID);
      }
      QVERIFY(f.dlg->isVisible());  // open for further reports
    }
  }

  // Print goes through the setup window to the PDF printer, which asks for the file.
  void PrintWritesThePdfAfterTheSetupWindow() {
    TDialogFixture f(TReportKind::Department);
    ClickItem(Find<QListView>(f.dlg.get(), "lstSource"), QStringLiteral("Sales"));
    QTest::mouseClick(Find<QPushButton>(f.dlg.get(), "IncludeBtn"), Qt::LeftButton);
    const QString file = f.env.DataFolder() + QStringLiteral("departments.pdf");
    SetFileDialogHook([&](const TFileDialogCall&) { return std::optional<QString>(file); });
    QTimer::singleShot(0, [] {
      auto* setup = dynamic_cast<TPVSetupForm*>(QApplication::activeModalWidget());
      QVERIFY(setup);
      QTest::mouseClick(setup->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                        Qt::LeftButton);
    });
    QTest::mouseClick(Find<QPushButton>(f.dlg.get(), "cmdPrint"), Qt::LeftButton);
    SetFileDialogHook(nullptr);
    QVERIFY(QFileInfo(file).size() > 0);
  }

  // The Report menu opens the dialog of each kind over the main window.
  void ReportMenuOpensTheSelection() {
    ui::test::TTempEnvironment env;
    SetTodayOverride(kMarch15);
    TDataSet data = absence::test::MakeReportDataSet();
    SaveDataSet(data, env.DataFolder().toStdString(), false);
    auto w = std::make_unique<TfrmMain>(10);
    w->ShowAsStored();
    auto* timer = Find<QTimer>(w.get(), "Timer1");
    QVERIFY(QTest::qWaitFor([&] { return !timer->isActive() && w->isEnabled(); }, 5000));
    struct Row {
      const char* action;
      const char* caption;
    } rows[] = {{"mnuReportAbsence", "Absence Taken Selection"},
                {"mnuReportBalances", "Absence Reason Balance Report Selection"},
                {"mnuReportEmpInfo", "Employee Information Selection"},
                {"mnuReportDepInfo", "Department Information Selection"},
                {"mnuReportStatements", "Employee Statement Selection"}};
    for (const Row& row : rows) {
      QString caption;
      ui::test::TDialogDriver driver([&](QDialog& d) {
        caption = d.windowTitle();
        QTest::mouseClick(Find<QPushButton>(&d, "cmdCancel"), Qt::LeftButton);
      });
      auto* action = Find<QAction>(w.get(), row.action);
      QVERIFY(action->isEnabled());
      action->trigger();
      QCOMPARE(driver.Runs(), 1);
      QCOMPARE(caption, QString::fromLatin1(row.caption));
    }
  }

  // File > Month-End: the last complete month by default; the three files in the folder chosen,
  // and a folder that does not exist refused.
  void MonthEndWritesTheSummaryAndStatementsIntoTheFolder() {
    ui::test::TTempEnvironment env;
    SetTodayOverride(kMarch15);
    TDataSet data = absence::test::MakeReportDataSet();
    SaveDataSet(data, env.DataFolder().toStdString(), false);
    TDataSession session(env.DataFolder().toStdString());
    QVERIFY(session.Load());
    TfrmMonthEnd w(session);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(Find<QComboBox>(&w, "cboMonth")->currentText(), QStringLiteral("February"));
    QCOMPARE(Find<QSpinBox>(&w, "txtYear")->value(), 2024);
    QVERIFY(ui::test::ChooseByKeys(Find<QComboBox>(&w, "cboMonth"), QStringLiteral("January")));
    QVERIFY(
        ui::test::ChooseByKeys(Find<QComboBox>(&w, "cboDelimiter"), QStringLiteral("Semicolon")));
    const QString folder = env.DataFolder() + QStringLiteral("payroll");
    SetFileDialogHook([&](const TFileDialogCall& call) {
      return call.Kind == TFileDialogKind::Folder ? std::optional<QString>(folder) : std::nullopt;
    });
    QTest::mouseClick(Find<QPushButton>(&w, "cmdBrowse"), Qt::LeftButton);
    SetFileDialogHook(nullptr);
    QCOMPARE(QDir::fromNativeSeparators(Find<QLineEdit>(&w, "txtFolder")->text()), folder);
    {
      ui::test::TMessageBoxSpy spy;
      spy.Answer(mbOK);
      QTest::mouseClick(Find<QPushButton>(&w, "cmdWrite"), Qt::LeftButton);
      QCOMPARE(spy.Calls().size(), std::size_t(1));
      QCOMPARE(spy.Calls()[0].Text, QStringLiteral("Please choose an existing folder."));
    }
    QVERIFY(QDir().mkpath(folder));
    const QStringList files = MonthEndFiles(folder, 2024, 1);
    {
      ui::test::TMessageBoxSpy spy;
      spy.Answer(mbOK);
      QTest::keyClick(&w, Qt::Key_Return);  // Write is the default button
      QCOMPARE(spy.Calls().size(), std::size_t(1));
      QCOMPARE(spy.Calls()[0].Text,
               QStringLiteral("The month-end files for January 2024 are written to %1:\r\r"
                              "absence-summary-2024-01.csv\rabsence-summary-2024-01.xlsx\r"
                              "absence-statements-2024-01.pdf")
                   .arg(QDir::toNativeSeparators(folder)));
    }
    QFile csv(files[0]);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(csv.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.value(0),
             QStringLiteral("ID;Employee;Department;Reason;Hours Taken;Available;Balance"));
    QCOMPARE(lines.mid(1, 3), (QStringList{QStringLiteral("1;Able, Ann;Sales;Holiday;8;;"),
                                           QStringLiteral("1;Able, Ann;Sales;Sick;4;;"),
                                           QStringLiteral("1;Able, Ann;Sales;Vacation;8;50;42")}));
    QFile xlsx(files[1]);
    QVERIFY(xlsx.open(QIODevice::ReadOnly));
    QCOMPARE(xlsx.read(2), QByteArray("PK"));
    const QString pdf = ui::test::PdfText(files[2]);
    if (!pdf.isEmpty()) {
      QVERIFY(pdf.contains(QStringLiteral("Employee Statement")));
      QVERIFY(pdf.contains(QStringLiteral("From 01/01/2024 to 01/31/2024")));
      QCOMPARE(pdf.count(QStringLiteral("Employee signature")), 3);
    }
  }
};

ABSENCE_UI_SUITE("selection", SelectionTest)
#include "selection_test.moc"

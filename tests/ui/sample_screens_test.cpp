// The windows on the demo organisation, as a newcomer first sees them: the main window at its
// smallest and large in each toolbar style, the entry dialog on a day with an own and a global
// entry, the restore dialog and each preferences page. Each must show its whole texts and a
// filled calendar; with ABSENCE_SCREENSHOT_DIR set the windows are written there as pictures.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include <QStackedWidget>
#include "calendar_window.h"
#include "data/sample.h"
#include "list_support.h"
#include "render/report_paint.h"
#include "reports/report.h"
#include "reports/selection.h"
#include "screenshots.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_text.h"
#include "ui/common/pick_date.h"
#include "ui/convert/convert_wizard.h"
#include "ui/dialogs/absence_rec.h"
#include "ui/dialogs/undelete_dialog.h"
#include "ui/main/calendar_cells.h"
#include "ui/main/preferences.h"
#include "ui/maintenance/accrual_balances.h"
#include "ui/maintenance/dept_rec.h"
#include "ui/maintenance/dept_window.h"
#include "ui/maintenance/emp_rec.h"
#include "ui/maintenance/emp_window.h"
#include "ui/maintenance/reason_rec.h"
#include "ui/maintenance/reasons_window.h"
#include "ui/maintenance/rule_wizard.h"
#include "ui/reports/preview_form.h"
#include "ui/reports/time_list.h"
#include "ui/session/data_session.h"

using namespace absence;
using namespace absence::ui;
using namespace absence::ui::test;

namespace {

// The production manager: long service, a holiday he worked, every kind of entry.
constexpr const char* kShown = "Haddad, Samir";

// The employee's last holiday before today.
TDate LastHoliday(const TEmpRecClass& emp) {
  TDate found = 0;
  for (const auto& g : emp.Entries)
    if (g->IsGlobal() && g->EntryDate < kToday) found = g->EntryDate;
  return found;
}

// The start of the four weeks that hold most of the employee's entries.
TDate BusiestWeeks(const TEmpRecClass& emp) {
  TDate best = 0;
  int most = -1;
  for (const auto& e : emp.Entries) {
    int n = 0;
    for (const auto& other : emp.Entries)
      n += other->EntryDate >= e->EntryDate - 7 && other->EntryDate < e->EntryDate + 21;
    if (n > most) {
      most = n;
      best = e->EntryDate - 7;
    }
  }
  return best;
}

// Shows the weeks of `day` through the Dates button and its picker.
void ShowWeeksOf(TCalendarWindow& cal, TDate day) {
  SetPickDateHook([day](TfrmPickDate& picker) {
    picker.SetDate(day);
    picker.accept();
  });
  QTest::mouseClick(Find<QToolButton>(cal.w.get(), "spdDate"), Qt::LeftButton);
  SetPickDateHook(nullptr);
}

int CellsWithEntries(const TCalendarWindow& cal) {
  int n = 0;
  for (int row = 0; row < cal.grid->rowCount(); ++row)
    for (int col = 0; col < cal.grid->columnCount(); ++col)
      if (!cal.grid->item(row, col)->data(Qt::UserRole).value<TCellContent>().Entries.isEmpty())
        ++n;
  return n;
}

// The cells of `grid` whose text is cut, measured in the font their row is drawn with and
// against the room a cell leaves its text (a few pixels for the edges, and a picture's width).
QStringList CutCells(const QTableView* grid) {
  QStringList cut;
  const QAbstractItemModel* model = grid->model();
  const int pictureRoom = grid->verticalHeader()->defaultSectionSize();
  for (int row = 0; row < model->rowCount(); ++row)
    for (int column = 0; column < model->columnCount(); ++column) {
      if (grid->isColumnHidden(column)) continue;
      const QModelIndex cell = model->index(row, column);
      QFont font = grid->font();
      font.setBold(cell.data(Qt::FontRole).value<QFont>().bold());
      int room = grid->columnWidth(column) - 7;
      if (!cell.data(Qt::DecorationRole).value<QIcon>().isNull()) room -= pictureRoom;
      const QString text = cell.data().toString();
      if (QFontMetrics(font).elidedText(text, Qt::ElideRight, room) != text)
        cut << QString("%1 (column %2 of %3)").arg(text).arg(column).arg(grid->objectName());
    }
  return cut;
}

int BoldRows(const QTableView* grid) {
  int bold = 0;
  for (int row = 0; row < grid->model()->rowCount(); ++row)
    bold += grid->model()->index(row, 0).data(Qt::FontRole).value<QFont>().bold();
  return bold;
}

// True when every heading and figure of the balances' figure columns is drawn whole: the
// column lies inside the table's view and its text fits between the cell's margins, bold.
bool FiguresWhole(const QTableView* table) {
  QFont bold = table->font();
  bold.setBold(true);
  const QFontMetrics fm(bold);
  const int margins =
      2 * (table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1);
  const QHeaderView* header = table->horizontalHeader();
  for (int c = 2; c < 5; ++c) {
    const int width = table->columnWidth(c);
    QStringList texts;
    for (int r = 0; r < table->model()->rowCount(); ++r)
      texts << table->model()->index(r, c).data().toString();
    const QString heading = table->model()->headerData(c, Qt::Horizontal).toString();
    const bool inView = !table->isColumnHidden(c) &&
                        table->columnViewportPosition(c) + width <= table->viewport()->width();
    bool whole = inView && header->fontMetrics().horizontalAdvance(heading) < width;
    for (const QString& text : texts)
      whole = whole && fm.elidedText(text, Qt::ElideRight, width - margins) == text;
    if (!whole) {
      qWarning() << "column" << heading << "width" << width << "at"
                 << table->columnViewportPosition(c) << "of" << table->viewport()->width() << texts;
      return false;
    }
  }
  return true;
}

}  // namespace

class SampleScreensTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }
  void init() {
    SetTodayOverride(kToday);
    env_ = std::make_unique<TTempEnvironment>();
  }
  void cleanup() { env_.reset(); }

  void theMainWindowInEveryStyleAndSize_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("large");
    for (int style : {0, 1, 2})
      for (bool large : {false, true})
        QTest::addRow("style%d-%s", style, large ? "large" : "minimum") << style << large;
  }
  void theMainWindowInEveryStyleAndSize() {
    QFETCH(int, style);
    QFETCH(bool, large);
    WriteSampleOrganisation(App().AppFolder, kToday);
    env_->WriteIni(QString("[Initialization]\r\nToolCaption=%1\r\n").arg(style));
    TCalendarWindow cal;
    QVERIFY(cal.loaded);
    QVERIFY(cal.Choose(kShown));
    ShowWeeksOf(cal, BusiestWeeks(cal.Emp(kShown)));
    if (large)
      cal.w->resize(1600, 1000);
    else
      cal.w->resize(cal.w->minimumSize());
    QTest::qWait(50);
    SaveScreenshot(cal.w.get(),
                   QString("main-style%1-%2").arg(style).arg(large ? "large" : "minimum"));
    QVERIFY(CellsWithEntries(cal) >= 8);
    auto* balances = Find<QTableView>(cal.w.get(), "grdBalances");
    QVERIFY(balances->model()->rowCount() >= 5);
    for (const char* reason : {"Vacation", "Sick Leave", "Personal"})
      QVERIFY2(!cal.Balance(reason, 4).isEmpty(), reason);
    QVERIFY(NoCutTexts(cal.w.get()));
  }

  // Every active reason has its row in sight at 1600x1000, the panels gain height with the
  // window, and at any size, after any divider drag, the figures stand whole in the table.
  void theBalancesShowEveryReasonAndWholeFigures_data() {
    QTest::addColumn<bool>("large");
    QTest::newRow("minimum") << false;
    QTest::newRow("1600x1000") << true;
  }
  void theBalancesShowEveryReasonAndWholeFigures() {
    QFETCH(bool, large);
    WriteSampleOrganisation(App().AppFolder, kToday);
    TCalendarWindow cal;
    QVERIFY(cal.Choose(kShown));
    auto* table = Find<QTableView>(cal.w.get(), "grdBalances");
    auto* days = Find<QListView>(cal.w.get(), "lstViewDay");
    cal.w->resize(cal.w->minimumSize());
    QTest::qWait(50);
    QVERIFY(FiguresWhole(table));
    if (large) {
      const int tableHeight = table->height(), daysHeight = days->height();
      cal.w->resize(1600, 1000);
      QTest::qWait(50);
      QVERIFY(table->height() > tableHeight);
      QVERIFY(days->height() > daysHeight);
      int active = 0;
      for (const auto& reason : cal.w->Session().Data().ReasonList)
        active += reason->Active && !reason->Deleted;
      QCOMPARE(table->model()->rowCount(), active);
      QVERIFY(!table->verticalScrollBar()->isVisible());
      for (int r = 0; r < active; ++r)
        QVERIFY(table->rowViewportPosition(r) + table->rowHeight(r) <= table->viewport()->height());
      QVERIFY(FiguresWhole(table));
    }
    SaveScreenshot(cal.w.get(), large ? "balances-large" : "balances-minimum");
    // Each divider dragged as far right as the header reaches, then back past its column's start.
    QHeaderView* header = table->horizontalHeader();
    const int y = header->height() / 2;
    for (int c = 0; c < 4; ++c) {
      const int divider = header->sectionViewportPosition(c) + header->sectionSize(c) - 1;
      DragWithMouse(header->viewport(), QPoint(divider, y),
                    QPoint(header->viewport()->width() - 1, y));
      QVERIFY2(FiguresWhole(table), qPrintable(QString("column %1 widened").arg(c)));
    }
    for (int c = 3; c >= 0; --c) {
      const int divider = header->sectionViewportPosition(c) + header->sectionSize(c) - 1;
      DragWithMouse(header->viewport(), QPoint(divider, y),
                    QPoint(header->sectionViewportPosition(c) + 1, y));
      QVERIFY2(FiguresWhole(table), qPrintable(QString("column %1 narrowed").arg(c)));
    }
  }

  // The entry dialog in list mode on a holiday with an own entry, then the global absence list
  // and single-entry mode for a new global entry from it; the restore dialog with two trashed
  // entries; every preferences page.
  void theDialogsOnTheDemoOrganisation() {
    WriteSampleOrganisation(App().AppFolder, kToday);
    TCalendarWindow cal;
    QVERIFY(cal.Choose(kShown));
    ShowWeeksOf(cal, LastHoliday(cal.Emp(kShown)));
    const int col = cal.grid->currentColumn();
    // The holiday and an own entry on the same day.
    QVERIFY(cal.DragReason("Sick Leave", col, 0));
    QStringList shots;
    TDialogDriver driver([&](QDialog& dlg) {
      QVERIFY(NoCutTexts(&dlg));
      if (auto* prefs = qobject_cast<TfrmPreferences*>(&dlg)) {
        for (int page = 0; page < Find<QTabWidget>(prefs, "nbNoteBook")->count(); ++page) {
          Find<QTabWidget>(prefs, "nbNoteBook")->setCurrentIndex(page);
          QVERIFY(NoCutTexts(&dlg));
          SaveScreenshot(&dlg, QString("preferences-%1").arg(page));
          shots << dlg.windowTitle();
        }
      } else if (auto* list = qobject_cast<TfrmTimeList*>(&dlg)) {
        // The global entries of the year; New opens the entry dialog for a new one.
        SaveScreenshot(&dlg, "absence-list");
        shots << dlg.windowTitle();
        QTest::mouseClick(ToolButton(list, "spdNewRec"), Qt::LeftButton);
      } else {
        const QString name = qobject_cast<TfrmUnDelete*>(&dlg)     ? "undelete"
                             : dlg.windowTitle().startsWith("New") ? "entry-single"
                                                                   : "entry-list";
        SaveScreenshot(&dlg, name);
        shots << dlg.windowTitle();
      }
      dlg.reject();
    });
    cal.DoubleClick(col, 0);
    QTest::mouseClick(Find<QToolButton>(cal.w.get(), "spdGlobal"), Qt::LeftButton);
    QVERIFY(cal.DragEntryToTrash(col, 0));
    QVERIFY(cal.DragEntryToTrash(col, 0));
    QTest::mouseDClick(Find<QWidget>(cal.w.get(), "imgTrash"), Qt::LeftButton);
    Find<QAction>(cal.w.get(), "mnuEditPreferences")->trigger();
    QCOMPARE(shots.size(), 10);
    QCOMPARE(shots[0], QString("Global Absence Entry"));
    QCOMPARE(shots[1], QString("Global Absence"));
    QCOMPARE(shots[2], QString("New Global Absence Entry"));
    QCOMPARE(shots[3], QString("Restore Absence"));
  }

  // The maintenance windows from the Edit menu, each list with its record dialog (the policy
  // wizard and the import and export wizards page by page), at their smallest: every text whole,
  // something focused for the keyboard, and Escape closes them.
  void theMaintenanceWindowsOnTheDemoOrganisation() {
    WriteSampleOrganisation(App().AppFolder, kToday);
    TCalendarWindow cal;
    QVERIFY(cal.loaded);
    QStringList shots;
    const QString exported = env_->DataFolder() + QStringLiteral("absences.txt");
    const QString imported = env_->DataFolder() + QStringLiteral("employees.txt");
    QFile(imported).open(QIODevice::WriteOnly);
    auto shoot = [&](QDialog& dlg, const QString& name) {
      SaveScreenshot(&dlg, name);
      QVERIFY2(NoCutTexts(&dlg), qPrintable(name));
      shots << name;
    };
    // Each page in turn through Next, up to the page whose button would run the wizard.
    auto pages = [&](QDialog& dlg, QStackedWidget* stack, QAbstractButton* next,
                     const QString& name, const std::function<void(int)>& fill) {
      for (int shot = 1; shot <= 12; ++shot) {
        shoot(dlg, QString("%1-%2").arg(name).arg(shot));
        if (fill) fill(stack->currentIndex());
        if (QString(next->text()).remove(u'&') != QLatin1String("Next")) break;
        QTest::mouseClick(next, Qt::LeftButton);
      }
    };
    auto openFirst = [](TListWindow& list) {
      ClickRow(list.findChild<QTableView*>(), 0);
      QTest::mouseClick(ToolButton(&list, "spdEditRec"), Qt::LeftButton);
    };
    TDialogDriver driver([&](QDialog& dlg) {
      dlg.resize(dlg.minimumSize());
      QApplication::setActiveWindow(&dlg);
      QVERIFY2(dlg.isAncestorOf(QApplication::focusWidget()), qPrintable(dlg.objectName()));
      if (auto* depts = qobject_cast<TfrmDept*>(&dlg)) {
        shoot(dlg, "departments");
        openFirst(*depts);
      } else if (auto* emps = qobject_cast<TfrmEmp*>(&dlg)) {
        shoot(dlg, "employees");
        openFirst(*emps);
      } else if (auto* reasons = qobject_cast<TfrmReasons*>(&dlg)) {
        shoot(dlg, "reasons");
        openFirst(*reasons);
        const TReasonList& list = absence::ui::test::TestData(cal.w->Session()).ReasonList;
        // The policy of the most tiers.
        std::size_t most = 0;
        QTableView* grid = ListView(reasons, "grdReasons");
        int mostRow = 0;
        for (int row = 0; row < RowCount(grid); ++row) {
          const int at = FindReason(list, static_cast<int32_t>(RecordAt(grid, row)), "");
          if (at >= 0 && list[static_cast<std::size_t>(at)]->Rules.size() > most) {
            most = list[static_cast<std::size_t>(at)]->Rules.size();
            mostRow = row;
          }
        }
        ClickRow(grid, mostRow);
        QVERIFY(ToolButton(reasons, "spdPolicy")->isEnabled());
        QTest::mouseClick(ToolButton(reasons, "spdPolicy"), Qt::LeftButton);
      } else if (qobject_cast<TfrmEmpRec*>(&dlg)) {
        auto* emp = qobject_cast<TfrmEmpRec*>(&dlg);
        if (Find<TAccrualBalances>(emp, "pnlAccruals")->isHidden())
          QTest::mouseClick(Find<QPushButton>(emp, "cmdAccruals"), Qt::LeftButton);
        shoot(dlg, "employee-record");
      } else if (qobject_cast<TfrmDeptRec*>(&dlg)) {
        shoot(dlg, "department-record");
      } else if (qobject_cast<TfrmReasonRec*>(&dlg)) {
        shoot(dlg, "reason-record");
      } else if (auto* wizard = qobject_cast<TfrmRuleWizard*>(&dlg)) {
        pages(dlg, Find<QStackedWidget>(wizard, "ntWizard"), Find<QPushButton>(wizard, "cmdNext"),
              "policy-wizard", nullptr);
      } else if (auto* convert = qobject_cast<TfrmConvert*>(&dlg)) {
        const bool exporting = dlg.windowTitle().contains("Export");
        auto* file = Find<QLineEdit>(convert, "txtImportFile");
        pages(dlg, Find<QStackedWidget>(convert, "ntWizard"), Find<QPushButton>(convert, "cmdNext"),
              exporting ? "export" : "import", [&](int) {
                if (file->isVisible() && file->text().isEmpty())
                  QTest::keyClicks(file, exporting ? exported : imported);
              });
      } else {
        QFAIL(qPrintable("unexpected dialog " + dlg.objectName()));
      }
      QTest::keyClick(&dlg, Qt::Key_Escape);
      QVERIFY2(!dlg.isVisible(), qPrintable(dlg.objectName()));
    });
    for (const char* command :
         {"mnuEditDept", "mnuEditEmp", "mnuEditReason", "mnuFileImport", "mnuFileExport"})
      Find<QAction>(cal.w.get(), command)->trigger();
    for (const char* name : {"departments", "department-record", "employees", "employee-record",
                             "reasons", "reason-record", "policy-wizard-5", "import-5", "export-4"})
      QVERIFY2(shots.contains(name), name);
  }

  // Every record changed, so every row of the lists is drawn in bold: at the default column
  // widths each shows its whole text.
  void boldRowsShowTheirWholeTextAtTheDefaultWidths() {
    WriteSampleOrganisation(App().AppFolder, kToday);
    TCalendarWindow cal;
    QVERIFY(cal.loaded);
    TDataSet& d = absence::ui::test::TestData(cal.w->Session());
    for (auto& dept : d.DeptList) dept->Modified = true;
    for (auto& reason : d.ReasonList) reason->Modified = true;
    for (auto& emp : d.EmpList) {
      emp->Modified = true;
      for (auto& a : emp->Accruals) a->Modified = true;
      for (auto& e : emp->Entries) e->Modified = true;
    }
    QVERIFY(cal.Choose(kShown));
    QStringList checked;
    auto check = [&](QDialog& dlg, const char* gridName) {
      QTableView* grid = ListView(&dlg, gridName);
      QVERIFY2(BoldRows(grid) > 0, gridName);
      const QStringList cut = CutCells(grid);
      QVERIFY2(cut.isEmpty(), qPrintable(cut.join("; ")));
      checked << gridName;
    };
    TDialogDriver driver([&](QDialog& dlg) {
      if (qobject_cast<TfrmDept*>(&dlg)) {
        check(dlg, "grdDept");
      } else if (auto* emps = qobject_cast<TfrmEmp*>(&dlg)) {
        check(dlg, "grdEmployee");
        QVERIFY(ClickRowOf(ListView(emps, "grdEmployee"), kShown));
        QTest::mouseClick(ToolButton(emps, "spdEditRec"), Qt::LeftButton);
      } else if (auto* emp = qobject_cast<TfrmEmpRec*>(&dlg)) {
        if (Find<TAccrualBalances>(emp, "pnlAccruals")->isHidden())
          QTest::mouseClick(Find<QPushButton>(emp, "cmdAccruals"), Qt::LeftButton);
        check(dlg, "grdAccruals");
      } else if (qobject_cast<TfrmReasons*>(&dlg)) {
        check(dlg, "grdReasons");
      } else if (qobject_cast<TfrmTimeList*>(&dlg)) {
        check(dlg, "grdAbsence");
      } else {
        QFAIL(qPrintable("unexpected dialog " + dlg.objectName()));
      }
      dlg.reject();
    });
    for (const char* command : {"mnuEditDept", "mnuEditEmp", "mnuEditReason", "mnuEditAbsence"})
      Find<QAction>(cal.w.get(), command)->trigger();
    QCOMPARE(checked,
             (QStringList{"grdDept", "grdEmployee", "grdAccruals", "grdReasons", "grdAbsence"}));
  }

  // The balance report of everybody in the preview, at page width.
  void theReportPreviewOnTheDemoOrganisation() {
    WriteSampleOrganisation(App().AppFolder, kToday);
    TCalendarWindow cal;
    QVERIFY(cal.loaded);
    const TDataSet& d = absence::ui::test::TestData(cal.w->Session());
    const reports::TSelection everybody =
        reports::EmployeeChoices(d.EmpList, TEmployeeDisplay::Current);
    reports::TReportOptions options;
    options.Kind = reports::TReportKind::Balances;
    options.ReportDate = kToday;
    reports::TReportSettings settings;
    settings.Organization = "Demo Organisation";
    settings.Today = kToday;
    const render::TQtTextMetrics metrics;
    const reports::TDocument doc = reports::RunReport(
        {d.EmpList, d.DeptList, d.ReasonList, d.GlobalList, everybody, options, settings}, metrics);
    QVERIFY(doc.Pages.size() >= 2);
    TPVPreviewForm form(doc, nullptr);
    form.resize(900, 700);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.PageLabelText(), QString("Page 1 of %1").arg(doc.Pages.size()));
    SaveScreenshot(&form, "report-preview");
  }

 private:
  std::unique_ptr<TTempEnvironment> env_;
};

ABSENCE_UI_SUITE("sample_screens", SampleScreensTest)
#include "sample_screens_test.moc"

// The report preview, driven by clicks and keys: navigation, the page label, zoom and Print.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <cstring>

#include <sys/resource.h>

#include "../core/reports/report_data_set.h"
#include "dialog_support.h"
#include "list_support.h"
#include "render/report_paint.h"
#include "reports/report.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/printers.h"
#include "ui/main/printer_setup.h"
#include "ui/maintenance/emp_window.h"
#include "ui/reports/ab_report.h"
#include "ui/reports/preview_form.h"
#include "ui/reports/print_calendar.h"
#include "ui/reports/report_print.h"
#include "ui/reports/report_settings.h"
#include "ui/reports/setup_form.h"
#include "ui/session/data_session.h"

using namespace absence;
using namespace absence::ui;
using namespace absence::reports;

namespace {

// The absence taken report with a page per employee and the totals page: three pages.
TDocument ThreePages() {
  static const TDataSet data = absence::test::MakeReportDataSet();
  static const TSelection selection = {{"Able, Ann", 1}, {"Cole, Cy", 3}};
  TReportOptions o;
  o.Kind = TReportKind::Absence;
  o.StartDate = EncodeDate(2024, 1, 1);
  o.EndDate = EncodeDate(2024, 1, 31);
  TReportSettings s;
  s.Organization = "Acme Works";
  s.Today = EncodeDate(2024, 3, 15);
  const render::TQtTextMetrics metrics;
  return RunReport({data.EmpList, data.DeptList, data.ReasonList, data.GlobalList, selection, o, s},
                   metrics);
}

// Pages of a PDF file, from pdfinfo; -1 when it cannot tell.
int PdfPages(const QString& file) {
  QProcess p;
  p.start(QStringLiteral("pdfinfo"), {file});
  if (!p.waitForFinished() || p.exitCode() != 0) return -1;
  for (const QString& line : QString::fromLocal8Bit(p.readAllStandardOutput()).split('\n'))
    if (line.startsWith(QStringLiteral("Pages:"))) return line.mid(6).trimmed().toInt();
  return -1;
}

// The first page's size in points, from pdfinfo; empty when it cannot tell.
QSizeF PdfPageSize(const QString& file) {
  QProcess p;
  p.start(QStringLiteral("pdfinfo"), {file});
  if (!p.waitForFinished() || p.exitCode() != 0) return {};
  for (const QString& line : QString::fromLocal8Bit(p.readAllStandardOutput()).split('\n'))
    if (line.startsWith(QStringLiteral("Page size:"))) {
      const QStringList words = line.mid(10).simplified().split(' ');
      if (words.size() >= 3) return {words[0].toDouble(), words[2].toDouble()};
    }
  return {};
}

// The locale for paper sizes, for as long as the object lives.
class TPaperLocale {
 public:
  explicit TPaperLocale(const char* name) : all_(qgetenv("LC_ALL")), paper_(qgetenv("LC_PAPER")) {
    qunsetenv("LC_ALL");
    qputenv("LC_PAPER", name);
  }
  ~TPaperLocale() {
    Restore("LC_ALL", all_);
    Restore("LC_PAPER", paper_);
  }

 private:
  static void Restore(const char* name, const QByteArray& value) {
    if (value.isEmpty())
      qunsetenv(name);
    else
      qputenv(name, value);
  }
  QByteArray all_, paper_;
};

QPushButton* ButtonOf(QWidget& w, const char* name) {
  return w.findChild<QPushButton*>(QString::fromLatin1(name));
}

}  // namespace

class ReportPreviewTest : public QObject {
  Q_OBJECT
 private slots:
  void NavigatesThePages() {
    const TDocument doc = ThreePages();
    QCOMPARE(doc.Pages.size(), std::size_t{3});
    TPVPreviewForm form(doc, nullptr);
    form.resize(900, 700);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Report Preview"));
    QCOMPARE(form.PageLabelText(), QStringLiteral("Page 1 of 3"));
    QVERIFY(!ButtonOf(form, "btnPreviousPage")->isEnabled());
    struct Step {
      const char* button;
      int page;
    } steps[] = {{"btnNextPage", 2},
                 {"btnNextPage", 3},
                 {"btnFirstPage", 1},
                 {"btnLastPage", 3},
                 {"btnPreviousPage", 2}};
    for (const auto& s : steps) {
      QTest::mouseClick(ButtonOf(form, s.button), Qt::LeftButton);
      QCOMPARE(form.CurrentPage(), s.page);
      QCOMPARE(form.PageLabelText(), QStringLiteral("Page %1 of 3").arg(s.page));
    }
    // Typing a page number goes there.
    auto* page = form.findChild<QSpinBox*>(QStringLiteral("txtPage"));
    page->selectAll();
    QTest::keyClicks(page, QStringLiteral("1"));
    QCOMPARE(form.CurrentPage(), 1);
    form.grab().save(QDir::temp().filePath(QStringLiteral("absence-report-preview.png")));
  }

  // Paging from page 1 to page 12 (a longer page label) leaves every button where it was.
  void ButtonsStayInPlaceWhilePaging() {
    TDocument doc = ThreePages();
    while (doc.Pages.size() < 12) doc.Pages.push_back(doc.Pages.back());
    TPVPreviewForm form(doc, nullptr);
    form.resize(1200, 700);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QList<QPushButton*> buttons = form.findChildren<QPushButton*>();
    QVERIFY(buttons.size() >= 10);
    auto places = [&] {
      QCoreApplication::processEvents();
      QList<QRect> r;
      for (QPushButton* b : buttons) r << b->geometry();
      return r;
    };
    const QList<QRect> first = places();
    QTest::mouseClick(ButtonOf(form, "btnLastPage"), Qt::LeftButton);
    QCOMPARE(form.PageLabelText(), QStringLiteral("Page 12 of 12"));
    QCOMPARE(places(), first);
    QTest::mouseClick(ButtonOf(form, "btnPreviousPage"), Qt::LeftButton);
    QCOMPARE(places(), first);
    // The label shows its whole text.
    auto* label = form.findChild<QLabel*>(QStringLiteral("lblPage"));
    QVERIFY(label->fontMetrics().horizontalAdvance(QStringLiteral("Page 12 of 12")) <=
            label->contentsRect().width());
  }

  void ZoomsAndScrollsWithTheKeys() {
    const TDocument doc = ThreePages();
    TPVPreviewForm form(doc, nullptr);
    form.resize(900, 700);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto* image = form.findChild<QLabel*>(QStringLiteral("imgPage"));
    const int width100 = image->width();
    QCOMPARE(width100, static_cast<int>(std::lround(8.5 * form.logicalDpiX())));
    QTest::mouseClick(ButtonOf(form, "btnZoomIn"), Qt::LeftButton);
    QCOMPARE(form.Zoom(), 125);
    QVERIFY(image->width() > width100);
    QTest::mouseClick(ButtonOf(form, "btnZoomWholePage"), Qt::LeftButton);
    auto* area = form.findChild<QScrollArea*>(QStringLiteral("scrPage"));
    QVERIFY(image->height() <= area->viewport()->height());
    QTest::mouseClick(ButtonOf(form, "btnZoomPageWidth"), Qt::LeftButton);
    QVERIFY(image->width() <= area->viewport()->width());
    QVERIFY(image->width() > area->viewport()->width() - 40);
    // Page Down and End scroll the page; Home goes back to its top.
    QScrollBar* v = area->verticalScrollBar();
    QVERIFY(v->maximum() > 0);
    QTest::keyClick(&form, Qt::Key_PageDown);
    QVERIFY(v->value() > 0);
    QTest::keyClick(&form, Qt::Key_End);
    QCOMPARE(v->value(), v->maximum());
    QTest::keyClick(&form, Qt::Key_Home);
    QCOMPARE(v->value(), 0);
  }

  void PrintAndDone() {
    const TDocument doc = ThreePages();
    int printed = 0;
    TPVPreviewForm form(doc, [&] { ++printed; });
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTest::mouseClick(ButtonOf(form, "btnPrint"), Qt::LeftButton);
    QCOMPARE(printed, 1);
    QTest::mouseClick(ButtonOf(form, "btnDone"), Qt::LeftButton);
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QVERIFY(!form.isVisible());
  }

  void PrintsTheChosenPagesToThePdfPrinter() {
    const TDocument doc = ThreePages();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.pdf"));
    int asked = 0;
    SetFileDialogHook([&](const TFileDialogCall& call) -> std::optional<QString> {
      ++asked;
      if (call.Kind != TFileDialogKind::Save) return std::nullopt;
      return file;
    });
    TPrintChoice choice;
    choice.Printer = QString::fromLatin1(kPdfPrinterName);
    choice.FromPage = 2;
    choice.ToPage = 3;
    choice.Copies = 2;
    QVERIFY(PrintReport(doc, choice, QStringLiteral("Absence Taken")));
    QCOMPARE(asked, 1);
    QVERIFY(QFile::exists(file));
    const int pages = PdfPages(file);
    if (pages >= 0) QCOMPARE(pages, 4);  // two complete runs of pages 2 and 3
    // Cancelling the file name prints nothing.
    QFile::remove(file);
    SetFileDialogHook([](const TFileDialogCall&) { return std::optional<QString>(); });
    QVERIFY(!PrintReport(doc, choice, QStringLiteral("Absence Taken")));
    QVERIFY(!QFile::exists(file));

    // A disk that fills up (a file size limit stands in for it): an error box with the system's
    // message, and the file written before stays whole.
    {
      QFile earlier(file);
      QVERIFY(earlier.open(QIODevice::WriteOnly));
      earlier.write("the previous printout");
    }
    SetFileDialogHook([&](const TFileDialogCall&) { return std::optional<QString>(file); });
    ui::test::TMessageBoxSpy boxes;
    boxes.Answer(mbOK);
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool printed = PrintReport(doc, choice, QStringLiteral("Absence Taken"));
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldSignal);
    QVERIFY(!printed);
    QCOMPARE(boxes.Calls().size(), size_t(1));
    QCOMPARE(boxes.Calls()[0].Kind, TMsgKind::Error);
    QVERIFY2(boxes.Calls()[0].Text.contains(QString::fromLocal8Bit(std::strerror(EFBIG))),
             qPrintable(boxes.Calls()[0].Text));
    QFile kept(file);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("the previous printout"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"report.pdf"});
    SetFileDialogHook(nullptr);
  }

  // The print flow: the setup window answers through real clicks once it is up.
  void PrintFlowPrintsOnlyOnOk() {
    const TDataSet data = absence::test::MakeReportDataSet();
    TReportOptions o;
    o.Kind = TReportKind::Department;
    o.NewPagePerGroup = true;
    TfrmABReport report(data, o, {{"Office", 2}, {"Sales", 1}}, {}, QString(), nullptr);
    QCOMPARE(report.Title(), QStringLiteral("Department Information List"));
    SetPrintersOverride(QStringList{QString::fromLatin1(kPdfPrinterName)});
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("dept.pdf"));
    int asked = 0;
    SetFileDialogHook([&](const TFileDialogCall&) -> std::optional<QString> {
      ++asked;
      return file;
    });
    auto answer = [](bool ok, bool secondPageOnly) {
      QTimer::singleShot(0, [ok, secondPageOnly] {
        auto* setup = dynamic_cast<TPVSetupForm*>(QApplication::activeModalWidget());
        QVERIFY(setup);
        QCOMPARE(setup->windowTitle(), QStringLiteral("Report Setup"));
        QCOMPARE(setup->findChild<QLabel*>(QStringLiteral("lblPrinter"))->text(),
                 QStringLiteral("PDF file on File"));
        QCOMPARE(setup->findChild<QLineEdit*>(QStringLiteral("txtSelection"))->text(),
                 QStringLiteral("1-2"));
        if (secondPageOnly) {
          QTest::mouseClick(setup->findChild<QRadioButton*>(QStringLiteral("optPages")),
                            Qt::LeftButton);
          auto* from = setup->findChild<QSpinBox*>(QStringLiteral("txtFrom"));
          from->selectAll();
          QTest::keyClicks(from, QStringLiteral("2"));
        }
        auto* box = setup->findChild<QDialogButtonBox*>();
        QTest::mouseClick(box->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                          Qt::LeftButton);
      });
    };
    answer(false, false);
    QVERIFY(!report.Print());
    QCOMPARE(asked, 0);
    QVERIFY(!QFile::exists(file));
    answer(true, true);
    QVERIFY(report.Print());
    QCOMPARE(asked, 1);
    const int pages = PdfPages(file);
    if (pages >= 0) QCOMPARE(pages, 1);
    SetFileDialogHook(nullptr);
    SetPrintersOverride(std::nullopt);
  }

  // "Selection" takes a page list typed in the setup window: text it cannot read is refused
  // with a message and the window stays open; a list prints each page it names once, in order.
  void SelectionPrintsThePagesOfTheTypedList() {
    const TDataSet data = absence::test::MakeReportDataSet();
    TReportOptions o;
    o.Kind = TReportKind::Absence;
    o.StartDate = EncodeDate(2024, 1, 1);
    o.EndDate = EncodeDate(2024, 1, 31);
    TReportSettings s;
    s.Today = EncodeDate(2024, 3, 15);
    TfrmABReport report(data, o, {{"Able, Ann", 1}, {"Cole, Cy", 3}}, s, QString(), nullptr);
    QCOMPARE(report.Document().Pages.size(), std::size_t{3});
    SetPrintersOverride(QStringList{QString::fromLatin1(kPdfPrinterName)});
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("chosen.pdf"));
    SetFileDialogHook([&](const TFileDialogCall&) { return std::optional<QString>(file); });
    struct Try {
      const char* typed;
      bool refused;
    } tries[] = {{"1,x", true}, {"2-9", true}, {"3-2", true}, {"", true}, {"3,1-1, 3", false}};
    std::vector<TMessageBoxCall> boxes;
    ui::test::TDialogDriver driver([&](QDialog& dialog) {
      auto* setup = dynamic_cast<TPVSetupForm*>(&dialog);
      QVERIFY(setup);
      QTest::mouseClick(setup->findChild<QRadioButton*>(QStringLiteral("optSelection")),
                        Qt::LeftButton);
      auto* list = setup->findChild<QLineEdit*>(QStringLiteral("txtSelection"));
      QPushButton* ok = setup->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
      for (const Try& t : tries) {
        ui::test::TMessageBoxSpy spy;
        spy.Answer(mbOK);
        QTest::mouseClick(list, Qt::LeftButton);
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(list, Qt::Key_Delete);
        QTest::keyClicks(list, QString::fromLatin1(t.typed));
        QTest::mouseClick(ok, Qt::LeftButton);
        QCOMPARE(spy.Calls().size(), std::size_t(t.refused ? 1 : 0));
        QCOMPARE(setup->isVisible(), t.refused);
        if (t.refused) {
          QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Information);
          QCOMPARE(QApplication::focusWidget(), list);
          boxes.push_back(spy.Calls()[0]);
        }
      }
    });
    QVERIFY(report.Print());
    QCOMPARE(driver.Runs(), 1);
    QCOMPARE(boxes.size(), std::size_t{4});
    QVERIFY2(boxes[0].Text.contains(QStringLiteral("\"x\"")), qPrintable(boxes[0].Text));
    QVERIFY2(boxes[1].Text.contains(QStringLiteral("no page 9")), qPrintable(boxes[1].Text));
    QVERIFY2(boxes[1].Text.contains(QStringLiteral("from 1 to 3")), qPrintable(boxes[1].Text));
    QVERIFY2(boxes[2].Text.contains(QStringLiteral("3-2")), qPrintable(boxes[2].Text));
    // Pages 1 and 3, once each and in page order.
    const QString text = ui::test::PdfText(file);
    if (!text.isEmpty()) {
      const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
      QCOMPARE(pages.size(), 2);
      QVERIFY2(pages[0].contains(QStringLiteral("Page: 1")), qPrintable(pages[0]));
      QVERIFY2(pages[1].contains(QStringLiteral("Page: 3")), qPrintable(pages[1]));
    }
    SetFileDialogHook(nullptr);
    SetPrintersOverride(std::nullopt);
  }

  void MonthCalendarSelectionPreviewsTheChosenMonth() {
    QTemporaryDir dir;
    TDataSet data = absence::test::MakeReportDataSet();
    SaveDataSet(data, dir.path().toStdString() + "/", false);
    TDataSession session(dir.path().toStdString() + "/");
    QVERIFY(session.Load());
    TfrmPrintCalendar form(session);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Month Calendar Selection"));
    auto* dept = form.findChild<QComboBox*>(QStringLiteral("cboDeptBox"));
    QCOMPARE(dept->count(), 3);
    QCOMPARE(dept->itemText(0), QStringLiteral("All Departments"));
    QCOMPARE(form.Options().CalendarDeptID, 0);
    QVERIFY(form.Options().OncePerDay);
    form.findChild<QComboBox*>(QStringLiteral("cboMonthBox"))->setCurrentIndex(1);
    auto* year = form.findChild<QSpinBox*>(QStringLiteral("txtYear"));
    year->selectAll();
    QTest::keyClicks(year, QStringLiteral("2024"));
    dept->setCurrentIndex(dept->findText(QStringLiteral("Sales")));
    QTest::mouseClick(form.findChild<QRadioButton*>(QStringLiteral("btnEachEmp")), Qt::LeftButton);
    const TReportOptions o = form.Options();
    QCOMPARE(o.CalendarYear, 2024);
    QCOMPARE(o.CalendarMonth, 2);
    QCOMPARE(o.CalendarDeptID, 1);
    QVERIFY(!o.OncePerDay);
    QString label;
    QTimer::singleShot(0, [&label] {
      auto* preview = dynamic_cast<TPVPreviewForm*>(QApplication::activeModalWidget());
      QVERIFY(preview);
      label = preview->PageLabelText();
      QTest::mouseClick(ButtonOf(*preview, "btnDone"), Qt::LeftButton);
    });
    QTest::mouseClick(form.findChild<QPushButton*>(QStringLiteral("cmdPreview")), Qt::LeftButton);
    QCOMPARE(label, QStringLiteral("Page 1 of 1"));
  }

  // Printing on the "PDF file" printer: the pages are the locale's paper, turned as chosen in
  // Printer Setup for reports and lists, and across for the month calendar whatever is chosen.
  void PrintsOnTheLocalesPaperInTheOrientationChosen() {
    QTemporaryDir dir;
    TDataSet data = absence::test::MakeReportDataSet();
    SaveDataSet(data, dir.path().toStdString() + "/", false);
    TDataSession session(dir.path().toStdString() + "/");
    QVERIFY(session.Load());
    SetPrintersOverride(QStringList{QString::fromLatin1(kPdfPrinterName)});
    const QString savedPrinter = App().PrinterName;
    const TOrientation savedOrientation = App().Settings.Printer;
    QString file;
    SetFileDialogHook([&](const TFileDialogCall&) { return std::optional<QString>(file); });
    struct Case {
      const char* locale;
      bool landscape;
      QSizeF upright;  // points
    } cases[] = {
        {"de_DE.UTF-8", false, {595, 842}},
        {"en_US.UTF-8", true, {612, 792}},
        {"en_GB.UTF-8", true, {595, 842}},
        {"en_CA.UTF-8", false, {612, 792}},
    };
    for (const Case& c : cases) {
      const TPaperLocale locale(c.locale);
      const QSizeF across(c.upright.height(), c.upright.width());
      // The orientation, through the Printer Setup dialog.
      QString note;
      {
        ui::test::TDialogDriver driver([&](QDialog& dlg) {
          auto* label = ui::test::Find<QLabel>(&dlg, "lblOrientationNote");
          if (label->isVisible()) note = label->text();
          ui::test::ClickBox(
              ui::test::Find<QRadioButton>(&dlg, c.landscape ? "btnLandscape" : "btnPortrait"));
          QTest::mouseClick(ui::test::Find<QPushButton>(&dlg, "cmdOK"), Qt::LeftButton);
        });
        QVERIFY(PrinterSetup(App().PrinterName, App().Settings.Printer, nullptr));
      }
      QVERIFY2(note.contains(QStringLiteral("month calendar")), qPrintable(note));
      const QString where = QString::fromLatin1(c.locale);
      ui::test::TDialogDriver okSetup([](QDialog& dlg) {
        QVERIFY(dynamic_cast<TPVSetupForm*>(&dlg));
        QTest::mouseClick(dlg.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                          Qt::LeftButton);
      });
      // A report from the report window.
      file = dir.filePath(QStringLiteral("report.pdf"));
      TReportOptions o;
      o.Kind = TReportKind::Absence;
      o.StartDate = EncodeDate(2024, 1, 1);
      o.EndDate = EncodeDate(2024, 1, 31);
      TfrmABReport report(session.Data(), o, {{"Able, Ann", 1}}, ProgramReportSettings(),
                          App().PrinterName, nullptr);
      QVERIFY(report.Print());
      const QSizeF reportSize = PdfPageSize(file);
      if (reportSize.isEmpty()) QSKIP("pdfinfo is not available");
      QVERIFY2(reportSize == (c.landscape ? across : c.upright), qPrintable(where));
      // The month calendar from its window.
      file = dir.filePath(QStringLiteral("calendar.pdf"));
      TfrmPrintCalendar calendar(session);
      calendar.show();
      QTest::mouseClick(calendar.findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                        Qt::LeftButton);
      QVERIFY2(PdfPageSize(file) == across, qPrintable(where));
      // A list printout from the employee list window.
      file = dir.filePath(QStringLiteral("list.pdf"));
      TfrmEmp employees(session);
      employees.show();
      QTest::mouseClick(ui::test::ToolButton(&employees, "spdPrint"), Qt::LeftButton);
      QVERIFY2(PdfPageSize(file) == (c.landscape ? across : c.upright), qPrintable(where));
    }
    SetFileDialogHook(nullptr);
    SetPrintersOverride(std::nullopt);
    App().PrinterName = savedPrinter;
    App().Settings.Printer = savedOrientation;
  }

  void ChoosesTheLastPrinterContainingTheName() {
    SetPrintersOverride(QStringList{QStringLiteral("Office LaserJet"),
                                    QStringLiteral("Hall LaserJet"),
                                    QString::fromLatin1(kPdfPrinterName)});
    QCOMPARE(ChoosePrinter(QStringLiteral("LaserJet")), QStringLiteral("Hall LaserJet"));
    QCOMPARE(ChoosePrinter(QStringLiteral("PDF")), QString::fromLatin1(kPdfPrinterName));
    QCOMPARE(ChoosePrinter(QString()), QStringLiteral("Office LaserJet"));
    QCOMPARE(ChoosePrinter(QStringLiteral("Plotter")), QStringLiteral("Office LaserJet"));
    SetPrintersOverride(std::nullopt);
  }
};

ABSENCE_UI_SUITE("report_preview", ReportPreviewTest)
#include "report_preview_test.moc"

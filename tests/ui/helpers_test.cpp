// Scaling, toolbar styling, column widths, message boxes, file dialogs, version values and help.
#include <QAction>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>

#include "data/ini_file.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/common/column_widths.h"
#include "ui/common/dialog_buttons.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/help.h"
#include "ui/common/help_key.h"
#include "ui/common/help_viewer.h"
#include "ui/common/message_box.h"
#include "ui/common/open_document.h"
#include "ui/common/pick_grid.h"
#include "ui/common/pictures.h"
#include "ui/common/record_model.h"
#include "ui/common/scale.h"
#include "ui/common/settings_service.h"
#include "ui/common/toolbar_style.h"
#include "ui/common/translations.h"
#include "ui/common/version_info.h"

using namespace absence;
using namespace absence::ui;

namespace {

// A bare dialog with the shared buttons in a row or a column, under help topic 1240.
class TButtonsDialog : public QDialog, public TDialogButtons {
 public:
  explicit TButtonsDialog(bool column) {
    QBoxLayout* layout = column ? static_cast<QBoxLayout*>(new QVBoxLayout(this))
                                : static_cast<QBoxLayout*>(new QHBoxLayout(this));
    CreateButtons(this, layout, 1240);
  }
};

// Horizontal extent of the pixels of `cell` that pass `ink`; {-1, -1} when none do.
template <class Ink>
std::pair<int, int> InkColumns(const QImage& image, const QRect& cell, Ink ink) {
  int first = -1, last = -1;
  for (int x = cell.left(); x <= cell.right(); ++x)
    for (int y = cell.top(); y <= cell.bottom(); ++y)
      if (ink(image.pixel(x, y))) {
        if (first < 0) first = x;
        last = x;
        break;
      }
  return {first, last};
}

bool Dark(QRgb c) {
  return qGray(c) < 128;
}
// The globe's blues and greens; text and the window colours are grey.
bool Coloured(QRgb c) {
  return QColor(c).hsvSaturation() > 100;
}

class TUrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> Urls;
 public slots:
  void Open(const QUrl& url) { Urls << url; }
};

}  // namespace

class HelpersTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }
  void cleanup() { SetScreenResolution(kDesignResolution); }

  void scaleFollowsTheResolution() {
    SetScreenResolution(96);
    QCOMPARE(Scale(27), 27);
    QCOMPARE(Scale(14), 14);
    SetScreenResolution(120);
    QCOMPARE(Scale(27), 33);
    QCOMPARE(Scale(14), 17);
    QCOMPARE(Scale(-27), -33);
    SetScreenResolution(144);
    QCOMPARE(Scale(580), 870);
  }

  void toolbarFollowsTheStyleSettings() {
    test::TTempEnvironment env;
    QWidget form;
    auto* row = new QHBoxLayout(&form);
    auto* tagged = new QToolButton;
    tagged->setText("&List");
    tagged->setProperty(kToolTagProperty, 1);
    auto* untagged = new QToolButton;
    row->addWidget(tagged);
    row->addWidget(untagged);

    App().Settings.ToolCaption = TToolCaption::Picture;
    App().Settings.ShowButtonBorder = false;
    StyleToolbar(&form);
    QCOMPARE(tagged->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(tagged->size(), QSize(Scale(27), Scale(27)));
    QVERIFY(tagged->autoRaise());
    QVERIFY(!untagged->autoRaise());

    App().Settings.ToolCaption = TToolCaption::Text;
    App().Settings.ShowButtonBorder = true;
    StyleToolbar(&form);
    QCOMPARE(tagged->toolButtonStyle(), Qt::ToolButtonTextOnly);
    QCOMPARE(tagged->height(), Scale(27));
    QVERIFY(!tagged->autoRaise());

    App().Settings.ToolCaption = TToolCaption::PictureAndText;
    StyleToolbar(&form);
    QCOMPARE(tagged->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
    QVERIFY(tagged->font().pointSizeF() < form.font().pointSizeF());
  }

  void columnWidthKeys() {
    QCOMPARE(ColumnWidthKey("hdrBalances"), QString("BalancesSettings"));
    QCOMPARE(ColumnWidthKey("hdrDept"), QString("DeptSettings"));
    QCOMPARE(ColumnWidthKey("hdr"), QString("Settings"));
    QCOMPARE(ColumnWidthKey("hd"), QString("Settings"));
  }

  void storedWidthsAreParsed_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<bool>("stored");
    QTest::newRow("design") << "0" << QList<int>{} << false;
    QTest::newRow("five") << "10,20,30,40,50" << QList<int>{10, 20, 30, 40, 50} << true;
    QTest::newRow("one") << "120" << QList<int>{120} << true;
    QTest::newRow("last four chars") << "10,20,123456" << QList<int>{10, 20, 1234} << true;
    QTest::newRow("garbage") << "10,x,30" << QList<int>{} << false;
    QTest::newRow("negative") << "10,-5" << QList<int>{} << false;
  }
  void storedWidthsAreParsed() {
    QFETCH(QString, value);
    QFETCH(QList<int>, widths);
    QFETCH(bool, stored);
    const auto parsed = ParseColumnWidths(value);
    QCOMPARE(parsed.has_value(), stored);
    if (stored) QCOMPARE(*parsed, widths);
  }

  void columnWidthsAreStoredUnderTheHeadersKey() {
    test::TTempEnvironment env;
    {
      TRecordTableModel records({"A", "B", "C"});
      TPickGrid grid("hdrReason", "grdReason", &records, {70, 50, 40}, 3);
      grid.LoadColumnWidths();
      for (int c = 0; c < 3; ++c) grid.setColumnWidth(c, 27 + 10 * c);
      grid.SaveColumnWidths();
    }
    TIniFile ini(env.IniPath().toStdString());
    ini.Load();
    QCOMPARE(QString::fromStdString(ini.ReadString("Absence", "ReasonSettings", "")),
             QString("30,38,48"));
  }

  // Cell text keeps 2 pixels from the left edge and 3 from the right (5 when right-aligned); a
  // cell's picture comes first and the text one pixel after it.
  void pickGridDrawsPicturesAndAlignsColumns_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("rightAligned");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<int>("textFrom");  // first text pixel, from the cell's left; -1 unchecked
    QTest::addColumn<int>("textTo");    // last text pixel, from the cell's right; -1 unchecked
    QTest::newRow("left") << 0 << false << false << 2 << -1;
    QTest::newRow("right") << 2 << true << false << -1 << 5;
    QTest::newRow("picture first") << 1 << false << true << 2 + 13 + 1 << -1;
    QTest::newRow("no picture") << 1 << false << false << 2 << -1;
  }
  void pickGridDrawsPicturesAndAlignsColumns() {
    QFETCH(int, column);
    QFETCH(bool, rightAligned);
    QFETCH(bool, picture);
    QFETCH(int, textFrom);
    QFETCH(int, textTo);
    test::TTempEnvironment env;
    TRecordTableModel records({"Date", "Reason", "Hours"});
    TPickGrid grid("hdrTest", "grdTest", &records, {78, 155, 56}, 4);
    grid.LoadColumnWidths();
    if (rightAligned) records.SetColumnAlignment(column, Qt::AlignRight);
    grid.resize(320, grid.sizeHint().height());
    grid.show();
    QVERIFY(QTest::qWaitForWindowExposed(&grid));
    // The second row is drawn in the window colours: the first is picked.
    TRecordRow second{2, {"", "", ""}, {}, false};
    second.Cells[column] = "88";
    if (picture) {
      second.Icon = ResourceIcon("Globe");
      second.IconColumn = column;
    }
    records.SetRows({{1, {"", "", ""}, {}, false}, second});
    grid.SelectRow(0);
    const QImage image = grid.viewport()->grab().toImage();
    const QRect cell = grid.visualRect(records.index(1, column));
    const auto [colourFrom, colourTo] = InkColumns(image, cell, Coloured);
    QCOMPARE(colourFrom >= 0, picture);
    if (picture) {
      // The round picture's antialiased edge may leave its first column blank.
      QVERIFY(colourFrom >= cell.left() + 2 && colourFrom <= cell.left() + 3);
      QVERIFY(colourTo < cell.left() + 2 + 13);
    }
    const auto [from, to] = InkColumns(image, cell, [](QRgb c) { return Dark(c) && !Coloured(c); });
    QVERIFY(from >= 0);
    // One pixel of slack for the glyphs' side bearings.
    if (textFrom >= 0)
      QVERIFY2(from - cell.left() >= textFrom && from - cell.left() <= textFrom + 1,
               qPrintable(QString::number(from - cell.left())));
    if (textTo >= 0)
      QVERIFY2(cell.right() - to >= textTo && cell.right() - to <= textTo + 1,
               qPrintable(QString::number(cell.right() - to)));
  }

  // The grid keeps the height of its rows under the header in a taller place, and the header
  // sits right on the first row.
  void pickGridHeaderStaysOnTheGridWhenTaller() {
    test::TTempEnvironment env;
    TRecordTableModel records({"Date", "Reason", "Hours"});
    TPickGrid grid("hdrTest", "grdTest", &records, {78, 155, 56}, 4);
    grid.LoadColumnWidths();
    QWidget place;
    auto* column = new QVBoxLayout(&place);
    column->addWidget(&grid);
    column->addStretch();
    place.resize(320, 600);
    place.show();
    QVERIFY(QTest::qWaitForWindowExposed(&place));
    QVERIFY(grid.height() < 300);
    QCOMPARE(grid.viewport()->height(), 4 * grid.verticalHeader()->defaultSectionSize());
    QCOMPARE(grid.viewport()->geometry().top(), grid.horizontalHeader()->geometry().bottom() + 1);
    column->removeWidget(&grid);
    grid.setParent(nullptr);
  }

  // A grid with its own header keeps the stored widths of a header bar above it: stored values
  // are the grid's columns plus 3 (the first) or 1, missing ones hide their columns, none stored
  // gives the scaled design widths; what is saved reads back the same.
  void viewColumnWidthsKeepTheStoredValues_data() {
    QTest::addColumn<int>("resolution");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QList<int>>("columns");  // -1: hidden; -2: the design width, scaled
    QTest::newRow("none stored") << 96 << "0" << QList<int>{-2, -2, -2};
    QTest::newRow("none stored, 120 dpi") << 120 << "0" << QList<int>{-2, -2, -2};
    QTest::newRow("all stored") << 96 << "103,51,41" << QList<int>{100, 50, 40};
    QTest::newRow("all stored, 120 dpi") << 120 << "103,51,41" << QList<int>{100, 50, 40};
    QTest::newRow("one stored") << 96 << "83" << QList<int>{80, -1, -1};
    QTest::newRow("not a list") << 96 << "8x,2" << QList<int>{-2, -2, -2};
  }
  void viewColumnWidthsKeepTheStoredValues() {
    QFETCH(int, resolution);
    QFETCH(QString, stored);
    QFETCH(QList<int>, columns);
    test::TTempEnvironment env;
    SetScreenResolution(resolution);
    const int design[] = {70, 50, 40};
    for (int c = 0; c < 3; ++c)
      if (columns[c] == -2) columns[c] = Scale(design[c]);
    env.WriteIni("[" + ProductSection() + "]\nTestSettings=" + stored + "\n");
    TRecordTableModel records({"A", "B", "C"});
    TPickGrid grid("hdrTest", "grdTest", &records, {70, 50, 40}, 3);
    grid.LoadColumnWidths();
    for (int c = 0; c < 3; ++c) {
      QCOMPARE(grid.isColumnHidden(c), columns[c] < 0);
      if (columns[c] >= 0) QCOMPARE(grid.columnWidth(c), columns[c]);
    }
    grid.SaveColumnWidths();
    TPickGrid again("hdrTest", "grdTest", &records, {70, 50, 40}, 3);
    again.LoadColumnWidths();
    for (int c = 0; c < 3; ++c) {
      QCOMPARE(again.isColumnHidden(c), grid.isColumnHidden(c));
      QCOMPARE(again.columnWidth(c), grid.columnWidth(c));
    }
  }

  void messageBoxesGoThroughTheHook() {
    test::TMessageBoxSpy spy;
    spy.Answer(mbNo);
    spy.Answer(mbOK);
    QCOMPARE(MessageBoxTitled("Sure?", TMsgKind::Confirmation, mbYes | mbNo), mbNo);
    QCOMPARE(MessageBoxTitled(QString(300, u'x'), TMsgKind::Warning, mbOK, 1019), mbOK);
    QCOMPARE(spy.Calls().size(), size_t(2));
    QCOMPARE(spy.Calls()[0].Text, QString("Sure?"));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Confirmation);
    QCOMPARE(spy.Calls()[0].Buttons, TMsgButtons(mbYes | mbNo));
    QCOMPARE(spy.Calls()[1].Text.size(), qsizetype(kMaxMessageLength));
    QCOMPARE(spy.Calls()[1].Buttons, TMsgButtons(mbOK | mbHelp));
    QCOMPARE(spy.Calls()[1].HelpContext, 1019);
  }

  void theRealBoxReportsTheButtonPressed() {
    auto press = [](const QString& caption) {
      QTimer::singleShot(0, [caption] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QString("Absence"));
        for (QAbstractButton* b : box->buttons())
          if (b->text() == caption) return b->click();
        QTest::keyClick(box, Qt::Key_Escape);
      });
    };
    SetMessageBoxHook(nullptr);
    // The caption is the program's own, not a display name Qt would append to every window.
    QCOMPARE(QApplication::applicationDisplayName(), QApplication::applicationName());
    press("&No");
    QCOMPARE(MessageBoxTitled("Sure?", TMsgKind::Confirmation, mbYes | mbNo), mbNo);
    press("&Yes");
    QCOMPARE(MessageBoxTitled("Sure?", TMsgKind::Confirmation, mbYes | mbNo | mbCancel), mbYes);
    press("<escape>");
    QCOMPARE(MessageBoxTitled("Sure?", TMsgKind::Warning, mbYes | mbNo | mbCancel), mbCancel);
    press("OK");
    QCOMPARE(MessageBoxTitled("Done.", TMsgKind::Information, mbOK), mbOK);
    test::FailOnUnexpectedMessageBoxes();
  }

  void errorBoxesKeepTheWholeMessage() {
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    spy.Answer(mbOK);
    const QString path = "/home/user/" + QString(300, u'd') + "/emp.tmp";
    ShowErrorBox("Cannot write " + path);
    MessageBoxTitled("Cannot write " + path, TMsgKind::Information, mbOK);
    QVERIFY(spy.Calls()[0].Text.endsWith("/emp.tmp"));
    QCOMPARE(spy.Calls()[1].Text.size(), qsizetype(kMaxMessageLength));
  }

  void aBoxWithoutAQueuedAnswerFailsTheTest() {
    // Were the box not reported as a failure, the expected failure would pass and fail.
    QEXPECT_FAIL("", "a box appears without a queued answer", Continue);
    QCOMPARE(MessageBoxTitled("Unexpected", TMsgKind::Information, mbOK), mbNone);
    test::TMessageBoxSpy spy;
    spy.Answer(mbYes);
    QCOMPARE(MessageBoxTitled("Sure?", TMsgKind::Confirmation, mbYes | mbNo), mbYes);
    QEXPECT_FAIL("", "the queue of answers is used up", Continue);
    QCOMPARE(MessageBoxTitled("Sure?", TMsgKind::Confirmation, mbYes | mbNo), mbNone);
    QCOMPARE(spy.Calls().size(), size_t(2));
  }

  void fileDialogsGoThroughTheHook() {
    TFileDialogCall seen;
    SetFileDialogHook([&](const TFileDialogCall& call) -> std::optional<QString> {
      seen = call;
      return QString("/tmp/x.abk");
    });
    const TFileDialogCall call{TFileDialogKind::Save,
                               "Backup Absence Data",
                               "Absence Backup (*.abk)|*.abk|Any file (*.*)|*.*",
                               "abk",
                               "*.abk",
                               1230,
                               false,
                               {}};
    QCOMPARE(PromptForFile(call), std::optional<QString>("/tmp/x.abk"));
    QCOMPARE(seen.Title, QString("Backup Absence Data"));
    QCOMPARE(seen.HelpContext, 1230);
    SetFileDialogHook([](const TFileDialogCall&) { return std::optional<QString>(); });
    QVERIFY(!PromptForFile(call).has_value());
    SetFileDialogHook(nullptr);
    QCOMPARE(QtFilter(call.Filter), QString("Absence Backup (*.abk);;Any file (*.*)"));
  }

  void saveDialogsAskBeforeCreatingANewFile() {
    QTemporaryDir dir;
    const QString existing = dir.filePath("there.txt");
    QFile f(existing);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    const QString fresh = dir.filePath("new.txt");
    struct Case {
      const char* name;
      TFileDialogKind kind;
      bool asks;
      QString chosen;
      TMsgButton answer;  // mbNone: no box expected
      std::optional<QString> result;
    } cases[] = {
        {"new file confirmed", TFileDialogKind::Save, true, fresh, mbYes, fresh},
        {"new file refused", TFileDialogKind::Save, true, fresh, mbNo, std::nullopt},
        {"existing file", TFileDialogKind::Save, true, existing, mbNone, existing},
        {"not asked for", TFileDialogKind::Save, false, fresh, mbNone, fresh},
        {"open dialogs never ask", TFileDialogKind::Open, true, fresh, mbNone, fresh},
    };
    for (const auto& c : cases) {
      SetFileDialogHook([&](const TFileDialogCall&) { return std::optional<QString>(c.chosen); });
      test::TMessageBoxSpy spy;
      if (c.answer != mbNone) spy.Answer(c.answer);
      TFileDialogCall call;
      call.Kind = c.kind;
      call.AskBeforeCreating = c.asks;
      QVERIFY2(PromptForFile(call) == c.result, c.name);
      QVERIFY2(spy.Calls().size() == (c.answer != mbNone ? 1u : 0u), c.name);
    }
    SetFileDialogHook(nullptr);
  }

  void versionValuesComeFromTheProgram() {
    const QString self = QCoreApplication::applicationFilePath();
    QCOMPARE(GetVersionValue(self, "ProductName"), QString("Absence"));
    QVERIFY(GetVersionValue(self, "LegalCopyright").startsWith("Copyright"));
    QCOMPARE(GetVersionValue(self, "NoSuchValue"), QString("Error Retrieving Version Info"));
    QCOMPARE(GetVersionValue(self, "Comments"), QString("No such Version Info"));
    QCOMPARE(GetVersionValue("/bin/sh", "ProductName"), QString("No Version Info"));
    QCOMPARE(ProductSection(), QString("Absence"));
    QCOMPARE(VersionCaption("1.3.5.78"), QString("Version 1.35"));
    QCOMPARE(VersionCaption("1.0.0"), QString("Version 1.0"));
    QCOMPARE(VersionCaption("2.4"), QString("Version 2.4"));
  }

  void everyHelpTopicTheWindowsNameExists() {
    const int contexts[] = {1,    2,    30,   110,  120,  150,  210,  220,  310,
                            320,  360,  410,  420,  450,  1019, 1110, 1210, 1220,
                            1230, 1240, 1310, 1320, 2110, 2120, 2130, 2140, 2150};
    for (int c : contexts) QVERIFY2(FindHelpTopic(c), qPrintable(QString::number(c)));
    for (const char* name : {"Main_Screen", "Absence_Reasons", "Departments", "Employees",
                             "Employee_Absence", "Global_Absence", "Employee_Accrual_Balances"})
      QVERIFY2(FindHelpTopic(QString(name)), name);
    for (const THelpTopic& t : HelpTopics()) {
      QFile page(t.Page);
      QVERIFY2(page.open(QIODevice::ReadOnly), qPrintable(t.Page));
      QVERIFY2(page.readAll().contains(t.Title.toUtf8()), qPrintable(t.Page));
    }
    QCOMPARE(FindHelpTopic("main_screen")->Context, 1110);
    QVERIFY(!FindHelpTopic(4711));
  }

  void searchFindsPagesByEveryWord() {
    auto names = [](const QString& q) {
      QStringList n;
      for (const THelpTopic* t : SearchHelp(q)) n << t->Name;
      return n;
    };
    QVERIFY(names("backup").contains("Backup"));
    QVERIFY(names("BACKUP").contains("Restore_Backup"));
    QVERIFY(names("trash restore").contains("Restore_Deleted"));
    QVERIFY(!names("trash restore").contains("Backup"));
    QVERIFY(names("zzzunknownword").isEmpty());
  }

  void viewerOpensTopicsByNumberNameAndSearch() {
    ShowHelpContext(1220);
    TfrmHelp* viewer = TfrmHelp::Instance();
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->CurrentTopic()->Name, QString("Preferences"));
    QVERIFY(viewer->Browser()->toPlainText().contains("Default Hours"));
    ShowHelpTopic("Main_Screen");
    QCOMPARE(viewer->CurrentTopic()->Context, 1110);
    ShowHelpSearch("accrual");
    QVERIFY(viewer->SearchResults()->count() > 0);
    ShowHelpContents();
    QCOMPARE(viewer->CurrentTopic()->Context, kHelpContentsContext);
    viewer->close();
  }

  void f1OpensTheActiveWindowsTopic() {
    InstallHelpKey(this);
    QWidget window;
    SetHelpContext(&window, 310);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F1);
    QCOMPARE(TfrmHelp::Instance()->CurrentTopic()->Name, QString("Employees"));
    TfrmHelp::Instance()->close();
  }

  void documentsGoToTheDesktop() {
    TUrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "Open");
    QDesktopServices::setUrlHandler("https", &catcher, "Open");
    QVERIFY(OpenDocument("/tmp/report.pdf"));
    QVERIFY(OpenDocument("https://example.org/help"));
    QDesktopServices::unsetUrlHandler("file");
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(catcher.Urls, (QList<QUrl>{QUrl::fromLocalFile("/tmp/report.pdf"),
                                        QUrl("https://example.org/help")}));
  }

  void helpButtonsOpenTheirTopic() {
    QPushButton help("Help");
    ConnectHelpButton(&help, 1240);
    help.click();
    QCOMPARE(TfrmHelp::Instance()->CurrentTopic()->Name, QString("Restore_Backup"));
    TfrmHelp::Instance()->close();
  }

  void dialogButtonsFormAButtonBoxThatKeepsTheirBehaviour() {
    for (const bool column : {false, true}) {
      TButtonsDialog dlg(column);
      const TDialogButtons& b = dlg;
      int accepted = 0;
      QObject::connect(b.OkButton(), &QPushButton::clicked, &dlg, [&] { ++accepted; });
      auto* box = dlg.findChild<QDialogButtonBox*>("buttonBox");
      QVERIFY(box);
      QCOMPARE(box->orientation(), column ? Qt::Vertical : Qt::Horizontal);
      QCOMPARE(box->buttons().size(), 3);
      const std::pair<QPushButton*, const char*> named[] = {
          {b.OkButton(), "OK"}, {b.CancelButton(), "Cancel"}, {b.HelpButton(), "Help"}};
      for (const auto& [button, text] : named) {
        QCOMPARE(button->text(), QString(text));
        QCOMPARE(box->findChild<QPushButton*>(QString("cmd") + text), button);
      }
      QVERIFY(b.OkButton()->isDefault());

      dlg.show();
      QVERIFY(QTest::qWaitForWindowExposed(&dlg));
      // OK is the dialog's to handle: the box alone accepts nothing.
      QTest::mouseClick(b.OkButton(), Qt::LeftButton);
      QCOMPARE(accepted, 1);
      QVERIFY(dlg.isVisible());
      QTest::mouseClick(b.HelpButton(), Qt::LeftButton);
      QCOMPARE(TfrmHelp::Instance()->CurrentTopic()->Name, QString("Restore_Backup"));
      TfrmHelp::Instance()->close();
      QVERIFY(dlg.isVisible());
      if (column) {
        QTest::keyClick(&dlg, Qt::Key_Escape);
      } else {
        QTest::mouseClick(b.CancelButton(), Qt::LeftButton);
      }
      QVERIFY(!dlg.isVisible());
      QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }
  }

  void aTranslationForTheUsersLanguageIsPickedUp() {
#ifndef ABSENCE_TEST_TRANSLATIONS
    QSKIP("built without Qt's translation tools (qt6-tools-dev, qt6-l10n-tools)");
#else
    const auto remove = [](const TTranslators& t) {
      for (QTranslator* translator : {t.Program, t.Qt}) {
        if (!translator) continue;
        QCoreApplication::removeTranslator(translator);
        delete translator;
      }
    };
    const auto buttonTexts = [] {
      TButtonsDialog dlg(false);
      const TDialogButtons& b = dlg;
      return QStringList{b.OkButton()->text(), b.CancelButton()->text(), b.HelpButton()->text()};
    };
    // The first folder has no catalogue; the second one a German one.
    const QStringList folders = {QDir::temp().filePath("absence-no-translations"),
                                 QStringLiteral(ABSENCE_TEST_TRANSLATIONS)};
    const TTranslators french =
        InstallTranslations(*qApp, QLocale(QLocale::French, QLocale::France), folders);
    QVERIFY(!french.Program);
    QCOMPARE(buttonTexts(), (QStringList{"OK", "Cancel", "Help"}));
    remove(french);

    const TTranslators german =
        InstallTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany), folders);
    QVERIFY(german.Program);
    // Texts the catalogue does not translate stay as written.
    QCOMPARE(buttonTexts(), (QStringList{"OK", "Abbrechen", "Hilfe"}));
    remove(german);
    QCOMPARE(buttonTexts(), (QStringList{"OK", "Cancel", "Help"}));
#endif
  }

  void settingsServiceAnnouncesEachChangedValueOnce() {
    test::TTempEnvironment env;
    env.WriteIni("[Initialization]\r\nHourFormat=#,##0\r\nFutureOption=yes\r\n");
    TSettingsService& service = SettingsService();
    QSignalSpy spy(&service, &TSettingsService::valueChanged);
    service.ReadPreferences();
    QCOMPARE(spy.size(), 1);  // only the hours differ from the defaults held before
    QCOMPARE(spy.takeFirst().at(0).value<TSettingId>(), TSettingId::HourFormat);

    struct Row {
      const char* what;
      std::function<void(TSettings&)> change;
      QList<TSettingId> announced;
    };
    const Row rows[] = {
        {"nothing", [](TSettings&) {}, {}},
        {"two values",
         [](TSettings& s) {
           s.ToolCaption = TToolCaption::Text;
           s.BenefitMonth = 7;
         },
         {TSettingId::BenefitMonth, TSettingId::ToolCaption}},
        {"the same two again",
         [](TSettings& s) {
           s.ToolCaption = TToolCaption::Text;
           s.BenefitMonth = 7;
         },
         {}},
        {"one back, one new",
         [](TSettings& s) {
           s.ToolCaption = TToolCaption::Picture;
           s.EmployeeDisplay = TEmployeeDisplay::Former;
         },
         {TSettingId::EmployeeDisplay, TSettingId::ToolCaption}},
    };
    for (const Row& row : rows) {
      TSettings s = service.Values();
      row.change(s);
      service.SetPreferences(s);
      QList<TSettingId> got;
      for (const QList<QVariant>& signal : spy) got << signal.at(0).value<TSettingId>();
      spy.clear();
      QVERIFY2(got == row.announced, row.what);
    }

    // A value out of range is refused whole: nothing changes, nothing is announced.
    TSettings bad = service.Values();
    bad.HourFormat = THourFormat::Tenth;
    bad.BenefitDay = 40;
    QVERIFY_THROWS_EXCEPTION(ESettingRangeError, service.SetPreferences(bad));
    QCOMPARE(service.Values().HourFormat, THourFormat::Whole);
    QCOMPARE(spy.size(), 0);

    // The preferences reach the file when written; keys of others survive.
    const QString before = env.ReadIni();
    QVERIFY(!before.contains("ToolCaption"));
    service.WritePreferences(true);
    const QString after = env.ReadIni();
    QVERIFY(after.contains("ToolCaption=0\r\n") && after.contains("BenefitMonth=7\r\n"));
    QVERIFY(after.contains("FutureOption=yes\r\n"));
  }
};

ABSENCE_UI_SUITE("helpers", HelpersTest)
#include "helpers_test.moc"

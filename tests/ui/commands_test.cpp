// The main window's commands with their own dialogs: backup and restore through the file dialog,
// printer setup, preferences, the global entry command and the Help menu.
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "data/dataset.h"
#include "data/json_dump.h"
#include "dialog_support.h"
#include "suites.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/common/date_edit.h"
#include "ui/common/date_text.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/help.h"
#include "ui/common/help_key.h"
#include "ui/common/help_viewer.h"
#include "ui/common/num_edit.h"
#include "ui/common/pv_combo_box.h"
#include "ui/dialogs/absence_rec.h"
#include "ui/dialogs/undelete_dialog.h"
#include "ui/main/main_window.h"
#include "ui/main/preferences.h"
#include "ui/main/printer_setup.h"
#include "ui/reports/time_list.h"

using namespace absence;
using namespace absence::ui;
using absence::ui::test::Find;
using absence::ui::test::kToday;

namespace {

// Smith (current, 8 hours of Vacation today) and Jones (terminated), saved into the data folder.
void SaveSample(const std::string& folder) {
  TDataSession scratch(folder);
  test::TSampleOrg org(scratch);
  TDataSet& d = absence::ui::test::TestData(scratch);
  TEmpRecClass& smith = absence::ui::test::TestEmp(scratch, org.Smith);
  AddEntry(smith.Entries, d.EmpList, d.ReasonList, org.Vacation, kToday, 8, TEntryKind::Own);
  SaveDataSet(d, folder, false);
}

std::unique_ptr<TfrmMain> StartLoaded() {
  auto w = std::make_unique<TfrmMain>(10);
  w->ShowAsStored();
  QTimer* timer = Find<QTimer>(w.get(), "Timer1");
  if (!QTest::qWaitFor([&] { return !timer->isActive() && w->isEnabled(); }, 5000))
    qFatal("the data set did not load");
  return w;
}

void Trigger(QObject* w, const char* action) {
  QAction* a = Find<QAction>(w, action);
  QVERIFY2(a->isEnabled(), action);
  a->trigger();
}

// Names the next files of the file dialogs, recording the calls.
struct TFileAnswers {
  std::vector<TFileDialogCall> Calls;
  QStringList Answers;
  TFileAnswers() {
    SetFileDialogHook([this](const TFileDialogCall& call) -> std::optional<QString> {
      Calls.push_back(call);
      if (Answers.isEmpty()) return std::nullopt;
      return std::optional<QString>(Answers.takeFirst());
    });
  }
  ~TFileAnswers() { SetFileDialogHook(nullptr); }
};

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { InitUiResources(); }
  void init() {
    env_ = std::make_unique<test::TTempEnvironment>();
    SetTodayOverride(kToday);
    SaveSample(App().AppFolder);
  }
  void cleanup() { env_.reset(); }

  void backupThenRestoreGivesTheSameDataSetBack() {
    auto w = StartLoaded();
    const std::string before = DumpJson(absence::ui::test::TestData(w->Session()));
    const QString file = env_->DataFolder() + "../copy.abk";
    TFileAnswers files;
    files.Answers = {file, file};
    test::TMessageBoxSpy spy;
    spy.Answer(mbYes);  // create the new backup file
    spy.Answer(mbOK);
    spy.Answer(mbYes);  // replace the data there with the backup
    spy.Answer(mbOK);
    Trigger(w.get(), "mnuFileBackup");
    QVERIFY(QFile::exists(file));
    // Changed after the backup, then brought back.
    TDataSet& d = absence::ui::test::TestData(w->Session());
    d.EmpList[0]->LastName = "Changed";
    Trigger(w.get(), "mnuFileRestore");
    QCOMPARE(DumpJson(absence::ui::test::TestData(w->Session())), before);
    QCOMPARE(spy.Calls().size(), std::size_t{4});
    QVERIFY(spy.Calls()[0].Text.endsWith("This file does not exist.\rDo you want to create it?"));
    QCOMPARE(spy.Calls()[1].Text, QString("Your Absence data was successfully backed up."));
    QCOMPARE(spy.Calls()[2].Kind, TMsgKind::Confirmation);
    QCOMPARE(spy.Calls()[3].Text, QString("Your Absence data was successfully restored."));

    QCOMPARE(files.Calls.size(), std::size_t{2});
    const TFileDialogCall& save = files.Calls[0];
    QCOMPARE(save.Kind, TFileDialogKind::Save);
    QCOMPARE(save.Title, QString("Backup Absence Data"));
    QCOMPARE(save.Filter, QString("Absence Backup (*.abk)|*.abk|Any file (*.*)|*.*"));
    QCOMPARE(save.DefaultExt, QString("abk"));
    QCOMPARE(save.InitialName, QString("*.abk"));
    QCOMPARE(save.HelpContext, 1230);
    QVERIFY(save.AskBeforeCreating);
    const TFileDialogCall& open = files.Calls[1];
    QCOMPARE(open.Kind, TFileDialogKind::Open);
    QCOMPARE(open.Title, QString("Restore from Absence Backup"));
    QCOMPARE(open.Filter, save.Filter);
    QCOMPARE(open.HelpContext, 1240);
    QCOMPARE(Find<QComboBox>(w.get(), "cboEmpBox")->currentIndex(), -1);
  }

  // The real file dialogs of backup and restore: Help opens their topic, F1 too, and the
  // dialog stays open until cancelled.
  void backupAndRestoreDialogsHaveTheirHelp_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("topic");
    QTest::newRow("backup") << "mnuFileBackup"
                            << "Backup Absence Data" << 1230;
    QTest::newRow("restore") << "mnuFileRestore"
                             << "Restore from Absence Backup" << 1240;
  }
  void backupAndRestoreDialogsHaveTheirHelp() {
    QFETCH(QString, command);
    QFETCH(QString, title);
    QFETCH(int, topic);
    auto w = StartLoaded();
    InstallHelpKey(w.get());
    // The help window opens modally over the dialog; a second timer reads and closes it.
    QList<int> shown;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
      if (auto* help = qobject_cast<TfrmHelp*>(QApplication::activeModalWidget())) {
        shown << (help->CurrentTopic() ? help->CurrentTopic()->Context : 0);
        help->close();
      }
    });
    bool seen = false;
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog || seen) return;
      seen = true;
      QCOMPARE(dialog->windowTitle(), title);
      QTest::mouseClick(Find<QPushButton>(dialog, "cmdHelp"), Qt::LeftButton);
      QApplication::setActiveWindow(dialog);
      QTest::keyClick(dialog, Qt::Key_F1);
      QVERIFY(dialog->isVisible());
      dialog->reject();
    });
    closer.start();
    poll.start();
    Trigger(w.get(), command.toLatin1().constData());
    poll.stop();
    closer.stop();
    QVERIFY(seen);
    QCOMPARE(shown, QList<int>({topic, topic}));
  }

  void failedRestoreShowsTheSystemMessageAndChangesNothing() {
    auto w = StartLoaded();
    QVERIFY(test::ChooseByKeys(Find<QComboBox>(w.get(), "cboEmpBox"), "Smith, Ann"));
    const int32_t shown = w->CurrentEmpID();
    const std::string before = DumpJson(absence::ui::test::TestData(w->Session()));
    TFileAnswers files;
    files.Answers = {env_->DataFolder() + "missing.abk"};
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    Trigger(w.get(), "mnuFileRestore");
    QCOMPARE(spy.Calls().size(), std::size_t{1});
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Error);
    QVERIFY2(spy.Calls()[0].Text.contains("Code = 2"), qPrintable(spy.Calls()[0].Text));
    QVERIFY2(spy.Calls()[0].Text.contains("No such file"), qPrintable(spy.Calls()[0].Text));
    QCOMPARE(DumpJson(absence::ui::test::TestData(w->Session())), before);
    QCOMPARE(w->CurrentEmpID(), shown);
    QCOMPARE(Find<QComboBox>(w.get(), "cboEmpBox")->currentText(), QString("Smith, Ann"));
  }

  void aBackupToANewFileThatIsNotConfirmedWritesNothing() {
    auto w = StartLoaded();
    const QString file = env_->DataFolder() + "../new.abk";
    TFileAnswers files;
    files.Answers = {file};
    test::TMessageBoxSpy spy;
    spy.Answer(mbNo);
    Trigger(w.get(), "mnuFileBackup");
    QCOMPARE(spy.Calls().size(), std::size_t{1});
    QVERIFY(!QFile::exists(file));
  }

  void cancelledFileDialogsDoNothing() {
    auto w = StartLoaded();
    TFileAnswers files;  // no answers: cancelled
    Trigger(w.get(), "mnuFileBackup");
    Trigger(w.get(), "mnuFileRestore");
    QCOMPARE(files.Calls.size(), std::size_t{2});
    QCOMPARE(QDir(env_->DataFolder() + "..").entryList({"*.abk"}).size(), 0);
  }

  void printerSetupWorksWithOnlyThePdfPrinter() {
    auto w = StartLoaded();
    QStringList offered;
    test::TDialogDriver driver([&](QDialog& dlg) {
      auto* setup = qobject_cast<TfrmPrinterSetup*>(&dlg);
      QVERIFY(setup);
      auto* printers = Find<QComboBox>(setup, "cboPrinter");
      for (int i = 0; i < printers->count(); ++i) offered << printers->itemText(i);
      test::ClickBox(Find<QRadioButton>(setup, "btnLandscape"));
      QTest::mouseClick(Find<QPushButton>(setup, "cmdOK"), Qt::LeftButton);
    });
    Trigger(w.get(), "mnuFileSetup");
    QCOMPARE(offered, QStringList({"PDF file"}));
    QCOMPARE(App().PrinterName, QString("PDF file"));
    QCOMPARE(App().Settings.Printer, TOrientation::Landscape);
  }

  void preferencesApplyAtOnce() {
    auto w = StartLoaded();
    auto* box = Find<QComboBox>(w.get(), "cboEmpBox");
    QVERIFY(test::ChooseByKeys(box, "Smith, Ann"));
    const QAbstractItemModel* balances = Find<QTableView>(w.get(), "grdBalances")->model();
    // A figure the panel shows, with its decimals.
    QModelIndex figure;
    for (int r = 0; r < balances->rowCount() && !figure.isValid(); ++r)
      for (int c = 2; c <= 4 && !figure.isValid(); ++c)
        if (!balances->index(r, c).data().toString().isEmpty()) figure = balances->index(r, c);
    QVERIFY(figure.isValid());
    const QString before = figure.data().toString();
    QVERIFY(before.contains(u'.'));
    test::TDialogDriver driver([&](QDialog& dlg) {
      auto* prefs = qobject_cast<TfrmPreferences*>(&dlg);
      QVERIFY(prefs);
      Find<QTabWidget>(prefs, "nbNoteBook")->setCurrentIndex(1);
      test::ClickBox(Find<QButtonGroup>(prefs, "btnHoursGroup")->button(0));
      QTest::mouseClick(prefs->OkButton(), Qt::LeftButton);
    });
    Trigger(w.get(), "mnuEditPreferences");
    QCOMPARE(App().Settings.HourFormat, THourFormat::Whole);
    // Shown again in whole hours.
    const QString after = figure.data().toString();
    QVERIFY2(!after.isEmpty() && !after.contains(u'.') && after != before, qPrintable(after));
    QCOMPARE(w->CurrentEmpID(), box->itemData(box->currentIndex()).toInt());

    // Former employees only: Smith is no longer offered and the employee commands go off.
    test::TDialogDriver former([&](QDialog& dlg) {
      auto* prefs = qobject_cast<TfrmPreferences*>(&dlg);
      Find<QTabWidget>(prefs, "nbNoteBook")->setCurrentIndex(2);
      test::ClickBox(Find<QButtonGroup>(prefs, "EmployeeGroup")->button(2));
      QTest::keyClick(prefs, Qt::Key_Return);
    });
    Trigger(w.get(), "mnuEditPreferences");
    QCOMPARE(App().Settings.EmployeeDisplay, TEmployeeDisplay::Former);
    QCOMPARE(box->count(), 1);
    QCOMPARE(box->itemText(0), QString("Jones, Bob"));
    QCOMPARE(box->currentIndex(), -1);
    QCOMPARE(w->CurrentEmpID(), 0);
    QVERIFY(!Find<QAction>(w.get(), "mnuEditAbsence")->isEnabled());
    auto* calendar = Find<QTableWidget>(w.get(), "grdCalendar");
    QCOMPARE(calendar->item(0, 2)->text(), QString("12/08/2026"));
  }

  void cancelledPreferencesChangeNothing() {
    auto w = StartLoaded();
    const TSettings before = App().Settings;
    test::TDialogDriver driver([&](QDialog& dlg) {
      auto* prefs = qobject_cast<TfrmPreferences*>(&dlg);
      test::ClickBox(Find<QRadioButton>(prefs, "btnTextOnly"));
      QTest::keyClick(prefs, Qt::Key_Escape);
    });
    Trigger(w.get(), "mnuEditPreferences");
    QCOMPARE(App().Settings.ToolCaption, before.ToolCaption);
    QCOMPARE(Find<QToolButton>(w.get(), "spdHelp")->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
  }

  void organizationNameReachesTheSettingsFile() {
    auto w = StartLoaded();
    test::TDialogDriver driver([&](QDialog& dlg) {
      auto* prefs = qobject_cast<TfrmPreferences*>(&dlg);
      Find<QTabWidget>(prefs, "nbNoteBook")->setCurrentIndex(5);
      Find<QLineEdit>(prefs, "txtOrganization")->setFocus();
      QTest::keyClicks(Find<QLineEdit>(prefs, "txtOrganization"), "Acme Widgets");
      QTest::keyClick(Find<QLineEdit>(prefs, "txtOrganization"), Qt::Key_Return);
    });
    Trigger(w.get(), "mnuEditPreferences");
    w->close();
    QVERIFY(env_->ReadIni().contains("StartupState=0\r\nOrganization=Acme Widgets\r\n"));
    App().Settings.Organization.clear();
    auto again = StartLoaded();
    QCOMPARE(App().Settings.Organization, std::string("Acme Widgets"));
  }

  void globalCommandAddsAnEntryForEveryoneEmployed() {
    auto w = StartLoaded();
    auto* spdGlobal = Find<QToolButton>(w.get(), "spdGlobal");
    QVERIFY(spdGlobal->isEnabled());
    const TDate day = kToday - 40;  // Jones was still employed, Young not yet
    // Global opens the list of global entries; its New opens the entry dialog.
    test::TDialogDriver driver([&](QDialog& dlg) {
      if (auto* list = qobject_cast<TfrmTimeList*>(&dlg)) {
        QCOMPARE(list->windowTitle(), QString("Global Absence"));
        QTest::mouseClick(list->findChild<QToolButton*>("spdNewRec"), Qt::LeftButton);
        QTest::mouseClick(list->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
        return;
      }
      auto* rec = qobject_cast<TfrmAbsenceRec*>(&dlg);
      QVERIFY(rec);
      QCOMPARE(rec->windowTitle(), QString("New Global Absence Entry"));
      Find<TDateEdit>(rec, "txtDate")->setFocus();
      QTest::keyClick(Find<TDateEdit>(rec, "txtDate"), Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(Find<TDateEdit>(rec, "txtDate"), FormatDate(day, App().DatePattern));
      QTest::mouseClick(rec->OkButton(), Qt::LeftButton);
    });
    QTest::mouseClick(spdGlobal, Qt::LeftButton);
    QCOMPARE(driver.Runs(), 2);
    const TDataSet& d = absence::ui::test::TestData(w->Session());
    QCOMPARE(d.GlobalList.size(), std::size_t{1});
    for (const auto& emp : d.EmpList)
      QCOMPARE(FindEntry(emp->Entries, d.GlobalList[0]->ReasonID, TEntryKind::Global, day) != -1,
               emp->LastName != "Young");
  }

  void afterSaveTheTrashOffersNothing() {
    auto w = StartLoaded();
    TDataSession& session = w->Session();
    const int32_t smith =
        absence::ui::test::TestData(session)
            .EmpList[FindEmp(absence::ui::test::TestData(session).EmpList, 0, "Smith, Ann")]
            ->EmpID;
    absence::ui::test::TestEmp(session, smith)
        .Entries[0]
        ->AddDelMark(TTrashMark::Record, absence::ui::test::TestData(session).EmpList);
    {
      TfrmUnDelete dlg(session);
      dlg.SetMode(TUndeleteMode::Entries);
      QVERIFY(dlg.SetSource(smith));
      QCOMPARE(dlg.Count(), 1);
    }
    Trigger(w.get(), "mnuFileSave");
    TfrmUnDelete dlg(session);
    dlg.SetMode(TUndeleteMode::Entries);
    QVERIFY(dlg.SetSource(smith));
    QCOMPARE(dlg.Count(), 0);
  }

  void helpMenuOpensItsTopics() {
    auto w = StartLoaded();
    Trigger(w.get(), "mnuHelpTechSupport");
    TfrmHelp* viewer = TfrmHelp::Instance();
    QCOMPARE(viewer->CurrentTopic()->Context, 30);
    Trigger(w.get(), "mnuHelpHelp");
    QCOMPARE(viewer->CurrentTopic()->Context, kHelpOnHelpContext);
    Trigger(w.get(), "mnuHelpContents");
    QCOMPARE(viewer->CurrentTopic()->Context, kHelpContentsContext);
    viewer->close();
  }

 private:
  std::unique_ptr<test::TTempEnvironment> env_;
};

ABSENCE_UI_SUITE("commands", CommandsTest)
#include "commands_test.moc"

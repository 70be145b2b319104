// The data session: what each operation does to the lists and the files, what it tells the
// user, and which signal tells the windows.
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

#include "data/backup.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/session/data_session.h"

using namespace absence;
using namespace absence::ui;

namespace {

// One reason and two employees, written into `folder`.
void SaveTwoEmployees(const std::string& folder) {
  TDataSet data;
  AddReason(data.ReasonList, "Vacation", true, false, TBasis::None, TValidate::None);
  AddEmp(data.EmpList, "Smith", "Ann", "", 40000, 0, 0, 'F');
  AddEmp(data.EmpList, "Jones", "Bob", "", 40000, 0, 0, 'F');
  SaveDataSet(data, folder, false);
}

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

}  // namespace

class SessionTest : public QObject {
  Q_OBJECT
 private slots:
  void loadSaveAndAbandonReplaceTheRecordsAndSaySo() {
    test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    TDataSession session(App().AppFolder);
    QSignalSpy reloaded(&session, &TDataSession::Reloaded);
    QVERIFY(!session.Loaded());
    QVERIFY(session.Load());
    QVERIFY(session.Loaded());
    QCOMPARE(reloaded.count(), 1);
    const int32_t smith =
        session.Data().EmpList[FindEmp(session.Data().EmpList, 0, "Smith, Ann")]->EmpID;

    // Saving reads the records back: the identifier finds the same employee.
    AddDept(session.Data().DeptList, "Sales", 0, true, "S");
    QVERIFY(session.Save());
    QCOMPARE(reloaded.count(), 2);
    QVERIFY(session.Employee(smith));
    QCOMPARE(session.Employee(smith)->FullName(), std::string("Smith, Ann"));

    // Abandoning drops what was not saved.
    AddDept(session.Data().DeptList, "Stores", 0, true, "T");
    QCOMPARE(session.Data().DeptList.size(), size_t(2));
    QVERIFY(session.Abandon());
    QCOMPARE(reloaded.count(), 3);
    QCOMPARE(session.Data().DeptList.size(), size_t(1));

    QSignalSpy changed(&session, &TDataSession::Changed);
    session.NotifyChanged();
    QCOMPARE(changed.count(), 1);
    QVERIFY(!session.Employee(0));
    QVERIFY(!session.Reason(0));
  }

  void aSetThatWasNeverReadIsNeverWritten() {
    test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    const QByteArray before = FileBytes(env.DataFile("emp.dat"));
    TDataSession session(App().AppFolder);
    QVERIFY(!session.Save());
    session.SaveAtClose();
    QCOMPARE(FileBytes(env.DataFile("emp.dat")), before);
    QVERIFY(!QFile::exists(env.DataFile("~absence-save~emp.dat.tmp")));
  }

  // A folder where no file can be created (here: the probe's name is taken by a folder) is
  // read, and the user is told at once that changes cannot be saved.
  void aFolderThatCannotBeWrittenIsReadAndSaysSo() {
    test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    QVERIFY(QDir().mkdir(env.DataFile("~absence-save~write-test")));
    TDataSession session(App().AppFolder);
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    QVERIFY(session.Load());
    QCOMPARE(session.Data().EmpList.size(), size_t(2));
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Warning);
    QVERIFY(spy.Calls()[0].Text.startsWith("Changes to the Absence data cannot be saved:"));
  }

  void aFailedSaveLeavesListsFilesAndSignalsAsTheyWere() {
    test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    const QByteArray before = FileBytes(env.DataFile("emp.dat"));
    TDataSession session(App().AppFolder);
    QVERIFY(session.Load());
    QSignalSpy reloaded(&session, &TDataSession::Reloaded);
    AddDept(session.Data().DeptList, "Sales", 0, true, "S");
    QVERIFY(QDir().mkdir(env.DataFile("~absence-save~dept.dat.tmp")));
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    QVERIFY(!session.Save());
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Error);
    QCOMPARE(reloaded.count(), 0);
    QCOMPARE(session.Data().DeptList.size(), size_t(1));
    QCOMPARE(FileBytes(env.DataFile("emp.dat")), before);
  }

  void theBackupPathOfAFailedCloseIsNeverCut() {
    test::TTempEnvironment env;
    // A data folder with a long name: the message must still end with where the changes are.
    const QString deep = env.DataFolder() + QString(120, u'd') + "/" + QString(120, u'e') + "/";
    QVERIFY(QDir().mkpath(deep));
    SaveTwoEmployees(deep.toStdString());
    TDataSession session(deep.toStdString());
    QVERIFY(session.Load());
    QVERIFY(QDir().mkdir(deep + "~absence-save~emp.dat.tmp"));
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    session.SaveAtClose();
    QCOMPARE(spy.Calls().size(), size_t(1));
    const QString text = spy.Calls()[0].Text;
    QVERIFY(text.size() > kMaxMessageLength);
    const QStringList kept = QDir(deep).entryList({"Absence-unsaved-*.abk"}, QDir::Files);
    QCOMPARE(kept.size(), 1);
    QVERIFY(text.contains(QDir::toNativeSeparators(deep + kept[0])));
    QVERIFY(text.endsWith("\"Restore from Backup...\" to bring them back."));
  }

  void backupAndRestoreRoundTripWithTheirMessages() {
    test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    TDataSession session(App().AppFolder);
    QVERIFY(session.Load());
    const QString file = env.DataFolder() + "copy.abk";
    test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    QVERIFY(session.Backup(file));
    QCOMPARE(spy.Calls().back().Text, QString("Your Absence data was successfully backed up."));
    QCOMPARE(spy.Calls().back().Kind, TMsgKind::Information);

    AddEmp(session.Data().EmpList, "Brown", "Cy", "", 40000, 0, 0, 'F');
    QSignalSpy reloaded(&session, &TDataSession::Reloaded);
    spy.Answer(mbOK);
    QVERIFY(session.Restore(file));
    QCOMPARE(spy.Calls().back().Text, QString("Your Absence data was successfully restored."));
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(session.Data().EmpList.size(), size_t(2));

    // A file that cannot be opened: the system's message, the data set as it was.
    AddEmp(session.Data().EmpList, "Brown", "Cy", "", 40000, 0, 0, 'F');
    spy.Answer(mbOK);
    QVERIFY(!session.Restore(env.DataFolder() + "missing.abk"));
    QCOMPARE(spy.Calls().back().Kind, TMsgKind::Error);
    QVERIFY(spy.Calls().back().Text.startsWith(
        "The following error occurred trying to open your Absence backup file:\n\nCode = "));
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(session.Data().EmpList.size(), size_t(3));

    // A backup into a folder that does not exist: the error names the file.
    spy.Answer(mbOK);
    QVERIFY(!session.Backup(env.DataFolder() + "no/such/folder/copy.abk"));
    QVERIFY(spy.Calls().back().Text.contains("copy.abk"));
  }
};

QTEST_MAIN(SessionTest)
#include "session_test.moc"

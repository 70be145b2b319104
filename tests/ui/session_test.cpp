// The data session: what each operation does to the lists and the files, what it tells the
// user, and which signal tells the windows.
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QUndoStack>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <limits>
#include <map>
#include <random>

#include "cli_runner.h"
#include "data/backup.h"
#include "data/journal.h"
#include "data/json_dump.h"
#include "data/sample.h"
#include "edit/changes.h"
#include "suites.h"
#include "support.h"
#include "ui/common/app_state.h"
#include "ui/session/crash_guard.h"
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

using TFiles = std::map<std::string, std::string>;  // name -> bytes

// Every file of a folder with its bytes.
TFiles FolderFiles(const std::string& folder) {
  TFiles files;
  for (const auto& e : std::filesystem::directory_iterator(folder)) {
    std::ifstream in(e.path(), std::ios::binary);
    files[e.path().filename().string()] = {std::istreambuf_iterator<char>(in),
                                           std::istreambuf_iterator<char>()};
  }
  return files;
}

void PutBytes(std::string& s, std::size_t off, const void* v, std::size_t n) {
  if (off + n <= s.size()) std::memcpy(s.data() + off, v, n);
}
template <class T>
void Put(std::string& s, std::size_t off, T v) {
  PutBytes(s, off, &v, sizeof v);
}

// The corruptions a data folder may suffer, each applied to the four files of a real data set.
struct TCorruption {
  const char* name;
  std::function<void(TFiles&)> apply;
};

std::vector<TCorruption> Corruptions() {
  constexpr int32_t kMaxId = std::numeric_limits<int32_t>::max();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  return {
      {"every file cut inside a record",
       [](TFiles& f) {
         for (auto& [name, bytes] : f)
           bytes.resize(bytes.size() > 7 ? bytes.size() * 2 / 3 - 5 : 0);
       }},
      {"random bytes",
       [](TFiles& f) {
         std::mt19937 rng(11);
         for (auto& [name, bytes] : f) {
           bytes.assign(4000 + rng() % 3000, '\0');
           for (char& c : bytes) c = static_cast<char>(rng());
         }
       }},
      {"one byte in twenty changed",
       [](TFiles& f) {
         std::mt19937 rng(12);
         for (auto& [name, bytes] : f)
           for (std::size_t i = 0; i < bytes.size(); i += 1 + rng() % 40)
             bytes[i] = static_cast<char>(rng());
       }},
      {"absurd values",
       [nan](TFiles& f) {
         std::string& emp = f["emp.dat"];
         for (std::size_t r = 0; r + 99 <= emp.size(); r += 99) {
           if (emp[r] == '1') {
             Put(emp, r + 74, r % 2 ? nan : -1e308);  // start date
             Put(emp, r + 82, 1e300);                 // termination date
             emp[r + 6] = static_cast<char>(255);     // last name longer than its field
           } else {
             emp[r + 2] = static_cast<char>(200);                       // item count
             Put(emp, r + 3, std::numeric_limits<double>::infinity());  // first item's date
             Put(emp, r + 15, 3e38f);  // hours that overflow merged
           }
         }
         std::string& reasons = f["reason.dat"];
         for (std::size_t r = 0; r + 41 <= reasons.size(); r += 41)
           if (reasons[r] == '2') {
             Put(reasons, r + 2, int32_t{2000000000});  // rules that do not ascend
             Put(reasons, r + 6, int32_t{-5});
             Put(reasons, r + 10, std::numeric_limits<float>::quiet_NaN());
           } else {
             reasons[r + 39] = 'Q';  // unknown basis
           }
         std::string& globals = f["globals.dat"];
         for (std::size_t r = 0; r + 16 <= globals.size(); r += 16) {
           Put(globals, r, r % 32 ? 1e18 : nan);
           Put(globals, r + 12, -std::numeric_limits<float>::infinity());
         }
         std::string& depts = f["dept.dat"];
         for (std::size_t r = 0; r + 76 <= depts.size(); r += 76) depts[r + 4] = 120;
       }},
      {"identifiers at the largest integer",
       [](TFiles& f) {
         // Every record of a kind with the same largest identifier: all but one need a new one.
         std::string& depts = f["dept.dat"];
         for (std::size_t r = 0; r + 76 <= depts.size(); r += 76) Put(depts, r, kMaxId);
         std::string& reasons = f["reason.dat"];
         for (std::size_t r = 0; r + 41 <= reasons.size(); r += 41)
           if (reasons[r] == '1') Put(reasons, r + 2, kMaxId);
         std::string& emp = f["emp.dat"];
         for (std::size_t r = 0; r + 99 <= emp.size(); r += 99)
           if (emp[r] == '1') {
             Put(emp, r + 2, kMaxId);
             Put(emp, r + 91, kMaxId);  // department
           } else {
             Put(emp, r + 3, kMaxId);  // a balance's reason (an entry's date bytes)
           }
         std::string& globals = f["globals.dat"];
         for (std::size_t r = 0; r + 16 <= globals.size(); r += 16) Put(globals, r + 8, kMaxId);
       }},
      {"files emptied",
       [](TFiles& f) {
         for (auto& [name, bytes] : f) bytes.clear();
       }},
  };
}

}  // namespace

class SessionTest : public QObject {
  Q_OBJECT
 private slots:
  void loadSaveAndAbandonReplaceTheRecordsAndSaySo() {
    ui::test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    TDataSession session(App().AppFolder);
    QSignalSpy reloaded(&session, &TDataSession::Reloaded);
    QVERIFY(!session.Loaded());
    QVERIFY(session.Load());
    QVERIFY(session.Loaded());
    QCOMPARE(reloaded.count(), 1);
    const int32_t smith =
        absence::ui::test::TestData(session)
            .EmpList[FindEmp(absence::ui::test::TestData(session).EmpList, 0, "Smith, Ann")]
            ->EmpID;

    // Saving reads the records back: the identifier finds the same employee.
    AddDept(absence::ui::test::TestData(session).DeptList, "Sales", 0, true, "S");
    QVERIFY(session.Save());
    QCOMPARE(reloaded.count(), 2);
    QVERIFY(session.Employee(smith));
    QCOMPARE(session.Employee(smith)->FullName(), std::string("Smith, Ann"));

    // Abandoning drops what was not saved.
    AddDept(absence::ui::test::TestData(session).DeptList, "Stores", 0, true, "T");
    QCOMPARE(absence::ui::test::TestData(session).DeptList.size(), size_t(2));
    QVERIFY(session.Abandon());
    QCOMPARE(reloaded.count(), 3);
    QCOMPARE(absence::ui::test::TestData(session).DeptList.size(), size_t(1));

    // A change submitted is announced for what it touched, and undone announced again.
    QSignalSpy changed(&session, &TDataSession::Changed);
    QSignalSpy depts(&session, &TDataSession::DeptsChanged);
    QVERIFY(session.Submit(
        std::make_unique<edit::TAddDept>(edit::TDeptFields{"Stores", "T", true, 0})));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(depts.count(), 1);
    QCOMPARE(session.Data().DeptList.size(), size_t(2));
    session.History()->undo();
    QCOMPARE(changed.count(), 2);
    QCOMPARE(session.Data().DeptList.size(), size_t(1));
    session.History()->redo();
    QVERIFY(session.History()->canUndo());
    QVERIFY(session.Save());
    QVERIFY(!session.History()->canUndo() && !session.History()->canRedo());
    QVERIFY(!session.Employee(0));
    QVERIFY(!session.Reason(0));
  }

  // A save appends exactly the changes applied since the last one, undone ones left out, with
  // this user; a save without changes appends nothing; abandoning names what was dropped.
  void theHistoryGetsTheChangesEachSaveMadeAndWhatWasAbandoned() {
    ui::test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    TDataSession session(App().AppFolder);
    QVERIFY(session.Load());
    const auto kinds = [&] {
      const TJournal j = ReadJournal(JournalPath(App().AppFolder));
      QString out;
      for (const auto& r : j.Records) out += QString::fromStdString(r.Kind + ":" + r.Text + ";");
      return out;
    };
    QVERIFY(session.Submit(
        std::make_unique<edit::TAddDept>(edit::TDeptFields{"Stores", "T", true, 0})));
    QVERIFY(
        session.Submit(std::make_unique<edit::TAddDept>(edit::TDeptFields{"Yard", "Y", true, 0})));
    session.History()->undo();
    QVERIFY(session.Submit(std::make_unique<edit::TAddReason>(
        edit::TReasonFields{"Sick", true, false, TBasis::None, TValidate::None})));
    QVERIFY(session.Save());
    QCOMPARE(kinds(),
             QStringLiteral("add-department:Add department Stores;add-reason:Add reason Sick;"));
    const TJournal saved = ReadJournal(JournalPath(App().AppFolder));
    QCOMPARE(saved.Records[0].User, TLockEnvironment::Real().UserName());
    QVERIFY(!saved.Records[0].Host.empty());
    const std::vector<TJournalValue>& values = saved.Records[1].Values;
    QVERIFY(std::find(values.begin(), values.end(),
                      TJournalValue{"Description", std::nullopt, "Sick"}) != values.end());

    QVERIFY(session.Save());
    QCOMPARE(kinds(),
             QStringLiteral("add-department:Add department Stores;add-reason:Add reason Sick;"));

    const int32_t stores = session.Data().DeptList.front()->DeptID;
    QVERIFY(session.Submit(
        std::make_unique<edit::TEditDept>(stores, edit::TDeptFields{"Shop", "T", true, 0})));
    QVERIFY(session.Abandon());
    const TJournal abandoned = ReadJournal(JournalPath(App().AppFolder));
    QCOMPARE(abandoned.Records.size(), size_t(3));
    QCOMPARE(abandoned.Records[2].Kind, std::string(journal_kind::kAbandon));
    QCOMPARE(abandoned.Records[2].Text, std::string("Abandon 1 unsaved change"));
    QCOMPARE(abandoned.Records[2].Values.front().What, std::string("Edit department Stores"));
    QCOMPARE(session.Data().DeptList.front()->DeptName, std::string("Stores"));
  }

  void aSetThatWasNeverReadIsNeverWritten() {
    ui::test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    const QByteArray before = FileBytes(env.DataFile("emp.dat"));
    TDataSession session(App().AppFolder);
    QVERIFY(!session.Save());
    session.SaveAtClose();
    QCOMPARE(FileBytes(env.DataFile("emp.dat")), before);
    QVERIFY(!QFile::exists(env.DataFile(SaveTempName("emp.dat.tmp").c_str())));
  }

  // A folder where no file can be created (here: the probe's name is taken by a folder) is
  // read, and the user is told at once that changes cannot be saved.
  // A corrupted data folder given to absence-cli's check and balances and to the session's load
  // (what the main window does at start): none crashes or hangs, and every file stays as it was.
  void corruptedFoldersNeverCrashHangOrChangeAFile() {
    ui::test::TTempEnvironment env;
    const std::string folder = App().AppFolder;
    WriteSampleOrganisation(folder, 45500);
    const TFiles sample = FolderFiles(folder);
    QCOMPARE(sample.size(), size_t(4));
    for (const TCorruption& c : Corruptions()) {
      std::filesystem::remove_all(folder);
      std::filesystem::create_directories(folder);
      TFiles files = sample;
      c.apply(files);
      for (const auto& [name, bytes] : files)
        std::ofstream(folder + name, std::ios::binary) << bytes;
      const TFiles before = FolderFiles(folder);
      QVERIFY2(before == files, c.name);
      const std::string common = "--data " + folder + " --ini " + env.IniPath().toStdString() + " ";
      for (const char* command : {"check", "balances 2024-06-30"}) {
        const auto run = absence::test::RunCli(common + command, false, 60);
        // 0, or 1 with a message: never a crash (a signal) nor a hang (killed).
        QVERIFY2(run.Status == 0 || run.Status == 1,
                 qPrintable(QString("%1, %2: status %3").arg(c.name, command).arg(run.Status)));
        QVERIFY2(FolderFiles(folder) == before, qPrintable(QString("%1, %2").arg(c.name, command)));
      }
      TDataSession session(folder);
      ui::test::TMessageBoxSpy spy;
      for (int i = 0; i < 4; ++i) spy.Answer(mbOK);
      session.Load();
      TFiles after = FolderFiles(folder);
      after.erase(kLockFile);  // the session holds the folder while it is open
      QVERIFY2(after == before, c.name);
    }
  }

  void aFolderThatCannotBeWrittenIsReadAndSaysSo() {
    ui::test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    QVERIFY(QDir().mkdir(env.DataFile(SaveTempName("write-test").c_str())));
    TDataSession session(App().AppFolder);
    ui::test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    QVERIFY(session.Load());
    QCOMPARE(absence::ui::test::TestData(session).EmpList.size(), size_t(2));
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Warning);
    QVERIFY(spy.Calls()[0].Text.startsWith("Changes to the Absence data cannot be saved:"));
  }

  void aFailedSaveLeavesListsFilesAndSignalsAsTheyWere() {
    ui::test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    const QByteArray before = FileBytes(env.DataFile("emp.dat"));
    TDataSession session(App().AppFolder);
    QVERIFY(session.Load());
    QSignalSpy reloaded(&session, &TDataSession::Reloaded);
    AddDept(absence::ui::test::TestData(session).DeptList, "Sales", 0, true, "S");
    QVERIFY(QDir().mkdir(env.DataFile(SaveTempName("dept.dat.tmp").c_str())));
    ui::test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    QVERIFY(!session.Save());
    QCOMPARE(spy.Calls().size(), size_t(1));
    QCOMPARE(spy.Calls()[0].Kind, TMsgKind::Error);
    QCOMPARE(reloaded.count(), 0);
    QCOMPARE(absence::ui::test::TestData(session).DeptList.size(), size_t(1));
    QCOMPARE(FileBytes(env.DataFile("emp.dat")), before);
  }

  void theBackupPathOfAFailedCloseIsNeverCut() {
    ui::test::TTempEnvironment env;
    // A data folder with a long name: the message must still end with where the changes are.
    const QString deep = env.DataFolder() + QString(120, u'd') + "/" + QString(120, u'e') + "/";
    QVERIFY(QDir().mkpath(deep));
    SaveTwoEmployees(deep.toStdString());
    TDataSession session(deep.toStdString());
    QVERIFY(session.Load());
    QVERIFY(QDir().mkdir(deep + QString::fromStdString(SaveTempName("emp.dat.tmp"))));
    ui::test::TMessageBoxSpy spy;
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
    ui::test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    TDataSession session(App().AppFolder);
    QVERIFY(session.Load());
    const QString file = env.DataFolder() + "copy.abk";
    ui::test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    QVERIFY(session.Backup(file));
    QCOMPARE(spy.Calls().back().Text, QString("Your Absence data was successfully backed up."));
    QCOMPARE(spy.Calls().back().Kind, TMsgKind::Information);

    AddEmp(absence::ui::test::TestData(session).EmpList, "Brown", "Cy", "", 40000, 0, 0, 'F');
    QSignalSpy reloaded(&session, &TDataSession::Reloaded);
    spy.Answer(mbYes);  // replace the data there (the question before a restore)
    spy.Answer(mbOK);
    QVERIFY(session.Restore(file));
    QCOMPARE(spy.Calls().back().Text, QString("Your Absence data was successfully restored."));
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(absence::ui::test::TestData(session).EmpList.size(), size_t(2));

    // A file that cannot be opened: the system's message, the data set as it was.
    AddEmp(absence::ui::test::TestData(session).EmpList, "Brown", "Cy", "", 40000, 0, 0, 'F');
    spy.Answer(mbOK);
    QVERIFY(!session.Restore(env.DataFolder() + "missing.abk"));
    QCOMPARE(spy.Calls().back().Kind, TMsgKind::Error);
    QVERIFY(spy.Calls().back().Text.startsWith(
        "The following error occurred trying to open your Absence backup file:\n\nCode = "));
    QCOMPARE(reloaded.count(), 1);
    QCOMPARE(absence::ui::test::TestData(session).EmpList.size(), size_t(3));

    // A backup into a folder that does not exist: the error names the file.
    spy.Answer(mbOK);
    QVERIFY(!session.Backup(env.DataFolder() + "no/such/folder/copy.abk"));
    QVERIFY(spy.Calls().back().Text.contains("copy.abk"));
  }

  // A file that is not a backup is refused and changes nothing; a backup asks first, showing
  // what it holds against what is there, and only Yes replaces the data.
  void restoreRefusesNonBackupsAndAsksBeforeReplacing() {
    ui::test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    TDataSession session(App().AppFolder);
    QVERIFY(session.Load());
    QSignalSpy reloaded(&session, &TDataSession::Reloaded);
    const QString notes = env.DataFolder() + "notes.txt";
    std::ofstream(notes.toStdString()) << "not a backup\n";
    ui::test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    QVERIFY(!session.Restore(notes));
    QCOMPARE(spy.Calls().back().Kind, TMsgKind::Error);
    QVERIFY(spy.Calls().back().Text.contains("is not an Absence backup file"));
    QCOMPARE(session.Data().EmpList.size(), size_t(2));

    TDataSet other;
    AddReason(other.ReasonList, "Sick", true, false, TBasis::None, TValidate::None);
    AddEmp(other.EmpList, "Brown", "Cy", "", 40000, 0, 0, 'F');
    AddEntry(other.EmpList[0]->Entries, other.EmpList, other.ReasonList,
             other.ReasonList[0]->ReasonID, 45474, 8, TEntryKind::Own);
    const QString file = env.DataFolder() + "other.abk";
    BackupData(other, file.toStdString());
    spy.Answer(mbNo);
    QVERIFY(!session.Restore(file));
    const TMessageBoxCall question = spy.Calls().back();
    QCOMPARE(question.Kind, TMsgKind::Confirmation);
    QVERIFY(question.Text.contains(
        "Departments: 0, employees: 1, reasons: 1, entries: 1, newest entry: 07/01/2024"));
    QVERIFY(question.Text.contains("Departments: 0, employees: 2, reasons: 1, entries: 0"));
    QVERIFY(question.Text.endsWith("Do you want to replace your current data with the backup?"));
    QCOMPARE(session.Data().EmpList.size(), size_t(2));
    QCOMPARE(reloaded.count(), 0);

    spy.Answer(mbYes);
    spy.Answer(mbOK);
    QVERIFY(session.Restore(file));
    QCOMPARE(session.Data().EmpList.size(), size_t(1));
    QCOMPARE(reloaded.count(), 1);
  }

  // Every skipped record is listed, however many; the files go aside as they were before the
  // first save writes over them, and only then.
  void aRepairedLoadListsEveryRecordAndKeepsTheFilesBeforeSaving() {
    ui::test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    const std::string emp = env.DataFile("emp.dat").toStdString();
    std::string bytes = FileBytes(QString::fromStdString(emp)).toStdString();
    for (int i = 0; i < 30; ++i) {
      bytes += 'x';
      bytes.append(98, '\0');
    }
    std::ofstream(emp, std::ios::binary) << bytes;
    TDataSession session(App().AppFolder);
    ui::test::TMessageBoxSpy spy;
    spy.Answer(mbOK);
    QVERIFY(session.Load());
    QCOMPARE(spy.Calls().size(), size_t(1));
    const TMessageBoxCall warning = spy.Calls()[0];
    QCOMPARE(warning.Kind, TMsgKind::Warning);
    QVERIFY(warning.Text.contains(QDir::toNativeSeparators(env.DataFolder())));
    for (int record : {3, 17, 32})
      QVERIFY2(
          warning.Details.contains(QString("emp.dat, record %1: unknown record kind").arg(record)),
          qPrintable(warning.Details));
    QVERIFY(warning.Details.size() > 30 * 40);
    const auto originals = [&] {
      return QDir(env.DataFolder()).entryList({"Originals-*"}, QDir::Dirs);
    };
    QVERIFY(originals().isEmpty());

    QVERIFY(session.Save());
    QCOMPARE(originals().size(), 1);
    QCOMPARE(QString::fromStdString(session.KeptAside()),
             QDir(env.DataFolder()).filePath(originals()[0]));
    QCOMPARE(FileBytes(QDir(QString::fromStdString(session.KeptAside())).filePath("emp.dat")),
             QByteArray::fromStdString(bytes));
    QVERIFY(FileBytes(QString::fromStdString(emp)).size() < qsizetype(bytes.size()));
    QVERIFY(session.Save());
    QCOMPARE(originals().size(), 1);
  }

  // Another program wrote the data files while the session had them: the save asks first, and
  // each answer keeps the data it names, never overwriting silently.
  void aChangeBehindTheSessionsBackIsAskedAboutAtSave() {
    const struct {
      TMsgButton answer;
      bool saved;     // the session's data set is in the files
      bool keptMine;  // a backup file holds the session's data set
    } cases[] = {{mbYes, false, false}, {mbNo, true, false}, {mbCancel, false, true}};
    for (const auto& c : cases) {
      ui::test::TTempEnvironment env;
      SaveTwoEmployees(App().AppFolder);
      TDataSession session(App().AppFolder);
      QVERIFY(session.Load());
      AddDept(absence::ui::test::TestData(session).DeptList, "Mine", 0, true, "M");
      TDataSet theirs;
      LoadDataSet(theirs, App().AppFolder);
      AddDept(theirs.DeptList, "Theirs", 0, true, "T");
      SaveDataSet(theirs, App().AppFolder, false);
      ui::test::TMessageBoxSpy spy;
      spy.Answer(c.answer);
      spy.Answer(mbOK);
      QCOMPARE(session.Save(), c.saved);
      QVERIFY2(spy.Calls()[0].Text.startsWith(
                   "Another program changed the Absence data since it was read (") &&
                   spy.Calls()[0].Text.contains("dept.dat)."),
               qPrintable(spy.Calls()[0].Text));
      TDataSet files;
      LoadDataSet(files, App().AppFolder);
      QCOMPARE(files.DeptList.at(0)->DeptName, std::string(c.saved ? "Mine" : "Theirs"));
      QCOMPARE(session.Data().DeptList.at(0)->DeptName, files.DeptList.at(0)->DeptName);
      const QStringList kept = QDir(env.DataFolder()).entryList({"Absence-unsaved-*.abk"});
      QCOMPARE(kept.size(), c.keptMine ? 1 : 0);
      if (c.keptMine) {
        TDataSet mine;
        RestoreData(mine, QDir(env.DataFolder()).filePath(kept[0]).toStdString());
        QCOMPARE(mine.DeptList.at(0)->DeptName, std::string("Mine"));
      }
      // Once settled, the next save asks nothing.
      const std::size_t asked = spy.Calls().size();
      QVERIFY(session.Save());
      QCOMPARE(spy.Calls().size(), asked);
    }
  }

  // A second session on a held folder is told who holds it; it may quit, or open read-only:
  // nothing is ever written, and changes made all the same go to a backup file at close.
  void aSecondSessionOnAHeldFolderOpensReadOnlyOrNotAtAll() {
    ui::test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    TDataSession first(App().AppFolder);
    QVERIFY(first.Load());
    ui::test::TMessageBoxSpy spy;
    spy.Answer(mbNo);
    TDataSession declined(App().AppFolder);
    QVERIFY(!declined.Load());
    QVERIFY(declined.Declined());
    QVERIFY(spy.Calls()[0].Text.contains("is in use by"));
    QVERIFY(spy.Calls()[0].Text.contains("(absence, process "));

    const TFiles before = FolderFiles(App().AppFolder);
    spy.Answer(mbYes);
    TDataSession second(App().AppFolder);
    QVERIFY(second.Load());
    QVERIFY(second.ReadOnly());
    QCOMPARE(second.Data().EmpList.size(), size_t(2));
    spy.Answer(mbOK);
    QVERIFY(!second.Save());
    QCOMPARE(spy.Calls().back().Text,
             QString("The Absence data is open read-only; changes cannot be saved."));
    const std::size_t shown = spy.Calls().size();
    second.SaveAtClose();  // nothing changed: nothing written, nothing said
    QCOMPARE(spy.Calls().size(), shown);
    QCOMPARE(FolderFiles(App().AppFolder), before);
    AddDept(absence::ui::test::TestData(second).DeptList, "Mine", 0, true, "M");
    spy.Answer(mbOK);
    second.SaveAtClose();
    QVERIFY(spy.Calls().back().Text.contains("Absence-unsaved-"));
    TDataSet files;
    LoadDataSetReadOnly(files, App().AppFolder);
    QVERIFY(files.DeptList.empty());
  }

  // What an unexpected error keeps is offered at the next start: Yes restores it as a change
  // (undo goes back to the files' data set) and the file goes; No keeps it under a dated name.
  void theRecoveryBackupIsOfferedAtTheNextStart() {
    ui::test::TTempEnvironment env;
    SaveTwoEmployees(App().AppFolder);
    const QString recovery = env.DataFolder() + kRecoveryFile;
    {
      TDataSession crashed(App().AppFolder);
      QVERIFY(crashed.Load());
      AddEmp(absence::ui::test::TestData(crashed).EmpList, "Brown", "Cy", "", 40000, 0, 0, 'F');
      GuardSession(&crashed);
      QCOMPARE(WriteRecoveryBackup(), QDir::toNativeSeparators(recovery));
      GuardSession(nullptr);
    }
    QVERIFY(WriteRecoveryBackup().isEmpty());  // nothing guarded, nothing written

    TDataSession session(App().AppFolder);
    QVERIFY(session.Load());
    const std::string files = DumpJson(session.Data());
    ui::test::TMessageBoxSpy spy;
    spy.Answer(mbYes);
    spy.Answer(mbOK);
    session.OfferRecovery();
    QVERIFY(spy.Calls().front().Text.contains(QDir::toNativeSeparators(recovery)));
    QCOMPARE(session.Data().EmpList.size(), size_t(3));
    QVERIFY(!QFile::exists(recovery));
    session.History()->undo();
    QCOMPARE(DumpJson(session.Data()), files);

    GuardSession(&session);
    QVERIFY(!WriteRecoveryBackup().isEmpty());
    GuardSession(nullptr);
    spy.Answer(mbNo);
    session.OfferRecovery();
    QVERIFY(!QFile::exists(recovery));
    QCOMPARE(QDir(env.DataFolder()).entryList({"Absence-recovery-*.abk"}).size(), 1);
    QCOMPARE(DumpJson(session.Data()), files);
    session.OfferRecovery();  // nothing left to offer
    QCOMPARE(spy.Calls().size(), size_t(3));
  }
};

ABSENCE_UI_SUITE("session", SessionTest)
#include "session_test.moc"

#include "ui/session/data_session.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QUndoCommand>
#include <QUndoStack>
#include <ctime>

#include "data/backup.h"
#include "data/generations.h"
#include "data/journal.h"
#include "edit/changes.h"
#include "ui/common/app_state.h"
#include "ui/common/date_text.h"
#include "ui/common/message_box.h"
#include "ui/common/wait_cursor.h"
#include "ui/session/crash_guard.h"

namespace absence::ui {

// One change on the history. It is pushed after it was applied, so the push does not apply it
// again.
class TChangeCommand : public QUndoCommand {
 public:
  TChangeCommand(TDataSession& session, edit::TChangePtr change, const QString& text)
      : QUndoCommand(text), session_(session), change_(std::move(change)) {}
  const edit::TChange& Change() const { return *change_; }
  void redo() override {
    if (applied_) return;
    session_.Redo(*change_);
    applied_ = true;
  }
  void undo() override {
    session_.Undo(*change_);
    applied_ = false;
  }

 private:
  TDataSession& session_;
  edit::TChangePtr change_;
  bool applied_ = true;
};

namespace {

QString WarningsDetails(const TWarnings& warnings) {
  QStringList lines;
  lines.reserve(static_cast<qsizetype>(warnings.size()));
  for (const std::string& w : warnings) lines << QString::fromStdString(w);
  return lines.join(u'\r');
}

QString WarningsText(const TWarnings& warnings, const std::string& folder) {
  return QCoreApplication::translate(
             "TDataSession",
             "Some records of the data files could not be read and were skipped or repaired "
             "(%1 warnings, listed under Show Details).\r\rBefore anything is saved over them, "
             "the data files as they are now will be copied into a new folder "
             "\"Originals-<date>-<time>\" in \"%2\".")
      .arg(warnings.size())
      .arg(QDir::toNativeSeparators(QString::fromStdString(folder)));
}

// One line of the restore question: what a data set holds.
QString SummaryLine(const TDataSetSummary& s) {
  QString line = QCoreApplication::translate(
                     "TDataSession", "Departments: %1, employees: %2, reasons: %3, entries: %4")
                     .arg(s.Departments)
                     .arg(s.Employees)
                     .arg(s.Reasons)
                     .arg(s.Entries);
  if (s.Entries > 0)
    line += QCoreApplication::translate("TDataSession", ", newest entry: %1")
                .arg(FormatDate(s.NewestEntry, App().DatePattern));
  return line;
}

QString Text(const std::exception& e) {
  return QString::fromStdString(e.what());
}

}  // namespace

TDataSession::TDataSession(std::string folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)), history_(new QUndoStack(this)) {}

bool TDataSession::Submit(edit::TChangePtr change) {
  const QString text =
      QString::fromStdString(change->Describe(data_, App().DatePattern.toStdString()));
  // The one place where the data set's refusals are caught: the window that submitted the
  // change goes on, the data set is as it was.
  try {
    TWaitCursor wait;
    change->Apply(data_);
  } catch (const edit::EChangeRefused& e) {
    ShowErrorBox(Text(e));
    return false;
  } catch (const std::range_error& e) {  // hours or identifiers out of range
    ShowErrorBox(Text(e));
    return false;
  }
  const edit::TTouched touched = change->Touched();
  history_->push(new TChangeCommand(*this, std::move(change), text));
  Announce(touched);
  return true;
}

void TDataSession::Redo(edit::TChange& change) {
  TWaitCursor wait;
  change.Apply(data_);
  Announce(change.Touched());
}

void TDataSession::Undo(edit::TChange& change) {
  TWaitCursor wait;
  change.Revert(data_);
  Announce(change.Touched());
}

void TDataSession::Announce(const edit::TTouched& touched) {
  if (touched.Replaced) {
    emit Reloaded();
    emit Replaced();
    emit Changed();
    return;
  }
  if (touched.EmpList || touched.EmpRecords) emit EmployeeListChanged();
  for (int32_t id : touched.Emps) emit EmployeeChanged(id);
  if (touched.Reasons) emit ReasonsChanged();
  if (touched.Depts) emit DeptsChanged();
  if (touched.Globals) emit GlobalsChanged();
  emit Changed();
}

QAction* TDataSession::CreateUndoAction(QObject* parent) const {
  QAction* action = history_->createUndoAction(parent, tr("&Undo"));
  action->setObjectName(QStringLiteral("mnuEditUndo"));
  action->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
  return action;
}

QAction* TDataSession::CreateRedoAction(QObject* parent) const {
  QAction* action = history_->createRedoAction(parent, tr("&Redo"));
  action->setObjectName(QStringLiteral("mnuEditRedo"));
  action->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  return action;
}

bool TDataSession::TakeFolder() {
  if (readOnly_ || (lock_ && lock_->Held())) return true;
  if (!lock_) lock_ = std::make_unique<TFolderLock>(folder_, "absence");
  TLockResult r;
  try {
    r = lock_->Acquire();
  } catch (const EDataFileError& e) {
    r = {TLockOutcome::NotWritable, std::nullopt, e.what()};
  }
  switch (r.Outcome) {
    case TLockOutcome::Taken:
      if (!r.Message.empty())
        MessageBoxTitled(QString::fromStdString(r.Message), TMsgKind::Information, mbOK);
      return true;
    case TLockOutcome::NotWritable:
      // Nobody can save into this folder: it opens read-only, and the user is told at once.
      readOnly_ = true;
      MessageBoxTitled(tr("Changes to the Absence data cannot be saved:\r\r") +
                           QString::fromStdString(r.Message),
                       TMsgKind::Warning, mbOK);
      return true;
    case TLockOutcome::Busy:
    case TLockOutcome::Stale:
      break;
  }
  // Shown whole (an error box is never cut): it names the holder and, for a stale lock, the
  // file to remove.
  const QString question = QString::fromStdString(r.Message) +
                           tr("\r\rOpen the Absence data read-only? Changes cannot be saved. "
                              "Choose No to quit.");
  if (MessageBoxTitled(question, TMsgKind::Error, mbYes | mbNo) != mbYes) {
    declined_ = true;
    return false;
  }
  readOnly_ = true;
  return true;
}

void TDataSession::RememberFiles() {
  stamp_ = StampDataFiles(folder_);
  if (readOnly_) loadedSum_ = ContentSum(data_);
}

bool TDataSession::Load() {
  if (!TakeFolder()) return false;
  TWarnings warnings;
  try {
    TWaitCursor wait;
    // A reader that may not write reads the files as they are (an interrupted save is only
    // recovered in memory): they may belong to the program that holds the folder.
    if (readOnly_)
      LoadDataSetReadOnly(data_, folder_, &warnings);
    else
      LoadDataSet(data_, folder_, &warnings);
    RememberFiles();
  } catch (const EDataFileError& e) {
    // Should a restore replace the set, its save must not be the end of these files either.
    mustKeepAside_ = true;
    ShowErrorBox(tr("The Absence data could not be read:\r\r") + Text(e));
    return false;
  }
  loaded_ = true;
  // The repaired set replaces the files at the next save: the files as they were go aside
  // first.
  mustKeepAside_ = !warnings.empty();
  history_->clear();
  unsavedEvents_.clear();
  emit Reloaded();
  if (!warnings.empty())
    MessageBoxWhole(WarningsText(warnings, folder_), TMsgKind::Warning, mbOK,
                    WarningsDetails(warnings));
  // Said now, not at the first save: the user can still choose not to make changes.
  if (!readOnly_)
    if (const std::string error = DataFolderWriteError(folder_); !error.empty())
      MessageBoxTitled(
          tr("Changes to the Absence data cannot be saved:\r\r") + QString::fromStdString(error),
          TMsgKind::Warning, mbOK);
  return true;
}

void TDataSession::KeepFilesAside() {
  if (!mustKeepAside_) return;
  keptAside_ = KeepDataFilesAside(folder_, std::time(nullptr));
  mustKeepAside_ = false;
}

TJournalRecord TDataSession::Stamped(TJournalRecord record) {
  static const TLockEnvironment platform = TLockEnvironment::Real();
  if (record.Time == 0) record.Time = JournalNow();
  record.User = platform.UserName();
  record.Host = platform.HostName();
  return record;
}

std::string TDataSession::UnsavedJournalLines() const {
  std::string lines;
  for (const TJournalRecord& r : unsavedEvents_) lines += JournalLine(Stamped(r));
  // The commands below the stack's index are applied; those above it were undone.
  for (int i = 0; i < history_->index(); ++i)
    if (const auto* c = dynamic_cast<const TChangeCommand*>(history_->command(i)))
      lines += JournalLine(Stamped(c->Change().Journal()));
  return lines;
}

void TDataSession::WriteDataFiles(bool reload) {
  KeepFilesAside();
  TSaveJournal journal{UnsavedJournalLines(), {}};
  SaveDataSet(data_, folder_, reload, TFileOps::Real(), App().Settings.Generations, &journal);
  unsavedEvents_.clear();
  if (!journal.Problems.empty())
    MessageBoxWhole(tr("The Absence data was saved, but the change history could not "
                       "be written (listed under Show Details)."),
                    TMsgKind::Warning, mbOK, WarningsDetails(journal.Problems));
}

bool TDataSession::Abandon() {
  if (loaded_ && !readOnly_) {
    // What is dropped is named in the history, so nobody looks for it later.
    TJournalRecord record;
    record.Kind = journal_kind::kAbandon;
    const int count = history_->index() + static_cast<int>(unsavedEvents_.size());
    record.Text = "Abandon ";
    record.Text += std::to_string(count);
    record.Text += count == 1 ? " unsaved change" : " unsaved changes";
    for (const TJournalRecord& r : unsavedEvents_) record.Values.push_back({r.Text, {}, {}});
    for (int i = 0; i < history_->index(); ++i)
      if (const auto* c = dynamic_cast<const TChangeCommand*>(history_->command(i)))
        record.Values.push_back({c->Change().Journal().Text, {}, {}});
    try {
      AppendJournal(JournalPath(folder_), JournalLine(Stamped(std::move(record))));
    } catch (const EDataFileError& e) {
      MessageBoxTitled(tr("The change history could not be written:\r\r") + Text(e),
                       TMsgKind::Warning, mbOK);
    }
    unsavedEvents_.clear();
  }
  return Load();
}

TDataSession::TChangedChoice TDataSession::AskWhenChangedBehind() {
  const std::vector<std::string> changed = ChangedDataFiles(folder_, stamp_);
  if (changed.empty()) return TChangedChoice::Save;
  QString names;
  for (const std::string& n : changed)
    names += (names.isEmpty() ? "" : ", ") + QString::fromStdString(n);
  const TMsgButton answer =
      MessageBoxTitled(tr("Another program changed the Absence data since it was read (%1).\r\r"
                          "Yes: keep their data and read it again.\rNo: overwrite it with yours.\r"
                          "Cancel: keep theirs and save yours as a backup file.")
                           .arg(names),
                       TMsgKind::Warning, mbYes | mbNo | mbCancel);
  if (answer == mbNo) return TChangedChoice::Save;
  return answer == mbYes ? TChangedChoice::KeepTheirs : TChangedChoice::KeepBoth;
}

bool TDataSession::Save() {
  if (!loaded_) return false;
  if (readOnly_) {
    MessageBoxTitled(tr("The Absence data is open read-only; changes cannot be saved."),
                     TMsgKind::Information, mbOK);
    return false;
  }
  switch (AskWhenChangedBehind()) {
    case TChangedChoice::Save:
      break;
    case TChangedChoice::KeepTheirs:
      Load();
      return false;
    case TChangedChoice::KeepBoth: {
      const QString kept = KeepUnsavedData();
      Load();
      MessageBoxTitled(kept.trimmed(), TMsgKind::Information, mbOK);
      return false;
    }
  }
  try {
    TWaitCursor wait;
    WriteDataFiles(/*reload=*/true);
    stamp_ = StampDataFiles(folder_);
  } catch (const EDataFileError& e) {
    ShowErrorBox(Text(e));
    return false;
  }
  // The saved files are the new starting point: undo never reaches past them.
  history_->clear();
  emit Reloaded();
  return true;
}

void TDataSession::SaveAtClose() {
  if (!loaded_) return;
  if (readOnly_) {
    // Nothing is written into a folder this program may not change; changes made all the same
    // are kept in a backup file, and only then.
    if (ContentSum(data_) != loadedSum_)
      MessageBoxTitled(tr("The Absence data was open read-only.") + KeepUnsavedData(),
                       TMsgKind::Error, mbOK);
    return;
  }
  switch (AskWhenChangedBehind()) {
    case TChangedChoice::Save:
      break;
    case TChangedChoice::KeepTheirs:
      return;
    case TChangedChoice::KeepBoth:
      MessageBoxTitled(KeepUnsavedData().trimmed(), TMsgKind::Error, mbOK);
      return;
  }
  try {
    TWaitCursor wait;
    WriteDataFiles(/*reload=*/false);
  } catch (const EDataFileError& e) {
    // The program ends all the same; the changes must not go with it.
    ShowErrorBox(Text(e) + KeepUnsavedData());
  }
}

QString TDataSession::KeepUnsavedData() {
  const QString name =
      QStringLiteral("Absence-unsaved-%1.abk")
          .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
  QString failures;
  for (const QString& folder : {QString::fromStdString(folder_), QDir::homePath()}) {
    const QString path = QDir(folder).filePath(name);
    try {
      BackupData(data_, path.toStdString());
      return tr("\r\rYour changes were kept in the backup file \"%1\"; choose "
                "\"Restore from Backup...\" to bring them back.")
          .arg(QDir::toNativeSeparators(path));
    } catch (const EDataFileError& e) {
      failures += u'\r' + Text(e);
    }
  }
  return tr("\r\rYour changes could not be kept in a backup file either:") + failures;
}

bool TDataSession::Backup(const QString& path) {
  try {
    TWaitCursor wait;
    BackupData(data_, path.toStdString());
  } catch (const EDataFileError& e) {
    ShowErrorBox(Text(e));
    return false;
  }
  try {
    BackupJournal(folder_, path.toStdString());
  } catch (const EDataFileError& e) {
    MessageBoxTitled(tr("The change history could not be kept with the backup:\r\r") + Text(e),
                     TMsgKind::Warning, mbOK);
  }
  MessageBoxTitled(tr("Your Absence data was successfully backed up."), TMsgKind::Information,
                   mbOK);
  return true;
}

bool TDataSession::Restore(const QString& path, bool askFirst) {
  TWarnings warnings;
  TDataSet restored;
  try {
    TWaitCursor wait;
    RestoreData(restored, path.toStdString(), &warnings);
  } catch (const ERestoreOpenError& e) {
    ShowErrorBox(Text(e));
    return false;
  } catch (const ENotABackupError& e) {
    ShowErrorBox(Text(e));
    return false;
  } catch (const EDataFileError& e) {
    ShowErrorBox(Text(e));
    return false;
  }
  const TDataSetSummary current = SummarizeDataSet(data_);
  if (askFirst && current.Departments + current.Employees + current.Reasons + current.Entries > 0) {
    const QString question =
        tr("The backup file \"%1\" holds:\r%2\r\rYour current Absence data holds:\r%3\r\r"
           "Do you want to replace your current data with the backup?")
            .arg(QDir::toNativeSeparators(path), SummaryLine(SummarizeDataSet(restored)),
                 SummaryLine(current));
    if (MessageBoxWhole(question, TMsgKind::Confirmation, mbYes | mbNo) != mbYes) return false;
  }
  const std::string words =
      "Restore from " + QDir::toNativeSeparators(path).section(QDir::separator(), -1).toStdString();
  if (loaded_) {
    if (!Submit(std::make_unique<edit::TReplaceDataSet>(std::move(restored), words,
                                                        journal_kind::kRestore)))
      return false;
  } else {
    // A restored set may be saved even when the files could not be read before; there is no
    // read data set to go back to, so this restore is not undone.
    data_ = std::move(restored);
    loaded_ = true;
    history_->clear();
    TJournalRecord record;
    record.Time = JournalNow();
    record.Kind = journal_kind::kRestore;
    record.Text = words;
    record.Text += " (the data files could not be read)";
    unsavedEvents_.assign(1, std::move(record));
    emit Reloaded();
  }
  // The history kept with the backup comes back too; never into a folder this program may not
  // write.
  if (!readOnly_) {
    try {
      RestoreJournal(path.toStdString(), folder_);
    } catch (const EDataFileError& e) {
      MessageBoxTitled(
          tr("The change history kept with the backup could not be restored:\r\r") + Text(e),
          TMsgKind::Warning, mbOK);
    }
  }
  if (!warnings.empty())
    MessageBoxWhole(tr("Some records of the backup file could not be read and were "
                       "skipped or repaired (%1 warnings, listed under Show Details).")
                        .arg(warnings.size()),
                    TMsgKind::Warning, mbOK, WarningsDetails(warnings));
  MessageBoxTitled(tr("Your Absence data was successfully restored."), TMsgKind::Information, mbOK);
  return true;
}

void TDataSession::OfferRecovery() {
  const QDir folder(QString::fromStdString(folder_));
  const QString path = folder.filePath(QString::fromLatin1(kRecoveryFile));
  if (!loaded_ || !QFile::exists(path)) return;
  const QString kept = folder.filePath(
      QStringLiteral("Absence-recovery-%1.abk")
          .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"))));
  const QString question =
      tr("Absence ended unexpectedly, and the changes it had not saved were kept in \"%1\"."
         "\r\rRestore them now? (Otherwise the file is kept as \"%2\".)")
          .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(kept));
  if (MessageBoxTitled(question, TMsgKind::Confirmation, mbYes | mbNo) == mbYes &&
      Restore(path, /*askFirst=*/false)) {
    QFile::remove(path);
    return;
  }
  QFile::rename(path, kept);
}

void TDataSession::Release() {
  history_->clear();
  data_.Free();
  loaded_ = false;
  if (lock_) lock_->Release();
  emit Reloaded();
}

const TEmpRecClass* TDataSession::Employee(int32_t empID) const {
  if (empID <= 0) return nullptr;
  const int i = FindEmp(data_.EmpList, empID, std::string());
  return i >= 0 ? data_.EmpList[static_cast<std::size_t>(i)].get() : nullptr;
}

const TReasonRecClass* TDataSession::Reason(int32_t reasonID) const {
  if (reasonID <= 0) return nullptr;
  const int i = FindReason(data_.ReasonList, reasonID, std::string());
  return i >= 0 ? data_.ReasonList[i].get() : nullptr;
}

}  // namespace absence::ui

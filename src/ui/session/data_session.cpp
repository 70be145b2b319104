#include "ui/session/data_session.h"

#include <QDateTime>
#include <QDir>

#include "data/backup.h"
#include "ui/common/message_box.h"
#include "ui/common/wait_cursor.h"

namespace absence::ui {
namespace {

constexpr int kMaxWarningsShown = 8;

QString WarningsText(const TWarnings& warnings) {
  QString text = QStringLiteral(
      "Some records of the data files could not be read and were "
      "skipped or repaired:\r");
  for (std::size_t i = 0; i < warnings.size() && i < kMaxWarningsShown; ++i)
    text += u'\r' + QString::fromStdString(warnings[i]);
  return text;
}

QString Text(const std::exception& e) {
  return QString::fromStdString(e.what());
}

}  // namespace

TDataSession::TDataSession(std::string folder, QObject* parent)
    : QObject(parent), folder_(std::move(folder)) {}

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
      MessageBoxTitled(QStringLiteral("Changes to the Absence data cannot be saved:\r\r") +
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
                           QStringLiteral(
                               "\r\rOpen the Absence data read-only? Changes cannot be saved. "
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
    ShowErrorBox(QStringLiteral("The Absence data could not be read:\r\r") + Text(e));
    return false;
  }
  loaded_ = true;
  emit Reloaded();
  if (!warnings.empty()) MessageBoxTitled(WarningsText(warnings), TMsgKind::Warning, mbOK);
  // Said now, not at the first save: the user can still choose not to make changes.
  if (!readOnly_)
    if (const std::string error = DataFolderWriteError(folder_); !error.empty())
      MessageBoxTitled(QStringLiteral("Changes to the Absence data cannot be saved:\r\r") +
                           QString::fromStdString(error),
                       TMsgKind::Warning, mbOK);
  return true;
}

bool TDataSession::Abandon() {
  return Load();
}

TDataSession::TChangedChoice TDataSession::AskWhenChangedBehind() {
  const std::vector<std::string> changed = ChangedDataFiles(folder_, stamp_);
  if (changed.empty()) return TChangedChoice::Save;
  QString names;
  for (const std::string& n : changed)
    names += (names.isEmpty() ? "" : ", ") + QString::fromStdString(n);
  const TMsgButton answer = MessageBoxTitled(
      QStringLiteral("Another program changed the Absence data since it was read (%1).\r\r"
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
    MessageBoxTitled(QStringLiteral("The Absence data is open read-only; changes cannot be saved."),
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
    SaveDataSet(data_, folder_, /*reload=*/true);
    stamp_ = StampDataFiles(folder_);
  } catch (const EDataFileError& e) {
    ShowErrorBox(Text(e));
    return false;
  }
  emit Reloaded();
  return true;
}

void TDataSession::SaveAtClose() {
  if (!loaded_) return;
  if (readOnly_) {
    // Nothing is written into a folder this program may not change; changes made all the same
    // are kept in a backup file, and only then.
    if (ContentSum(data_) != loadedSum_)
      MessageBoxTitled(QStringLiteral("The Absence data was open read-only.") + KeepUnsavedData(),
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
    SaveDataSet(data_, folder_, /*reload=*/false);
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
      return QStringLiteral(
                 "\r\rYour changes were kept in the backup file \"%1\"; choose "
                 "\"Restore from Backup...\" to bring them back.")
          .arg(QDir::toNativeSeparators(path));
    } catch (const EDataFileError& e) {
      failures += u'\r' + Text(e);
    }
  }
  return QStringLiteral("\r\rYour changes could not be kept in a backup file either:") + failures;
}

bool TDataSession::Backup(const QString& path) {
  try {
    TWaitCursor wait;
    BackupData(data_, path.toStdString());
  } catch (const EDataFileError& e) {
    ShowErrorBox(Text(e));
    return false;
  }
  MessageBoxTitled(QStringLiteral("Your Absence data was successfully backed up."),
                   TMsgKind::Information, mbOK);
  return true;
}

bool TDataSession::Restore(const QString& path) {
  TWarnings warnings;
  try {
    TWaitCursor wait;
    RestoreData(data_, path.toStdString(), &warnings);
  } catch (const ERestoreOpenError& e) {
    ShowErrorBox(Text(e));
    return false;
  } catch (const EDataFileError& e) {
    ShowErrorBox(Text(e));
    return false;
  }
  // A restored set may be saved even when the files could not be read before.
  loaded_ = true;
  emit Reloaded();
  if (!warnings.empty()) MessageBoxTitled(WarningsText(warnings), TMsgKind::Warning, mbOK);
  MessageBoxTitled(QStringLiteral("Your Absence data was successfully restored."),
                   TMsgKind::Information, mbOK);
  return true;
}

void TDataSession::Release() {
  data_.Free();
  loaded_ = false;
  if (lock_) lock_->Release();
  emit Reloaded();
}

TEmpRecClass* TDataSession::Employee(int32_t empID) {
  if (empID <= 0) return nullptr;
  const int i = FindEmp(data_.EmpList, empID, std::string());
  return i >= 0 ? data_.EmpList[i].get() : nullptr;
}

const TEmpRecClass* TDataSession::Employee(int32_t empID) const {
  return const_cast<TDataSession*>(this)->Employee(empID);
}

const TReasonRecClass* TDataSession::Reason(int32_t reasonID) const {
  if (reasonID <= 0) return nullptr;
  const int i = FindReason(data_.ReasonList, reasonID, std::string());
  return i >= 0 ? data_.ReasonList[i].get() : nullptr;
}

}  // namespace absence::ui

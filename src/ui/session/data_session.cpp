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

bool TDataSession::Load() {
  TWarnings warnings;
  try {
    TWaitCursor wait;
    LoadDataSet(data_, folder_, &warnings);
  } catch (const EDataFileError& e) {
    ShowErrorBox(QStringLiteral("The Absence data could not be read:\r\r") + Text(e));
    return false;
  }
  loaded_ = true;
  emit Reloaded();
  if (!warnings.empty()) MessageBoxTitled(WarningsText(warnings), TMsgKind::Warning, mbOK);
  // Said now, not at the first save: the user can still choose not to make changes.
  if (const std::string error = DataFolderWriteError(folder_); !error.empty())
    MessageBoxTitled(QStringLiteral("Changes to the Absence data cannot be saved:\r\r") +
                         QString::fromStdString(error),
                     TMsgKind::Warning, mbOK);
  return true;
}

bool TDataSession::Abandon() {
  return Load();
}

bool TDataSession::Save() {
  if (!loaded_) return false;
  try {
    TWaitCursor wait;
    SaveDataSet(data_, folder_, /*reload=*/true);
  } catch (const EDataFileError& e) {
    ShowErrorBox(Text(e));
    return false;
  }
  emit Reloaded();
  return true;
}

void TDataSession::SaveAtClose() {
  if (!loaded_) return;
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

#include "ui/session/data_session.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QUndoCommand>
#include <QUndoStack>

#include "data/backup.h"
#include "edit/changes.h"
#include "ui/common/app_state.h"
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
  QAction* action = history_->createUndoAction(parent, QStringLiteral("&Undo"));
  action->setObjectName(QStringLiteral("mnuEditUndo"));
  action->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z)});
  return action;
}

QAction* TDataSession::CreateRedoAction(QObject* parent) const {
  QAction* action = history_->createRedoAction(parent, QStringLiteral("&Redo"));
  action->setObjectName(QStringLiteral("mnuEditRedo"));
  action->setShortcuts(
      {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  return action;
}

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
  history_->clear();
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
  // The saved files are the new starting point: undo never reaches past them.
  history_->clear();
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
  TDataSet restored;
  try {
    TWaitCursor wait;
    RestoreData(restored, path.toStdString(), &warnings);
  } catch (const ERestoreOpenError& e) {
    ShowErrorBox(Text(e));
    return false;
  } catch (const EDataFileError& e) {
    ShowErrorBox(Text(e));
    return false;
  }
  const std::string words =
      "Restore from " + QDir::toNativeSeparators(path).section(QDir::separator(), -1).toStdString();
  if (loaded_) {
    Submit(std::make_unique<edit::TReplaceDataSet>(std::move(restored), words));
  } else {
    // A restored set may be saved even when the files could not be read before; there is no
    // read data set to go back to, so this restore is not undone.
    data_ = std::move(restored);
    loaded_ = true;
    history_->clear();
    emit Reloaded();
  }
  if (!warnings.empty()) MessageBoxTitled(WarningsText(warnings), TMsgKind::Warning, mbOK);
  MessageBoxTitled(QStringLiteral("Your Absence data was successfully restored."),
                   TMsgKind::Information, mbOK);
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
      QStringLiteral(
          "Absence ended unexpectedly, and the changes it had not saved were kept in \"%1\"."
          "\r\rRestore them now? (Otherwise the file is kept as \"%2\".)")
          .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(kept));
  if (MessageBoxTitled(question, TMsgKind::Confirmation, mbYes | mbNo) == mbYes && Restore(path)) {
    QFile::remove(path);
    return;
  }
  QFile::rename(path, kept);
}

void TDataSession::Release() {
  history_->clear();
  data_.Free();
  loaded_ = false;
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

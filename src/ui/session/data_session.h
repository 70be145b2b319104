#pragma once
// The data session: the one owner of the data set in the running program. It reads, saves,
// abandons, backs up and restores the four lists. Windows read the data set const and change it
// only by submitting changes, which the session applies, keeps for undo and redo until the next
// save, and announces record by record. Windows keep identifiers, never record pointers.
#include <QObject>
#include <QString>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "data/dataset.h"
#include "data/folder_lock.h"
#include "edit/change.h"

class QAction;
class QUndoStack;

namespace absence::ui {

class TDataSession : public QObject {
  Q_OBJECT
 public:
  // `folder`: the data folder, with a trailing separator.
  explicit TDataSession(std::string folder, QObject* parent = nullptr);

  const TDataSet& Data() const { return data_; }
  const std::string& Folder() const { return folder_; }

  // True once the data files were read; false before and after a failed read, while the data
  // set must never be written back.
  bool Loaded() const { return loaded_; }
  // The data set was opened read-only: another program holds the folder, or the folder cannot
  // be written. Nothing is ever written into the folder.
  bool ReadOnly() const { return readOnly_; }
  // The user chose to quit rather than open a folder another program holds.
  bool Declined() const { return declined_; }

  // Takes the data folder's lock (once), then reads the data files. When another program holds
  // the folder the user is told who and may open it read-only or quit (Declined). A failure is
  // reported and leaves the lists as they were; records that could not be read are listed in a
  // warning, and the files as they are are kept aside in a dated subfolder before the first save
  // writes over them.
  bool Load();
  // Writes the four files, replaces the data files and reads them back. A failure is reported
  // and leaves the lists and the files as they were. When another program changed the data
  // files since they were read, the user chooses first: keep theirs and read them again,
  // overwrite them, or keep theirs and save this data set as a backup file.
  bool Save();
  // Reads the data files again, discarding every change since the last save; the change history
  // records that they were abandoned.
  bool Abandon();
  // At close: writes without reading back. When that fails, the changes are kept in a new
  // backup file and the user is told where. A data set that was never read is not written; a
  // read-only one is kept in a backup file only when it was changed.
  void SaveAtClose();
  // Backs the data set up into `path` and says so; a failure is reported.
  bool Backup(const QString& path);
  // Replaces the data set with the backup in `path` and says so; a failure (a file that is not
  // a backup among them) is reported and the data set stays as it was. Before it replaces data,
  // it shows what the backup holds against the current data and asks.
  // `askFirst` false: the user already chose this file's data (the recovery offer).
  bool Restore(const QString& path, bool askFirst = true);
  // Where the files of the last repaired load were kept; empty when none were.
  const std::string& KeptAside() const { return keptAside_; }
  // The recovery backup an unexpected error left beside the data files: offers to restore it
  // (a change Undo takes back). When declined, the file is kept under a dated name so that it
  // is not offered again.
  void OfferRecovery();
  // Releases the lists and the folder (the program is ending).
  void Release();

  // Records by identifier (trashed ones too); nullptr when not in the list.
  const TEmpRecClass* Employee(int32_t empID) const;
  const TReasonRecClass* Reason(int32_t reasonID) const;

  // Applies `change` and keeps it for undo. A change the data set refuses is reported in an
  // error box and changes nothing. Returns whether the change was made.
  bool Submit(edit::TChangePtr change);
  // The changes since the last save, abandon or load.
  QUndoStack* History() const { return history_; }
  // Edit menu and toolbar commands over the history: "&Undo <what>" and "&Redo <what>", on
  // only while there is something to take back or make again.
  QAction* CreateUndoAction(QObject* parent) const;
  QAction* CreateRedoAction(QObject* parent) const;

 signals:
  // The lists were replaced: every record found before is gone.
  void Reloaded();
  // ... by a change on the history (an import or a restore, made, undone or redone), after
  // Reloaded.
  void Replaced();
  // Records were added, edited or trashed in place (after every change, undo and redo, once the
  // finer signals below were sent).
  void Changed();
  // The employee's record, balances or entries changed.
  void EmployeeChanged(int32_t empID);
  // Employees were added, the list was reordered, or an employee's own fields changed (name,
  // dates, department, trash), so lists of employees must be filled again.
  void EmployeeListChanged();
  void ReasonsChanged();
  void DeptsChanged();
  void GlobalsChanged();

 private:
  friend class TChangeCommand;
  // Tests lay out their data sets directly, before the windows they check.
  friend struct TSessionTestAccess;
  // The sentence that says where the unsaved changes were kept.
  QString KeepUnsavedData();
  // Keeps the data files aside when a repaired load is still to be written over them.
  void KeepFilesAside();
  // Writes the data set over the data files, keeping a generation, and appends the changes
  // applied since the last save to the change history. Throws EDataFileError.
  void WriteDataFiles(bool reload);
  // The journal lines of the changes applied since the last save (undone ones are not), with
  // this user and computer.
  std::string UnsavedJournalLines() const;
  // Stamps `record` with the time (when not set), user and host.
  static TJournalRecord Stamped(TJournalRecord record);
  // Takes the folder's lock or asks the user; false when the user chose to quit.
  bool TakeFolder();
  // What the user wants when the data files changed behind this program's back; nullopt: save.
  enum class TChangedChoice { Save, KeepTheirs, KeepBoth };
  TChangedChoice AskWhenChangedBehind();
  void RememberFiles();
  // Says what `touched` names, after a change, an undo or a redo.
  void Announce(const edit::TTouched& touched);
  // A change applied or taken back by the history.
  void Redo(edit::TChange& change);
  void Undo(edit::TChange& change);

  std::string folder_;
  TDataSet data_;
  bool loaded_ = false;
  bool mustKeepAside_ = false;  // the files were not read as they are: keep them before a save
  std::string keptAside_;
  bool readOnly_ = false;
  bool declined_ = false;
  std::unique_ptr<TFolderLock> lock_;
  TDataStamp stamp_{};
  uint64_t loadedSum_ = 0;  // read-only: the data set as read, to tell whether it was changed
  QUndoStack* history_ = nullptr;
  // Events kept for the next save's journal lines that are not on the history (a restore into a
  // data set that could not be read).
  std::vector<TJournalRecord> unsavedEvents_;
};

}  // namespace absence::ui

#pragma once
// The data session: the one owner of the data set in the running program. It reads, saves,
// abandons, backs up and restores the four lists, and says when they were replaced (Reloaded)
// or edited in place (Changed). Windows take the session and keep identifiers, never record
// pointers, across a Reloaded.
#include <QObject>
#include <QString>
#include <cstdint>
#include <string>

#include "data/dataset.h"

namespace absence::ui {

class TDataSession : public QObject {
  Q_OBJECT
 public:
  // `folder`: the data folder, with a trailing separator.
  explicit TDataSession(std::string folder, QObject* parent = nullptr);

  const TDataSet& Data() const { return data_; }
  TDataSet& Data() { return data_; }
  const std::string& Folder() const { return folder_; }

  // True once the data files were read; false before and after a failed read, while the data
  // set must never be written back.
  bool Loaded() const { return loaded_; }

  // Reads the data files. A failure is reported and leaves the lists as they were; records that
  // could not be read are listed in a warning, and the files as they are are kept aside in a
  // dated subfolder before the first save writes over them.
  bool Load();
  // Writes the four files, replaces the data files and reads them back. A failure is reported
  // and leaves the lists and the files as they were.
  bool Save();
  // Reads the data files again, discarding every change since the last save.
  bool Abandon();
  // At close: writes without reading back. When that fails, the changes are kept in a new
  // backup file and the user is told where. A data set that was never read is not written.
  void SaveAtClose();
  // Backs the data set up into `path` and says so; a failure is reported.
  bool Backup(const QString& path);
  // Replaces the data set with the backup in `path` and says so; a failure (a file that is not
  // a backup among them) is reported and the data set stays as it was. Before it replaces data,
  // it shows what the backup holds against the current data and asks.
  bool Restore(const QString& path);
  // Where the files of the last repaired load were kept; empty when none were.
  const std::string& KeptAside() const { return keptAside_; }
  // Releases the lists (the program is ending).
  void Release();

  // Records by identifier (trashed ones too); nullptr when not in the list.
  TEmpRecClass* Employee(int32_t empID);
  const TEmpRecClass* Employee(int32_t empID) const;
  const TReasonRecClass* Reason(int32_t reasonID) const;

  // A window edited records in place.
  void NotifyChanged() { emit Changed(); }

 signals:
  // The lists were replaced: every record found before is gone.
  void Reloaded();
  // Records were added, edited or trashed in place.
  void Changed();

 private:
  // The sentence that says where the unsaved changes were kept.
  QString KeepUnsavedData();
  // Keeps the data files aside when a repaired load is still to be written over them.
  void KeepFilesAside();
  // Writes the data set over the data files, keeping a generation. Throws EDataFileError.
  void WriteDataFiles(bool reload);

  std::string folder_;
  TDataSet data_;
  bool loaded_ = false;
  bool mustKeepAside_ = false;  // the files were not read as they are: keep them before a save
  std::string keptAside_;
};

}  // namespace absence::ui

#pragma once
// The windows' door to the settings file: the only code of the program that opens it. The
// file is read once (again at start-up and on "Abandon All Changes") and written through the
// core's crash-safe replacement; a change of a preference is announced once per value, and the
// windows that show one follow that signal.
#include <QObject>
#include <QString>

#include "data/settings_file.h"

namespace absence::ui {

class TSettingsService : public QObject {
  Q_OBJECT
 public:
  // The preferences the windows read (kept in App().Settings).
  const TSettings& Values() const;

  // Reads the file again and its preferences (out-of-range values repaired; the column widths
  // dropped when the screen resolution changed since the last run), stores the program's folder
  // for other tools and saves the file. Announces each preference that changed.
  void ReadPreferences();
  // Replaces the preferences; announces each one that changed. Throws ESettingRangeError,
  // changing nothing, when a value is out of its range.
  void SetPreferences(const TSettings& values);
  // Writes the preferences into the file and saves it (`writePrinter` false keeps the stored
  // orientation on a machine without printers).
  void WritePreferences(bool writePrinter);

  // The on/off keys single windows keep (which wizard page to skip, a section shown); a
  // change is saved at once.
  bool Flag(const char* key);
  void SetFlag(const char* key, bool on);
  // A grid's stored column widths under `key` ("0" when none); a change is saved at once.
  QString ColumnWidths(const QString& key);
  void SetColumnWidths(const QString& key, const QString& widths);

  // Forgets what was read: the next use reads the file again (it was written from outside).
  void Reload();

 signals:
  void valueChanged(absence::TSettingId id);

 private:
  // The file named by App().IniPath, read on first use.
  TSettingsFile& File();
  // Saves when something changed; a failure is shown to the user.
  void Save();
  void Announce(const TSettings& before);

  TSettingsFile file_;
};

TSettingsService& SettingsService();

}  // namespace absence::ui

Q_DECLARE_METATYPE(absence::TSettingId)

#pragma once
// The settings file as one object: read once, kept in memory, written back through a flushed
// temporary file renamed over it, and only when its text changed. Every reader and writer of
// "ABSENCE.INI" (the windows through their settings service, the command-line tool) goes
// through it, so the keys, their ranges and the file's format live in one place.
#include <stdexcept>
#include <string>
#include <vector>

#include "data/fileio.h"
#include "data/ini_file.h"
#include "data/settings.h"

namespace absence {

// The preferences of TSettings, one identifier each, for telling which ones changed.
enum class TSettingId {
  HourFormat,
  EmployeeDisplay,
  RecordTime,
  DefaultHours,
  ListOrder,
  Printer,
  BenefitMonth,
  BenefitDay,
  ShowButtonBorder,
  ToolCaption,
  FontSettings,
  StartupState,
  Organization,
  Generations,
};

// A preference outside its range given to the settings (the file's own values are repaired
// when read, never refused).
class ESettingRangeError : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

// Throws ESettingRangeError naming the first value of `s` outside its range.
void CheckSettings(const TSettings& s);
// The preferences that differ between `before` and `after`, in TSettingId order.
std::vector<TSettingId> ChangedSettings(const TSettings& before, const TSettings& after);

class TSettingsFile {
 public:
  TSettingsFile() = default;
  explicit TSettingsFile(std::string path);

  const std::string& Path() const { return ini_.Path(); }
  bool Loaded() const { return loaded_; }

  // Reads the file; a missing or unreadable one reads as empty, and is created by the first
  // save that has something to write.
  void Load();

  // The preferences of the "Initialization" section, out-of-range values repaired. With the
  // current screen resolution, the column-width keys of `productSection` are dropped (to be
  // saved) when the file was written at another one; without, the stored resolution is kept
  // and nothing changes.
  TSettings ReadPreferences() const;
  TSettings ReadPreferences(int screenResolution, const std::string& productSection);
  // Puts the preferences into the file's text in their fixed order (CheckSettings first);
  // `writePrinter` false keeps the stored orientation (a machine without printers).
  void WritePreferences(const TSettings& s, bool writePrinter);

  // An on/off key of the "Initialization" section: true when it holds 1.
  bool Flag(const std::string& key) const;
  void SetFlag(const std::string& key, bool on);
  // A window's column widths in `section` ("0" when none are stored).
  std::string ColumnWidths(const std::string& section, const std::string& key) const;
  void SetColumnWidths(const std::string& section, const std::string& key,
                       const std::string& widths);
  // The program's folder for other tools; a folder the file cannot hold is left out.
  void SetAppPath(const std::string& folder);

  // Writes the file when its text differs from what was read or last written; returns whether
  // it wrote. Throws EDataFileError with the system's message; the old file stays whole.
  bool Save(const TFileOps& ops = TFileOps::Real());

 private:
  TIniFile ini_;
  std::string savedText_;  // the text as read or last written
  bool loaded_ = false;
};

}  // namespace absence

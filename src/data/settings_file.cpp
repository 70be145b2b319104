#include "data/settings_file.h"

#include <cmath>
#include <utility>

namespace absence {
namespace {

constexpr float kMaxDefaultHours = 9999;  // the largest the file's reader accepts

void CheckRange(int value, int low, int high, const char* key) {
  if (value >= low && value <= high) return;
  std::string why = key;
  why += ' ';
  why += std::to_string(value);
  why += " is outside ";
  why += std::to_string(low);
  why += " to ";
  why += std::to_string(high);
  throw ESettingRangeError(why);
}

template <class E>
void CheckChoice(E value, E last, const char* key) {
  CheckRange(static_cast<int>(value), 0, static_cast<int>(last), key);
}

}  // namespace

void CheckSettings(const TSettings& s) {
  CheckChoice(s.HourFormat, THourFormat::Hundredth, "HourFormat");
  CheckChoice(s.EmployeeDisplay, TEmployeeDisplay::Former, "EmployeeDisplay");
  CheckChoice(s.RecordTime, TRecordTime::Days, "RecordTime");
  if (!std::isfinite(s.DefaultHours) || s.DefaultHours < 0 || s.DefaultHours > kMaxDefaultHours) {
    std::string why = "DefaultHours ";
    why += FormatDefaultHours(s.DefaultHours);
    why += " is outside 0 to 9999";
    throw ESettingRangeError(why);
  }
  CheckChoice(s.ListOrder, TListOrder::ByReason, "ListOrder");
  CheckChoice(s.Printer, TOrientation::Landscape, "Printer");
  CheckRange(s.BenefitMonth, 1, 12, "BenefitMonth");
  CheckRange(s.BenefitDay, 1, 31, "BenefitDay");
  CheckChoice(s.ToolCaption, TToolCaption::PictureAndText, "ToolCaption");
  if (FormatStartupState(ParseStartupState(s.StartupState)) != s.StartupState) {
    std::string why = "StartupState \"";
    why += s.StartupState;
    why += "\" is neither 0 nor four numbers for the window's place";
    throw ESettingRangeError(why);
  }
  CheckRange(s.Generations, 0, kMaxGenerations, "Generations");
}

std::vector<TSettingId> ChangedSettings(const TSettings& before, const TSettings& after) {
  std::vector<TSettingId> changed;
  const auto note = [&](bool differs, TSettingId id) {
    if (differs) changed.push_back(id);
  };
  note(before.HourFormat != after.HourFormat, TSettingId::HourFormat);
  note(before.EmployeeDisplay != after.EmployeeDisplay, TSettingId::EmployeeDisplay);
  note(before.RecordTime != after.RecordTime, TSettingId::RecordTime);
  note(before.DefaultHours != after.DefaultHours, TSettingId::DefaultHours);
  note(before.ListOrder != after.ListOrder, TSettingId::ListOrder);
  note(before.Printer != after.Printer, TSettingId::Printer);
  note(before.BenefitMonth != after.BenefitMonth, TSettingId::BenefitMonth);
  note(before.BenefitDay != after.BenefitDay, TSettingId::BenefitDay);
  note(before.ShowButtonBorder != after.ShowButtonBorder, TSettingId::ShowButtonBorder);
  note(before.ToolCaption != after.ToolCaption, TSettingId::ToolCaption);
  note(before.FontSettings != after.FontSettings, TSettingId::FontSettings);
  note(before.StartupState != after.StartupState, TSettingId::StartupState);
  note(before.Organization != after.Organization, TSettingId::Organization);
  note(before.Generations != after.Generations, TSettingId::Generations);
  return changed;
}

TSettingsFile::TSettingsFile(std::string path) : ini_(std::move(path)) {}

void TSettingsFile::Load() {
  ini_.Load();
  savedText_ = ini_.Text();
  loaded_ = true;
}

TSettings TSettingsFile::ReadPreferences() const {
  // At the stored resolution nothing is dropped, so a copy of the file reads the same.
  TIniFile copy = ini_;
  TSettings s;
  ReadIniSettings(copy, std::string(),
                  ini_.ReadInteger(kInitSection, "FontSettings", TSettings{}.FontSettings), s);
  return s;
}

TSettings TSettingsFile::ReadPreferences(int screenResolution, const std::string& productSection) {
  TSettings s;
  ReadIniSettings(ini_, productSection, screenResolution, s);
  return s;
}

void TSettingsFile::WritePreferences(const TSettings& s, bool writePrinter) {
  CheckSettings(s);
  WriteIniSettings(ini_, s, writePrinter);
}

bool TSettingsFile::Flag(const std::string& key) const {
  return ini_.ReadInteger(kInitSection, key, 0) == 1;
}

void TSettingsFile::SetFlag(const std::string& key, bool on) {
  ini_.WriteInteger(kInitSection, key, on ? 1 : 0);
}

std::string TSettingsFile::ColumnWidths(const std::string& section, const std::string& key) const {
  return ini_.ReadString(section, key, "0");
}

void TSettingsFile::SetColumnWidths(const std::string& section, const std::string& key,
                                    const std::string& widths) {
  ini_.WriteString(section, key, widths);
}

void TSettingsFile::SetAppPath(const std::string& folder) {
  try {
    ini_.WriteString(kInitSection, kAppPathKey, folder);
  } catch (const EIniValueError&) {
    // Only other tools read this key; a folder name with a line break is left out.
    ini_.DeleteKey(kInitSection, kAppPathKey);
  }
}

bool TSettingsFile::Save(const TFileOps& ops) {
  std::string text = ini_.Text();
  if (text == savedText_) return false;
  ini_.Save(ops);
  savedText_ = std::move(text);
  return true;
}

}  // namespace absence

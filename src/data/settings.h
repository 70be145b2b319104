#pragma once
// The user's preferences kept in "ABSENCE.INI": their defaults, how out-of-range values are
// repaired when read, and the order in which they are written. Window-specific keys (wizard
// pages, column widths) are named here too so every window spells them the same way.
#include <array>
#include <string>

#include "data/ini_file.h"

namespace absence {

inline constexpr const char* kIniFileName = "ABSENCE.INI";
inline constexpr const char* kInitSection = "Initialization";

// The choices of the settings file. The numbered ones have the numbers the file holds as their
// values; only the settings code converts between them.

// HourFormat: how hours are shown, kept in the file as its number pattern.
enum class THourFormat { Whole, Tenth, Hundredth };  // "#,##0", "#,##0.0", "#,##0.00"
// EmployeeDisplay: which employees the main window lists.
enum class TEmployeeDisplay { All = 0, Current = 1, Former = 2 };
// RecordTime: what entries count in.
enum class TRecordTime { Hours = 0, Days = 1 };
// ListOrder: the order of the absence list.
enum class TListOrder { ByDate = 0, ByReason = 1 };
// Printer: the page orientation.
enum class TOrientation { Portrait = 0, Landscape = 1 };
// ToolCaption: what the toolbar buttons show.
enum class TToolCaption { Picture = 0, Text = 1, PictureAndText = 2 };

// Keys of the "Initialization" section that single windows read and write themselves.
inline constexpr const char* kShowPolicyPageKey = "ShowPolicyPage";
inline constexpr const char* kShowAccrualsKey = "ShowAccruals";
inline constexpr const char* kShowImportPageKey = "ShowImportPage";
inline constexpr const char* kShowExportPageKey = "ShowExportPage";
// The program's folder, written for other tools; the program never reads it.
inline constexpr const char* kAppPathKey = "AppPath";

// Column-width keys of the product-name section; all are dropped when the screen resolution
// changed since the last run, so every grid starts again from its design widths.
inline constexpr std::array<const char*, 7> kColumnWidthKeys = {
    "BalancesSettings", "PolicySettings", "ReasonSettings",  "AbsenceSettings",
    "EmployeeSettings", "DeptSettings",   "AccrualsSettings"};

// Generations: how many automatic backups of the data set the saves keep (see generations.h).
inline constexpr int kMaxGenerationsDefault = 10;
inline constexpr int kMaxGenerations = 999;

// "0" in StartupState: the main window starts maximised.
inline constexpr const char* kStartMaximised = "0";

struct TSettings {
  THourFormat HourFormat = THourFormat::Tenth;
  TEmployeeDisplay EmployeeDisplay = TEmployeeDisplay::All;
  TRecordTime RecordTime = TRecordTime::Hours;
  float DefaultHours = 8;  // hours of an entry made by a drop or by "New"
  TListOrder ListOrder = TListOrder::ByDate;
  TOrientation Printer = TOrientation::Portrait;
  int BenefitMonth = 1;  // first month of the user-defined benefit year
  int BenefitDay = 1;    // its first day (not limited by the month's length here)
  bool ShowButtonBorder = false;
  TToolCaption ToolCaption = TToolCaption::PictureAndText;
  int FontSettings = 96;  // screen resolution (pixels per inch) of the last run
  std::string StartupState = kStartMaximised;
  std::string Organization;  // printed at the top of every report; empty leaves the line blank
  int Generations = kMaxGenerationsDefault;  // generations kept at each save; 0 keeps none
};

// The main window's placement as stored in StartupState.
struct TWindowPlacement {
  bool Maximised = true;
  int Top = 0;
  int Left = 0;
  int ClientWidth = 0;
  int ClientHeight = 0;
};

// Reads the "Initialization" keys in their fixed order into `s`, repairing values out of range.
// When the stored FontSettings differs from `screenResolution`, the column-width keys are deleted
// from `productSection` of `ini` (the caller saves the file). `s.FontSettings` becomes the
// current resolution.
void ReadIniSettings(TIniFile& ini, const std::string& productSection, int screenResolution,
                     TSettings& s);

// Writes the "Initialization" keys in their fixed order. `writePrinter` is false on a machine
// without printers, so the stored orientation survives such a run.
void WriteIniSettings(TIniFile& ini, const TSettings& s, bool writePrinter);

// The number pattern of an hour format ("#,##0.0"), as the file holds it and FormatNumber
// takes it.
const char* HourFormatPattern(THourFormat format);
// The key's text read: one of the three patterns; anything else means hundredths.
THourFormat HourFormatFromText(const std::string& text);
// The stored text of DefaultHours: the text "0" (or a text that is no number, or a negative one)
// means unset and gives 1 for days, else 8. "0.00" is a default of 0 hours.
float DefaultHoursFromText(const std::string& text, TRecordTime recordTime);
// The organization name as one line of the settings file (line breaks become spaces).
std::string OrganizationLine(const std::string& name);
// "%3.2f", the stored form of DefaultHours.
std::string FormatDefaultHours(float hours);

// `value` in a number pattern such as "#,##0.0" or "#0.00": as many decimals as the pattern has
// after its point, at most 15 (rounded half away from zero), thousands separated by "," when the
// pattern has one. A negative value keeps its minus sign.
std::string FormatNumber(double value, const std::string& pattern);

// "0" or "top,left,clientWidth,clientHeight"; anything unreadable means maximised.
TWindowPlacement ParseStartupState(const std::string& text);
std::string FormatStartupState(const TWindowPlacement& p);

}  // namespace absence

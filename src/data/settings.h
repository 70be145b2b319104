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

// Hour display patterns.
inline constexpr const char* kHourFormatWhole = "#,##0";
inline constexpr const char* kHourFormatTenth = "#,##0.0";
inline constexpr const char* kHourFormatHundredth = "#,##0.00";

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

// "0" in StartupState: the main window starts maximised.
inline constexpr const char* kStartMaximised = "0";

struct TSettings {
  std::string HourFormat = kHourFormatTenth;
  int EmployeeDisplay = 0;  // 0 all, 1 current, 2 former employees
  int RecordTime = 0;       // 0 hours, 1 days
  float DefaultHours = 8;   // hours of an entry made by a drop or by "New"
  int ListOrder = 0;        // absence list: 0 by date, 1 by reason
  int Printer = 0;          // orientation: 0 portrait, 1 landscape
  int BenefitMonth = 1;     // first month of the user-defined benefit year
  int BenefitDay = 1;       // its first day (not limited by the month's length here)
  bool ShowButtonBorder = false;
  int ToolCaption = 2;    // 0 picture only, 1 text only, 2 picture and text
  int FontSettings = 96;  // screen resolution (pixels per inch) of the last run
  std::string StartupState = kStartMaximised;
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

// The key's text repaired: any of the three patterns, anything else means hundredths.
std::string NormalizeHourFormat(const std::string& text);
// The stored text of DefaultHours: "0" (or a text that is no positive number) means unset and
// gives 1 for days, else 8.
float DefaultHoursFromText(const std::string& text, int recordTime);
// "%3.2f", the stored form of DefaultHours.
std::string FormatDefaultHours(float hours);

// `value` in a number pattern such as "#,##0.0" or "#0.00": as many decimals as the pattern has
// after its point (rounded half away from zero), thousands separated by "," when the pattern
// has one. A negative value keeps its minus sign.
std::string FormatNumber(double value, const std::string& pattern);

// "0" or "top,left,clientWidth,clientHeight"; anything unreadable means maximised.
TWindowPlacement ParseStartupState(const std::string& text);
std::string FormatStartupState(const TWindowPlacement& p);

}  // namespace absence

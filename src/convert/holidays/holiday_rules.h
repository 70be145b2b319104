#pragma once
// Holiday rules: a small text file beside the data files, one rule per line,
//
//   NAME: WHEN [observed|substitute] [, reason ID] [, hours H]
//
// where WHEN is a fixed day "MM/DD" (month first, whatever the locale), "Nth WEEKDAY of MONTH"
// (1st to 4th, or last) or "Easter" with an optional day offset ("Easter -2"). `observed` moves a
// Saturday holiday to the Friday before and a Sunday one to the Monday after; `substitute` moves
// a weekend holiday to the next weekday that is no other holiday of the set. Lines starting with
// '#' and blank lines are ignored. docs/holiday-rules.md describes the format for users.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "dates/date_type.h"

namespace absence {

inline constexpr const char* kHolidayRulesFile = "holidays.txt";
// The years whose holidays can be made: their dates all fit the data files.
inline constexpr int kFirstHolidayYear = 1900;
inline constexpr int kLastHolidayYear = 3700;

enum class THolidayShift { None, Observed, Substitute };

struct THolidayRule {
  enum class TKind { Fixed, NthWeekday, LastWeekday, Easter };
  std::string Name;
  TKind Kind = TKind::Fixed;
  int Month = 1;    // Fixed, NthWeekday, LastWeekday
  int Day = 1;      // Fixed
  int Nth = 1;      // NthWeekday: 1..4
  int Weekday = 0;  // NthWeekday, LastWeekday: 0 Sunday .. 6 Saturday
  int Offset = 0;   // Easter: days after Easter Sunday (negative before)
  THolidayShift Shift = THolidayShift::None;
  int32_t ReasonID = 0;        // 0: the reason the command is given
  std::optional<float> Hours;  // none: the hours the command is given
  int Line = 0;                // line of the rules text
};

// The rules text has faults; each message starts with its line ("Line 3: ...").
class EHolidayRulesError : public std::runtime_error {
 public:
  explicit EHolidayRulesError(std::vector<std::string> errors);
  const std::vector<std::string>& Errors() const { return errors_; }

 private:
  std::vector<std::string> errors_;
};

// Parses a whole rules text; throws EHolidayRulesError listing every faulty line.
std::vector<THolidayRule> ParseHolidayRules(std::string_view text);

// Easter Sunday of `year` in the Gregorian calendar.
TDate EasterSunday(int year);

// The day of a rule in `year` before any observed or substitute shift.
TDate RuleDate(const THolidayRule& rule, int year);

// One holiday of a year, with the reason and hours it is entered with.
struct THoliday {
  std::string Name;
  TDate Date = 0;
  int32_t ReasonID = 0;
  float Hours = 0;
};

// The holidays that fall in `year`, by date, after their shifts: a holiday observed on the last
// day of the year before (New Year's Day on a Saturday) belongs to that year, not to `year`.
// Rules without a reason or hours take `reasonID` and `hours`. Throws std::out_of_range for a
// year outside kFirstHolidayYear..kLastHolidayYear.
std::vector<THoliday> HolidaysOfYear(const std::vector<THolidayRule>& rules, int year,
                                     int32_t reasonID, float hours);

// The ready-made rule sets offered when the rules file is first made.
struct TStarterRules {
  std::string Name;  // "United States (federal)"
  std::string Text;  // a rules text
};
const std::vector<TStarterRules>& StarterRuleSets();

// The explanation written above the rules of a new rules file and shown beside the editor.
const std::string& HolidayRulesHelp();

// The rules file of a data folder (with trailing separator).
std::string HolidayRulesPath(const std::string& folder);
// Reads the rules file; std::nullopt when it does not exist. Throws EDataFileError when it cannot
// be read.
std::optional<std::string> ReadHolidayRulesText(const std::string& folder);
// Writes the rules file crash-safely (the old text stays whole until the new one is in place).
void WriteHolidayRulesText(const std::string& folder, const std::string& text);

}  // namespace absence

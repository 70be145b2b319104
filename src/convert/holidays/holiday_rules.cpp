#include "convert/holidays/holiday_rules.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <set>

#include "data/dataset.h"
#include "data/fileio.h"
#include "dates/dates.h"

namespace absence {
namespace {

// A rules file is a few dozen lines; anything far larger is not one.
constexpr uint64_t kMaxRulesFileSize = uint64_t{1} << 20;

const char* const kMonths[] = {"january",   "february", "march",    "april",
                               "may",       "june",     "july",     "august",
                               "september", "october",  "november", "december"};
const char* const kWeekdays[] = {"sunday",   "monday", "tuesday", "wednesday",
                                 "thursday", "friday", "saturday"};

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

std::vector<std::string> Words(std::string_view s) {
  std::vector<std::string> words;
  std::size_t i = 0;
  while (i < s.size()) {
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
    std::size_t j = i;
    while (j < s.size() && !std::isspace(static_cast<unsigned char>(s[j]))) ++j;
    if (j > i) words.emplace_back(s.substr(i, j - i));
    i = j;
  }
  return words;
}

// A name from `names`, written out in full or by its first three letters; -1 when none.
int NameIndex(const std::string& word, const char* const* names, int count) {
  for (int i = 0; i < count; ++i) {
    const std::string_view name = names[i];
    if (word == name || (word.size() == 3 && name.substr(0, 3) == word)) return i;
  }
  return -1;
}

// A whole number made of the whole text (a leading '+' allowed).
std::optional<int> WholeNumber(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<float> Number(std::string_view text) {
  float value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

class ERuleFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

void ParseFixed(const std::string& word, THolidayRule& rule) {
  const std::size_t slash = word.find('/');
  const auto month = WholeNumber(std::string_view(word).substr(0, slash));
  const auto day = slash == std::string::npos
                       ? std::nullopt
                       : WholeNumber(std::string_view(word).substr(slash + 1));
  if (!month || !day || word.front() == '+' || word[slash + 1] == '+')
    throw ERuleFault("\"" + word + "\" is no day: write it as month/day, like 12/25");
  if (*month < 1 || *month > 12) throw ERuleFault("\"" + word + "\" has no month 1 to 12");
  // 2000 is a leap year: 02/29 passes here and is refused below, with its own message.
  if (*day < 1 || *day > DaysInMonth(2000, *month))
    throw ERuleFault("\"" + word + "\" is not a day of that month");
  if (*month == 2 && *day == 29) throw ERuleFault("02/29 is not a day of every year");
  rule.Kind = THolidayRule::TKind::Fixed;
  rule.Month = *month;
  rule.Day = *day;
}

void ParseEaster(const std::vector<std::string>& words, THolidayRule& rule) {
  std::string offset;
  offset = words.front().substr(6);
  for (std::size_t i = 1; i < words.size(); ++i) offset += words[i];
  rule.Kind = THolidayRule::TKind::Easter;
  rule.Offset = 0;
  if (offset.empty()) return;
  const auto n =
      (offset.front() == '+' || offset.front() == '-') ? WholeNumber(offset) : std::optional<int>();
  if (!n) throw ERuleFault("after Easter comes a number of days, like Easter -2 or Easter +1");
  if (*n < -200 || *n > 200) throw ERuleFault("the days from Easter must be from -200 to 200");
  rule.Offset = *n;
}

void ParseWeekday(const std::vector<std::string>& words, THolidayRule& rule) {
  static const char* const kOrdinals[] = {"1st", "2nd", "3rd", "4th"};
  static const char* const kOrdinalWords[] = {"first", "second", "third", "fourth"};
  const char* const form = "write it like \"4th Thursday of November\" or \"last Monday of May\"";
  if (words.size() != 4 || words[2] != "of") throw ERuleFault(std::string("unknown day: ") + form);
  int nth = -1;
  for (int i = 0; i < 4; ++i)
    if (words[0] == kOrdinals[i] || words[0] == kOrdinalWords[i]) nth = i + 1;
  if (words[0] == "last") nth = 0;
  if (nth < 0) throw ERuleFault("\"" + words[0] + "\" is not 1st, 2nd, 3rd, 4th or last");
  const int weekday = NameIndex(words[1], kWeekdays, 7);
  if (weekday < 0) throw ERuleFault("\"" + words[1] + "\" is no day of the week");
  const int month = NameIndex(words[3], kMonths, 12);
  if (month < 0) throw ERuleFault("\"" + words[3] + "\" is no month");
  rule.Kind = nth == 0 ? THolidayRule::TKind::LastWeekday : THolidayRule::TKind::NthWeekday;
  rule.Nth = std::max(nth, 1);
  rule.Weekday = weekday;
  rule.Month = month + 1;
}

void ParseOption(std::string_view text, THolidayRule& rule) {
  const std::vector<std::string> words = Words(Lower(text));
  if (words.size() == 2 && words[0] == "reason") {
    const auto id = WholeNumber(words[1]);
    if (!id || *id < 1) throw ERuleFault("the reason is a reason's ID, a whole number from 1");
    rule.ReasonID = *id;
    return;
  }
  if (words.size() == 2 && words[0] == "hours") {
    const auto h = Number(words[1]);
    if (!h || !std::isfinite(*h) || *h <= 0 || *h > 24)
      throw ERuleFault("the hours must be a number above 0 and at most 24");
    rule.Hours = *h;
    return;
  }
  throw ERuleFault("\"" + std::string(Trim(text)) +
                   "\" is not understood: after a comma come \"reason ID\" or \"hours H\"");
}

THolidayRule ParseRule(std::string_view line) {
  const std::size_t colon = line.find(':');
  if (colon == std::string_view::npos)
    throw ERuleFault("a rule is written NAME: WHEN, like \"Memorial Day: last Monday of May\"");
  THolidayRule rule;
  rule.Name = std::string(Trim(line.substr(0, colon)));
  if (rule.Name.empty()) throw ERuleFault("the rule has no name before the colon");
  std::string_view rest = line.substr(colon + 1);
  const std::size_t comma = rest.find(',');
  std::vector<std::string> words = Words(Lower(rest.substr(0, comma)));
  if (!words.empty() && (words.back() == "observed" || words.back() == "substitute")) {
    rule.Shift = words.back() == "observed" ? THolidayShift::Observed : THolidayShift::Substitute;
    words.pop_back();
  }
  if (words.empty()) throw ERuleFault("the rule has no day after the colon");
  if (words.front().starts_with("easter"))
    ParseEaster(words, rule);
  else if (words.size() == 1)
    ParseFixed(words.front(), rule);
  else
    ParseWeekday(words, rule);
  while (comma != std::string_view::npos && !rest.empty()) {
    rest = rest.substr(rest.find(',') + 1);
    const std::size_t next = rest.find(',');
    ParseOption(rest.substr(0, next), rule);
    if (next == std::string_view::npos) break;
  }
  return rule;
}

int WeekdayOf(TDate d) {
  return static_cast<int>(std::chrono::weekday(ToSysDays(d)).c_encoding());
}

bool IsWeekend(TDate d) {
  const int w = WeekdayOf(d);
  return w == 0 || w == 6;
}

std::string JoinLines(const std::vector<std::string>& errors) {
  std::string text;
  for (const auto& e : errors) {
    if (!text.empty()) text += '\n';
    text += e;
  }
  return text;
}

// The holidays of the rules' own year `year`, shifted (a shifted day may leave the year).
std::vector<THoliday> ShiftedHolidays(const std::vector<THolidayRule>& rules, int year,
                                      int32_t reasonID, float hours) {
  std::vector<THoliday> out;
  std::set<TDate> taken;
  for (const auto& r : rules) {
    out.push_back({r.Name, RuleDate(r, year), r.ReasonID > 0 ? r.ReasonID : reasonID,
                   r.Hours.value_or(hours)});
    taken.insert(out.back().Date);
  }
  for (std::size_t i = 0; i < rules.size(); ++i) {
    TDate& d = out[i].Date;
    if (!IsWeekend(d)) continue;
    if (rules[i].Shift == THolidayShift::Observed) {
      d += WeekdayOf(d) == 6 ? -1 : 1;
    } else if (rules[i].Shift == THolidayShift::Substitute) {
      // The next weekday that is no other holiday (Christmas on a Saturday, Boxing Day on the
      // Sunday after: Monday and Tuesday).
      do ++d;
      while (IsWeekend(d) || taken.contains(d));
      taken.insert(d);
    }
  }
  return out;
}

}  // namespace

EHolidayRulesError::EHolidayRulesError(std::vector<std::string> errors)
    : std::runtime_error(JoinLines(errors)), errors_(std::move(errors)) {}

std::vector<THolidayRule> ParseHolidayRules(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<THolidayRule> rules;
  std::vector<std::string> errors;
  int lineNo = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = Trim(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNo;
    if (line.empty() || line.front() == '#') continue;
    try {
      rules.push_back(ParseRule(line));
      rules.back().Line = lineNo;
    } catch (const ERuleFault& e) {
      std::string message = "Line " + std::to_string(lineNo);
      message += ": ";
      message += e.what();
      message += '.';
      errors.push_back(std::move(message));
    }
  }
  if (!errors.empty()) throw EHolidayRulesError(std::move(errors));
  return rules;
}

TDate EasterSunday(int year) {
  // The anonymous Gregorian computus (Meeus/Jones/Butcher).
  const int a = year % 19, b = year / 100, c = year % 100;
  const int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
  const int h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4;
  const int l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  const int month = (h + l - 7 * m + 114) / 31;
  const int day = (h + l - 7 * m + 114) % 31 + 1;
  return EncodeDate(year, month, day);
}

TDate RuleDate(const THolidayRule& rule, int year) {
  switch (rule.Kind) {
    case THolidayRule::TKind::Fixed:
      return EncodeDate(year, rule.Month, rule.Day);
    case THolidayRule::TKind::Easter:
      return EasterSunday(year) + rule.Offset;
    case THolidayRule::TKind::NthWeekday: {
      const TDate first = EncodeDate(year, rule.Month, 1);
      return first + (rule.Weekday - WeekdayOf(first) + 7) % 7 + 7 * (rule.Nth - 1);
    }
    case THolidayRule::TKind::LastWeekday: {
      const TDate last = EncodeDate(year, rule.Month, DaysInMonth(year, rule.Month));
      return last - (WeekdayOf(last) - rule.Weekday + 7) % 7;
    }
  }
  return 0;
}

std::vector<THoliday> HolidaysOfYear(const std::vector<THolidayRule>& rules, int year,
                                     int32_t reasonID, float hours) {
  if (year < kFirstHolidayYear || year > kLastHolidayYear)
    throw std::out_of_range("Holidays can be made for the years " +
                            std::to_string(kFirstHolidayYear) + " to " +
                            std::to_string(kLastHolidayYear) + ".");
  std::vector<THoliday> out;
  // A shift moves a day by a few days at most, so only the neighbouring years can reach `year`.
  for (int y = year - 1; y <= year + 1; ++y)
    for (auto& h : ShiftedHolidays(rules, y, reasonID, hours))
      if (Year(h.Date) == year) out.push_back(std::move(h));
  std::stable_sort(out.begin(), out.end(),
                   [](const THoliday& a, const THoliday& b) { return a.Date < b.Date; });
  return out;
}

std::string HolidayRulesPath(const std::string& folder) {
  return DataPath(folder, kHolidayRulesFile);
}

std::optional<std::string> ReadHolidayRulesText(const std::string& folder) {
  const std::string path = HolidayRulesPath(folder);
  if (!FileIsThere(path)) return std::nullopt;
  const TBytes bytes = ReadWholeFile(path, kMaxRulesFileSize);
  return std::string(bytes.begin(), bytes.end());
}

void WriteHolidayRulesText(const std::string& folder, const std::string& text) {
  ReplaceFile(HolidayRulesPath(folder),
              std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
              ".~absence-holidays~");
}

}  // namespace absence

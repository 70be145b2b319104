#include "data/settings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace absence {
namespace {

// A numbered choice 0..last; a number out of range reads as the last choice.
template <class E>
E ReadChoice(const TIniFile& ini, const char* key, E def, E last) {
  const int v = ini.ReadInteger(kInitSection, key, static_cast<int>(def));
  return (v >= 0 && v < static_cast<int>(last)) ? static_cast<E>(v) : last;
}

template <class E>
void WriteChoice(TIniFile& ini, const char* key, E value) {
  ini.WriteInteger(kInitSection, key, static_cast<int>(value));
}

int ReadDayOrMonth(const TIniFile& ini, const char* key, int maximum) {
  const int v = ini.ReadInteger(kInitSection, key, 1);
  return (v >= 1 && v <= maximum) ? v : 1;
}

bool ParseIntStrict(const std::string& text, int& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (end != text.c_str() + text.size() || v < -1000000 || v > 1000000) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

const char* HourFormatPattern(THourFormat format) {
  switch (format) {
    case THourFormat::Whole:
      return "#,##0";
    case THourFormat::Tenth:
      return "#,##0.0";
    case THourFormat::Hundredth:
      break;
  }
  return "#,##0.00";
}

THourFormat HourFormatFromText(const std::string& text) {
  for (THourFormat f : {THourFormat::Whole, THourFormat::Tenth})
    if (text == HourFormatPattern(f)) return f;
  return THourFormat::Hundredth;
}

float DefaultHoursFromText(const std::string& text, TRecordTime recordTime) {
  const float unset = recordTime == TRecordTime::Days ? 1.0f : 8.0f;
  if (text.empty() || text == "0") return unset;
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  // Anything but a plain number of zero or more (garbage, NaN, absurd sizes) is treated as unset.
  if (end != text.c_str() + text.size() || !std::isfinite(v) || v < 0 || v > 9999) return unset;
  return static_cast<float>(v);
}

std::string OrganizationLine(const std::string& name) {
  std::string line = name;
  for (char& c : line)
    if (c == '\r' || c == '\n') c = ' ';
  return line;
}

std::string FormatDefaultHours(float hours) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%3.2f", static_cast<double>(hours));
  return buf;
}

std::string FormatNumber(double value, const std::string& pattern) {
  if (!std::isfinite(value)) return "";
  const std::size_t point = pattern.find('.');
  // A double holds no more than 15 decimal digits; a longer pattern gets those.
  const int decimals =
      point == std::string::npos
          ? 0
          : static_cast<int>(std::min<std::size_t>(pattern.size() - point - 1, 15));
  const bool grouped = pattern.find(',') != std::string::npos;
  double scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const double scaled = std::round(std::fabs(value) * scale);
  if (scaled > 1e15) return "";
  const auto units = static_cast<long long>(scaled);
  const long long whole = units / static_cast<long long>(scale);
  const long long fraction = units % static_cast<long long>(scale);

  std::string digits = std::to_string(whole);
  if (grouped)
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(i, ",");
  std::string text = (value < 0 && units != 0) ? "-" + digits : digits;
  if (decimals > 0) {
    std::string frac = std::to_string(fraction);
    text += "." + std::string(decimals - frac.size(), '0') + frac;
  }
  return text;
}

TWindowPlacement ParseStartupState(const std::string& text) {
  TWindowPlacement p;
  if (text == kStartMaximised) return p;
  std::vector<int> parts;
  std::size_t pos = 0;
  while (parts.size() < 5) {
    const std::size_t comma = text.find(',', pos);
    int v = 0;
    if (!ParseIntStrict(text.substr(pos, comma - pos), v)) return TWindowPlacement{};
    parts.push_back(v);
    if (comma == std::string::npos) break;
    pos = comma + 1;
  }
  if (parts.size() != 4 || parts[2] <= 0 || parts[3] <= 0) return TWindowPlacement{};
  p.Maximised = false;
  p.Top = parts[0];
  p.Left = parts[1];
  p.ClientWidth = parts[2];
  p.ClientHeight = parts[3];
  return p;
}

std::string FormatStartupState(const TWindowPlacement& p) {
  if (p.Maximised) return kStartMaximised;
  return std::to_string(p.Top) + "," + std::to_string(p.Left) + "," +
         std::to_string(p.ClientWidth) + "," + std::to_string(p.ClientHeight);
}

void ReadIniSettings(TIniFile& ini, const std::string& productSection, int screenResolution,
                     TSettings& s) {
  const int stored = ini.ReadInteger(kInitSection, "FontSettings", screenResolution);
  if (stored != screenResolution)
    for (const char* key : kColumnWidthKeys) ini.DeleteKey(productSection, key);
  s.FontSettings = screenResolution;

  s.HourFormat = HourFormatFromText(
      ini.ReadString(kInitSection, "HourFormat", HourFormatPattern(THourFormat::Tenth)));
  s.EmployeeDisplay =
      ReadChoice(ini, "EmployeeDisplay", TEmployeeDisplay::All, TEmployeeDisplay::Former);
  s.RecordTime = ReadChoice(ini, "RecordTime", TRecordTime::Hours, TRecordTime::Days);
  s.DefaultHours =
      DefaultHoursFromText(ini.ReadString(kInitSection, "DefaultHours", "0"), s.RecordTime);
  s.ListOrder = ReadChoice(ini, "ListOrder", TListOrder::ByDate, TListOrder::ByReason);
  s.Printer = ini.ReadInteger(kInitSection, "Printer", 0) != 0 ? TOrientation::Landscape
                                                               : TOrientation::Portrait;
  s.BenefitMonth = ReadDayOrMonth(ini, "BenefitMonth", 12);
  s.BenefitDay = ReadDayOrMonth(ini, "BenefitDay", 31);
  s.ShowButtonBorder = ini.ReadInteger(kInitSection, "ShowButtonBorder", 0) == 1;
  s.ToolCaption =
      ReadChoice(ini, "ToolCaption", TToolCaption::PictureAndText, TToolCaption::PictureAndText);
  s.StartupState = FormatStartupState(
      ParseStartupState(ini.ReadString(kInitSection, "StartupState", kStartMaximised)));
  s.Organization = ini.ReadString(kInitSection, "Organization", "");
  s.Generations = std::clamp(ini.ReadInteger(kInitSection, "Generations", kMaxGenerationsDefault),
                             0, kMaxGenerations);
}

void WriteIniSettings(TIniFile& ini, const TSettings& s, bool writePrinter) {
  ini.WriteString(kInitSection, "HourFormat", HourFormatPattern(s.HourFormat));
  ini.WriteInteger(kInitSection, "BenefitMonth", s.BenefitMonth);
  ini.WriteInteger(kInitSection, "BenefitDay", s.BenefitDay);
  WriteChoice(ini, "ListOrder", s.ListOrder);
  ini.WriteInteger(kInitSection, "FontSettings", s.FontSettings);
  if (writePrinter) WriteChoice(ini, "Printer", s.Printer);
  ini.WriteInteger(kInitSection, "ShowButtonBorder", s.ShowButtonBorder ? 1 : 0);
  WriteChoice(ini, "ToolCaption", s.ToolCaption);
  WriteChoice(ini, "EmployeeDisplay", s.EmployeeDisplay);
  WriteChoice(ini, "RecordTime", s.RecordTime);
  ini.WriteString(kInitSection, "DefaultHours", FormatDefaultHours(s.DefaultHours));
  ini.WriteString(kInitSection, "StartupState", s.StartupState);
  ini.WriteString(kInitSection, "Organization", OrganizationLine(s.Organization));
  ini.WriteInteger(kInitSection, "Generations", s.Generations);
}

}  // namespace absence

// The change history's printout and CSV file.
#include "reports/history_list.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sstream>

#include "data/fileio.h"
#include "dates/date_text.h"
#include "reports/list_frame.h"

namespace absence::reports {
namespace {

// Value lines are broken at this many characters: a policy ladder or a long name would run
// off the page.
constexpr std::size_t kValueLineChars = 80;

std::string Side(const std::optional<std::string>& v) {
  return v ? *v : std::string("(none)");
}

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

void CsvLine(std::ostream& out, const std::vector<std::string>& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) out << ',';
    out << CsvField(fields[i]);
  }
  out << "\r\n";
}

// Pieces of at most kValueLineChars characters, broken after a space where there is one and
// never inside a UTF-8 sequence.
std::vector<std::string> Broken(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (text.size() - start > kValueLineChars) {
    std::size_t cut = start + kValueLineChars;
    while (cut > start && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    // The space ends the piece, so it is looked for before the cut.
    const std::size_t space = text.rfind(' ', cut - 1);
    if (space != std::string::npos && space > start + kValueLineChars / 2) cut = space + 1;
    lines.push_back(text.substr(start, cut - start));
    start = cut;
  }
  lines.push_back(text.substr(start));
  return lines;
}

}  // namespace

std::string HistoryWhen(int64_t ms, const std::string& datePattern) {
  const std::time_t t = static_cast<std::time_t>(ms / 1000 - (ms % 1000 < 0 ? 1 : 0));
  std::tm local{};
  localtime_r(&t, &local);
  char clock[8];
  std::snprintf(clock, sizeof clock, "%02d:%02d", local.tm_hour, local.tm_min);
  std::string s = FormatDate(JournalDay(ms), datePattern);
  s += ' ';
  s += clock;
  return s;
}

std::string HistoryValueText(const TJournalValue& value) {
  std::string s = value.What;
  s += ": ";
  s += Side(value.Before);
  s += " \u2192 ";
  s += Side(value.After);
  return s;
}

std::string HistoryValuesText(const TJournalRecord& record, std::size_t limit) {
  std::string s;
  const std::size_t n = std::min(limit, record.Values.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0) s += "; ";
    s += HistoryValueText(record.Values[i]);
  }
  if (record.Values.size() > n) {
    s += "; and ";
    s += std::to_string(record.Values.size() - n);
    s += " more";
  }
  return s;
}

TDocument PrintHistoryList(const TPrintoutSetup& setup, const TJournal& journal,
                           const std::vector<std::size_t>& shown, const std::string& subtitle) {
  const TReportSettings& s = setup.Settings;
  TPrintObject p(setup.Metrics, setup.Device);
  StartList(p);
  ListFrame(p, s, "Change History", subtitle, 12);
  p.SetDetailArea(1.4, 10.2);
  p.SetColumn(1, 0.5, 1.45);
  p.SetColumn(2, 2.0, 1.1);
  p.SetColumn(3, 3.15, 4.35);
  p.SetColumn(4, 3.4, 4.1);
  const auto headings = [&p] {
    p.WriteInColumn(1, "When", kCurrentLine);
    p.WriteInColumn(2, "User", kCurrentLine);
    p.WriteInColumn(3, "Change", kCurrentLine);
  };
  ColumnHeadings(p, headings);
  for (const std::size_t i : shown) {
    const TJournalRecord& r = journal.Records.at(i);
    EnsureRowFits(p, headings);
    p.WriteInColumn(1, HistoryWhen(r.Time, s.DatePattern), kCurrentLine);
    p.WriteInColumn(2, r.User, kCurrentLine);
    p.WriteInColumn(3, r.Text, kCurrentLine);
    p.NextLine();
    for (const TJournalValue& v : r.Values)
      for (const std::string& line : Broken(HistoryValueText(v))) {
        EnsureRowFits(p, headings);
        p.WriteInColumn(4, line, kCurrentLine);
        p.NextLine();
      }
  }
  return p.EndPrintJob();
}

void WriteHistoryCsv(std::ostream& out, const TJournal& journal,
                     const std::vector<std::size_t>& shown) {
  CsvLine(out, {"Time", "User", "Host", "Kind", "Change", "Value", "Before", "After"});
  for (const std::size_t i : shown) {
    const TJournalRecord& r = journal.Records.at(i);
    const std::string when = JournalTimeText(r.Time);
    if (r.Values.empty()) CsvLine(out, {when, r.User, r.Host, r.Kind, r.Text, "", "", ""});
    for (const TJournalValue& v : r.Values)
      CsvLine(out, {when, r.User, r.Host, r.Kind, r.Text, v.What, v.Before.value_or(""),
                    v.After.value_or("")});
  }
}

void WriteHistoryCsvFile(const std::string& path, const TJournal& journal,
                         const std::vector<std::size_t>& shown) {
  std::ostringstream out;
  WriteHistoryCsv(out, journal, shown);
  const std::string text = out.str();
  ReplaceFile(path,
              std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()),
              ".tmp");
}

}  // namespace absence::reports

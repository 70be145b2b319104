// The change history printout on the recording pages, and the short form of a change's values.
#include <gtest/gtest.h>

#include "report_test_support.h"
#include "reports/history_list.h"

namespace absence::test {
namespace {

TJournalRecord Change(int i, std::vector<TJournalValue> values) {
  TJournalRecord r;
  r.Time = 1'765'000'000'000 + int64_t{i} * 3'600'000;
  r.User = "user" + std::to_string(i % 3);
  r.Host = "host";
  r.Kind = journal_kind::kEditEmployee;
  r.Text = "Change " + std::to_string(i);
  r.Values = std::move(values);
  return r;
}

// Long enough to run off the page: it must come out on several lines, nothing lost.
std::string LongValue() {
  std::string s;
  for (int i = 0; i < 12; ++i) s += "12-24 months: 80 h, carry-over 40; ";
  s += "\u00e9\u00e9\u00e9\u00e9\u00e9\u00e9";
  return s;
}

TEST(HistoryPrintout, EveryChangeAndValueInTheOrderGivenAcrossPages) {
  TJournal journal;
  for (int i = 0; i < 40; ++i)
    journal.Records.push_back(
        Change(i, {{"LastName", "Old" + std::to_string(i), "New" + std::to_string(i)},
                   {"Rules", std::nullopt, LongValue()}}));
  const std::vector<std::size_t> shown = {39, 20, 3, 0, 1, 2, 5, 8, 13, 21, 34, 38, 37, 36, 35};
  TReportSettings settings;
  settings.Organization = "Acme Works";
  settings.Today = 46364;
  TFixedMetrics metrics;
  const TDocument doc = reports::PrintHistoryList({metrics, LetterDevice(600, 0.25), settings},
                                                  journal, shown, "Smith, Ann");
  ASSERT_GT(doc.Pages.size(), 1u);

  std::vector<std::string> changes;
  std::string values;
  for (const TPage& page : doc.Pages) {
    const auto lines = PageLines(page);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[2], "Change History");
    EXPECT_EQ(lines[3], "Smith, Ann");
    EXPECT_EQ(lines[4], "When | User | Change");
    for (std::size_t i = 5; i < lines.size(); ++i) {
      const std::string& line = lines[i];
      if (const auto at = line.find(" | Change "); at != std::string::npos) {
        changes.push_back(line.substr(at + 3));
      } else {
        EXPECT_LE(line.size(), 80u) << line;
        values += line;
      }
    }
  }
  std::vector<std::string> expected;
  std::string expectedValues;
  for (const std::size_t i : shown) {
    expected.push_back(journal.Records[i].Text);
    for (const TJournalValue& v : journal.Records[i].Values)
      expectedValues += reports::HistoryValueText(v);
  }
  EXPECT_EQ(changes, expected);
  // Broken lines put together give every value whole.
  EXPECT_EQ(values, expectedValues);
}

TEST(HistoryPrintout, ValuesInShortFormSayHowManyAreLeftOut) {
  std::vector<TJournalValue> values;
  for (int i = 0; i < 5; ++i)
    values.push_back({"V" + std::to_string(i),
                      i % 2 ? std::optional<std::string>("b") : std::nullopt,
                      i == 4 ? std::nullopt : std::optional<std::string>("a")});
  const TJournalRecord r = Change(0, values);
  EXPECT_EQ(reports::HistoryValuesText(r, 10),
            "V0: (none) \u2192 a; V1: b \u2192 a; V2: (none) \u2192 a; V3: b \u2192 a; "
            "V4: (none) \u2192 (none)");
  EXPECT_EQ(reports::HistoryValuesText(r, 2), "V0: (none) \u2192 a; V1: b \u2192 a; and 3 more");
}

}  // namespace
}  // namespace absence::test

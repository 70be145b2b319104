// The change journal: lines that read back as written, damage and torn lines skipped and
// reported, filters, and appends that a crash can cut short at any byte without losing or
// doubling a record.
#include <fstream>
#include <sstream>

#include "data/journal.h"
#include "data_test_support.h"
#include "dates/dates.h"

namespace absence {
namespace {

TJournalRecord Record(int64_t time, std::string kind, std::string text,
                      std::vector<TJournalRef> refs = {}, std::vector<TJournalValue> values = {}) {
  TJournalRecord r;
  r.Time = time;
  r.User = "ann";
  r.Host = "office-pc";
  r.Kind = std::move(kind);
  r.Text = std::move(text);
  r.Records = std::move(refs);
  r.Values = std::move(values);
  return r;
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

// Noon UTC of a day, in milliseconds: the same local day in every time zone within 11 hours.
int64_t Noon(int y, unsigned m, unsigned d) {
  using namespace std::chrono;
  return duration_cast<milliseconds>(
             (sys_days(year_month_day(year(y), month(m), day(d))) + hours(12)).time_since_epoch())
      .count();
}

const TJournalRef kPriya{TJournalRefType::Employee, 7, "Gupta, Priya", 2};
const TJournalRef kOmar{TJournalRefType::Employee, 9, "Haddad, Omar", 3};
const TJournalRef kVacation{TJournalRefType::Reason, 1, "Vacation", 0};
const TJournalRef kSick{TJournalRefType::Reason, 2, "Sick", 0};
const TJournalRef kSales{TJournalRefType::Dept, 3, "Sales", 0};
const TJournalRef kGlobal{TJournalRefType::GlobalList, 0, "", 0};

TEST(Journal, RecordsReadBackExactlyOneLineEach) {
  const std::vector<TJournalRecord> records = {
      Record(Noon(2026, 3, 5) + 123, "add-entries",
             "Add Vacation on 05/03/2026 \u2014 Gupta, Priya", {kPriya, kVacation},
             {{"Vacation 2026-03-05", std::nullopt, "8"}}),
      Record(0, "edit-employee", "two\nlines \"quoted\" \\ and a tab\t", {kPriya},
             {{"Last name", "Gupta", "Gupta-Shah"}, {"Hire date", "", std::nullopt}}),
      Record(-86400000LL * 365, "abandon", "", {}, {}),
      Record(Noon(2099, 12, 31) + 999, "import", "Import", {kGlobal, kSales},
             {{"", std::nullopt, std::nullopt}}),
  };
  std::string text;
  for (const auto& r : records) {
    const std::string line = JournalLine(r);
    ASSERT_FALSE(line.empty());
    EXPECT_EQ(line.find('\n'), line.size() - 1) << line;
    text += line;
  }
  const TJournal back = ParseJournal(text);
  EXPECT_EQ(back.Records, records);
  EXPECT_TRUE(back.DamagedLines.empty());
  EXPECT_FALSE(back.TornLastLine);
}

TEST(Journal, DamagedAndTornLinesAreSkippedAndNamed) {
  const std::string good = JournalLine(Record(Noon(2026, 1, 2), "add-reason", "Add reason X"));
  const std::string half = good.substr(0, good.size() / 2);
  const std::string noTime =
      R"({"user":"a","host":"b","kind":"k","text":"t","records":[],"values":[]})";
  const std::string badTime =
      R"({"time":"2026-02-30T00:00:00.000Z","user":"a","host":"b","kind":"k","text":"t","records":[],"values":[]})";
  const std::string badRef =
      R"({"time":"2026-01-02T00:00:00.000Z","user":"a","host":"b","kind":"k","text":"t","records":[{"type":"planet","id":1,"name":"x"}],"values":[]})";
  const std::string hugeId =
      R"({"time":"2026-01-02T00:00:00.000Z","user":"a","host":"b","kind":"k","text":"t","records":[{"type":"reason","id":99999999999,"name":"x"}],"values":[]})";
  const struct {
    std::string text;
    std::size_t records;
    std::vector<std::size_t> damaged;
    bool torn;
  } cases[] = {
      {"", 0, {}, false},
      {good + good, 2, {}, false},
      {good + half, 1, {}, true},
      {half, 0, {}, true},
      {half + "\n" + good, 1, {1}, false},
      {good + "\n\r\n" + good, 2, {}, false},
      {good + "[1,2]\n" + "null\n" + good, 2, {2, 3}, false},
      {noTime + "\n" + badTime + "\n" + badRef + "\n" + hugeId + "\n" + good,
       1,
       {1, 2, 3, 4},
       false},
      {std::string("\xff\xfe\x00garbage\n", 11) + good, 1, {1}, false},
  };
  for (const auto& c : cases) {
    const TJournal j = ParseJournal(c.text);
    EXPECT_EQ(j.Records.size(), c.records) << c.text;
    EXPECT_EQ(j.DamagedLines, c.damaged) << c.text;
    EXPECT_EQ(j.TornLastLine, c.torn) << c.text;
    EXPECT_EQ(j.Problems("h").size(), (c.damaged.empty() ? 0u : 1u) + (c.torn ? 1u : 0u));
  }
}

TEST(Journal, MissingFileIsNoProblemUnreadableOneIsReported) {
  test::TTempFolder tmp;
  const TJournal missing = ReadJournal(JournalPath(tmp.Folder()));
  EXPECT_TRUE(missing.Missing);
  EXPECT_TRUE(missing.Problems("h").empty());
  EXPECT_EQ(missing.Problems("h", true).size(), 1u);

  // A folder where the file should be cannot be read, and says so instead of throwing.
  std::filesystem::create_directory(JournalPath(tmp.Folder()));
  const TJournal unreadable = ReadJournal(JournalPath(tmp.Folder()));
  EXPECT_FALSE(unreadable.Missing);
  EXPECT_FALSE(unreadable.ReadError.empty());
  EXPECT_EQ(unreadable.Problems("h").size(), 1u);
}

TEST(Journal, FiltersAndOrder) {
  TJournal j;
  j.Records = {
      Record(Noon(2026, 1, 10), "add-entries", "a", {kPriya, kVacation}),
      Record(Noon(2026, 1, 11), "add-entries", "b", {kOmar, kSick}),
      Record(Noon(2026, 1, 12), "add-entries", "c", {kGlobal, kVacation}),
      Record(Noon(2026, 1, 13), "edit-department", "d", {kSales}),
      Record(Noon(2026, 1, 14), "set-rules", "e", {kSick}),
      Record(Noon(2026, 1, 15), "import", "f", {}),
  };
  const auto texts = [&](const TJournalFilter& f, TJournalOrder order) {
    std::string out;
    for (std::size_t i : SelectJournal(j, f, order)) out += j.Records[i].Text;
    return out;
  };
  TJournalFilter emp7, reason2, dept3, kind, from12, to11, range, none;
  emp7.EmpID = 7;
  reason2.ReasonID = 2;
  dept3.DeptID = 3;
  kind.Kind = "add-entries";
  from12.From = EncodeDate(2026, 1, 12);
  to11.To = EncodeDate(2026, 1, 11);
  range.From = EncodeDate(2026, 1, 11);
  range.To = EncodeDate(2026, 1, 13);
  range.EmpID = 9;
  const struct {
    const TJournalFilter& filter;
    TJournalOrder order;
    const char* expected;
  } cases[] = {
      {none, TJournalOrder::NewestFirst, "fedcba"},
      {none, TJournalOrder::FileOrder, "abcdef"},
      // A global entry reaches every employee.
      {emp7, TJournalOrder::NewestFirst, "ca"},
      {reason2, TJournalOrder::FileOrder, "be"},
      // The department itself and changes to its employees.
      {dept3, TJournalOrder::FileOrder, "bd"},
      {kind, TJournalOrder::NewestFirst, "cba"},
      {from12, TJournalOrder::FileOrder, "cdef"},
      {to11, TJournalOrder::FileOrder, "ab"},
      {range, TJournalOrder::FileOrder, "bc"},
  };
  for (const auto& c : cases) EXPECT_EQ(texts(c.filter, c.order), c.expected);
}

// An append cut short after any number of its bytes is finished by appending again: every
// record once, the torn line completed.
TEST(Journal, AppendResumesAnAppendCutShortAtAnyByte) {
  test::TTempFolder tmp;
  const std::string path = JournalPath(tmp.Folder());
  const std::string before = JournalLine(Record(Noon(2026, 1, 1), "add-reason", "earlier"));
  const std::string lines =
      JournalLine(Record(Noon(2026, 1, 2) + 1, "add-entries", "first", {kPriya})) +
      JournalLine(Record(Noon(2026, 1, 2) + 1, "trash-entry", "second", {kPriya}));
  // Appended without flushing to disk, which only makes the loop quick.
  TFileOps quick = TFileOps::Real();
  quick.AppendSynced = [](const std::string& p, std::span<const uint8_t> b) {
    std::ofstream(p, std::ios::binary | std::ios::app)
        .write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
  };
  for (const std::string& prior : {std::string(), before}) {
    for (std::size_t cut = 0; cut <= lines.size(); ++cut) {
      // Near the ends of the lines byte by byte, elsewhere a sample.
      const std::size_t boundary = lines.find('\n') + 1;
      const bool near =
          cut < 3 || cut + 3 > lines.size() || (cut + 3 > boundary && cut < boundary + 3);
      if (!near && cut % 17 != 0) continue;
      WriteText(path, prior + lines.substr(0, cut));
      AppendJournal(path, lines, quick);
      ASSERT_EQ(FileText(path), prior + lines) << "cut after " << cut;
    }
  }
  // Finishing an append that is already whole (recovery after a crash once the lines were
  // down) adds nothing; records of another save follow.
  AppendJournal(path, lines);
  EXPECT_EQ(FileText(path), before + lines);
  const std::string later = JournalLine(Record(Noon(2026, 1, 3), "add-entries", "later"));
  AppendJournal(path, later);
  EXPECT_EQ(FileText(path), before + lines + later);
}

TEST(Journal, AnUnrelatedTornLineStaysApartFromNewRecords) {
  test::TTempFolder tmp;
  const std::string path = JournalPath(tmp.Folder());
  const std::string old = JournalLine(Record(Noon(2026, 1, 1), "add-reason", "old"));
  WriteText(path, old + old.substr(0, 30));
  const std::string added = JournalLine(Record(Noon(2026, 1, 3), "add-reason", "new"));
  AppendJournal(path, added);
  const TJournal j = ReadJournal(path);
  ASSERT_EQ(j.Records.size(), 2u);
  EXPECT_EQ(j.Records[1].Text, "new");
  EXPECT_EQ(j.DamagedLines, std::vector<std::size_t>{2});
  EXPECT_FALSE(j.TornLastLine);

  // A journal that is no file is refused with the system's words, and left alone.
  test::TTempFolder other;
  std::filesystem::create_directory(JournalPath(other.Folder()));
  EXPECT_THROW(AppendJournal(JournalPath(other.Folder()), added), EDataFileError);
}

// A backup keeps the journal beside it; a restore brings back the records the folder lacks, in
// time order, and never doubles one.
TEST(Journal, BackupKeepsItBesideAndRestoreMergesWhatIsMissing) {
  test::TTempFolder a, b;
  const auto line = [](int day, const char* text) {
    return JournalLine(Record(Noon(2026, 1, static_cast<unsigned>(day)), "add-reason", text));
  };
  const std::string backup = b.File("copy.abk");
  WriteText(JournalPath(a.Folder()), line(2, "r2") + line(4, "r4"));
  BackupJournal(a.Folder(), backup);
  EXPECT_EQ(FileText(JournalBesideBackup(backup)), line(2, "r2") + line(4, "r4"));
  const struct {
    std::string own;  // the folder's journal before the restore; "-" for none
    std::string after;
  } cases[] = {
      {"-", line(2, "r2") + line(4, "r4")},
      {line(2, "r2") + line(4, "r4") + line(6, "r6"),
       line(2, "r2") + line(4, "r4") + line(6, "r6")},
      {line(1, "r1") + line(3, "r3") + line(5, "r5"),
       line(1, "r1") + line(2, "r2") + line(3, "r3") + line(4, "r4") + line(5, "r5")},
      {line(1, "r1") + "damaged\n" + line(5, "r5") + "{\"torn",
       line(1, "r1") + "damaged\n" + line(2, "r2") + line(4, "r4") + line(5, "r5") + "{\"torn\n"},
  };
  for (const auto& c : cases) {
    test::TTempFolder target;
    if (c.own != "-") WriteText(JournalPath(target.Folder()), c.own);
    EXPECT_TRUE(RestoreJournal(backup, target.Folder()));
    EXPECT_EQ(FileText(JournalPath(target.Folder())), c.after) << c.own;
  }
  // A backup of a folder without a journal takes away an older one's copy; nothing comes back.
  test::TTempFolder empty;
  BackupJournal(empty.Folder(), backup);
  EXPECT_FALSE(std::filesystem::exists(JournalBesideBackup(backup)));
  EXPECT_FALSE(RestoreJournal(backup, a.Folder()));
  EXPECT_EQ(FileText(JournalPath(a.Folder())), line(2, "r2") + line(4, "r4"));
}

TEST(Journal, TimesReadBackAndBadOnesAreRefused) {
  for (const int64_t ms : {int64_t{0}, Noon(2026, 12, 9) + 45123, Noon(1999, 2, 28) - 1})
    EXPECT_EQ(ParseJournalTime(JournalTimeText(ms)), ms);
  EXPECT_EQ(JournalTimeText(Noon(2026, 12, 9) + 45123), "2026-12-09T12:00:45.123Z");
  for (const char* bad :
       {"", "2026-12-09T12:00:45Z", "2026-13-09T12:00:45.123Z", "2026-12-09T24:00:45.123Z",
        "2026-12-09 12:00:45.123Z", "2026-12-0xT12:00:45.123Z"})
    EXPECT_FALSE(ParseJournalTime(bad)) << bad;
}

}  // namespace
}  // namespace absence

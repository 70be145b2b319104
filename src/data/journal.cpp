#include "data/journal.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <nlohmann/json.hpp>
#include <set>

#include "data/dataset.h"
#include "dates/dates.h"

namespace absence {
namespace {

using TJson = nlohmann::ordered_json;

const char* TypeName(TJournalRefType t) {
  switch (t) {
    case TJournalRefType::Employee:
      return "employee";
    case TJournalRefType::Reason:
      return "reason";
    case TJournalRefType::Dept:
      return "department";
    case TJournalRefType::GlobalList:
      break;
  }
  return "global";
}

std::optional<TJournalRefType> TypeOf(const std::string& name) {
  for (const auto t : {TJournalRefType::Employee, TJournalRefType::Reason, TJournalRefType::Dept,
                       TJournalRefType::GlobalList})
    if (name == TypeName(t)) return t;
  return std::nullopt;
}

TJson Optional(const std::optional<std::string>& v) {
  return v ? TJson(*v) : TJson(nullptr);
}

// A value a line must hold as a string; throws when it does not.
std::string Text(const TJson& j, const char* key) {
  return j.at(key).get<std::string>();
}

int32_t Id(const TJson& j, const char* key) {
  const auto it = j.find(key);
  if (it == j.end()) return 0;
  const int64_t v = it->get<int64_t>();
  if (v < INT32_MIN || v > INT32_MAX) throw std::out_of_range("identifier out of range");
  return static_cast<int32_t>(v);
}

std::string_view Bytes(std::span<const uint8_t> b) {
  return {reinterpret_cast<const char*>(b.data()), b.size()};
}

std::span<const uint8_t> Span(std::string_view s) {
  return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

// Up to `count` bytes from the end of the file at `fd` whose size is `size`.
std::string ReadTail(int fd, uint64_t size, uint64_t count, const std::string& path) {
  const uint64_t n = std::min(size, count);
  std::string tail(static_cast<std::size_t>(n), '\0');
  std::size_t done = 0;
  while (done < tail.size()) {
    const ssize_t got =
        ::pread(fd, tail.data() + done, tail.size() - done, static_cast<off_t>(size - n + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) throw EDataFileError(SystemErrorText(path, got < 0 ? errno : EIO));
    done += static_cast<std::size_t>(got);
  }
  return tail;
}

// How many bytes of `lines` the file already ends with: an append of them that a crash cut
// short, possibly inside a line. Such an append began at a line's start; the earliest start
// from which the rest of the file is the beginning of `lines` gives the most that is there.
// Lines carry their save's time to the millisecond, so an older line does not pass for one.
std::size_t AlreadyAppended(std::string_view tail, bool tailIsFileStart, std::string_view lines) {
  std::size_t at = tailIsFileStart ? 0 : tail.find('\n');
  if (at == std::string_view::npos) return 0;
  if (!tailIsFileStart) ++at;
  for (;;) {
    const std::string_view rest = tail.substr(at);
    if (rest.size() <= lines.size() && lines.substr(0, rest.size()) == rest) return rest.size();
    const std::size_t next = tail.find('\n', at);
    if (next == std::string_view::npos) return 0;
    at = next + 1;
  }
}

}  // namespace

bool TJournalRecord::Touches(TJournalRefType type, int32_t id) const {
  return std::any_of(Records.begin(), Records.end(),
                     [&](const TJournalRef& r) { return r.Type == type && r.ID == id; });
}

bool TJournalRecord::TouchesEmp(int32_t empID) const {
  return std::any_of(Records.begin(), Records.end(), [&](const TJournalRef& r) {
    return r.Type == TJournalRefType::GlobalList ||
           (r.Type == TJournalRefType::Employee && r.ID == empID);
  });
}

std::string JournalTimeText(int64_t ms) {
  using namespace std::chrono;
  const sys_time<milliseconds> t{milliseconds(ms)};
  const sys_days day = floor<days>(t);
  const year_month_day ymd(day);
  const hh_mm_ss<milliseconds> hms(t - day);
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", int(ymd.year()),
                unsigned(ymd.month()), unsigned(ymd.day()), int(hms.hours().count()),
                int(hms.minutes().count()), int(hms.seconds().count()),
                int(hms.subseconds().count()));
  return text;
}

std::optional<int64_t> ParseJournalTime(std::string_view text) {
  using namespace std::chrono;
  // YYYY-MM-DDTHH:MM:SS.mmmZ
  if (text.size() != 24 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':' || text[19] != '.' || text[23] != 'Z')
    return std::nullopt;
  const auto number = [&](std::size_t at, std::size_t n) -> int {
    int v = 0;
    for (std::size_t i = at; i < at + n; ++i) {
      if (text[i] < '0' || text[i] > '9') return -1;
      v = v * 10 + (text[i] - '0');
    }
    return v;
  };
  const int y = number(0, 4), mo = number(5, 2), d = number(8, 2), h = number(11, 2),
            mi = number(14, 2), s = number(17, 2), ms = number(20, 3);
  if (y < 0 || mo < 0 || d < 0 || h < 0 || mi < 0 || s < 0 || ms < 0) return std::nullopt;
  const year_month_day ymd{year(y), month(static_cast<unsigned>(mo)),
                           day(static_cast<unsigned>(d))};
  if (!ymd.ok() || h > 23 || mi > 59 || s > 59) return std::nullopt;
  const auto t = sys_days(ymd) + hours(h) + minutes(mi) + seconds(s) + milliseconds(ms);
  return duration_cast<milliseconds>(t.time_since_epoch()).count();
}

int64_t JournalNow() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

TDate JournalDay(int64_t ms) {
  const std::time_t seconds = static_cast<std::time_t>(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
  std::tm local{};
  if (!::localtime_r(&seconds, &local)) return 0;
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

std::string JournalLine(const TJournalRecord& r) {
  TJson records = TJson::array();
  for (const TJournalRef& ref : r.Records) {
    TJson j = {{"type", TypeName(ref.Type)}, {"id", ref.ID}, {"name", ref.Name}};
    if (ref.Type == TJournalRefType::Employee) j["dept"] = ref.DeptID;
    records.push_back(std::move(j));
  }
  TJson values = TJson::array();
  for (const TJournalValue& v : r.Values)
    values.push_back(
        {{"what", v.What}, {"before", Optional(v.Before)}, {"after", Optional(v.After)}});
  const TJson line = {{"time", JournalTimeText(r.Time)},
                      {"user", r.User},
                      {"host", r.Host},
                      {"kind", r.Kind},
                      {"text", r.Text},
                      {"records", std::move(records)},
                      {"values", std::move(values)}};
  // JSON escapes every control character, so a record never spans two lines.
  std::string out = line.dump(-1, ' ', false, TJson::error_handler_t::replace);
  out += '\n';
  return out;
}

std::optional<TJournalRecord> ParseJournalLine(std::string_view line) {
  TJson j = TJson::parse(line.begin(), line.end(), nullptr, false);
  if (!j.is_object()) return std::nullopt;
  // The strings are moved out of the parsed line: a long history is read at the pace of parsing.
  const auto take = [](TJson& from, const char* key) {
    return std::move(from.at(key).get_ref<std::string&>());
  };
  const auto takeOptional = [](TJson& from, const char* key) -> std::optional<std::string> {
    const auto it = from.find(key);
    if (it == from.end() || it->is_null()) return std::nullopt;
    return std::move(it->get_ref<std::string&>());
  };
  try {
    TJournalRecord r;
    const auto time = ParseJournalTime(Text(j, "time"));
    if (!time) return std::nullopt;
    r.Time = *time;
    r.User = take(j, "user");
    r.Host = take(j, "host");
    r.Kind = take(j, "kind");
    r.Text = take(j, "text");
    TJson& records = j.at("records");
    r.Records.reserve(records.size());
    for (TJson& ref : records) {
      const auto type = TypeOf(ref.at("type").get_ref<const std::string&>());
      if (!type) return std::nullopt;
      r.Records.push_back({*type, Id(ref, "id"), take(ref, "name"), Id(ref, "dept")});
    }
    TJson& values = j.at("values");
    r.Values.reserve(values.size());
    for (TJson& v : values)
      r.Values.push_back({take(v, "what"), takeOptional(v, "before"), takeOptional(v, "after")});
    return r;
  } catch (const std::exception&) {
    // A field missing or of the wrong type: the line is damaged.
    return std::nullopt;
  }
}

TJournal ParseJournal(std::string_view text) {
  TJournal journal;
  journal.Records.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      // Never finished: a crash while it was written.
      journal.TornLastLine = true;
      break;
    }
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (line.find_first_not_of(" \t\r") == std::string_view::npos) continue;
    if (auto r = ParseJournalLine(line))
      journal.Records.push_back(std::move(*r));
    else
      journal.DamagedLines.push_back(number);
  }
  return journal;
}

TJournal ReadJournal(const std::string& path) {
  TJournal journal;
  try {
    if (!FileIsThere(path)) {
      journal.Missing = true;
      return journal;
    }
    const TBytes bytes = ReadWholeFile(path);
    journal = ParseJournal(Bytes(bytes));
  } catch (const EDataFileError& e) {
    journal.ReadError = e.what();
  }
  return journal;
}

std::vector<std::string> TJournal::Problems(const std::string& path, bool missingIsProblem) const {
  std::vector<std::string> out;
  if (Missing && missingIsProblem)
    out.push_back(path + ": there is no change history yet; it starts with the next save.");
  if (!ReadError.empty())
    out.push_back(ReadError + " (the change history cannot be shown; the data are not affected)");
  if (!DamagedLines.empty()) {
    std::string s = path + ": ";
    s += DamagedLines.size() == 1 ? "line " : "lines ";
    for (std::size_t i = 0; i < DamagedLines.size() && i < 10; ++i) {
      if (i > 0) s += ", ";
      s += std::to_string(DamagedLines[i]);
    }
    if (DamagedLines.size() > 10) s += ", ...";
    s += DamagedLines.size() == 1 ? " is damaged and was skipped."
                                  : " are damaged and were skipped.";
    out.push_back(std::move(s));
  }
  if (TornLastLine) {
    std::string s = path;
    s += ": the last change was never written to the end (the program stopped while saving) "
         "and was skipped.";
    out.push_back(std::move(s));
  }
  return out;
}

bool TJournalFilter::Matches(const TJournalRecord& r) const {
  if (EmpID && !r.TouchesEmp(*EmpID)) return false;
  if (ReasonID && !r.Touches(TJournalRefType::Reason, *ReasonID)) return false;
  if (DeptID && !std::any_of(r.Records.begin(), r.Records.end(), [&](const TJournalRef& ref) {
        return (ref.Type == TJournalRefType::Dept && ref.ID == *DeptID) ||
               (ref.Type == TJournalRefType::Employee && ref.DeptID == *DeptID);
      }))
    return false;
  if (!Kind.empty() && r.Kind != Kind) return false;
  if (From != 0 || To != 0) {
    const TDate day = JournalDay(r.Time);
    if (From != 0 && day < From) return false;
    if (To != 0 && day > To) return false;
  }
  return true;
}

std::vector<std::size_t> SelectJournal(const TJournal& journal, const TJournalFilter& filter,
                                       TJournalOrder order) {
  std::vector<std::size_t> out;
  for (std::size_t i = 0; i < journal.Records.size(); ++i)
    if (filter.Matches(journal.Records[i])) out.push_back(i);
  // Appended in the order they were saved, so newest first is the file backwards.
  if (order == TJournalOrder::NewestFirst) std::reverse(out.begin(), out.end());
  return out;
}

std::string JournalPath(const std::string& folder) {
  return DataPath(folder, kJournalFile);
}

void AppendJournal(const std::string& path, std::string_view lines, const TFileOps& ops) {
  if (lines.empty()) return;
  std::string_view rest = lines;
  bool closeTornLine = false;
  bool created = false;
  uint64_t sizeBefore = 0;
  {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 && errno != ENOENT) throw EDataFileError(SystemErrorText(path, errno));
    if (fd < 0) {
      created = true;
    } else {
      struct stat st {};
      std::string tail;
      try {
        if (::fstat(fd, &st) != 0) throw EDataFileError(SystemErrorText(path, errno));
        if (!S_ISREG(st.st_mode))
          throw EDataFileError(path + ": not a regular file; the change history cannot be kept");
        const auto size = static_cast<uint64_t>(st.st_size);
        sizeBefore = size;
        tail = ReadTail(fd, size, lines.size() + 1, path);
        const std::size_t done = AlreadyAppended(tail, tail.size() == size, lines);
        rest.remove_prefix(done);
        closeTornLine = done == 0 && !tail.empty() && tail.back() != '\n';
      } catch (...) {
        ::close(fd);
        throw;
      }
      ::close(fd);
    }
  }
  if (rest.empty()) return;
  std::string bytes;
  if (closeTornLine) bytes += '\n';
  bytes += rest;
  const auto append = ops.AppendSynced ? ops.AppendSynced : TFileOps::Real().AppendSynced;
  try {
    append(path, Span(bytes));
  } catch (const EDataFileError&) {
    // A failed append (a full disk) takes back what it put down, so no part of these records
    // stays; should that fail too, readers skip the unfinished line.
    [[maybe_unused]] const int undone =
        created ? ::unlink(path.c_str()) : ::truncate(path.c_str(), static_cast<off_t>(sizeBefore));
    throw;
  }
  // A new file's name must reach the disk too.
  const std::size_t slash = path.find_last_of('/');
  if (created && ops.SyncFolder)
    ops.SyncFolder(slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1));
}

std::string JournalBesideBackup(const std::string& backupPath) {
  return backupPath + ".history.jsonl";
}

void BackupJournal(const std::string& folder, const std::string& backupPath, const TFileOps& ops) {
  const std::string source = JournalPath(folder);
  const std::string target = JournalBesideBackup(backupPath);
  if (!FileIsThere(source)) {
    ops.Remove(target);
    return;
  }
  const TBytes bytes = ReadWholeFile(source);
  ReplaceFile(target, bytes, ".~absence-backup", ops);
}

namespace {

struct TTimedLine {
  int64_t Time = 0;
  std::string_view Text;  // the line with its newline
};

// The lines of journal text with their times; a line that is no record keeps the time of the
// record before it, so it stays where it was.
std::vector<TTimedLine> TimedLines(std::string_view text) {
  std::vector<TTimedLine> lines;
  int64_t last = INT64_MIN;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::size_t length = end == std::string_view::npos ? text.size() : end + 1;
    const std::string_view line = text.substr(0, length);
    text.remove_prefix(length);
    if (const auto r = ParseJournalLine(
            line.substr(0, end == std::string_view::npos ? line.size() : line.size() - 1)))
      last = r->Time;
    lines.push_back({last, line});
  }
  return lines;
}

}  // namespace

bool RestoreJournal(const std::string& backupPath, const std::string& folder, const TFileOps& ops) {
  const std::string kept = JournalBesideBackup(backupPath);
  if (!FileIsThere(kept)) return false;
  const TBytes keptBytes = ReadWholeFile(kept);
  const std::string path = JournalPath(folder);
  const TBytes ownBytes = FileIsThere(path) ? ReadWholeFile(path) : TBytes{};
  const std::vector<TTimedLine> own = TimedLines(Bytes(ownBytes));
  std::set<std::string_view> known;
  for (const TTimedLine& l : own) known.insert(l.Text);
  std::vector<TTimedLine> added;
  for (const TTimedLine& l : TimedLines(Bytes(keptBytes))) {
    // Only whole records come back: damage in the kept copy stays there.
    if (l.Text.empty() || l.Text.back() != '\n' || l.Time == INT64_MIN) continue;
    if (!ParseJournalLine(l.Text.substr(0, l.Text.size() - 1))) continue;
    if (known.insert(l.Text).second) added.push_back(l);
  }
  if (added.empty()) return true;
  // Each journal keeps its own order; the added records go before the first later one.
  std::vector<TTimedLine> merged;
  merged.reserve(own.size() + added.size());
  for (std::size_t i = 0, j = 0; i < own.size() || j < added.size();) {
    if (j == added.size() || (i < own.size() && own[i].Time <= added[j].Time))
      merged.push_back(own[i++]);
    else
      merged.push_back(added[j++]);
  }
  std::string text;
  for (const TTimedLine& l : merged) {
    text += l.Text;
    // An unfinished line of the folder's journal stays a damaged line of its own.
    if (text.back() != '\n') text += '\n';
  }
  ReplaceFile(path, Span(text), ".~absence-journal", ops);
  return true;
}

}  // namespace absence

#include "convert/export_run.h"

#include "convert/text_file.h"

#include <array>
#include <unordered_map>

#include "convert/text_file.h"
#include "data/ansi.h"
#include "data/settings.h"
#include "dates/date_text.h"
#include "dates/dates.h"

namespace absence {
namespace {

constexpr std::array<bool, 7> kEmployeeTextFields = {true, true, true, false, false, false, true};
constexpr std::array<bool, 4> kAbsenceTextFields = {true, true, false, false};

// A line laid out in Windows-1252 (so fixed widths count characters) in the file's encoding.
std::string Encoded(std::string line, TTextEncoding encoding) {
  return encoding == TTextEncoding::Utf8 ? FromAnsi(line) : line;
}

std::string DeptNameOf(const TDeptList& depts, int32_t deptID) {
  if (deptID <= 0) return std::string();
  const int i = FindDept(depts, deptID, std::string());
  return i < 0 ? std::string() : depts[static_cast<std::size_t>(i)]->DeptName;
}

// Texts that repeat across many entries (reasons, days, hours), each made once.
class TEntryTexts {
 public:
  TEntryTexts(const TDataSet& data, const TConvertOptions& options)
      : data_(data), options_(options) {}
  const std::string& Reason(int32_t id) {
    return Cached(reasons_, id, [&] { return ToAnsi(ReasonText(data_.ReasonList, id)); });
  }
  const std::string& Date(TDate d) {
    // Whole days: the integer is the key, cheaper to hash than the double.
    return Cached(dates_, static_cast<int32_t>(d),
                  [&] { return FormatDate(d, options_.DatePattern); });
  }
  const std::string& Hours(float h) {
    return Cached(hours_, h, [&] { return FormatNumber(h, options_.HourFormat); });
  }

 private:
  template <class Map, class Key, class Make>
  static const std::string& Cached(Map& map, Key key, Make&& make) {
    auto it = map.find(key);
    if (it == map.end()) it = map.emplace(key, make()).first;
    return it->second;
  }
  const TDataSet& data_;
  const TConvertOptions& options_;
  std::unordered_map<int32_t, std::string> reasons_;
  std::unordered_map<int32_t, std::string> dates_;
  std::unordered_map<float, std::string> hours_;
};

}  // namespace

std::vector<std::string> ExportEmployees(const TDataSet& data, const TConvertOptions& options,
                                         const TProgressFn& progress) {
  std::vector<std::string> lines;
  int done = 0;
  for (const auto& e : data.EmpList) {
    if (!e->Deleted) {
      const std::array<std::string, 7> texts = {
          ToAnsi(e->LastName),
          ToAnsi(e->FirstName),
          ToAnsi(e->SSN),
          FormatDate(e->StartDate, options.DatePattern),
          e->TermDate == 0 ? std::string() : FormatDate(e->TermDate, options.DatePattern),
          e->EmpType == 'F' || e->EmpType == 'Y' ? "Y" : "N",
          ToAnsi(DeptNameOf(data.DeptList, e->DeptID))};
      const std::array<std::string_view, 7> views = {texts[0], texts[1], texts[2], texts[3],
                                                     texts[4], texts[5], texts[6]};
      lines.push_back(Encoded(JoinLine(views, options.Format, kEmployeeFields, kEmployeeTextFields),
                              options.Encoding));
    }
    if (progress) progress(++done);
  }
  return lines;
}

namespace {

// Hands each absence line in turn to `put`.
template <class Put>
void EachAbsenceLine(const TDataSet& data, const TConvertOptions& options,
                     const TExportRange& range, const TProgressFn& progress, Put&& put) {
  TEntryTexts texts(data, options);
  int done = 0;
  for (const auto& e : data.EmpList) {
    if (!e->Deleted) {
      const std::string ssn = ToAnsi(e->SSN);
      for (const auto& x : e->Entries) {
        if (!x->IsLive() || !range.Contains(x->EntryDate)) continue;
        const std::array<std::string_view, 4> fields = {
            ssn, texts.Reason(x->ReasonID), texts.Date(x->EntryDate), texts.Hours(x->Hours)};
        put(Encoded(JoinLine(fields, options.Format, kAbsenceFields, kAbsenceTextFields),
                    options.Encoding));
      }
    }
    if (progress) progress(++done);
  }
}

}  // namespace

std::vector<std::string> ExportAbsences(const TDataSet& data, const TConvertOptions& options,
                                        const TExportRange& range, const TProgressFn& progress) {
  // Counted first: a vector of millions of lines that grows by doubling holds up to three times
  // their number while it moves them.
  std::size_t count = 0;
  for (const auto& e : data.EmpList)
    if (!e->Deleted)
      for (const auto& x : e->Entries) count += x->IsLive() && range.Contains(x->EntryDate);
  std::vector<std::string> lines;
  lines.reserve(count);
  EachAbsenceLine(data, options, range, progress,
                  [&](std::string line) { lines.push_back(std::move(line)); });
  return lines;
}

std::size_t WriteAbsenceExport(const std::string& path, const TDataSet& data,
                               const TConvertOptions& options, const TExportRange& range,
                               const TProgressFn& progress, const TFileOps& ops) {
  std::size_t count = 0;
  WriteExportLinesFrom(
      path,
      [&](const TLineSink& sink) {
        count = 0;  // counted again should the lines be asked for again
        EachAbsenceLine(data, options, range, progress, [&](const std::string& line) {
          sink(line);
          ++count;
        });
      },
      ops);
  return count;
}

}  // namespace absence

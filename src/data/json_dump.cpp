#include "data/json_dump.h"

#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>

#include "data/float_text.h"

namespace absence {
namespace {

using TJson = nlohmann::ordered_json;

// Whole values within the exactly representable range are written as integers.
constexpr double kLargestWhole = 9007199254740992.0;  // 2^53

// A stored double (a day number) as JSON: null when not finite.
TJson Number(double v) {
  if (!std::isfinite(v)) return nullptr;
  if (v == std::floor(v) && std::fabs(v) < kLargestWhole) return static_cast<int64_t>(v);
  return v;
}

// A single-precision value as its shortest text reads, so 0.1f is written 0.1 and not as the
// double it widens to (0.10000000149011612).
TJson Number(float v) {
  if (!std::isfinite(v)) return nullptr;
  return Number(std::strtod(ShortestFloatText(v).c_str(), nullptr));
}

TJson Letter(char c) {
  return std::string(1, c);
}

TJson DumpEntry(const TAbsenceRecClass& e) {
  return {{"Kind", Letter(absence::Letter(e.Kind))},
          {"ReasonID", e.ReasonID},
          {"EntryDate", Number(e.EntryDate)},
          {"Hours", Number(e.Hours)},
          {"DelMark", e.DelMark.str()},
          {"ReasonDeleted", e.ReasonDeleted},
          {"Modified", e.Modified}};
}

TJson DumpReason(const TReasonRecClass& r) {
  TJson rules = TJson::array();
  for (const auto& rule : r.Rules)
    rules.push_back({{"StartMonth", rule->StartMonth},
                     {"EndMonth", rule->EndMonth},
                     {"Hours", Number(rule->Hours)},
                     {"CarryOver", Number(rule->CarryOver)}});
  return {{"ReasonID", r.ReasonID},
          {"Description", r.Description},
          {"Active", r.Active},
          {"HasPolicy", r.HasPolicy},
          {"Basis", Letter(absence::Letter(r.Basis))},
          {"Validate", Letter(absence::Letter(r.Validate))},
          {"Deleted", r.Deleted},
          {"Modified", r.Modified},
          {"Rules", std::move(rules)}};
}

TJson DumpEmployee(const TEmpRecClass& e) {
  TJson accruals = TJson::array();
  for (const auto& a : e.Accruals)
    accruals.push_back({{"ReasonID", a->ReasonID},
                        {"Hours", Number(a->Hours)},
                        {"AsOfDate", Number(a->AsOfDate)},
                        {"DelMark", a->DelMark},
                        {"ReasonDeleted", a->ReasonDeleted},
                        {"Modified", a->Modified}});
  TJson entries = TJson::array();
  for (const auto& x : e.Entries) entries.push_back(DumpEntry(*x));
  return {{"EmpID", e.EmpID},
          {"LastName", e.LastName},
          {"FirstName", e.FirstName},
          {"SSN", e.SSN},
          {"StartDate", Number(e.StartDate)},
          {"TermDate", Number(e.TermDate)},
          {"DeptID", e.DeptID},
          {"EmpType", Letter(e.EmpType)},
          {"Deleted", e.Deleted},
          {"Modified", e.Modified},
          {"Accruals", std::move(accruals)},
          {"Entries", std::move(entries)}};
}

TJson DumpDept(const TDeptRecClass& d) {
  return {{"DeptID", d.DeptID},    {"DeptName", d.DeptName},   {"DeptCode", d.DeptCode},
          {"Active", d.Active},    {"ManagerID", d.ManagerID}, {"Deleted", d.Deleted},
          {"Modified", d.Modified}};
}

// Appends `"key":[...]` with one element per record. The data set can hold millions of
// entries, so each record is built and written on its own rather than the whole document
// built first.
template <class TList, class TFn>
void AppendArray(std::string& out, const char* key, const TList& list, TFn dumpRecord) {
  out += TJson(key).dump();
  out += ":[";
  bool first = true;
  for (const auto& record : list) {
    if (!first) out += ',';
    first = false;
    // Text that is not UTF-8 (never read from a file, which is converted) is written with
    // U+FFFD in place of the bad bytes rather than making the document unreadable.
    out += dumpRecord(*record).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  }
  out += ']';
}

}  // namespace

std::string DumpJson(const TDataSet& data) {
  std::string out = "{";
  AppendArray(out, "reasons", data.ReasonList, DumpReason);
  out += ',';
  AppendArray(out, "employees", data.EmpList, DumpEmployee);
  out += ',';
  AppendArray(out, "globals", data.GlobalList, DumpEntry);
  out += ',';
  AppendArray(out, "departments", data.DeptList, DumpDept);
  out += "}\n";
  return out;
}

}  // namespace absence

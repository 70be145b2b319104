// Shared pieces of the fuzz targets.
#include "fuzz/fuzz_support.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "data/datafiles.h"
#include "data/json_dump.h"
#include "dates/dates.h"
#include "fuzz/fuzz_targets.h"

namespace absence::fuzz {

TDataSet FixtureDataSet() {
  TDataSet d;
  const TDate start = EncodeDate(2015, 3, 16);
  const int32_t vacation =
      AddReason(d.ReasonList, "Vacation", true, true, TBasis::Anniversary, TValidate::MonthEnd);
  d.ReasonList.back()->Rules.clear();
  AddRule(d.ReasonList.back()->Rules, 0, 59, 80, 40);
  AddRule(d.ReasonList.back()->Rules, 60, kMaxRuleMonths, 120, 60);
  const int32_t sick =
      AddReason(d.ReasonList, "Sick", true, true, TBasis::Calendar, TValidate::YearEnd);
  const int32_t holiday =
      AddReason(d.ReasonList, "Holiday", true, false, TBasis::None, TValidate::None);
  const int32_t office = AddDept(d.DeptList, "Office", 0, true, "OF");
  AddDept(d.DeptList, "Works", 0, false, "WK");
  AddEmp(d.EmpList, "Smith", "Anna", "123-45-6789", start, 0, office, 'F');
  AddEmp(d.EmpList, "Jones", "Bob", "", EncodeDate(2019, 1, 1), EncodeDate(2022, 6, 30), office,
         'P');
  AddEmp(d.EmpList, "Brown", "Cleo", "X1", EncodeDate(2020, 7, 1), 0, 0, 'F');
  d.DeptList.front()->ManagerID = d.EmpList.front()->EmpID;
  for (auto& e : d.EmpList) {
    SetAccrual(e->Accruals, vacation, 16, e->StartDate);
    SetAccrual(e->Accruals, sick, 4, EncodeDate(2021, 1, 1));
    for (int day = 0; day < 8; ++day)
      AddEntry(e->Entries, d.EmpList, d.ReasonList, day % 2 ? vacation : sick,
               EncodeDate(2021, 2, 1) + day * 9, 8 - day * 0.5f, TEntryKind::Own);
  }
  AddEntry(d.GlobalList, d.EmpList, d.ReasonList, holiday, EncodeDate(2021, 12, 24), 8,
           TEntryKind::Global);
  AddEntry(d.EmpList.back()->Entries, d.EmpList, d.ReasonList, holiday, EncodeDate(2021, 12, 24),
           -1, TEntryKind::Exclusion);
  SortReasons(d.ReasonList);
  SortDepts(d.DeptList);
  SortEmps(d.EmpList);
  return d;
}

TDataFiles SerializeDataFiles(const TDataSet& data) {
  return {SerializeReasons(data.ReasonList), SerializeEmps(data.EmpList, data.GlobalList),
          SerializeGlobals(data.GlobalList), SerializeDepts(data.DeptList)};
}

TDataSet ParseDataFiles(const TDataFiles& files, TWarnings& warnings) {
  TDataSet d;
  ParseReasons(d.ReasonList, files[0], kReasonFile, warnings);
  ParseEmps(d.EmpList, d.ReasonList, files[1], kEmpFile, warnings);
  ParseGlobals(d.GlobalList, d.EmpList, d.ReasonList, files[2], kGlobalsFile, warnings);
  ParseDepts(d.DeptList, files[3], kDeptFile, warnings);
  return d;
}

void CheckNoWarnings(const TWarnings& warnings, const std::string& what) {
  // Two entries whose hours add up beyond what a file holds are kept apart, and say so at
  // every load; any other warning means the writer wrote what its reader refuses.
  std::vector<std::string> others;
  for (const std::string& w : warnings)
    if (w.find("add up to more hours than can be stored") == std::string::npos) others.push_back(w);
  FuzzCheck(others.empty() && warnings.More() == 0,
            what + " reads with a warning: " + (others.empty() ? "" : others.front()));
}

void CheckSaveReadsBack(const TDataSet& data, const std::string& what) {
  const TDataFiles saved = SerializeDataFiles(data);
  TWarnings warnings;
  const TDataSet read = ParseDataFiles(saved, warnings);
  CheckNoWarnings(warnings, what + ": a saved data set");
  const TDataFiles again = SerializeDataFiles(read);
  for (std::size_t i = 0; i < saved.size(); ++i)
    FuzzCheck(saved[i] == again[i],
              what + ": data file " + std::to_string(i) + " changes from one save to the next");
}

namespace {

// A folder made at first use and removed with the process.
struct TTempFolder {
  TTempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "absence-fuzz-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) FuzzFail("cannot create a folder for the fuzz target");
    path = pattern;
  }
  ~TTempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::filesystem::path path;
};

}  // namespace

std::string EmptyFuzzFolder() {
  static const TTempFolder folder;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path))
    std::filesystem::remove_all(entry.path());
  return folder.path.string();
}

TFileOps QuickFileOps() {
  TFileOps ops = TFileOps::Real();
  ops.WriteFileSynced = [](const std::string& path, std::span<const uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw EDataFileError(path + ": cannot be written");
  };
  ops.SyncFolder = [](const std::string&) {};
  return ops;
}

}  // namespace absence::fuzz

// The list of fuzz targets and the failure report they share.
#include "fuzz/fuzz_targets.h"

#include <cstdio>
#include <cstdlib>

namespace absence::fuzz {
namespace {

std::string& InputName() {
  static std::string name;
  return name;
}

}  // namespace

void SetFuzzInputName(const std::string& name) {
  InputName() = name;
}

void FuzzFail(const std::string& what) {
  std::fprintf(stderr, "fuzz finding%s%s: %s\n", InputName().empty() ? "" : " in ",
               InputName().c_str(), what.c_str());
  std::abort();
}

std::span<const TFuzzTarget> FuzzTargets() {
  static const TFuzzTarget targets[] = {
      {"depts", FuzzDepts, DeptSeeds},
      {"reasons", FuzzReasons, ReasonSeeds},
      {"emps", FuzzEmps, EmpSeeds},
      {"globals", FuzzGlobals, GlobalSeeds},
      {"dataset", FuzzDataSet, DataSetSeeds},
      {"backup", FuzzBackup, BackupSeeds},
      {"settings", FuzzSettings, SettingsSeeds},
      {"import_employees", FuzzImportEmployees, ImportEmployeeSeeds},
      {"import_absences", FuzzImportAbsences, ImportAbsenceSeeds},
      {"date_text", FuzzDateText, DateTextSeeds},
      {"accrual", FuzzAccrual, AccrualSeeds},
  };
  return targets;
}

const TFuzzTarget* FindFuzzTarget(const std::string& name) {
  for (const TFuzzTarget& t : FuzzTargets())
    if (name == t.Name) return &t;
  return nullptr;
}

}  // namespace absence::fuzz

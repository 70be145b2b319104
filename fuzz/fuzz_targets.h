#pragma once
// The fuzz targets: one entry function per reader or engine, shared by the libFuzzer programs
// (clang) and the test that replays the seed and regression corpora (any compiler). An entry
// function returns normally for every input; a fault it detects beyond what the sanitizers see
// (a save that does not read back the same, a parse that does not hold what it printed) is
// reported by FuzzFail, which aborts.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace absence::fuzz {

using TFuzzEntry = void (*)(std::span<const uint8_t> bytes);
using TSeedMaker = std::vector<std::vector<uint8_t>> (*)();

struct TFuzzTarget {
  const char* Name;
  TFuzzEntry Run;
  TSeedMaker Seeds;  // a few inputs built by the project's own writers
};

// Every target, in a fixed order.
std::span<const TFuzzTarget> FuzzTargets();
// nullptr when there is no target of that name.
const TFuzzTarget* FindFuzzTarget(const std::string& name);

// Names the input being run, for FuzzFail's report (the replay test sets it).
void SetFuzzInputName(const std::string& name);
// Prints `what` and aborts: the input showed a fault.
[[noreturn]] void FuzzFail(const std::string& what);
inline void FuzzCheck(bool ok, const std::string& what) {
  if (!ok) FuzzFail(what);
}

// The targets (defined in fuzz_data.cpp, fuzz_text.cpp, fuzz_accrual.cpp).
void FuzzDepts(std::span<const uint8_t> bytes);
void FuzzReasons(std::span<const uint8_t> bytes);
void FuzzEmps(std::span<const uint8_t> bytes);
void FuzzGlobals(std::span<const uint8_t> bytes);
void FuzzDataSet(std::span<const uint8_t> bytes);
void FuzzBackup(std::span<const uint8_t> bytes);
void FuzzSettings(std::span<const uint8_t> bytes);
void FuzzImportEmployees(std::span<const uint8_t> bytes);
void FuzzImportAbsences(std::span<const uint8_t> bytes);
void FuzzDateText(std::span<const uint8_t> bytes);
void FuzzAccrual(std::span<const uint8_t> bytes);

// Their seeds (fuzz_seeds.cpp).
std::vector<std::vector<uint8_t>> DeptSeeds();
std::vector<std::vector<uint8_t>> ReasonSeeds();
std::vector<std::vector<uint8_t>> EmpSeeds();
std::vector<std::vector<uint8_t>> GlobalSeeds();
std::vector<std::vector<uint8_t>> DataSetSeeds();
std::vector<std::vector<uint8_t>> BackupSeeds();
std::vector<std::vector<uint8_t>> SettingsSeeds();
std::vector<std::vector<uint8_t>> ImportEmployeeSeeds();
std::vector<std::vector<uint8_t>> ImportAbsenceSeeds();
std::vector<std::vector<uint8_t>> DateTextSeeds();
std::vector<std::vector<uint8_t>> AccrualSeeds();

}  // namespace absence::fuzz

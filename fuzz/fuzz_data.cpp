// Fuzz targets of the data files, the data set load and the backup.
#include <filesystem>
#include <fstream>
#include <map>

#include "data/backup.h"
#include "data/datafiles.h"
#include "data/json_dump.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"

namespace absence::fuzz {
namespace {

// Reads one file's bytes with `parse` into a fresh list, then checks that what the writer makes
// of the list reads back without warnings and writes the same bytes again.
template <class TList, class TParse, class TSerialize>
void ParseAndResave(std::span<const uint8_t> bytes, const char* fileName, TParse parse,
                    TSerialize serialize) {
  TList list;
  TWarnings warnings;
  parse(list, bytes, warnings);
  const TBytes saved = serialize(list);
  TList again;
  TWarnings againWarnings;
  parse(again, saved, againWarnings);
  CheckNoWarnings(againWarnings, std::string(fileName) + ": a saved file");
  FuzzCheck(serialize(again) == saved,
            std::string(fileName) + ": the file changes from one save to the next");
}

void WriteFile(const std::string& path, std::span<const uint8_t> bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
}

// Names and sizes of a folder's files.
std::map<std::string, std::uintmax_t> Listing(const std::string& folder) {
  std::map<std::string, std::uintmax_t> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files[entry.path().filename().string()] = entry.file_size();
  return files;
}

}  // namespace

void FuzzDepts(std::span<const uint8_t> bytes) {
  ParseAndResave<TDeptList>(
      bytes, kDeptFile,
      [](TDeptList& l, std::span<const uint8_t> b, TWarnings& w) {
        ParseDepts(l, b, kDeptFile, w);
      },
      [](const TDeptList& l) { return SerializeDepts(l); });
}

void FuzzReasons(std::span<const uint8_t> bytes) {
  ParseAndResave<TReasonList>(
      bytes, kReasonFile,
      [](TReasonList& l, std::span<const uint8_t> b, TWarnings& w) {
        ParseReasons(l, b, kReasonFile, w);
      },
      [](const TReasonList& l) { return SerializeReasons(l); });
}

// Employees are read against the fixture's reasons, so their balances and entries meet real
// reason identifiers.
void FuzzEmps(std::span<const uint8_t> bytes) {
  static const TDataSet fixture = FixtureDataSet();
  const TEntryList noGlobals;
  ParseAndResave<TEmpList>(
      bytes, kEmpFile,
      [](TEmpList& l, std::span<const uint8_t> b, TWarnings& w) {
        ParseEmps(l, fixture.ReasonList, b, kEmpFile, w);
      },
      [&](const TEmpList& l) { return SerializeEmps(l, noGlobals); });
}

// Global entries are read against the fixture's reasons and employees (a fresh copy each time:
// the reader hands the entries to the employees).
void FuzzGlobals(std::span<const uint8_t> bytes) {
  TDataSet data = FixtureDataSet();
  data.GlobalList.clear();
  for (auto& e : data.EmpList) e->Entries.clear();
  TWarnings warnings;
  ParseGlobals(data.GlobalList, data.EmpList, data.ReasonList, bytes, kGlobalsFile, warnings);
  CheckSaveReadsBack(data, kGlobalsFile);
}

// The four files (and a commit marker of an interrupted save) in a folder, loaded as the
// programs load them: read-only first, which must leave the folder as it is, then for editing.
// The loaded set must save and load again unchanged.
void FuzzDataSet(std::span<const uint8_t> bytes) {
  TFuzzInput in(bytes);
  const uint8_t present = in.Byte();
  const std::string folder = EmptyFuzzFolder();
  const char* names[] = {kReasonFile, kEmpFile, kGlobalsFile, kDeptFile, kCommitMarker};
  for (std::size_t i = 0; i < std::size(names); ++i) {
    const auto piece = in.Piece();
    if (present & (1u << i)) WriteFile(DataPath(folder, names[i]), piece);
  }

  const auto before = Listing(folder);
  TDataSet readOnly;
  TWarnings warnings;
  LoadDataSetReadOnly(readOnly, folder, &warnings);
  FuzzCheck(Listing(folder) == before, "the read-only load changed the folder");

  const TFileOps ops = QuickFileOps();
  TDataSet data;
  LoadDataSet(data, folder, &warnings, ops);
  if (!FileExists(DataPath(folder, kCommitMarker)))
    FuzzCheck(DumpJson(data) == DumpJson(readOnly),
              "the read-only load and the load for editing read different data sets");
  const std::string loaded = DumpJson(data);
  if (FileExists(DataPath(folder, kCommitMarker))) {
    // A marker that does not match its files outlives the load (it is left for a person to
    // look at), and a save refuses to go past it, saying so.
    bool refused = false;
    try {
      SaveDataSet(data, folder, true, ops);
    } catch (const EDataFileError&) {
      refused = true;
    }
    FuzzCheck(refused, "a save went past a commit marker that does not match its files");
    FuzzCheck(DumpJson(data) == loaded, "a refused save changed the data set");
    return;
  }
  SaveDataSet(data, folder, true, ops);
  FuzzCheck(DumpJson(data) == loaded, "a save and reload of a loaded data set changed it");
  CheckSaveReadsBack(data, "data set");
}

// A backup restored, and what it restored saved both as data files and as a backup again.
void FuzzBackup(std::span<const uint8_t> bytes) {
  TDataSet data;
  TWarnings warnings;
  ParseBackup(data, bytes, warnings);
  CheckSaveReadsBack(data, "restored backup");
  const TBytes backup = SerializeBackup(data);
  TDataSet again;
  TWarnings againWarnings;
  ParseBackup(again, backup, againWarnings);
  CheckNoWarnings(againWarnings, "a backup");
  FuzzCheck(SerializeBackup(again) == backup, "a backup changes from one backup to the next");
}

}  // namespace absence::fuzz

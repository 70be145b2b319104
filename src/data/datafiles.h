#pragma once
// Readers and writers of the four data files, byte for byte in their fixed layouts.
//
// Readers survive any bytes: what cannot be read is skipped or repaired and reported in the
// warnings; they never crash, hang or allocate beyond the file's size. Writers serialise
// without touching the lists, so a failed write leaves the data set whole.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "data/records.h"

namespace absence {

using TBytes = std::vector<uint8_t>;

inline constexpr std::size_t kDeptRecSize = 76;
inline constexpr std::size_t kReasonRecSize = 41;
inline constexpr std::size_t kEmpRecSize = 99;
// emp.dat is read in pieces of this many bytes (whole records).
inline constexpr std::size_t kEmpFilePiece = kEmpRecSize * 8192;
inline constexpr std::size_t kGlobalRecSize = 16;
inline constexpr int kItemsPerRecord = 6;

TBytes SerializeDepts(const TDeptList& list);
TBytes SerializeReasons(const TReasonList& list);
// Exclusions are written only while `globals` holds their live global entry and the employee is
// employed on that day.
TBytes SerializeEmps(const TEmpList& list, const TEntryList& globals);
TBytes SerializeGlobals(const TEntryList& globals);

// The parsers empty the list, read every record and sort the list. `fileName` names the file in
// warnings.
void ParseDepts(TDeptList& list, std::span<const uint8_t> bytes, const std::string& fileName,
                TWarnings& warnings);
void ParseReasons(TReasonList& list, std::span<const uint8_t> bytes, const std::string& fileName,
                  TWarnings& warnings);
void ParseEmps(TEmpList& list, const TReasonList& reasons, std::span<const uint8_t> bytes,
               const std::string& fileName, TWarnings& warnings);
// Global entries are copied to the employees, so those must be loaded first. Exclusions that
// then block no global entry are dropped with a warning, as the next save would drop them (see
// DropUnusedExclusions).
void ParseGlobals(TEntryList& globals, TEmpList& emps, const TReasonList& reasons,
                  std::span<const uint8_t> bytes, const std::string& fileName, TWarnings& warnings);

// What a reader does with a data file that is not there: create it empty (the programs that edit
// the data set), or leave the folder untouched and report it in the warnings (read-only use).
enum class TMissingFile { Create, Report };

// File versions: a missing file is read as empty. Failures throw EDataFileError with the file's
// name and the system's message.
void ReadDepts(TDeptList& list, const std::string& path, TWarnings* warnings = nullptr,
               TMissingFile missing = TMissingFile::Create);
void ReadReasons(TReasonList& list, const std::string& path, TWarnings* warnings = nullptr,
                 TMissingFile missing = TMissingFile::Create);
void ReadEmps(TEmpList& list, const TReasonList& reasons, const std::string& path,
              TWarnings* warnings = nullptr, TMissingFile missing = TMissingFile::Create);
void ReadGlobals(TEntryList& globals, TEmpList& emps, const TReasonList& reasons,
                 const std::string& path, TWarnings* warnings = nullptr,
                 TMissingFile missing = TMissingFile::Create);

// Removes, with a warning, the live exclusions of `emps` that no live global entry of `globals`
// meets: a save writes no such exclusion.
void DropUnusedExclusions(TEmpList& emps, const TEntryList& globals, const std::string& fileName,
                          TWarnings& warnings);

// Low-level record pieces shared with the backup file.
void AppendDeptRecord(TBytes& out, const TDeptRecClass& d);
void AppendReasonRecords(TBytes& out, const TReasonRecClass& r);
// An exclusion is written while `globals` holds a live global entry of its reason and day.
void AppendEmpRecords(TBytes& out, const TEmpRecClass& e, const TEntryList& globals);
void AppendGlobalRecord(TBytes& out, const TAbsenceRecClass& g);

}  // namespace absence

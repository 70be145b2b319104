#pragma once
// What several fuzz targets share: a small data set to import into and to read entries
// against, the four data files of a data set in memory, and the check that a save reads back
// as itself.
#include <array>
#include <string>

#include "data/dataset.h"

namespace absence::fuzz {

// Three reasons (one with an accrual policy of two tiers), two departments and three
// employees with balances, entries and a global entry. The same every time.
TDataSet FixtureDataSet();

// The four data files as a save writes them: reasons, employees, globals, departments.
using TDataFiles = std::array<TBytes, 4>;
TDataFiles SerializeDataFiles(const TDataSet& data);
// Reads them in the order of a load.
TDataSet ParseDataFiles(const TDataFiles& files, TWarnings& warnings);

// Fails unless the warnings of reading what a writer wrote are empty (but for entries kept
// apart, which say so at every load).
void CheckNoWarnings(const TWarnings& warnings, const std::string& what);

// Saves `data` to bytes and reads them back: the files must read without a warning and save
// again to the same bytes, so nothing moves or is lost from one save to the next.
void CheckSaveReadsBack(const TDataSet& data, const std::string& what);

// A folder of this process for targets that need real files; emptied by each call.
std::string EmptyFuzzFolder();

// The real file operations without waiting for the disk (the fuzzer writes thousands of times
// a second; a crash of the machine is not what it tests).
TFileOps QuickFileOps();

}  // namespace absence::fuzz

#pragma once
// One-record parsers shared by the data files and the backup file. Each takes one record in its
// data-file layout and adds what it holds to the lists; impossible values are skipped or
// repaired and reported in `warnings`, prefixed with `where`.
#include <span>
#include <string>

#include "data/entry_order.h"
#include "data/records.h"

namespace absence {

void ParseDeptRecord(TDeptList& list, std::span<const uint8_t> r, const std::string& where,
                     TWarnings& warnings);
void ParseReasonRecord(TReasonList& list, std::span<const uint8_t> r, const std::string& where,
                       TWarnings& warnings);
// Kind '1' adds an employee; other kinds add balances or entries to the last employee.
void ParseEmpRecord(TEmpList& list, const TReasonKeys& keys, std::span<const uint8_t> r,
                    const std::string& where, TWarnings& warnings);
// False when the record cannot be used.
bool ParseGlobalRecord(std::span<const uint8_t> r, const std::string& where, TWarnings& warnings,
                       TGlobalRecord& out);

}  // namespace absence

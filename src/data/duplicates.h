#pragma once
// The duplicate-name check of the reason and department dialogs: another record (not the one
// being edited) with exactly this name, live or in the trash.
#include <cstdint>
#include <string>

#include "data/records.h"

namespace absence {

enum class TDuplicate { None, Live, Deleted };

TDuplicate FindDuplicateReason(const TReasonList& reasons, const std::string& description,
                               int32_t editID);
TDuplicate FindDuplicateDept(const TDeptList& depts, const std::string& deptName, int32_t editID);

}  // namespace absence

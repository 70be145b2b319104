#pragma once
// Record fields in words, as the change history and the data set comparison show them.
#include <string>

#include "data/records.h"

namespace absence::edit {

std::string YesNoText(bool on);
// "calendar year", "anniversary year", "user-defined year" or "none".
std::string BasisText(TBasis basis);
// "month end", "year end" or "none".
std::string ValidateText(TValidate validate);

}  // namespace absence::edit

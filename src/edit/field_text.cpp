#include "edit/field_text.h"

namespace absence::edit {

std::string YesNoText(bool on) {
  return on ? "yes" : "no";
}

std::string BasisText(TBasis basis) {
  switch (basis) {
    case TBasis::Calendar:
      return "calendar year";
    case TBasis::Anniversary:
      return "anniversary year";
    case TBasis::UserYear:
      return "user-defined year";
    case TBasis::None:
      break;
  }
  return "none";
}

std::string ValidateText(TValidate validate) {
  switch (validate) {
    case TValidate::MonthEnd:
      return "month end";
    case TValidate::YearEnd:
      return "year end";
    case TValidate::None:
      break;
  }
  return "none";
}

}  // namespace absence::edit

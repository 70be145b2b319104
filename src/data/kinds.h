#pragma once
// The coded fields of the records. Their values are the letters the data files hold; the file
// readers and writers (and the JSON dump) are the only places that turn them into letters.
#include <cstdint>

namespace absence {

// What an absence entry is.
enum class TEntryKind : char {
  Own = 'T',        // the employee's own entry
  Global = 'G',     // a global entry, or an employee's copy of one
  Exclusion = 'D',  // keeps one global entry from being copied to this employee
};

// The accrual year of a reason's policy.
enum class TBasis : char {
  None = ' ',  // no policy
  Calendar = 'C',
  Anniversary = 'A',
  UserYear = 'U',  // starts on the BenefitMonth / BenefitDay setting
};

// When accrued hours become available.
enum class TValidate : char {
  None = ' ',  // no policy
  MonthEnd = 'E',
  YearEnd = 'Y',
};

// How a record goes to the trash.
enum class TTrashMark {
  Record,  // this record only ("D")
  Global,  // a global entry, taking its copies away from every employee ("DG")
};

// The order of an entry list.
enum class TEntryOrder {
  ByDate,    // date, reason text, kind
  ByReason,  // reason text, date, kind
};

// The letter of a coded value, as the files hold it.
template <class E>
constexpr char Letter(E value) {
  return static_cast<char>(value);
}

}  // namespace absence

#pragma once
// The values of the records a change may touch, as the texts the change journal keeps, and what
// differs between two such pictures: the before and after values of a journal record.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include "data/dataset.h"
#include "data/journal.h"
#include "edit/snapshot.h"

namespace absence::edit {

// Dates in journal texts, whatever the user's date order.
inline constexpr const char* kJournalDatePattern = "yyyy-mm-dd";

struct TValueKey {
  TJournalRefType Type = TJournalRefType::Employee;
  int32_t ID = 0;
  std::string What;
  auto operator<=>(const TValueKey&) const = default;
};

struct TValueText {
  std::string Text;
  int32_t ReasonID = 0;  // the reason the value belongs to (an entry's, a balance's), or 0
};

// The pictured records' values, and their names as they were.
struct TPicture {
  std::map<TValueKey, TValueText> Values;
  std::map<std::pair<TJournalRefType, int32_t>, TJournalRef> Names;
  std::set<int32_t> EmpIDs;  // every employee's identifier, when the employee list may change
};

// Pictures what `scope` names. Employees reached only through AllEmps (the copies of a global
// entry, the balances of a trashed reason) are not pictured: the change is recorded where it
// was made. With EmpOrder, employees that are not in `before.EmpIDs` are pictured whole, so an
// added employee shows with its values.
TPicture PictureScope(const TDataSet& data, const TScope& scope, const TPicture* before = nullptr);

// The whole data set, compared record by record with `other`: only records that differ are
// pictured, in both.
std::pair<TPicture, TPicture> PictureDifferences(const TDataSet& before, const TDataSet& after);

// At most this many values are kept in one record; a larger change notes how many more.
inline constexpr std::size_t kMaxJournalValues = 20000;

// The before and after values that differ, and the records they belong to (with the reasons of
// entries and balances), into `record`.
void DescribeDifferences(const TPicture& before, const TPicture& after, TJournalRecord& record);

}  // namespace absence::edit

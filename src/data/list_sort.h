#pragma once
// Sorting an owning record list with SortIndexed by precomputed keys.
#include <limits>
#include <string>
#include <unordered_set>
#include <utility>
#include <vector>

#include "data/ansi.h"
#include "data/sort_indexed.h"
#include "data/types.h"

namespace absence {

// Sorts `list` by keys[i] (one per element) with `compare(keyA, keyB)`; keys move with their
// records, so each key is computed once.
template <class T, class Key, class Compare>
void SortByKeys(TRecList<T>& list, std::vector<Key>& keys, Compare compare) {
  SortIndexed(
      static_cast<int64_t>(list.size()),
      [&](int64_t i, int64_t j) { return compare(keys[i - 1], keys[j - 1]); },
      [&](int64_t i, int64_t j) {
        std::swap(list[i - 1], list[j - 1]);
        std::swap(keys[i - 1], keys[j - 1]);
      });
}

// The order of departments and reasons: by name (AnsiSortKey), and equal names (the windows
// allow none, a file may hold some) by identifier, so that the comparison is a strict weak
// ordering and the result does not depend on where the sort picks its pivots.
struct TNameSortKey {
  std::string Name;
  int32_t ID = 0;
};
inline int CompareNameSortKeys(const TNameSortKey& a, const TNameSortKey& b) {
  if (const int byName = CompareBytes(a.Name, b.Name)) return byName;
  return a.ID < b.ID ? -1 : (a.ID > b.ID ? 1 : 0);
}

// Largest identifier in the list (deleted records count) plus one; 1 for none. Throws
// EIdentifierRangeError when the largest is already the greatest a stored identifier can hold.
template <class T, class IdOf>
int32_t NextIdentifier(const TRecList<T>& list, IdOf idOf) {
  int32_t largest = 0;
  for (const auto& r : list)
    if (idOf(*r) > largest) largest = idOf(*r);
  if (largest == std::numeric_limits<int32_t>::max())
    throw EIdentifierRangeError(
        "No identifier is left for a new record: " + std::to_string(largest) +
        " is in use and is the largest one a file can hold.");
  return largest + 1;
}

// A reader's last step before sorting: every record whose identifier is not positive, or is one
// an earlier record of the list already has, gets a new one above the largest in the list, with
// a warning (a sort by name could otherwise order such records differently at every load, and
// references by identifier would be ambiguous). Where no identifier is left the record is
// skipped with a warning. `idOf` returns a reference to the record's identifier. True when a
// record was given a new identifier or skipped.
template <class T, class IdOf, class NameOf>
bool RenumberRepeatedIdentifiers(TRecList<T>& list, IdOf idOf, NameOf nameOf,
                                 const std::string& fileName, TWarnings& warnings) {
  int32_t largest = 0;
  for (const auto& r : list) largest = std::max(largest, idOf(*r));
  const std::size_t warningsBefore = warnings.size();
  std::unordered_set<int32_t> seen;
  seen.reserve(list.size());
  std::size_t kept = 0;
  for (auto& r : list) {
    int32_t& id = idOf(*r);
    if (id <= 0 || !seen.insert(id).second) {
      const std::string what = fileName + ": \"" + nameOf(*r) + "\" has identifier " +
                               std::to_string(id) +
                               (id <= 0 ? ", which is not usable" : ", as an earlier record has");
      if (largest == std::numeric_limits<int32_t>::max()) {
        warnings.push_back(what + "; no identifier is left for it, so it was skipped");
        continue;
      }
      id = ++largest;
      seen.insert(id);
      warnings.push_back(what + "; it was given identifier " + std::to_string(id));
    }
    list[kept++] = std::move(r);
  }
  const bool changed = kept != list.size() || warnings.size() != warningsBefore;
  list.resize(kept);
  return changed;
}

}  // namespace absence

#pragma once
// Sorting an owning record list with SortIndexed by precomputed keys.
#include <limits>
#include <string>
#include <utility>
#include <vector>

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

}  // namespace absence

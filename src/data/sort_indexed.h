#pragma once
// The shared index sort: an in-place quicksort driven by two callbacks on 1-based positions.
#include <cstdint>

namespace absence {

// compare(i, j) returns -1, 0 or 1 as element i sorts before, equal to or after element j;
// swap(i, j) exchanges them. Positions are 1-based. Not stable. Recursion goes into the smaller
// part only, so the depth stays logarithmic whatever the data.
template <class Compare, class Swap>
void SortIndexed(int64_t count, Compare&& compare, Swap&& swap) {
  struct Sorter {
    Compare& cmp;
    Swap& swp;
    void Sort(int64_t first, int64_t length) {
      while (length > 2) {
        const int64_t last = first + length - 1;
        const int64_t middle = first + length / 2;
        // Median of three to the first position, smallest to the middle, largest to the last.
        if (cmp(first, last) > 0) swp(first, last);
        if (cmp(middle, last) > 0) swp(middle, last);
        if (cmp(middle, first) > 0) swp(middle, first);
        if (length == 3) {
          swp(first, middle);
          return;
        }
        // Three-way partition around the pivot; equal items gather next to it.
        int64_t lt = first, i = first + 1, gt = last;
        while (i <= gt) {
          const int c = cmp(i, lt);
          if (c < 0) {
            swp(lt, i);
            ++lt;
            ++i;
          } else if (c > 0) {
            swp(i, gt);
            --gt;
          } else {
            ++i;
          }
        }
        const int64_t lowLen = lt - first;
        const int64_t highLen = last - gt;
        if (lowLen < highLen) {
          Sort(first, lowLen);
          first = gt + 1;
          length = highLen;
        } else {
          Sort(gt + 1, highLen);
          length = lowLen;
        }
      }
      if (length == 2 && cmp(first, first + 1) > 0) swp(first, first + 1);
    }
  };
  if (count < 2) return;
  Sorter s{compare, swap};
  s.Sort(1, count);
}

}  // namespace absence

#pragma once
// The floor under the load: the four data files read and every record decoded into plain
// structs, without building the data set (no record lists, no global copies, no sorting). The
// load is measured against it.
#include <cstddef>
#include <string>

namespace absence::bench {

struct TFloorCounts {
  std::size_t Bytes = 0;    // of the four files
  std::size_t Records = 0;  // records decoded
  std::size_t Items = 0;    // balances, entries, rules and global entries
};

TFloorCounts DecodeDataFiles(const std::string& folder);

}  // namespace absence::bench

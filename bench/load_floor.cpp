#include "load_floor.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "data/binio.h"
#include "data/datafiles.h"
#include "data/dataset.h"
#include "data/fileio.h"

namespace absence::bench {
namespace {

using namespace binio;

struct TPlainDept {
  int32_t ID;
  std::string Name, Code;
  bool Active;
  int32_t Manager;
};

struct TPlainReason {
  int32_t ID;
  std::string Description;
  bool Active, HasPolicy;
  char Basis, Validate;
};

struct TPlainEmp {
  int32_t ID;
  std::string LastName, FirstName, SSN;
  double Start, Term;
  char Type;
  int32_t Dept;
};

// A balance, an entry, a rule or a global entry, with the record it belongs to.
struct TPlainItem {
  uint32_t Owner;
  int32_t Reason;
  float Hours;
  double Date;
  char Kind;
};

struct TPlainData {
  std::vector<TPlainDept> Depts;
  std::vector<TPlainReason> Reasons;
  std::vector<TPlainEmp> Emps;
  std::vector<TPlainItem> Items;
};

template <class Fn>
std::size_t ForEachRecord(const TBytes& bytes, std::size_t size, Fn fn) {
  const std::span<const uint8_t> all(bytes);
  std::size_t n = 0;
  for (std::size_t off = 0; off + size <= bytes.size(); off += size, ++n)
    fn(all.subspan(off, size));
  return n;
}

}  // namespace

TFloorCounts DecodeDataFiles(const std::string& folder) {
  const TBytes reasons = ReadWholeFile(DataPath(folder, kReasonFile));
  const TBytes globals = ReadWholeFile(DataPath(folder, kGlobalsFile));
  const TBytes depts = ReadWholeFile(DataPath(folder, kDeptFile));
  TPlainData d;
  d.Depts.reserve(depts.size() / kDeptRecSize);
  d.Reasons.reserve(reasons.size() / kReasonRecSize);
  TFloorCounts counts;
  counts.Bytes = reasons.size() + globals.size() + depts.size();
  counts.Records += ForEachRecord(reasons, kReasonRecSize, [&](std::span<const uint8_t> r) {
    if (r[0] == '1')
      d.Reasons.push_back({GetI32(r, 2), GetString(r, 6, kDescriptionLen), r[37] != 0, r[38] != 0,
                           static_cast<char>(r[39]), static_cast<char>(r[40])});
    else
      d.Items.push_back({static_cast<uint32_t>(d.Reasons.size()), GetI32(r, 2), GetF32(r, 10),
                         static_cast<double>(GetI32(r, 6)), 'R'});
  });
  // emp.dat in pieces, as the load reads it.
  const auto decodeEmp = [&](std::span<const uint8_t> r) {
    if (r[0] == '1') {
      d.Emps.push_back({GetI32(r, 2), GetString(r, 6, kLastNameLen),
                        GetString(r, 37, kFirstNameLen), GetString(r, 58, kSSNLen), GetF64(r, 74),
                        GetF64(r, 82), static_cast<char>(r[90]), GetI32(r, 91)});
      return;
    }
    const bool balance = r[0] == '2';
    const int count = std::min<int>(r[2], kItemsPerRecord);
    for (int k = 0; k < count; ++k) {
      const std::size_t off = 3 + 16 * static_cast<std::size_t>(k);
      if (balance)
        d.Items.push_back({static_cast<uint32_t>(d.Emps.size()), GetI32(r, off), GetF32(r, off + 4),
                           GetF64(r, off + 8), 'B'});
      else
        d.Items.push_back({static_cast<uint32_t>(d.Emps.size()), GetI32(r, off + 8),
                           GetF32(r, off + 12), GetF64(r, off), 'E'});
    }
  };
  ReadFileInPieces(
      DataPath(folder, kEmpFile), kEmpFilePiece,
      [&](uint64_t size) {
        counts.Bytes += size;
        d.Items.reserve(size / kEmpRecSize * kItemsPerRecord + globals.size() / kGlobalRecSize);
      },
      [&](std::span<const uint8_t> piece) {
        for (std::size_t off = 0; off + kEmpRecSize <= piece.size();
             off += kEmpRecSize, ++counts.Records)
          decodeEmp(piece.subspan(off, kEmpRecSize));
      });
  counts.Records += ForEachRecord(globals, kGlobalRecSize, [&](std::span<const uint8_t> r) {
    d.Items.push_back({0, GetI32(r, 8), GetF32(r, 12), GetF64(r, 0), 'G'});
  });
  counts.Records += ForEachRecord(depts, kDeptRecSize, [&](std::span<const uint8_t> r) {
    d.Depts.push_back({GetI32(r, 0), GetString(r, 4, kDeptNameLen), GetString(r, 55, kDeptCodeLen),
                       r[71] != 0, GetI32(r, 72)});
  });
  counts.Items = d.Items.size();
  return counts;
}

}  // namespace absence::bench

#pragma once
// Helpers for the data-layer tests: temporary folders, little data sets, raw record builders
// that place each field at its documented offset (independent of the writers under test).
#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "data/dataset.h"
#include "data/fileio.h"

namespace absence::test {

class TTempFolder {
 public:
  TTempFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("absence-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string Folder() const { return path_.string() + "/"; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

// A zeroed record of `size` bytes with fields poked in at their offsets.
struct TRaw {
  explicit TRaw(std::size_t size) : bytes(size, 0) {}
  TRaw& U8(std::size_t off, uint8_t v) {
    bytes.at(off) = v;
    return *this;
  }
  TRaw& I32(std::size_t off, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes.at(off + i) = static_cast<uint8_t>(u >> (8 * i));
    return *this;
  }
  TRaw& F32(std::size_t off, float v) { return I32(off, std::bit_cast<int32_t>(v)); }
  TRaw& F64(std::size_t off, double v) {
    const auto u = std::bit_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i) bytes.at(off + i) = static_cast<uint8_t>(u >> (8 * i));
    return *this;
  }
  // Length byte then the raw (Windows-1252) characters.
  TRaw& Str(std::size_t off, const std::string& ansi) {
    bytes.at(off) = static_cast<uint8_t>(ansi.size());
    std::memcpy(bytes.data() + off + 1, ansi.data(), ansi.size());
    return *this;
  }
  TBytes bytes;
};

inline void Append(TBytes& out, const TRaw& r) {
  out.insert(out.end(), r.bytes.begin(), r.bytes.end());
}

inline void WriteBytes(const std::string& path, const TBytes& bytes) {
  TFileOps::Real().WriteFileSynced(path, bytes);
}

// Day numbers used across the tests.
inline constexpr double k2024Jan1 = 45292;
inline constexpr double k2024Jul1 = 45474;

// A small data set: two reasons (one with a policy), two departments, three employees with
// balances and own entries, and two global entries.
TDataSet MakeSampleDataSet();

// A random but valid data set for round trips and failure tests.
TDataSet MakeRandomDataSet(uint32_t seed, int employees);

}  // namespace absence::test

#pragma once
// Little-endian fields and length-byte strings of the fixed-size file records.
#include <bit>
#include <cmath>
#include <cstring>
#include <span>
#include <string>

#include "data/ansi.h"
#include "data/datafiles.h"
#include "dates/dates.h"

namespace absence::binio {

inline void PutByte(TBytes& out, uint8_t b) {
  out.push_back(b);
}
inline void PutZeros(TBytes& out, std::size_t n) {
  out.insert(out.end(), n, 0);
}

inline void PutU32(TBytes& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
inline void PutI32(TBytes& out, int32_t v) {
  PutU32(out, static_cast<uint32_t>(v));
}
inline void PutF32(TBytes& out, float v) {
  PutU32(out, std::bit_cast<uint32_t>(v));
}
inline void PutF64(TBytes& out, double v) {
  const auto u = std::bit_cast<uint64_t>(v);
  for (int i = 0; i < 8; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}
// Length byte plus `capacity` bytes; longer text is cut to its first `capacity` characters.
inline void PutString(TBytes& out, const std::string& utf8, std::size_t capacity) {
  std::string ansi = ToAnsi(utf8);
  if (ansi.size() > capacity) ansi.resize(capacity);
  out.push_back(static_cast<uint8_t>(ansi.size()));
  out.insert(out.end(), ansi.begin(), ansi.end());
  PutZeros(out, capacity - ansi.size());
}

inline uint32_t GetU32(std::span<const uint8_t> r, std::size_t off) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(r[off + i]) << (8 * i);
  return v;
}
inline int32_t GetI32(std::span<const uint8_t> r, std::size_t off) {
  return static_cast<int32_t>(GetU32(r, off));
}
inline float GetF32(std::span<const uint8_t> r, std::size_t off) {
  return std::bit_cast<float>(GetU32(r, off));
}
inline double GetF64(std::span<const uint8_t> r, std::size_t off) {
  uint64_t v = 0;
  for (int i = 0; i < 8; ++i) v |= static_cast<uint64_t>(r[off + i]) << (8 * i);
  return std::bit_cast<double>(v);
}
// A length byte above the capacity is taken as the capacity; `clamped` reports it.
inline std::string GetString(std::span<const uint8_t> r, std::size_t off, std::size_t capacity,
                             bool* clamped = nullptr) {
  std::size_t len = r[off];
  if (len > capacity) {
    len = capacity;
    if (clamped) *clamped = true;
  }
  return FromAnsi(std::string_view(reinterpret_cast<const char*>(r.data() + off + 1), len));
}

// A day number inside the date range (years 1 to 9999).
inline bool IsValidDate(double d) {
  return std::isfinite(d) && d >= kMinDate && d <= kMaxDate;
}

}  // namespace absence::binio

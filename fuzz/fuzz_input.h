#pragma once
// Splits one fuzzer input into the pieces a target needs: small numbers and length-prefixed
// byte strings, taken from the front. A piece that runs past the end takes what is left, so
// every input is usable and a short one simply gives empty pieces.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace absence::fuzz {

class TFuzzInput {
 public:
  explicit TFuzzInput(std::span<const uint8_t> bytes) : rest_(bytes) {}

  uint8_t Byte() {
    if (rest_.empty()) return 0;
    const uint8_t b = rest_.front();
    rest_ = rest_.subspan(1);
    return b;
  }
  uint32_t Number32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(Byte()) << (8 * i);
    return v;
  }
  // A piece of at most 2^24 - 1 bytes, its length written as three little-endian bytes.
  std::span<const uint8_t> Piece() {
    std::size_t n = Byte();
    n |= static_cast<std::size_t>(Byte()) << 8;
    n |= static_cast<std::size_t>(Byte()) << 16;
    n = std::min(n, rest_.size());
    const auto piece = rest_.first(n);
    rest_ = rest_.subspan(n);
    return piece;
  }
  std::span<const uint8_t> Rest() {
    const auto all = rest_;
    rest_ = {};
    return all;
  }

 private:
  std::span<const uint8_t> rest_;
};

// Builds inputs that TFuzzInput takes apart the same way (the seed corpus).
class TFuzzInputWriter {
 public:
  TFuzzInputWriter& Byte(uint8_t b) {
    bytes_.push_back(b);
    return *this;
  }
  TFuzzInputWriter& Number32(uint32_t v) {
    for (int i = 0; i < 4; ++i) Byte(static_cast<uint8_t>(v >> (8 * i)));
    return *this;
  }
  TFuzzInputWriter& Piece(std::span<const uint8_t> piece) {
    const std::size_t n = std::min<std::size_t>(piece.size(), 0xFFFFFF);
    Byte(static_cast<uint8_t>(n))
        .Byte(static_cast<uint8_t>(n >> 8))
        .Byte(static_cast<uint8_t>(n >> 16));
    bytes_.insert(bytes_.end(), piece.begin(), piece.begin() + static_cast<std::ptrdiff_t>(n));
    return *this;
  }
  TFuzzInputWriter& Rest(std::span<const uint8_t> rest) {
    bytes_.insert(bytes_.end(), rest.begin(), rest.end());
    return *this;
  }
  TFuzzInputWriter& Rest(const std::string& text) {
    return Rest(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace absence::fuzz

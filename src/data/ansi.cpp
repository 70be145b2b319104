#include "data/ansi.h"

#include <array>
#include <cstdint>

namespace absence {
namespace {

// Code points of bytes 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ByteToCodePoint(unsigned char b) {
  if (b >= 0x80 && b <= 0x9F) return kHigh[b - 0x80];
  return b;
}

int CodePointToByte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at s[i]; returns its length, 0 when the bytes are not valid UTF-8.
std::size_t DecodeUtf8(std::string_view s, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  std::size_t len = 0;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    len = 2;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4;
    cp = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + len > s.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  static constexpr char32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
  if (cp < kMin[len] || cp > 0x10FFFF) return 0;
  return len;
}

// What each Windows-1252 byte from 0x80 on sorts as: letters as their capital without accents
// (ligatures and "ß" as two letters), the typographic quotes, dashes and the no-break space as
// their plain forms; nullptr keeps the byte itself.
constexpr std::array<const char*, 128> kFoldHigh = [] {
  std::array<const char*, 128> t{};
  auto set = [&t](int from, int to, const char* as) {
    for (int b = from; b <= to; ++b) t[static_cast<std::size_t>(b - 0x80)] = as;
  };
  set(0x83, 0x83, "F");
  set(0x8A, 0x8A, "S");
  set(0x8C, 0x8C, "OE");
  set(0x8E, 0x8E, "Z");
  set(0x91, 0x92, "'");
  set(0x93, 0x94, "\"");
  set(0x96, 0x97, "-");
  set(0x9A, 0x9A, "S");
  set(0x9C, 0x9C, "OE");
  set(0x9E, 0x9E, "Z");
  set(0x9F, 0x9F, "Y");
  set(0xA0, 0xA0, " ");
  for (int base : {0xC0, 0xE0}) {
    set(base + 0x00, base + 0x05, "A");
    set(base + 0x06, base + 0x06, "AE");
    set(base + 0x07, base + 0x07, "C");
    set(base + 0x08, base + 0x0B, "E");
    set(base + 0x0C, base + 0x0F, "I");
    set(base + 0x10, base + 0x10, "D");
    set(base + 0x11, base + 0x11, "N");
    set(base + 0x12, base + 0x16, "O");
    set(base + 0x18, base + 0x18, "O");
    set(base + 0x19, base + 0x1C, "U");
    set(base + 0x1D, base + 0x1D, "Y");
    set(base + 0x1E, base + 0x1E, "TH");
  }
  set(0xDF, 0xDF, "SS");
  set(0xFF, 0xFF, "Y");
  return t;
}();

char FoldAZ(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

}  // namespace

std::string ToAnsi(std::string_view utf8) {
  if (IsAscii(utf8)) return std::string(utf8);
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8(utf8, i, cp);
    if (len == 0) {
      out += utf8[i];
      ++i;
      continue;
    }
    const int b = CodePointToByte(cp);
    out += b < 0 ? '?' : static_cast<char>(b);
    i += len;
  }
  return out;
}

std::string FromAnsi(std::string_view ansi) {
  if (IsAscii(ansi)) return std::string(ansi);
  std::string out;
  out.reserve(ansi.size() + 8);
  for (char c : ansi) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
  return out;
}

std::string AnsiSortKey(std::string_view utf8) {
  std::string key(utf8);
  if (IsAscii(utf8)) {
    for (char& c : key) c = FoldAZ(c);
    return key;
  }
  // The folded letters first; then, after a 0 byte, one mark per character (1 for ASCII, else
  // its byte), so that texts equal but for their accents still come in one fixed order, the
  // text without accents first.
  const std::string ansi = ToAnsi(utf8);
  key.clear();
  key.reserve(2 * ansi.size() + 1);
  for (char c : ansi) {
    const auto b = static_cast<unsigned char>(c);
    const char* as = b >= 0x80 ? kFoldHigh[b - 0x80] : nullptr;
    if (as)
      key += as;
    else
      key += FoldAZ(c);
  }
  key += '\0';
  for (char c : ansi) key += static_cast<unsigned char>(c) < 0x80 ? '\1' : c;
  return key;
}

int CompareBytes(std::string_view a, std::string_view b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int CompareNoCaseAZ(std::string_view a, std::string_view b) {
  std::string x = ToAnsi(a);
  std::string y = ToAnsi(b);
  for (char& c : x) c = FoldAZ(c);
  for (char& c : y) c = FoldAZ(c);
  return CompareBytes(x, y);
}

}  // namespace absence

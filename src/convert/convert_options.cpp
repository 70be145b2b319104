#include "convert/convert_options.h"

#include <charconv>
#include <cmath>
#include <ctime>

namespace absence {

int ThisYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

bool ParseFileHours(const std::string& text, float& result) {
  // Hours are written with the hours pattern, which may group thousands with ",".
  std::string plain;
  for (const char c : text)
    if (c != ',') plain += c;
  const char* first = plain.data();
  const char* last = first + plain.size();
  if (first != last && *first == '+') ++first;
  const auto [p, ec] = std::from_chars(first, last, result, std::chars_format::fixed);
  return ec == std::errc() && p == last && std::isfinite(result);
}

}  // namespace absence

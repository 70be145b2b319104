#include "data/float_text.h"

#include <charconv>

namespace absence {

std::string ShortestFloatText(float v) {
  // Enough for any float in the shortest form ("-1.17549435e-38" is 15 characters).
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return std::string(buf, ec == std::errc() ? end : buf);
}

}  // namespace absence

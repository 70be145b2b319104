#pragma once
// Hours and rates as machine-readable text.
#include <string>

namespace absence {

// Shortest text that reads back as the same single-precision value ("33.333332", "120",
// "-2.5", "1e-05"); "nan", "inf" and "-inf" for values that are not finite.
std::string ShortestFloatText(float v);

}  // namespace absence

#pragma once
// Generated organisations for the timings, in four sizes. The same size and seed always give the
// same data set: 20 reasons with 3-tier policies, 40 departments, about 30 own entries per
// employee and year, 10 global entries a year.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "data/dataset.h"

namespace absence::bench {

enum class TOrgSize { Small, Medium, Large, Huge };
inline constexpr TOrgSize kAllSizes[] = {TOrgSize::Small, TOrgSize::Medium, TOrgSize::Large,
                                         TOrgSize::Huge};
inline constexpr uint32_t kDefaultSeed = 2026;

struct TOrgShape {
  int Employees = 2000;
  int Years = 25;
  int EntriesPerYear = 30;
  int Reasons = 20;
  int GlobalsPerYear = 10;
  int FirstYear = 2001;

  int LastYear() const { return FirstYear + Years - 1; }
};

// small: 50 employees, 3 years; medium: 500, 10; large: 2,000, 25; huge: 10,000, 25.
TOrgShape ShapeOf(TOrgSize size);
const char* SizeName(TOrgSize size);
std::optional<TOrgSize> SizeFromName(std::string_view name);

TDataSet MakeOrg(const TOrgShape& shape, uint32_t seed = kDefaultSeed);

// Writes the generated organisation into `folder` (created when missing) through the data set's
// own save.
void WriteOrg(const TOrgShape& shape, uint32_t seed, const std::string& folder);

}  // namespace absence::bench

#pragma once
// A generated "large organisation" for the timings: 2,000 employees, 25 years of history with
// about 30 own entries each per year, 20 reasons with 3-tier policies, 10 global entries a year.
#include "data/dataset.h"

namespace absence::bench {

struct TLargeOrgShape {
  int Employees = 2000;
  int Years = 25;
  int EntriesPerYear = 30;
  int Reasons = 20;
  int GlobalsPerYear = 10;
  int FirstYear = 2001;
};

TDataSet MakeLargeOrg(const TLargeOrgShape& shape = {});

}  // namespace absence::bench

#pragma once
// The whole data set as JSON: lists in memory order, trash included.
#include <string>

#include "data/dataset.h"

namespace absence {

// Dates are day numbers as stored; hours are shortest round-trip single-precision values.
std::string DumpJson(const TDataSet& data);

}  // namespace absence

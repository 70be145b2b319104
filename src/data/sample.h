#pragma once
// A demo organisation a newcomer can start with: departments with managers, current and former
// employees, reasons with and without accrual policies, three years of absences up to a given
// day, yearly holidays for everybody (one employee excluded from one of them). The same day
// always gives the same data set.
#include <stdexcept>
#include <string>

#include "data/dataset.h"

namespace absence {

// The folder given for a sample already holds a data set (or the remains of a save).
class ESampleFolderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The demo organisation as it stands on `today`.
TDataSet MakeSampleOrganisation(TDate today);

// Names of the data files (or files a save leaves behind) already in `folder`; empty when
// there are none or the folder does not exist.
std::vector<std::string> DataFilesIn(const std::string& folder);

// Writes the demo organisation into `folder` (created when missing) through the data set's own
// save. Throws ESampleFolderError when the folder already holds data files, which are left as
// they are, and EDataFileError when writing fails.
void WriteSampleOrganisation(const std::string& folder, TDate today);

}  // namespace absence

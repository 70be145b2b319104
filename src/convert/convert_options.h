#pragma once
// What an import or export run needs to know besides the data set.
#include <functional>
#include <string>

#include "convert/text_format.h"
#include "data/types.h"

namespace absence {

// The character encoding of an export file. Imports find theirs (see TImportFile).
enum class TTextEncoding { Windows1252, Utf8 };

// The current year by the system clock.
int ThisYear();

struct TConvertOptions {
  TFileFormat Format = TFileFormat::Comma;
  std::string DatePattern = "mm/dd/yyyy";               // how dates are written and read
  std::string HourFormat = "#,##0.0";                   // how hours are written
  TTextEncoding Encoding = TTextEncoding::Windows1252;  // how an export is written
  int NearYear = ThisYear();  // two-digit years read are completed near this year
};

// Called after each line read (import) or each employee written (export) with the count so far.
using TProgressFn = std::function<void(int done)>;

// Text of an hours field as the import converts it; false when it is no number. (Date fields
// are read with ParseDateLenient, dates/date_text.h.)
bool ParseFileHours(const std::string& text, float& result);

}  // namespace absence

#pragma once
// The failures of an import or export run, each with the message the user is shown and the kind
// of box it is shown in.
#include <stdexcept>
#include <string>

namespace absence {

enum class TMessageKind { Information, Warning, Error };

class EConvertError : public std::runtime_error {
 public:
  EConvertError(TMessageKind kind, const std::string& message)
      : std::runtime_error(message), Kind(kind) {}
  TMessageKind Kind;
};

// Which kind of information a file holds.
enum class TConvertContent { Employees, Absences };

inline constexpr const char* kMissingImportFileMessage =
    "The Data File you selected does not exist.  Please check your file selection and try again.";
inline constexpr const char* kCannotCreateExportFileMessage =
    "The file cannot be created. Please check your file selection and try again.";

// "The following error occurred trying to open your Employee data file: ..." (error box).
std::string OpenErrorMessage(TConvertContent content, int code, const std::string& systemMessage);
// An export file that could be created but not written in full, with the system's message
// (error box).
std::string ExportWriteErrorMessage(const std::string& systemMessage);
// A fixed-length line of the wrong length (warning box).
std::string LengthErrorMessage(TConvertContent content, int record);
// A delimited line without the separator after `fieldName` (warning box).
std::string FieldErrorMessage(const std::string& fieldName, int record);
// A delimited line with more fields than the layout's `fields` (warning box).
std::string ExtraFieldsMessage(TConvertContent content, int record, int fields);
// A number field longer than its width, which cutting would change (warning box).
std::string FieldTooLongMessage(const std::string& fieldName, const std::string& text, int record,
                                int width);
// An absence line for an Employee ID no employee has (information box).
std::string UnknownEmployeeMessage(const std::string& employeeID, int record);
// A date or hours field that is no date or number (warning box).
// A record whose values the data set cannot take (hours or identifiers beyond what a file holds).
std::string OutOfRangeMessage(const std::string& reason, int record);
std::string ConversionErrorMessage(const std::string& fieldName, const std::string& text,
                                   int record);

}  // namespace absence

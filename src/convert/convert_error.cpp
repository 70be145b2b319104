#include "convert/convert_error.h"

namespace absence {
namespace {

const char* ContentWord(TConvertContent content) {
  return content == TConvertContent::Employees ? "Employee" : "Absence";
}

}  // namespace

std::string OpenErrorMessage(TConvertContent content, int code, const std::string& systemMessage) {
  return std::string("The following error occurred trying to open your ") + ContentWord(content) +
         " data file:\n\nCode = " + std::to_string(code) + "  Msg = " + systemMessage;
}

std::string ExportWriteErrorMessage(const std::string& systemMessage) {
  return "The following error occurred writing the file:\n\n" + systemMessage +
         "\n\nAn earlier file of that name was left as it was.";
}

std::string LengthErrorMessage(TConvertContent content, int record) {
  const bool employees = content == TConvertContent::Employees;
  return std::string(employees ? "Employee" : "Absence") + " information record " +
         std::to_string(record) + " is not the correct length.\n\n" +
         "Please check your file to make sure all records are" + (employees ? " 136" : " 61") +
         " characters long and try again.";
}

std::string FieldErrorMessage(const std::string& fieldName, int record) {
  return "An error occurred finding the \"" + fieldName + "\" field in record " +
         std::to_string(record) + ".\n\nPlease check your file and try again.";
}

std::string ExtraFieldsMessage(TConvertContent content, int record, int fields) {
  return std::string(ContentWord(content)) + " information record " + std::to_string(record) +
         " has more than " + std::to_string(fields) +
         " fields.\n\nPlease check your file and try again.";
}

std::string FieldTooLongMessage(const std::string& fieldName, const std::string& text, int record,
                                int width) {
  return "The \"" + fieldName + "\" field in record " + std::to_string(record) + " (\"" + text +
         "\") does not fit in " + std::to_string(width) +
         " characters.\n\nPlease check your file and try again.";
}

std::string UnknownEmployeeMessage(const std::string& employeeID, int record) {
  return "Error locating Employee for ID " + employeeID + " in record " + std::to_string(record) +
         ".";
}

std::string ConversionErrorMessage(const std::string& fieldName, const std::string& text,
                                   int record) {
  return "The \"" + fieldName + "\" field in record " + std::to_string(record) + " (\"" + text +
         "\") is not a valid " + (fieldName == "Absence Hours" ? "number" : "date") +
         ".\n\nPlease check your file and try again.";
}

std::string OutOfRangeMessage(const std::string& reason, int record) {
  return "Record " + std::to_string(record) + " cannot be imported. " + reason +
         "\n\nPlease check your file and try again.";
}

}  // namespace absence

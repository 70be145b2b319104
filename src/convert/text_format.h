#pragma once
// The text layouts of the import and export files: employee lines and absence lines, comma or
// tab delimited or fixed length. Lines here are Windows-1252 bytes, as in the file, so that field
// widths count characters; the runs convert field texts to and from UTF-8.
#include <array>
#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace absence {

enum class TFileFormat { Comma, Tab, Fixed };

// A field of a line layout: its name in messages and its width in characters.
struct TFieldSpec {
  const char* Name;
  int Width;
};

inline constexpr std::array<TFieldSpec, 7> kEmployeeFields = {{{"Last Name", 30},
                                                               {"First Name", 20},
                                                               {"Employee ID", 15},
                                                               {"Start Date", 10},
                                                               {"End Date", 10},
                                                               {"Employee Type", 1},
                                                               {"Department", 50}}};
inline constexpr std::array<TFieldSpec, 4> kAbsenceFields = {
    {{"Employee ID", 15}, {"Absence Reason", 30}, {"Absence Date", 10}, {"Absence Hours", 6}}};

// Field positions in the layouts above.
enum TEmployeeField {
  efLastName,
  efFirstName,
  efEmployeeID,
  efStartDate,
  efEndDate,
  efEmpType,
  efDepartment
};
enum TAbsenceField { afEmployeeID, afReason, afDate, afHours };

// A delimited line ended before a field that needs a separator after it.
class PVConvertException : public std::exception {
 public:
  const char* what() const noexcept override {
    return "An error occurred finding a data field in the record.";
  }
};

// Takes the fields of one delimited line from the front, one after the other.
class TFieldReader {
 public:
  TFieldReader(std::string_view line, char separator) : rest_(line), separator_(separator) {}
  // The text before the next separator, cut to `width`; throws PVConvertException when there is
  // no separator left.
  std::string Next(int width);
  // The first `width` characters of what remains; needs no separator.
  std::string Last(int width) const;

 private:
  std::string_view rest_;
  char separator_;
};

char Separator(TFileFormat format);

// The text with blanks removed at both ends.
std::string Trim(std::string_view text);

// Commas taken out by rotation: while the text holds a comma it becomes the part after the first
// comma, a blank and the part before it ("Smith, Jr" -> " Jr Smith").
std::string RotateCommas(std::string text);

// Splits a line into the layout's fields as the import reads them. Delimited: each field but the
// last is cut to its width, the last is the first `Width` characters of the rest; a missing
// separator throws PVConvertException with `failedField` set to the field's index. Fixed: the
// fields at their columns, trimmed except those in `untrimmedFixed`; the caller checks the
// line's length first.
std::vector<std::string> SplitLine(std::string_view line, TFileFormat format,
                                   std::span<const TFieldSpec> fields,
                                   std::span<const int> untrimmedFixed, int& failedField);

// Joins field texts into a line as the export writes it. Delimited: joined by the separator, the
// fields marked in `isText` rotated in the comma format. Fixed: every field padded with blanks
// and cut to its width. Line breaks and tabs inside a field become blanks.
std::string JoinLine(std::span<const std::string_view> texts, TFileFormat format,
                     std::span<const TFieldSpec> fields, std::span<const bool> isText);

}  // namespace absence

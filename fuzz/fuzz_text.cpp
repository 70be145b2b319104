// Fuzz targets of the text readers: the settings file, the import lines, the date text.
#include <cmath>
#include <cstring>
#include <fstream>

#include "convert/import_run.h"
#include "convert/text_file.h"
#include "data/settings.h"
#include "dates/date_text.h"
#include "dates/dates.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"

namespace absence::fuzz {
namespace {

std::string Text(std::span<const uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

double Float64(TFuzzInput& in) {
  uint64_t bits = in.Number32();
  bits |= static_cast<uint64_t>(in.Number32()) << 32;
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

// The settings as the file holds them after a write, for comparing two readings.
std::string WrittenSettings(const TSettings& s) {
  TIniFile ini;
  WriteIniSettings(ini, s, true);
  return ini.Text();
}

TSettings ReadBack(const std::string& text, int resolution) {
  TIniFile ini;
  ini.Parse(text);
  TSettings s;
  ReadIniSettings(ini, "Absence", resolution, s);
  return s;
}

const char* const kDisplayPatterns[] = {"mm/dd/yyyy", "dd/mm/yyyy", "yyyy/mm/dd"};

void ImportLines(std::span<const uint8_t> bytes, TConvertContent content) {
  TFuzzInput in(bytes);
  TConvertOptions options;
  options.Format = static_cast<TFileFormat>(in.Byte() % 3);
  options.DatePattern = kDisplayPatterns[in.Byte() % 3];
  const TImportMode mode = in.Byte() % 2 ? TImportMode::Add : TImportMode::Replace;
  // Through a file, so the lines are split as an import file's are.
  const std::string path = DataPath(EmptyFuzzFolder(), "import.txt");
  {
    const auto rest = in.Rest();
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(rest.data()),
              static_cast<std::streamsize>(rest.size()));
  }
  const auto lines = ReadImportLines(path, content);
  TDataSet data = FixtureDataSet();
  try {
    if (content == TConvertContent::Employees)
      ImportEmployees(data, lines, options, mode);
    else
      ImportAbsences(data, lines, options, mode);
  } catch (const EConvertError&) {
    // A refused line is the import's ordinary answer; what it kept must still save.
  }
  CheckSaveReadsBack(data,
                     content == TConvertContent::Employees ? "employee import" : "absence import");
}

}  // namespace

// A settings file read, repaired and written back: the written file must read as the same
// settings and write the same text again. One key of the input's choosing is written with a
// value of its choosing; it is refused, or it reads back (without its surrounding blanks)
// and leaves every other setting as it was.
void FuzzSettings(std::span<const uint8_t> bytes) {
  TFuzzInput in(bytes);
  const int resolution = static_cast<int>(in.Number32() % 1000);
  const std::string key = Text(in.Piece());
  const std::string value = Text(in.Piece());
  const double number = Float64(in);
  TIniFile ini;
  ini.Parse(Text(in.Rest()));
  TSettings s;
  ReadIniSettings(ini, "Absence", resolution, s);
  FormatNumber(number, ini.ReadString(kInitSection, "HourFormat", ""));
  ParseStartupState(ini.ReadString("Absence", key, ""));
  WriteIniSettings(ini, s, true);
  const std::string written = ini.Text();
  FuzzCheck(WrittenSettings(ReadBack(written, resolution)) == WrittenSettings(s),
            "written settings read back differently");
  TIniFile again;
  again.Parse(written);
  FuzzCheck(again.Text() == written, "a settings file changes from one write to the next");

  try {
    again.WriteString("Absence", key, value);
  } catch (const EIniValueError&) {
    return;
  }
  TIniFile reread;
  reread.Parse(again.Text());
  FuzzCheck(reread.HasKey("Absence", key), "a written key is not read back");
  FuzzCheck(reread.ReadString("Absence", key, "") == again.ReadString("Absence", key, ""),
            "a written value reads back differently");
  FuzzCheck(WrittenSettings(ReadBack(reread.Text(), resolution)) == WrittenSettings(s),
            "writing one key changed other settings");
}

void FuzzImportEmployees(std::span<const uint8_t> bytes) {
  ImportLines(bytes, TConvertContent::Employees);
}

void FuzzImportAbsences(std::span<const uint8_t> bytes) {
  ImportLines(bytes, TConvertContent::Absences);
}

// The date box's text read strictly and leniently in one of the display patterns or a
// pattern of the input's choosing. A date read is one the data files can keep, and a display
// pattern writes it as text that reads back as the same day.
void FuzzDateText(std::span<const uint8_t> bytes) {
  TFuzzInput in(bytes);
  const uint8_t choice = in.Byte();
  const double anyDay = Float64(in);
  const std::string pattern = choice % 4 < 3 ? kDisplayPatterns[choice % 4] : Text(in.Piece());
  const bool display = choice % 4 < 3;
  const std::string text = Text(in.Rest());

  // The year short years are completed near, from the byte already read.
  const int nearYear = 1950 + choice;
  FormatDate(anyDay, pattern);
  CompleteYear(text, nearYear);
  OrderOfPattern(text);
  DatePatternForLocaleFormat(text);

  for (const TParsedDate parsed :
       {ParseDateStrict(text, pattern), ParseDateLenient(text, pattern, nearYear)}) {
    if (!parsed) continue;
    FuzzCheck(parsed.Date >= kMinDate && parsed.Date <= kLastStoredDate &&
                  parsed.Date == std::floor(parsed.Date),
              "a date text read as a day the data files cannot keep");
    if (!display) continue;
    const std::string shown = FormatDate(parsed.Date, pattern);
    const TParsedDate back = ParseDateStrict(shown, pattern);
    FuzzCheck(back && back.Date == parsed.Date,
              "a date shown as \"" + shown + "\" reads back differently");
  }
  const TParsedDate strict = ParseDateStrict(text, pattern);
  if (strict && display)
    FuzzCheck(FormatDate(strict.Date, pattern) == text, "a strict reading accepted another text");
}

}  // namespace absence::fuzz

// Seed inputs of the fuzz targets, made by the project's own writers from a small data set, so
// the fuzzer starts from files and lines the programs really write.
#include "convert/convert_error.h"
#include "convert/export_run.h"
#include "data/backup.h"
#include "data/datafiles.h"
#include "data/settings.h"
#include "dates/date_text.h"
#include "dates/dates.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/fuzz_support.h"
#include "fuzz/fuzz_targets.h"

namespace absence::fuzz {
namespace {

using TSeeds = std::vector<std::vector<uint8_t>>;

const TDataSet& Fixture() {
  static const TDataSet data = FixtureDataSet();
  return data;
}

std::span<const uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

// One seed per file format, date order and import mode that the export can write.
TSeeds ImportSeeds(TConvertContent content) {
  TSeeds seeds;
  const std::string patterns[] = {"mm/dd/yyyy", "dd/mm/yyyy", "yyyy/mm/dd"};
  for (uint8_t format = 0; format < 3; ++format)
    for (uint8_t order = 0; order < 3; ++order) {
      TConvertOptions options;
      options.Format = static_cast<TFileFormat>(format);
      options.DatePattern = patterns[order];
      const auto lines = content == TConvertContent::Employees
                             ? ExportEmployees(Fixture(), options)
                             : ExportAbsences(Fixture(), options, TExportRange{});
      seeds.push_back(
          TFuzzInputWriter().Byte(format).Byte(order).Byte(order % 2).Rest(Lines(lines)).Take());
    }
  return seeds;
}

}  // namespace

TSeeds DeptSeeds() {
  return {SerializeDepts(Fixture().DeptList)};
}

TSeeds ReasonSeeds() {
  return {SerializeReasons(Fixture().ReasonList)};
}

TSeeds EmpSeeds() {
  return {SerializeEmps(Fixture().EmpList, Fixture().GlobalList)};
}

TSeeds GlobalSeeds() {
  return {SerializeGlobals(Fixture().GlobalList)};
}

TSeeds DataSetSeeds() {
  const TDataFiles files = SerializeDataFiles(Fixture());
  TSeeds seeds;
  for (const uint8_t present : {0x0f, 0x05}) {
    TFuzzInputWriter w;
    w.Byte(present);
    for (const TBytes& file : files) w.Piece(file);
    seeds.push_back(w.Piece({}).Take());
  }
  return seeds;
}

TSeeds BackupSeeds() {
  return {SerializeBackup(Fixture())};
}

TSeeds SettingsSeeds() {
  TIniFile ini;
  TSettings s;
  s.Organization = "Acme Widgets";
  s.StartupState = FormatStartupState({false, 10, 20, 800, 600});
  WriteIniSettings(ini, s, true);
  ini.WriteString("Absence", kColumnWidthKeys[0], "64,120,80");
  return {TFuzzInputWriter()
              .Number32(96)
              .Piece(Bytes("Organization"))
              .Piece(Bytes("Acme = Widgets"))
              .Number32(0)
              .Number32(0x40934a00)  // 1234.5
              .Rest(ini.Text())
              .Take()};
}

TSeeds ImportEmployeeSeeds() {
  return ImportSeeds(TConvertContent::Employees);
}

TSeeds ImportAbsenceSeeds() {
  return ImportSeeds(TConvertContent::Absences);
}

TSeeds DateTextSeeds() {
  TSeeds seeds;
  const TDate day = EncodeDate(2021, 12, 24);
  for (uint8_t choice = 0; choice < 3; ++choice) {
    const std::string pattern = PatternForOrder(static_cast<TDateOrder>(choice));
    seeds.push_back(TFuzzInputWriter()
                        .Byte(choice)
                        .Number32(0)
                        .Number32(0)
                        .Rest(FormatDate(day, pattern))
                        .Take());
  }
  seeds.push_back(TFuzzInputWriter().Byte(0).Number32(0).Number32(0).Rest(" 1/2/05 ").Take());
  seeds.push_back(TFuzzInputWriter()
                      .Byte(3)
                      .Number32(0)
                      .Number32(0)
                      .Piece(Bytes("dd.MM.yy"))
                      .Rest("24.12.21")
                      .Take());
  return seeds;
}

TSeeds AccrualSeeds() {
  TFuzzInputWriter w;
  w.Byte(7).Byte(1);
  for (const TDate d : {EncodeDate(2021, 6, 30), EncodeDate(2024, 1, 1), EncodeDate(2040, 3, 15)})
    w.Number32(static_cast<uint32_t>(d - kMinDate));
  w.Piece(SerializeReasons(Fixture().ReasonList));
  w.Rest(SerializeEmps(Fixture().EmpList, Fixture().GlobalList));
  return {w.Take()};
}

}  // namespace absence::fuzz

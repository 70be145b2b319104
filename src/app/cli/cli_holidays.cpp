// absence-cli holidays: a year's holidays from the holiday rules, or the days of an iCalendar
// file, added as global entries (days already there skipped).
#include <iostream>
#include <memory>

#include "app/cli/cli.h"
#include "convert/convert_error.h"
#include "convert/holidays/holiday_plan.h"
#include "convert/holidays/holiday_rules.h"
#include "convert/ical/ical_import.h"
#include "data/fileio.h"
#include "data/settings.h"

namespace absence::cli {
namespace {

struct THolidayArgs {
  int Year = 0;
  std::string File;  // the rules file or the calendar file
  int ReasonID = 0;
  float Hours = 0;    // 0: the default hours of the settings
  std::string Years;  // import: "2030" or "2030-2032"
  bool DryRun = false;
};

float DefaultHoursSetting(const TContext& ctx) {
  return ctx.Preferences().DefaultHours;
}

std::string RulesText(const TContext& ctx, const std::string& file) {
  if (!file.empty()) {
    const TBytes bytes = ReadWholeFile(file, uint64_t{1} << 20);
    return std::string(bytes.begin(), bytes.end());
  }
  const auto text = ReadHolidayRulesText(ctx.DataFolder);
  if (!text)
    throw std::runtime_error(std::string("there are no holiday rules: ") + kHolidayRulesFile +
                             " is not in the data folder (give --rules FILE)");
  return *text;
}

// Plans, prints, and unless a dry run applies and saves. The folder is locked before the data
// is read, so the days skipped are those really there when the change is saved.
int AddPlanned(TContext& ctx, TDataSet& data, std::vector<THoliday> days, const std::string& what,
               bool dryRun) {
  const THolidayPlan plan = PlanHolidays(data, std::move(days));
  for (const auto& h : plan.Add)
    *ctx.Out << (dryRun ? "would add\t" : "added\t") << FormatIsoDate(h.Date) << '\t' << h.Name
             << '\n';
  for (const auto& h : plan.Skip)
    *ctx.Out << "skipped\t" << FormatIsoDate(h.Date) << '\t' << h.Name << '\n';
  if (dryRun) {
    *ctx.Out << "dry run: nothing was changed\n";
    return kExitOk;
  }
  if (!plan.Add.empty()) {
    const edit::TChangePtr change = HolidayChange(plan, what);
    change->Apply(data);
    ctx.SaveData(data, {change->Journal()});
  }
  return kExitOk;
}

int RunHolidayAdd(TContext& ctx, const THolidayArgs& a) {
  if (a.Year < kFirstHolidayYear || a.Year > kLastHolidayYear)
    throw EUsageError("YEAR must be from " + std::to_string(kFirstHolidayYear) + " to " +
                      std::to_string(kLastHolidayYear));
  std::vector<THolidayRule> rules;
  try {
    rules = ParseHolidayRules(RulesText(ctx, a.File));
  } catch (const EHolidayRulesError& e) {
    for (const auto& line : e.Errors()) *ctx.Err << "absence-cli: " << line << '\n';
    return kExitDataError;
  }
  TDataSet data = a.DryRun ? ctx.LoadData() : ctx.LoadDataForWriting("holidays");
  const float hours = a.Hours > 0 ? a.Hours : DefaultHoursSetting(ctx);
  return AddPlanned(ctx, data, HolidaysOfYear(rules, a.Year, a.ReasonID, hours),
                    "holidays of " + std::to_string(a.Year), a.DryRun);
}

TCalendarYears ParseYears(const std::string& text) {
  if (text.empty()) return {};
  const std::size_t dash = text.find('-');
  TCalendarYears y;
  try {
    std::size_t used = 0;
    y.From = std::stoi(text.substr(0, dash), &used);
    if (used != (dash == std::string::npos ? text.size() : dash)) throw std::invalid_argument("");
    y.To = dash == std::string::npos ? y.From : std::stoi(text.substr(dash + 1), &used);
    if (dash != std::string::npos && used != text.size() - dash - 1)
      throw std::invalid_argument("");
  } catch (const std::logic_error&) {
    throw EUsageError("--years must be a year or two years joined by '-', like 2030-2032");
  }
  if (y.From < kFirstHolidayYear || y.To > kLastHolidayYear || y.From > y.To)
    throw EUsageError("--years must lie from " + std::to_string(kFirstHolidayYear) + " to " +
                      std::to_string(kLastHolidayYear) + ", the first not after the last");
  return y;
}

int RunHolidayImport(TContext& ctx, const THolidayArgs& a) {
  const TCalendarYears years = ParseYears(a.Years);
  TDataSet data = a.DryRun ? ctx.LoadData() : ctx.LoadDataForWriting("holidays");
  const float hours = a.Hours > 0 ? a.Hours : DefaultHoursSetting(ctx);
  TCalendarHolidays cal;
  try {
    cal = ReadCalendarHolidays(a.File, a.ReasonID, hours, years);
  } catch (const EConvertError& e) {
    *ctx.Err << "absence-cli: " << a.File << ": " << e.what() << '\n';
    return kExitDataError;
  }
  if (cal.TimedEvents > 0)
    *ctx.Out << "events with a time of day left out\t" << cal.TimedEvents << '\n';
  if (cal.LongEvents > 0)
    *ctx.Out << "events of more than a month left out\t" << cal.LongEvents << '\n';
  for (const auto& name : cal.Endless)
    *ctx.Out << "repeats without end, give --years\t" << name << '\n';
  const std::size_t slash = a.File.find_last_of('/');
  return AddPlanned(ctx, data, std::move(cal.Days),
                    slash == std::string::npos ? a.File : a.File.substr(slash + 1), a.DryRun);
}

void AddHolidayOptions(CLI::App* cmd, THolidayArgs& a) {
  cmd->add_option("--hours", a.Hours, "hours of each entry (default: the default hours setting)")
      ->check(CLI::Range(0.01f, 24.f));
  cmd->add_flag("--dry-run", a.DryRun,
                "print the days that would be added and skipped, save nothing");
}

void AddHolidayCommands(CLI::App& app) {
  auto runs = std::make_shared<std::vector<std::pair<CLI::App*, TRunFn>>>();
  CLI::App* parent =
      AddCommand(app, "holidays", "add a year's holidays or a calendar's days as global entries",
                 [runs](TContext& ctx) {
                   for (const auto& [sub, run] : *runs)
                     if (sub->parsed()) return run(ctx);
                   throw EUsageError("add or import?");
                 });
  parent->require_subcommand(1);

  auto add = std::make_shared<THolidayArgs>();
  CLI::App* cmdAdd = parent->add_subcommand(
      "add", "add the holidays of YEAR from the holiday rules, skipping days already there");
  runs->emplace_back(cmdAdd, [add](TContext& ctx) { return RunHolidayAdd(ctx, *add); });
  cmdAdd->add_option("YEAR", add->Year, "the year")->required();
  cmdAdd->add_option(
      "--rules", add->File,
      std::string("a rules file (default: ") + kHolidayRulesFile + " in the data folder)");
  AddId(cmdAdd, "--reason", add->ReasonID, "reason of the rules that name none");
  AddHolidayOptions(cmdAdd, *add);

  auto imp = std::make_shared<THolidayArgs>();
  CLI::App* cmdImport = parent->add_subcommand(
      "import", "add the all-day events of an iCalendar file, skipping days already there");
  runs->emplace_back(cmdImport, [imp](TContext& ctx) { return RunHolidayImport(ctx, *imp); });
  cmdImport->add_option("FILE", imp->File, "the .ics file")->required();
  AddId(cmdImport, "--reason", imp->ReasonID, "the absence reason of the entries")->required();
  cmdImport->add_option("--years", imp->Years,
                        "only days of these years (2030 or 2030-2032); repeating events are "
                        "expanded over them");
  AddHolidayOptions(cmdImport, *imp);
}

const TRegistrar kHolidays(AddHolidayCommands);

}  // namespace
}  // namespace absence::cli

// absence-cli: the date and number texts of the command line and of machine output.
#include <charconv>

#include "app/cli/cli.h"
#include "dates/date_text.h"

namespace absence::cli {
namespace {

constexpr const char* kIsoPattern = "yyyy-mm-dd";

}  // namespace

double ParseIsoDate(const std::string& text) {
  const TParsedDate d = ParseDateStrict(text, kIsoPattern);
  switch (d.Fault) {
    case TDateTextFault::None:
      return d.Date;
    case TDateTextFault::Shape:
      throw EUsageError("dates are YYYY-MM-DD: " + text);
    case TDateTextFault::NoSuchDate:
      break;
    case TDateTextFault::TooLate:
      throw EUsageError(DateTextFaultMessage(d.Fault) + " " + text);
  }
  throw EUsageError("no such date: " + text);
}

CLI::Option* AddDate(CLI::App* cmd, const std::string& name, double& date,
                     const std::string& description) {
  return cmd
      ->add_option_function<std::string>(
          name, [&date](const std::string& text) { date = ParseIsoDate(text); }, description)
      ->type_name("YYYY-MM-DD");
}

CLI::Option* AddId(CLI::App* cmd, const std::string& name, int& id,
                   const std::string& description) {
  // Checked on the text, so the help shows just "ID".
  const CLI::Validator positive(
      [](std::string& text) {
        int v = 0;
        const auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
        return ec == std::errc() && p == text.data() + text.size() && v > 0
                   ? std::string()
                   : "a record identifier is a whole number from 1: " + text;
      },
      "", "ID");
  return cmd->add_option(name, id, description)->type_name("ID")->check(positive);
}

std::string FormatIsoDate(double date) {
  return FormatDate(date, kIsoPattern);
}

}  // namespace absence::cli

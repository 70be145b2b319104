// absence-cli: the date and number texts of the command line and of machine output.
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "app/cli/cli.h"

namespace absence::cli {
namespace {

constexpr std::chrono::sys_days kEpoch =
    std::chrono::sys_days{std::chrono::year{1899} / std::chrono::December / 30};

bool ParseDigits(const std::string& text, std::size_t pos, std::size_t len, int& v) {
  const char* first = text.data() + pos;
  const auto [p, ec] = std::from_chars(first, first + len, v);
  return ec == std::errc() && p == first + len;
}

}  // namespace

double ParseIsoDate(const std::string& text) {
  using namespace std::chrono;
  int y = 0, m = 0, d = 0;
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !ParseDigits(text, 0, 4, y) ||
      !ParseDigits(text, 5, 2, m) || !ParseDigits(text, 8, 2, d))
    throw EUsageError("dates are YYYY-MM-DD: " + text);
  const year_month_day ymd{year{y}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(d)}};
  if (y < 1 || !ymd.ok()) throw EUsageError("no such date: " + text);
  return static_cast<double>((sys_days{ymd} - kEpoch).count());
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
  using namespace std::chrono;
  const year_month_day ymd{kEpoch + days{static_cast<long>(std::floor(date))}};
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d-%02u-%02u", static_cast<int>(ymd.year()),
                static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()));
  return buf;
}

std::string FloatText(float v) {
  char buf[64];
  const auto [p, ec] = std::to_chars(buf, buf + sizeof buf, v);
  return ec == std::errc() ? std::string(buf, p) : std::string("nan");
}

}  // namespace absence::cli

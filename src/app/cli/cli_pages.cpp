// The pieces absence-cli's report and print commands share.
#include "app/cli/cli_pages.h"

#include <QLocale>
#include <ctime>

#include "data/settings.h"
#include "dates/date_text.h"
#include "dates/dates.h"
#include "render/report_locale.h"

namespace absence::cli {

using namespace absence::reports;

TDate TodayDate() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

// A GUI application object for the fonts, unless one exists; it lives as long as the result.
std::unique_ptr<QGuiApplication> GuiApplication() {
  if (QCoreApplication::instance()) return nullptr;
  // The command draws into files only; no display is needed.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "absence-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

TReportSettings SettingsFromIni(const TContext& ctx, TDate today) {
  const TSettings& s = ctx.Preferences();
  TReportSettings r;
  r.Organization = s.Organization;
  r.Today = today;
  r.DatePattern = DateFormat();
  r.HourFormat = s.HourFormat;
  r.EmployeeDisplay = s.EmployeeDisplay;
  r.BenefitYear = NormalizeBenefitYear(s.BenefitMonth, s.BenefitDay);
  render::SetLocaleNames(r, QLocale::system());
  r.Paper = render::UserPaper();
  r.Orientation = s.Printer;
  return r;
}

void AddPaper(CLI::App* cmd, std::string& paper) {
  cmd->add_option("--paper", paper,
                  "the paper size, a4 or letter (default: the locale's paper, from LC_PAPER)")
      ->type_name("a4|letter")
      ->check(CLI::Validator(
          [](std::string& value) {
            if (value == "a4" || value == "letter") return std::string();
            std::string message = "the paper is a4 or letter, not \"";
            message += value;
            message += '"';
            return message;
          },
          std::string()));
}

reports::TPaper ChosenPaper(const std::string& paper) {
  if (paper == "a4") return reports::PaperA4();
  if (paper == "letter") return reports::PaperLetter();
  return render::UserPaper();
}

}  // namespace absence::cli

// The report settings of the running program.
#include "ui/reports/report_settings.h"

#include <QLocale>

#include "data/ini_file.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"
#include "ui/reports/report_locale.h"

namespace absence::ui {

reports::TReportSettings ProgramReportSettings() {
  const TAppState& app = App();
  reports::TReportSettings r;
  TIniFile ini(app.IniPath);
  ini.Load();
  r.Organization = ini.ReadString(kInitSection, "Organization", "");
  r.Today = Today();
  r.DatePattern = app.DatePattern.toStdString();
  r.HourFormat = app.Settings.HourFormat;
  r.EmployeeDisplay = app.Settings.EmployeeDisplay;
  r.BenefitYear = NormalizeBenefitYear(app.Settings.BenefitMonth, app.Settings.BenefitDay);
  SetLocaleNames(r, QLocale());
  return r;
}

}  // namespace absence::ui

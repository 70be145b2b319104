// The report settings of the running program.
#include "ui/reports/report_settings.h"

#include <QLocale>

#include "data/ini_file.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"

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
  const QLocale locale;
  for (int m = 1; m <= 12; ++m)
    r.MonthNames[static_cast<std::size_t>(m - 1)] =
        locale.standaloneMonthName(m, QLocale::LongFormat).toStdString();
  for (int d = 0; d < 7; ++d)  // Sunday first; Qt counts Monday as 1 and Sunday as 7
    r.DayNames[static_cast<std::size_t>(d)] =
        locale.standaloneDayName(d == 0 ? 7 : d, QLocale::LongFormat).toStdString();
  return r;
}

}  // namespace absence::ui

// The report settings of the running program.
#include "ui/reports/report_settings.h"

#include <QLocale>

#include "render/report_locale.h"
#include "ui/common/app_state.h"
#include "ui/common/clock.h"

namespace absence::ui {

reports::TReportSettings ProgramReportSettings() {
  const TAppState& app = App();
  reports::TReportSettings r;
  r.Organization = app.Settings.Organization;
  r.Today = Today();
  r.DatePattern = app.DatePattern.toStdString();
  r.HourFormat = app.Settings.HourFormat;
  r.EmployeeDisplay = app.Settings.EmployeeDisplay;
  r.BenefitYear = NormalizeBenefitYear(app.Settings.BenefitMonth, app.Settings.BenefitDay);
  render::SetLocaleNames(r, QLocale());
  r.Paper = render::UserPaper();
  r.Orientation = app.Settings.Printer;
  return r;
}

}  // namespace absence::ui

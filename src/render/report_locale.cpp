#include "render/report_locale.h"

namespace absence::render {

void SetLocaleNames(reports::TReportSettings& settings, const QLocale& locale) {
  for (int m = 1; m <= 12; ++m)
    settings.MonthNames[static_cast<std::size_t>(m - 1)] =
        locale.standaloneMonthName(m, QLocale::LongFormat).toStdString();
  for (int d = 0; d < 7; ++d)  // Sunday first; Qt counts Monday as 1 and Sunday as 7
    settings.DayNames[static_cast<std::size_t>(d)] =
        locale.standaloneDayName(d == 0 ? 7 : d, QLocale::LongFormat).toStdString();
}

}  // namespace absence::render

#pragma once
// The month and day names a report prints, in the language of a locale.
#include <QLocale>

#include "reports/report.h"

namespace absence::render {

void SetLocaleNames(reports::TReportSettings& settings, const QLocale& locale);

}  // namespace absence::render

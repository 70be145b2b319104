#pragma once
// What a report takes from the user's locale: the month and day names it prints, in the
// locale's language, and the paper a PDF file is laid out on.
#include <QLocale>
#include <string>

#include "reports/report.h"

namespace absence::render {

void SetLocaleNames(reports::TReportSettings& settings, const QLocale& locale);

// The paper of a locale named as in LC_PAPER ("en_US.UTF-8", "de_DE", "C"): the locale's own
// paper when the system knows the locale, else US Letter for the territories that use it (the
// United States, Canada, Mexico and their neighbours, the Philippines) and A4 for all others.
reports::TPaper LocalePaper(const std::string& localeName);
// The paper of the user's locale for paper sizes (LC_ALL, else LC_PAPER, else LANG).
reports::TPaper UserPaper();

}  // namespace absence::render

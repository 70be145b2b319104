#pragma once
// What the list printouts share: the base font and margins, the page frame of the three lists,
// the column headings routine and the row loop's page-end check.
#include <functional>
#include <string>

#include "reports/list_printouts.h"

namespace absence::reports {

inline constexpr double kListFontSize = 11;

// The printer started with the printouts' margins and base font.
void StartList(TPrintObject& p);
// Heading slots 1 to 4 and the page number of the three lists; no subtitle when it is empty.
void ListFrame(TPrintObject& p, const TReportSettings& settings, const std::string& title,
               const std::string& subtitle, double subtitleSize);
// At the detail top: `write` puts the headings on the current line in 11 bold underlined; then
// a line and a half down, back in 11 regular.
void ColumnHeadings(TPrintObject& p, const std::function<void()>& write);
// Before a row: a new page with the column headings again when no line is left.
void EnsureRowFits(TPrintObject& p, const std::function<void()>& headings);

std::string ListDate(const TReportSettings& settings, TDate date);
std::string ListHours(const TReportSettings& settings, double hours);

}  // namespace absence::reports

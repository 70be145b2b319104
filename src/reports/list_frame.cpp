// The list printouts' shared frame.
#include "reports/list_frame.h"

#include "dates/date_text.h"
#include "dates/dates.h"

namespace absence::reports {

void StartList(TPrintObject& p) {
  p.StartPrintJob();
  p.SetMargins(0.5, 0.5, 0.5, 0.75);
  p.SetFont(kReportFontName, kListFontSize, 0);
}

void ListFrame(TPrintObject& p, const TReportSettings& settings, const std::string& title,
               const std::string& subtitle, double subtitleSize) {
  p.SetHeaderLine(1, settings.Organization, 0.4, TLineAlign::Centre, kReportFontName, 18, fsBold);
  p.SetHeaderLine(2, "Date: " + ListDate(settings, settings.Today), 0.5, TLineAlign::Left,
                  kReportFontName, kListFontSize, 0);
  p.SetPageNumberLine("Page: %d", 0.5, TLineAlign::Right, kReportFontName, kListFontSize, 0);
  p.SetHeaderLine(3, title, 0.75, TLineAlign::Centre, kReportFontName, 14, fsBold);
  p.SetHeaderLine(4, subtitle, 1.0, TLineAlign::Centre, kReportFontName, subtitleSize, fsBold);
}

void ColumnHeadings(TPrintObject& p, const std::function<void()>& write) {
  p.GoToDetailTop();
  p.SetFont(kReportFontName, kListFontSize, fsBold | fsUnderline);
  write();
  p.NextLine();
  p.HalfLine();
  p.SetFont(kReportFontName, kListFontSize, 0);
}

void EnsureRowFits(TPrintObject& p, const std::function<void()>& headings) {
  if (p.LinesLeft() > 0) return;
  p.NewPage();
  ColumnHeadings(p, headings);
}

std::string ListDate(const TReportSettings& settings, TDate date) {
  return FormatDate(date, settings.DatePattern);
}

std::string ListHours(const TReportSettings& settings, double hours) {
  return FormatNumber(hours, HourFormatPattern(settings.HourFormat));
}

}  // namespace absence::reports

// The list printouts' shared frame.
#include "reports/list_frame.h"

#include <algorithm>

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
  constexpr double kNameSize = 18;
  constexpr const char* kPageFormat = "Page: %d";
  std::string date = "Date: ";
  date += ListDate(settings, settings.Today);
  // The name's line reaches down to "Date:" and "Page:": a long name is cut short of the wider of
  // the two (with room for a four-digit page number) on both sides, so that it stays centred and
  // overprints neither.
  constexpr double kGap = 0.1;
  const double side =
      std::max(p.TextWidth(date, kReportFontName, kListFontSize, 0),
               p.TextWidth(FillPageNumber(kPageFormat, 9999), kReportFontName, kListFontSize, 0)) +
      kGap;
  const double room = std::max(0.0, p.CentredRoom() - 2 * side);
  p.SetHeaderLine(1, p.FitToWidth(settings.Organization, kReportFontName, kNameSize, fsBold, room),
                  0.4, TLineAlign::Centre, kReportFontName, kNameSize, fsBold);
  p.SetHeaderLine(2, date, 0.5, TLineAlign::Left, kReportFontName, kListFontSize, 0);
  p.SetPageNumberLine(kPageFormat, 0.5, TLineAlign::Right, kReportFontName, kListFontSize, 0);
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

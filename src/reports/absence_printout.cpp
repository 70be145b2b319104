// The absence list of one employee or of the global entries, for one year.
#include "dates/dates.h"
#include "reports/list_frame.h"

namespace absence::reports {
namespace {

constexpr const char* kGlobalOwner = "Global Absence";

// "Last, First" printed first name first; a name without ", " as it is.
std::string Subtitle(const std::string& ownerName, int year) {
  std::string name = ownerName;
  const std::size_t comma = ownerName.find(", ");
  if (ownerName != kGlobalOwner && comma != std::string::npos)
    name = ownerName.substr(comma + 2) + " " + ownerName.substr(0, comma);
  return name + " - " + std::to_string(year);
}

bool Printed(const TAbsenceRecClass& e, int year) {
  return e.IsLive() && !e.IsExclusion() && Year(e.EntryDate) == year;
}

}  // namespace

TDocument PrintAbsenceList(const TPrintoutSetup& setup, TEntryList& entries,
                           const TReasonList& reasons, int year, bool byReason,
                           const std::string& ownerName) {
  const TReportSettings& s = setup.Settings;
  SortEntries(entries, reasons, byReason ? TEntryOrder::ByReason : TEntryOrder::ByDate);
  TPrintObject p(setup.Metrics, setup.Device);
  StartList(p);
  ListFrame(p, s, "Absence List", Subtitle(ownerName, year), 14);
  p.SetDetailArea(1.6, 10.2);
  const int reasonColumn = byReason ? 1 : 2;
  const int dateColumn = byReason ? 2 : 1;
  if (byReason) {
    p.SetColumn(1, 0.75, 2.5);
    p.SetColumn(2, 3.25, 0.75);
  } else {
    p.SetColumn(1, 0.75, 0.75);
    p.SetColumn(2, 1.75, 2.5);
  }
  p.SetColumn(3, 4.25, 0.37);
  const auto headings = [&] {
    p.WriteInColumn(reasonColumn, "Absence Reason", kCurrentLine);
    p.WriteCentredInColumn(dateColumn, "Date", kCurrentLine);
    p.WriteInColumn(3, "Hours", kCurrentLine);
  };
  ColumnHeadings(p, headings);
  for (const auto& e : entries) {
    if (!Printed(*e, year)) continue;
    EnsureRowFits(p, headings);
    const int r = FindReason(reasons, e->ReasonID, "");
    std::string reason = r >= 0 ? reasons[static_cast<std::size_t>(r)]->Description : "";
    if (e->IsGlobal()) reason += " - Global";
    p.WriteFittedInColumn(reasonColumn, reason, kCurrentLine);
    p.WriteInColumn(dateColumn, ListDate(s, e->EntryDate), kCurrentLine);
    p.WriteRightInColumn(3, ListHours(s, e->Hours), kCurrentLine);
    p.NextLine();
  }
  return p.EndPrintJob();
}

}  // namespace absence::reports

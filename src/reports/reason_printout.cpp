// The reason list and its table of accrual rules.
#include "reports/list_frame.h"

namespace absence::reports {
namespace {

const char* BasisText(TBasis basis) {
  switch (basis) {
    case TBasis::Anniversary:
      return "Anniversary Year";
    case TBasis::Calendar:
      return "Calendar Year";
    case TBasis::UserYear:
      return "User Defined Year";
    case TBasis::None:
      break;
  }
  return nullptr;
}

const char* ValidateText(TValidate validate) {
  switch (validate) {
    case TValidate::MonthEnd:
      return "As Of Month End";
    case TValidate::YearEnd:
      return "As Of Year End";
    case TValidate::None:
      break;
  }
  return nullptr;
}

// A known value in the column, anything else "n/a" centred in it.
void WriteOrNotApplicable(TPrintObject& p, int column, const char* text) {
  if (text)
    p.WriteInColumn(column, text, kCurrentLine);
  else
    p.WriteCentredInColumn(column, "n/a", kCurrentLine);
}

void PrintRules(TPrintObject& p, const TReasonList& reasons) {
  p.NextLine();
  p.SetColumn(6, 3.25, 0.3);
  p.SetColumn(7, 3.85, 0.3);
  p.SetColumn(8, 4.45, 0.4);
  p.SetColumn(9, 5.15, 0.3);
  p.SetFont(kReportFontName, 14, fsBold);
  p.WriteAt("Benefit Accrual Rules", 0.5, kNextLine);
  p.SetFont(kReportFontName, kListFontSize, fsBold);
  p.NextLine();
  p.WriteRightInColumn(7, "Months    ", kCurrentLine);
  p.WriteRightInColumn(9, "Hours      ", kCurrentLine);
  p.NextLine();
  p.SetFont(kReportFontName, kListFontSize, fsBold | fsUnderline);
  p.WriteInColumn(1, "Absence Reason", kCurrentLine);
  p.WriteRightInColumn(6, "Start", kCurrentLine);
  p.WriteRightInColumn(7, "End", kCurrentLine);
  p.WriteInColumn(8, "Earned", kCurrentLine);
  p.WriteInColumn(9, "Carry", kCurrentLine);
  p.SetFont(kReportFontName, kListFontSize, 0);
  p.HalfLine();
  for (const auto& r : reasons) {
    if (r->Deleted || !r->HasPolicy) continue;
    p.WriteFittedInColumn(1, r->Description, kNextLine);
    for (std::size_t i = 0; i < r->Rules.size(); ++i) {
      const TFTRuleRecClass& rule = *r->Rules[i];
      p.WriteRightInColumn(6, std::to_string(rule.StartMonth), kCurrentLine);
      p.WriteRightInColumn(7, std::to_string(rule.EndMonth), kCurrentLine);
      p.WriteRightInColumn(8, FormatNumber(rule.Hours, "#0"), kCurrentLine);
      p.WriteRightInColumn(9, FormatNumber(rule.CarryOver, "#0"), kCurrentLine);
      if (i + 1 < r->Rules.size())
        p.NextLine();
      else
        p.HalfLine();
    }
  }
}

}  // namespace

// The reason table has no page-end check: the reasons fit on the first page.
TDocument PrintReasonList(const TPrintoutSetup& setup, const TReasonList& reasons) {
  TPrintObject p(setup.Metrics, setup.Device);
  StartList(p);
  ListFrame(p, setup.Settings, "Absence Reasons List", std::string(), 14);
  p.SetDetailArea(1.35, 10.2);
  const double columns[][2] = {{0.75, 2.5}, {3.25, 0.5}, {3.85, 0.75}, {4.45, 0.75}, {5.75, 1.0}};
  for (int c = 0; c < 5; ++c) p.SetColumn(c + 1, columns[c][0], columns[c][1]);
  ColumnHeadings(p, [&p] {
    const char* texts[] = {"Absence Reason", "Active", "Policy", "Accrual Year", "Hours Available"};
    for (int c = 0; c < 5; ++c) p.WriteInColumn(c + 1, texts[c], kCurrentLine);
  });
  bool anyPolicy = false;
  for (const auto& r : reasons) {
    if (r->Deleted) continue;
    anyPolicy = anyPolicy || r->HasPolicy;
    p.WriteFittedInColumn(1, r->Description, kCurrentLine);
    p.WriteInColumn(2, r->Active ? "Yes" : "No", kCurrentLine);
    p.WriteInColumn(3, r->HasPolicy ? "Yes" : "No", kCurrentLine);
    WriteOrNotApplicable(p, 4, BasisText(r->Basis));
    WriteOrNotApplicable(p, 5, ValidateText(r->Validate));
    p.NextLine();
  }
  if (anyPolicy) PrintRules(p, reasons);
  return p.EndPrintJob();
}

}  // namespace absence::reports

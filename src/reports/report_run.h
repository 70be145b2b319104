#pragma once
// What every report body shares while it runs: the engine, its input, the page subject, the
// formats, and the look-ups by identifier.
#include <initializer_list>
#include <string>
#include <unordered_map>
#include <vector>

#include "accrual/balances.h"
#include "reports/report.h"

namespace absence::reports {

class TReportRun {
 public:
  TReportRun(TPageEngine& engine, const TReportInput& input);

  TPageEngine& Engine;
  const TReportInput& In;
  const TReportOptions& Options;
  std::string Subject;  // printed under the title when a report prints one

  std::string Hours(double hours) const;
  std::string Date(TDate date) const;
  // "Times New Roman" in `size` points with the styles given (SelectFont resets the others).
  void Font(double size, bool bold = false, bool underline = false);
  // The next group's subject on a new page.
  void NewGroupPage(const std::string& subject);

  struct TStop {
    double Pos;
    double Width;
    TJustify Justify = TJustify::Left;
  };
  // Replaces the tab stops; each gets the reports' inner margin of 2 per cent.
  void TabStops(std::initializer_list<TStop> stops);
  // With a page per group the subject centred on the current line; then the body's top
  // (`withSubject` or `without`) and bottom (10.5), in 11 points.
  void SubjectAndBody(double withSubject, double without);
  // The usual heading block: `line` at 0.8 in 14 points bold, the subject at 1.1, the body
  // from 1.5 with a subject and from 1.25 without.
  void HeadingBlock(const std::string& line);

  // Not trashed and shown by the employee display preference.
  bool Shows(const TEmpRecClass& emp) const;
  // nullptr when the identifier names no record.
  const TEmpRecClass* Emp(int32_t empID) const;
  const TDeptRecClass* Dept(int32_t deptID) const;
  const TReasonRecClass* Reason(int32_t reasonID) const;
  // The employees shown of one department (0: those without one), in list order.
  std::vector<const TEmpRecClass*> DeptEmployees(int32_t deptID) const;

 private:
  // The first employee of each identifier, as a search of the list finds it; built at the first
  // look-up, since a report looks up every employee it prints.
  mutable std::unordered_map<int32_t, const TEmpRecClass*> empByID_;
};

// "First Last": how a group's subject names an employee.
std::string FirstLast(const TEmpRecClass& emp);

// A report's own part of the page: its heading block, printed on every page after the shared
// heading, and its body.
class TReportBody {
 public:
  explicit TReportBody(TReportRun& run) : R(run), E(run.Engine) {}
  virtual ~TReportBody() = default;
  // The subject before the first page (empty: none).
  virtual std::string FirstSubject() const { return std::string(); }
  virtual void Heading() = 0;
  virtual void Body() = 0;

 protected:
  TReportRun& R;
  TPageEngine& E;
};

// The cells of a balance line after the reason's name, each at the next tab stop: the year it
// is counted over, available, used and balance ("---" where the rule gives no figure, used 0
// where something is available). Ends the line.
void PrintBalanceCells(TReportRun& run, const TReasonRecClass& reason, const TReportBalance& b);

}  // namespace absence::reports

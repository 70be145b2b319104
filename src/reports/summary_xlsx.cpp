// The month-end summary as an .xlsx workbook, through libxlsxwriter.
#include <xlsxwriter.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <set>

#include "data/fileio.h"
#include "data/float_text.h"
#include "reports/summary.h"

namespace absence::reports {
namespace {

constexpr std::size_t kSheetNameMax = 31;

// Code points of a UTF-8 text (what a column's width is counted in).
std::size_t Characters(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// The first `n` code points.
std::string FirstCharacters(const std::string& text, std::size_t n) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if ((text[i] & 0xC0) != 0x80 && count++ == n) return text.substr(0, i);
  return text;
}

std::string Folded(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The value a reader of the CSV file gets for the same figure.
double Figure(double v) {
  return std::stod(ShortestFloatText(static_cast<float>(v)));
}

struct TWorkbookCloser {
  void operator()(lxw_workbook* wb) const { workbook_close(wb); }
};

class TSheetWriter {
 public:
  TSheetWriter(lxw_worksheet* ws, lxw_format* bold, lxw_format* hours,
               const std::vector<std::string>& headings)
      : ws_(ws), hours_(hours), widths_(headings.size(), 0) {
    if (!ws_) throw EDataFileError("cannot add a sheet to the workbook");
    for (std::size_t c = 0; c < headings.size(); ++c) Text(0, c, headings[c], bold);
    worksheet_freeze_panes(ws_, 1, 0);
  }
  void Text(lxw_row_t row, std::size_t col, const std::string& text, lxw_format* f = nullptr) {
    Check(worksheet_write_string(ws_, row, static_cast<lxw_col_t>(col), text.c_str(), f));
    Width(col, Characters(text));
  }
  void Number(lxw_row_t row, std::size_t col, double v) {
    Check(worksheet_write_number(ws_, row, static_cast<lxw_col_t>(col), Figure(v), hours_));
    Width(col, ShortestFloatText(static_cast<float>(v)).size() + 2);
  }
  void Id(lxw_row_t row, std::size_t col, int32_t id) {
    Check(worksheet_write_number(ws_, row, static_cast<lxw_col_t>(col), id, nullptr));
    Width(col, std::to_string(id).size());
  }
  // Each column as wide as its longest text, with a little room.
  void FitColumns() {
    for (std::size_t c = 0; c < widths_.size(); ++c)
      Check(worksheet_set_column(ws_, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c),
                                 static_cast<double>(std::min<std::size_t>(widths_[c], 60)) + 2,
                                 nullptr));
  }

 private:
  void Width(std::size_t col, std::size_t w) { widths_[col] = std::max(widths_[col], w); }
  static void Check(lxw_error e) {
    if (e != LXW_NO_ERROR)
      throw EDataFileError(std::string("cannot write the workbook: ") + lxw_strerror(e));
  }
  lxw_worksheet* ws_;
  lxw_format* hours_;
  std::vector<std::size_t> widths_;
};

void WriteTotals(TSheetWriter& sheet, const TSummary& s) {
  lxw_row_t row = 1;
  auto lines = [&](const std::string& group, const std::vector<TSummaryTotal>& totals) {
    for (const TSummaryTotal& t : totals) {
      sheet.Text(row, 0, group);
      sheet.Text(row, 1, t.Reason);
      sheet.Number(row, 2, t.Taken);
      ++row;
    }
  };
  for (const TSummaryDept& d : s.Depts) lines(d.Name, d.Totals);
  lines("Total", s.Totals);
  sheet.FitColumns();
}

void WriteDept(TSheetWriter& sheet, const TSummaryDept& d) {
  lxw_row_t row = 1;
  for (const TSummaryRow& r : d.Rows) {
    sheet.Id(row, 0, r.EmpID);
    sheet.Text(row, 1, r.Employee);
    sheet.Text(row, 2, r.Department);
    sheet.Text(row, 3, r.Reason);
    sheet.Number(row, 4, r.Taken);
    if (r.Available) sheet.Number(row, 5, *r.Available);
    if (r.Balance) sheet.Number(row, 6, *r.Balance);
    ++row;
  }
  sheet.FitColumns();
}

}  // namespace

std::vector<std::string> SheetNames(const std::vector<std::string>& wanted) {
  std::vector<std::string> names;
  std::set<std::string> taken;
  for (const std::string& w : wanted) {
    std::string base;
    for (char c : w) base += std::string("[]:*?/\\").find(c) == std::string::npos ? c : '_';
    // Workbooks refuse a name that begins or ends with an apostrophe.
    while (!base.empty() && base.front() == '\'') base.erase(0, 1);
    while (!base.empty() && base.back() == '\'') base.pop_back();
    if (base.empty()) base = "Sheet";
    std::string name = FirstCharacters(base, kSheetNameMax);
    for (int n = 2; taken.count(Folded(name)); ++n) {
      const std::string suffix = " (" + std::to_string(n) + ")";
      name = FirstCharacters(base, kSheetNameMax - suffix.size()) + suffix;
    }
    taken.insert(Folded(name));
    names.push_back(name);
  }
  return names;
}

void WriteSummaryXlsx(const std::string& path, const TSummary& summary,
                      const std::string& hourPattern) {
  const std::string temp = path + ".tmp";
  std::vector<std::string> wanted = {"Totals"};
  for (const TSummaryDept& d : summary.Depts) wanted.push_back(d.Name);
  const std::vector<std::string> names = SheetNames(wanted);
  // The library reports an unwritable file only when it closes the workbook, on the standard
  // error; trying the file first gives the system's message instead.
  if (std::FILE* probe = std::fopen(temp.c_str(), "wb"))
    std::fclose(probe);
  else
    throw EDataFileError(SystemErrorText(temp, errno));
  lxw_error closed = LXW_NO_ERROR;
  try {
    std::unique_ptr<lxw_workbook, TWorkbookCloser> wb(workbook_new(temp.c_str()));
    if (!wb) throw EDataFileError(SystemErrorText(temp, errno));
    lxw_format* bold = workbook_add_format(wb.get());
    format_set_bold(bold);
    lxw_format* hours = workbook_add_format(wb.get());
    format_set_num_format(hours, hourPattern.c_str());
    {
      TSheetWriter totals(workbook_add_worksheet(wb.get(), names[0].c_str()), bold, hours,
                          {"Department", "Reason", "Hours Taken"});
      WriteTotals(totals, summary);
    }
    for (std::size_t i = 0; i < summary.Depts.size(); ++i) {
      TSheetWriter sheet(workbook_add_worksheet(wb.get(), names[i + 1].c_str()), bold, hours,
                         SummaryHeadings());
      WriteDept(sheet, summary.Depts[i]);
    }
    closed = workbook_close(wb.release());
  } catch (...) {
    std::remove(temp.c_str());
    throw;
  }
  if (closed != LXW_NO_ERROR) {
    std::remove(temp.c_str());
    throw EDataFileError(path + ": " + lxw_strerror(closed));
  }
  TFileOps::Real().Rename(temp, path);
}

}  // namespace absence::reports

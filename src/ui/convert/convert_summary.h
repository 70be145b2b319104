#pragma once
// The summary the import and export wizard shows before it runs, and the file name shortened to
// fit its label.
#include <QString>
#include <functional>

namespace absence::ui {

struct TConvertChoice {
  bool Import = true;
  bool Employees = true;  // employee information, else absence entries
  bool Replace = true;    // import: replace, else add
  bool Selected = false;  // export of entries: only those from StartText to EndText
  QString StartText;
  QString EndText;
  // Import with replace: what the import takes away (employees and opening balances only for
  // an employee import).
  int RemovesEmployees = 0;
  int RemovesEntries = 0;
  int RemovesBalances = 0;
};

// What a replace import takes away, as a sentence ("" when it takes nothing).
QString RemovalText(const TConvertChoice& choice);

// The summary lines joined by line feeds, ending with the (shortened) file name.
QString SummaryText(const TConvertChoice& choice, const QString& fileName);

// `path` with leading folders replaced by "..." until `width` of it is at most `maxWidth`; the
// root (or a drive letter) stays in front. The file name alone when nothing shorter fits.
QString MinimizeName(const QString& path, const std::function<int(const QString&)>& width,
                     int maxWidth);

}  // namespace absence::ui

#pragma once
// Printing generated report pages: the page range, copies (by the driver or by printing the
// run again) and the "PDF file" printer, which asks for a file name.
#include <QString>
#include <vector>

#include "reports/page_document.h"

namespace absence::ui {

struct TPrintChoice {
  QString Printer;  // a name from AvailablePrinters()
  int FromPage = 1;
  int ToPage = 0;  // 0: the last page
  // When not empty, exactly these pages (ascending, each once) instead of FromPage..ToPage.
  std::vector<int> Pages;
  int Copies = 1;
  bool Collate = true;
};

// Among the printers offered, the last whose name contains `printerName`; the default printer
// when none does.
QString ChoosePrinter(const QString& printerName);

// The paper `printerName` prints on, upright, with its unprintable edges; for the "PDF file"
// printer (and a printer the system does not know) the paper of the user's locale.
reports::TPaper PrinterPaper(const QString& printerName);

// Prints the chosen pages; false when nothing was printed (no file name given for the PDF
// printer, the printer could not start, or the PDF file could not be written: an error box then
// gives the system's message, and an earlier file of that name stays as it was).
bool PrintReport(const reports::TDocument& doc, const TPrintChoice& choice, const QString& title);

}  // namespace absence::ui

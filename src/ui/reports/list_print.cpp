// The list printouts on the program's printers.
#include "ui/reports/list_print.h"

#include <QPageLayout>
#include <QPrinter>

#include "render/report_paint.h"
#include "ui/common/app_state.h"
#include "ui/common/printers.h"
#include "ui/common/wait_cursor.h"
#include "ui/reports/report_print.h"
#include "ui/reports/report_settings.h"

namespace absence::ui {

reports::TPrintDevice PrinterDevice(const QString& printerName, TOrientation orientation) {
  constexpr int kPdfDotsPerInch = 600;
  int dpi = kPdfDotsPerInch;
  if (printerName != QLatin1String(kPdfPrinterName)) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(printerName);
    dpi = printer.resolution();
  }
  return reports::PaperDevice(reports::Oriented(PrinterPaper(printerName), orientation), dpi);
}

bool PrintList(const TLayPrintout& lay, const QString& title) {
  TPrintChoice choice;
  choice.Printer = ChoosePrinter(App().PrinterName);
  reports::TDocument doc;
  {
    const TWaitCursor wait;
    const render::TQtTextMetrics metrics;
    doc = lay(
        {metrics, PrinterDevice(choice.Printer, App().Settings.Printer), ProgramReportSettings()});
  }
  return PrintReport(doc, choice, title);
}

}  // namespace absence::ui

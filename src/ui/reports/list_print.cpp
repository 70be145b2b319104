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

reports::TPrintDevice PrinterDevice(const QString& printerName) {
  // A PDF page has no unprintable edge.
  if (printerName == QLatin1String(kPdfPrinterName)) return reports::LetterDevice(600, 0);
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName(printerName);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  const int dpi = printer.resolution();
  const QRect full = printer.pageLayout().fullRectPixels(dpi);
  const QRect paint = printer.pageLayout().paintRectPixels(dpi);
  reports::TPrintDevice d;
  d.ResolutionX = d.ResolutionY = dpi;
  d.PhysicalWidth = full.width();
  d.PhysicalHeight = full.height();
  d.OffsetLeft = paint.left();
  d.OffsetTop = paint.top();
  d.PrintableWidth = paint.width();
  d.PrintableHeight = paint.height();
  return d;
}

bool PrintList(const TLayPrintout& lay, const QString& title) {
  TPrintChoice choice;
  choice.Printer = ChoosePrinter(App().PrinterName);
  reports::TDocument doc;
  {
    const TWaitCursor wait;
    const render::TQtTextMetrics metrics;
    doc = lay({metrics, PrinterDevice(choice.Printer), ProgramReportSettings()});
  }
  return PrintReport(doc, choice, title);
}

}  // namespace absence::ui

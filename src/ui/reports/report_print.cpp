// Printing generated report pages on a printer or into a PDF file.
#include "ui/reports/report_print.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>

#include "render/report_locale.h"
#include "render/report_paint.h"
#include "render/report_pdf.h"
#include "ui/common/file_dialogs.h"
#include "ui/common/message_box.h"
#include "ui/common/printers.h"

namespace absence::ui {

QString ChoosePrinter(const QString& printerName) {
  const QStringList names = AvailablePrinters();
  QString chosen;
  if (!printerName.isEmpty())
    for (const QString& n : names)
      if (n.contains(printerName)) chosen = n;
  return chosen.isEmpty() ? DefaultPrinterName() : chosen;
}

reports::TPaper PrinterPaper(const QString& printerName) {
  constexpr double kPointsPerInch = 72.0;
  if (printerName.isEmpty() || printerName == QLatin1String(kPdfPrinterName))
    return render::UserPaper();
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName(printerName);
  if (!printer.isValid()) return render::UserPaper();
  QPageLayout layout = printer.pageLayout();
  layout.setOrientation(QPageLayout::Portrait);
  // The least margins the printer allows are its unprintable edges.
  layout.setMargins(layout.minimumMargins());
  const QSizeF size = layout.pageSize().size(QPageSize::Inch);
  const QMarginsF edges = QMarginsF(layout.marginsPoints()) / kPointsPerInch;
  return {size.width(), size.height(), edges.left(), edges.top(), edges.right(), edges.bottom()};
}

namespace {

// The chosen pages, `copies` times over, into a PDF file that replaces the file only once it is
// complete; a failure is shown with the system's message and leaves the earlier file whole.
bool PrintToPdf(const reports::TDocument& doc, const std::vector<int>& pages, int copies,
                const QString& title) {
  TFileDialogCall call;
  call.Kind = TFileDialogKind::Save;
  call.Title = QCoreApplication::translate("absence::ui::TPVSetupForm", "Print to File");
  call.Filter = QCoreApplication::translate("absence::ui::TPVSetupForm", "PDF file (*.pdf)|*.pdf");
  call.DefaultExt = QStringLiteral("pdf");
  const std::optional<QString> file = PromptForFile(call);
  if (!file) return false;
  reports::TDocument chosen;
  chosen.Orientation = doc.Orientation;
  chosen.PageWidth = doc.PageWidth;
  chosen.PageHeight = doc.PageHeight;
  for (int run = 0; run < std::max(1, copies); ++run)
    for (int p : pages) chosen.Pages.push_back(doc.Pages[static_cast<std::size_t>(p - 1)]);
  try {
    render::WriteReportPdf(chosen, *file, title);
  } catch (const std::exception& e) {
    ShowErrorBox(QString::fromStdString(e.what()));
    return false;
  }
  return true;
}

// The pages chosen, in page order: the list when one was given, else the range.
std::vector<int> ChosenPages(const TPrintChoice& choice, int last) {
  std::vector<int> pages;
  if (!choice.Pages.empty()) {
    for (int p : choice.Pages)
      if (p >= 1 && p <= last) pages.push_back(p);
    std::sort(pages.begin(), pages.end());
    pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
    return pages;
  }
  const int from = std::clamp(choice.FromPage, 1, last);
  const int to = choice.ToPage <= 0 ? last : std::clamp(choice.ToPage, from, last);
  for (int p = from; p <= to; ++p) pages.push_back(p);
  return pages;
}

}  // namespace

bool PrintReport(const reports::TDocument& doc, const TPrintChoice& choice, const QString& title) {
  if (doc.Pages.empty()) return false;
  const std::vector<int> chosen = ChosenPages(choice, static_cast<int>(doc.Pages.size()));
  if (chosen.empty()) return false;
  if (choice.Printer == QLatin1String(kPdfPrinterName))
    return PrintToPdf(doc, chosen, choice.Copies, title);
  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName(choice.Printer);
  printer.setDocName(title);
  printer.setFullPage(true);
  printer.setPageLayout(render::PageLayout(doc));
  // The driver makes the copies when it can; otherwise the run is printed again.
  printer.setCopyCount(choice.Copies);
  printer.setCollateCopies(choice.Collate);
  const bool driverCopies = printer.supportsMultipleCopies() || choice.Copies <= 1;
  if (!driverCopies) printer.setCopyCount(1);
  const int runs = driverCopies ? 1 : choice.Copies;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  render::TReportPagePainter pages(painter, printer.resolution());
  bool first = true;
  for (int run = 0; run < runs; ++run)
    for (int p : chosen) {
      if (!first) printer.newPage();
      first = false;
      pages.Paint(doc.Pages[static_cast<std::size_t>(p - 1)]);
    }
  return painter.end();
}

}  // namespace absence::ui

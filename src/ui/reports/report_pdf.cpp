// Writing a generated report into a PDF file.
#include "ui/reports/report_pdf.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <stdexcept>

#include "ui/reports/report_paint.h"

namespace absence::ui {

void WriteReportPdf(const reports::TDocument& doc, const QString& fileName, const QString& title) {
  QPdfWriter writer(fileName);
  writer.setResolution(1200);
  writer.setTitle(title);
  writer.setCreator(QStringLiteral("Absence"));
  const bool landscape = doc.Orientation == TOrientation::Landscape;
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter),
                                   landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                   QMarginsF(0, 0, 0, 0)));
  QPainter painter;
  if (!painter.begin(&writer)) throw std::runtime_error("cannot write " + fileName.toStdString());
  TReportPagePainter pages(painter, writer.resolution());
  for (std::size_t i = 0; i < doc.Pages.size(); ++i) {
    if (i > 0) writer.newPage();
    pages.Paint(doc.Pages[i]);
  }
  if (!painter.end()) throw std::runtime_error("cannot write " + fileName.toStdString());
}

}  // namespace absence::ui

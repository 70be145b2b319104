// Writing a generated report into a PDF file.
#include "render/report_pdf.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <span>
#include <stdexcept>

#include "data/fileio.h"
#include "render/report_paint.h"

namespace absence::render {

QPageLayout PageLayout(const reports::TDocument& doc) {
  constexpr double kPointsPerInch = 72.0;
  const double across = std::min(doc.PageWidth, doc.PageHeight) * kPointsPerInch;
  const double down = std::max(doc.PageWidth, doc.PageHeight) * kPointsPerInch;
  // In whole points, as PDF sizes are given (a device's pixel rounding is undone); a standard
  // size (A4, Letter) is recognised by its measures and keeps its name.
  const QPageSize size(QSizeF(std::round(across), std::round(down)), QPageSize::Point);
  return QPageLayout(
      size, doc.PageWidth > doc.PageHeight ? QPageLayout::Landscape : QPageLayout::Portrait,
      QMarginsF(0, 0, 0, 0));
}

void WriteReportPdf(const reports::TDocument& doc, const QString& fileName, const QString& title) {
  // Made in memory, then put in place of the file through a flushed temporary file: a full disk
  // or a failing device ends in an error, never in a truncated PDF that replaced the last one.
  QByteArray pdf;
  {
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(1200);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Absence"));
    writer.setPageLayout(PageLayout(doc));
    QPainter painter;
    if (!painter.begin(&writer)) throw std::runtime_error("cannot write " + fileName.toStdString());
    TReportPagePainter pages(painter, writer.resolution());
    for (std::size_t i = 0; i < doc.Pages.size(); ++i) {
      if (i > 0) writer.newPage();
      pages.Paint(doc.Pages[i]);
    }
    if (!painter.end()) throw std::runtime_error("cannot write " + fileName.toStdString());
  }
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(pdf.constData()),
                                       static_cast<std::size_t>(pdf.size()));
  ReplaceFile(fileName.toStdString(), bytes, ".~absence-report~");
}

}  // namespace absence::render

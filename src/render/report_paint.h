#pragma once
// Report pages on Qt: text measurement with the real fonts, and painting the recorded pages on
// any paint device (preview image, printer, PDF).
#include <QFont>
#include <QHash>
#include <QString>
#include <memory>

#include "reports/page_engine.h"

class QPainter;
class QFontMetricsF;

namespace absence::render {

// The Qt font for a report font; `pointScale` enlarges it (for a device whose logical
// resolution differs from the resolution the page is drawn at).
QFont ReportQFont(const reports::TFont& font, double pointScale = 1.0);

// Widths and line heights from the fonts themselves, measured at 1200 dots per inch so that
// the layout does not depend on the screen. Needs a QGuiApplication.
class TQtTextMetrics : public reports::TTextMetrics {
 public:
  TQtTextMetrics();
  ~TQtTextMetrics() override;
  double TextWidth(const reports::TFont& font, std::string_view text) const override;
  double LineHeight(const reports::TFont& font) const override;

 private:
  struct TMeasured;
  TMeasured& Measured(const reports::TFont& font) const;
  struct TCache;
  std::unique_ptr<TCache> cache_;
};

// Paints pages at `dotsPerInch` painter units per inch, from the painter's current origin;
// keeps the fonts it made for the next page.
class TReportPagePainter {
 public:
  TReportPagePainter(QPainter& painter, double dotsPerInch);
  ~TReportPagePainter();
  void Paint(const reports::TPage& page);

 private:
  struct TFontCache;
  QPainter& painter_;
  double dotsPerInch_;
  std::unique_ptr<TFontCache> fonts_;
};

}  // namespace absence::render

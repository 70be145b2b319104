// Measuring and painting report pages with Qt.
#include "render/report_paint.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <map>
#include <tuple>
#include <unordered_map>

namespace absence::render {
namespace {

constexpr double kMeasureDpi = 1200.0;
constexpr double kPointsPerInch = 72.0;

using TFontKey = std::tuple<std::string, double, bool, bool, bool, bool>;

TFontKey KeyOf(const reports::TFont& f) {
  return {f.Name, f.Size, f.Bold, f.Italic, f.Underline, f.StrikeOut};
}

}  // namespace

QFont ReportQFont(const reports::TFont& font, double pointScale) {
  QFont q(QString::fromStdString(font.Name));
  q.setPointSizeF(font.Size * pointScale);
  q.setBold(font.Bold);
  q.setItalic(font.Italic);
  q.setUnderline(font.Underline);
  q.setStrikeOut(font.StrikeOut);
  // The same outlines on every device, so measured and painted widths agree.
  q.setHintingPreference(QFont::PreferNoHinting);
  q.setStyleStrategy(QFont::ForceOutline);
  return q;
}

// One font's metrics, and the widths measured so far (reports repeat their texts a lot).
struct TQtTextMetrics::TMeasured {
  QFontMetricsF Metrics;
  double LineHeight;
  std::unordered_map<std::string, double> Widths;
};

struct TQtTextMetrics::TCache {
  QImage device{1, 1, QImage::Format_ARGB32};
  std::map<TFontKey, std::unique_ptr<TMeasured>> fonts;
  reports::TFont lastKey;  // the font asked for last, and its entry
  TMeasured* last = nullptr;
  TCache() {
    const int dpm = static_cast<int>(kMeasureDpi / 0.0254 + 0.5);
    device.setDotsPerMeterX(dpm);
    device.setDotsPerMeterY(dpm);
  }
};

TQtTextMetrics::TQtTextMetrics() : cache_(std::make_unique<TCache>()) {}

TQtTextMetrics::~TQtTextMetrics() = default;

TQtTextMetrics::TMeasured& TQtTextMetrics::Measured(const reports::TFont& font) const {
  TCache& c = *cache_;
  if (c.last && c.lastKey == font) return *c.last;
  auto& slot = c.fonts[KeyOf(font)];
  if (!slot) {
    QFontMetricsF m(ReportQFont(font), &c.device);
    const double lineHeight = m.lineSpacing() / c.device.logicalDpiY();
    slot.reset(new TMeasured{m, lineHeight, {}});
  }
  c.lastKey = font;
  c.last = slot.get();
  return *slot;
}

double TQtTextMetrics::TextWidth(const reports::TFont& font, std::string_view text) const {
  TMeasured& m = Measured(font);
  const auto [it, added] = m.Widths.try_emplace(std::string(text), 0.0);
  if (added) {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    it->second = m.Metrics.horizontalAdvance(s) / cache_->device.logicalDpiX();
  }
  return it->second;
}

double TQtTextMetrics::LineHeight(const reports::TFont& font) const {
  return Measured(font).LineHeight;
}

// Fonts made for the painter's device, and each text shaped once: reports repeat their texts
// (dates, hours, reasons) on every page.
struct TReportPagePainter::TFontCache {
  struct TEntry {
    QFont Font;
    double Ascent;
    std::unordered_map<std::string, QList<QGlyphRun>> Shaped;
  };
  std::map<TFontKey, TEntry> entries;
};

TReportPagePainter::TReportPagePainter(QPainter& painter, double dotsPerInch)
    : painter_(painter), dotsPerInch_(dotsPerInch), fonts_(std::make_unique<TFontCache>()) {}

TReportPagePainter::~TReportPagePainter() = default;

void TReportPagePainter::Paint(const reports::TPage& page) {
  QPainter& p = painter_;
  const double dpi = dotsPerInch_;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  QPen pen(Qt::black);
  pen.setCapStyle(Qt::SquareCap);
  for (const reports::TLineItem& l : page.Lines) {
    pen.setWidthF(l.PenWidth * dpi / reports::kPenUnitsPerInch);
    p.setPen(pen);
    p.drawLine(QPointF(l.X1 * dpi, l.Y1 * dpi), QPointF(l.X2 * dpi, l.Y2 * dpi));
  }
  p.setPen(Qt::black);
  // Point sizes count in the device's own resolution; scale them to the resolution drawn at.
  const double deviceDpi = p.device() ? p.device()->logicalDpiY() : kPointsPerInch;
  const reports::TFont* current = nullptr;
  TFontCache::TEntry* entry = nullptr;
  for (const reports::TTextItem& t : page.Texts) {
    if (!current || !(*current == t.Font)) {
      auto it = fonts_->entries.find(KeyOf(t.Font));
      if (it == fonts_->entries.end()) {
        const QFont font = ReportQFont(t.Font, dpi / deviceDpi);
        const double a = QFontMetricsF(font, p.device()).ascent();
        it = fonts_->entries.emplace(KeyOf(t.Font), TFontCache::TEntry{font, a, {}}).first;
      }
      entry = &it->second;
      current = &t.Font;
    }
    auto [shaped, added] = entry->Shaped.try_emplace(t.Text);
    if (added) {
      QTextLayout layout(QString::fromStdString(t.Text), entry->Font, p.device());
      layout.beginLayout();
      layout.createLine();
      layout.endLayout();
      shaped->second = layout.glyphRuns();
    }
    // Glyph runs are placed on the baseline relative to the layout's top.
    const QPointF origin(t.X * dpi, t.Y * dpi);
    for (const QGlyphRun& run : shaped->second) p.drawGlyphRun(origin, run);
    if (t.Font.Underline) {
      QFontMetricsF fm(entry->Font, p.device());
      const double y = t.Y * dpi + entry->Ascent + fm.underlinePos();
      QPen line(Qt::black);
      line.setWidthF(fm.lineWidth());
      p.setPen(line);
      p.drawLine(QPointF(origin.x(), y), QPointF(origin.x() + t.Width * dpi, y));
      p.setPen(Qt::black);
    }
  }
  p.restore();
}

}  // namespace absence::render

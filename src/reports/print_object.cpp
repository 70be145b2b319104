// The text list printer: pixel arithmetic, margins, the current line and finished pages.
#include "reports/print_object.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string_view>

namespace absence::reports {
namespace {

// Inches to pixels truncate toward zero; the small allowance keeps 1.6 * 600 at 960.
int ToPixels(double inches, int resolution) {
  return static_cast<int>(std::trunc(inches * resolution + (inches >= 0 ? 1e-7 : -1e-7)));
}

TFont MakeFont(const std::string& name, double size, TFontStyles style) {
  TFont f;
  f.Name = name;
  f.Size = size;
  f.Bold = (style & fsBold) != 0;
  f.Italic = (style & fsItalic) != 0;
  f.Underline = (style & fsUnderline) != 0;
  f.StrikeOut = (style & fsStrikeOut) != 0;
  return f;
}

constexpr std::size_t kMaxLineText = 240;
constexpr std::size_t kMaxFontName = 80;

}  // namespace

TPrintDevice LetterDevice(int dpi, double unprintable) {
  TPrintDevice d;
  d.ResolutionX = d.ResolutionY = dpi;
  d.PhysicalWidth = ToPixels(8.5, dpi);
  d.PhysicalHeight = ToPixels(11, dpi);
  d.OffsetLeft = d.OffsetTop = ToPixels(unprintable, dpi);
  d.PrintableWidth = d.PhysicalWidth - 2 * d.OffsetLeft;
  d.PrintableHeight = d.PhysicalHeight - 2 * d.OffsetTop;
  return d;
}

TPrintDevice PaperDevice(const TPaper& sheet, int dpi) {
  TPrintDevice d;
  d.ResolutionX = d.ResolutionY = dpi;
  d.PhysicalWidth = ToPixels(sheet.Width, dpi);
  d.PhysicalHeight = ToPixels(sheet.Height, dpi);
  d.OffsetLeft = ToPixels(sheet.EdgeLeft, dpi);
  d.OffsetTop = ToPixels(sheet.EdgeTop, dpi);
  d.PrintableWidth = d.PhysicalWidth - d.OffsetLeft - ToPixels(sheet.EdgeRight, dpi);
  d.PrintableHeight = d.PhysicalHeight - d.OffsetTop - ToPixels(sheet.EdgeBottom, dpi);
  return d;
}

std::string FillPageNumber(const std::string& format, int n) {
  std::string text = format;
  const std::size_t at = text.find("%d");
  if (at != std::string::npos) text.replace(at, 2, std::to_string(n));
  return text;
}

TPrintObject::TPrintObject(const TTextMetrics& metrics, const TPrintDevice& device)
    : metrics_(metrics), device_(device) {
  if (device_.ResolutionX <= 0 || device_.ResolutionY <= 0)
    throw std::invalid_argument("the printer reports no resolution");
  unprintableRight_ = device_.PhysicalWidth - device_.OffsetLeft - device_.PrintableWidth;
  unprintableBottom_ = device_.PhysicalHeight - device_.OffsetTop - device_.PrintableHeight;
}

int TPrintObject::PixelsX(double inches) const {
  return ToPixels(inches, device_.ResolutionX);
}

int TPrintObject::PixelsY(double inches) const {
  return ToPixels(inches, device_.ResolutionY);
}

int TPrintObject::TextPixels(const std::string& text) const {
  return PixelsX(metrics_.TextWidth(font_, text));
}

double TPrintObject::LineHeight() const {
  return static_cast<double>(PixelsY(metrics_.LineHeight(font_))) / device_.ResolutionY;
}

void TPrintObject::StartPrintJob() {
  doc_ = TDocument{};
  doc_.PageWidth = static_cast<double>(device_.PhysicalWidth) / device_.ResolutionX;
  doc_.PageHeight = static_cast<double>(device_.PhysicalHeight) / device_.ResolutionY;
  doc_.Orientation =
      doc_.PageWidth > doc_.PageHeight ? TOrientation::Landscape : TOrientation::Portrait;
  doc_.Pages.emplace_back();
  autoPageBreak_ = true;
  pageNumber_ = TLineFormat{};
  SetMargins(static_cast<double>(device_.OffsetTop) / device_.ResolutionY,
             static_cast<double>(unprintableBottom_) / device_.ResolutionY,
             static_cast<double>(device_.OffsetLeft) / device_.ResolutionX,
             static_cast<double>(unprintableRight_) / device_.ResolutionX);
  headers_ = {};
  currentLine_ = 0;
}

TDocument TPrintObject::EndPrintJob() {
  if (doc_.Pages.empty()) throw std::logic_error("no print job was started");
  FinishPage();
  return std::move(doc_);
}

// Margins that do not leave room on the sheet, or are not positive, fall back to the printer's
// own; none is ever less than the printer's own.
void TPrintObject::SetMargins(double top, double bottom, double left, double right) {
  const double leftMin = static_cast<double>(device_.OffsetLeft) / device_.ResolutionX;
  const double rightMin = static_cast<double>(unprintableRight_) / device_.ResolutionX;
  const double topMin = static_cast<double>(device_.OffsetTop) / device_.ResolutionY;
  const double bottomMin = static_cast<double>(unprintableBottom_) / device_.ResolutionY;
  if (left + right >= static_cast<double>(device_.PhysicalWidth) / device_.ResolutionX) {
    left = leftMin;
    right = rightMin;
  }
  if (left <= 0) left = leftMin;
  if (right <= 0) right = rightMin;
  if (top + bottom >= static_cast<double>(device_.PhysicalHeight) / device_.ResolutionY) {
    top = topMin;
    bottom = bottomMin;
  }
  if (top <= 0) top = topMin;
  if (bottom <= 0) bottom = bottomMin;
  marginLeft_ = std::max(PixelsX(left), device_.OffsetLeft);
  marginRight_ = std::max(PixelsX(right), unprintableRight_);
  marginTop_ = std::max(PixelsY(top), device_.OffsetTop);
  marginBottom_ = std::max(PixelsY(bottom), unprintableBottom_);
}

void TPrintObject::SetFont(const std::string& name, double size, TFontStyles style) {
  font_ = MakeFont(name.substr(0, kMaxFontName), size, style);
}

void TPrintObject::SetHeaderLine(int slot, const std::string& text, double pos, TLineAlign align,
                                 const std::string& fontName, double fontSize, TFontStyles style) {
  if (slot < 1 || slot > kHeaderLines) return;
  headers_[static_cast<std::size_t>(slot - 1)] = {
      text.substr(0, kMaxLineText), pos, align,
      MakeFont(fontName.substr(0, kMaxFontName), fontSize, style)};
}

void TPrintObject::SetPageNumberLine(const std::string& format, double pos, TLineAlign align,
                                     const std::string& fontName, double fontSize,
                                     TFontStyles style) {
  pageNumber_ = {format.substr(0, kMaxLineText), pos, align,
                 MakeFont(fontName.substr(0, kMaxFontName), fontSize, style)};
}

double TPrintObject::ScaleX() const {
  const double left = static_cast<double>(marginLeft_) / device_.ResolutionX;
  const double right = static_cast<double>(marginRight_) / device_.ResolutionX;
  const double written = PaperLetter().Width - left - right;
  const double room =
      static_cast<double>(device_.PhysicalWidth) / device_.ResolutionX - left - right;
  return written > 0 && room > 0 ? std::min(1.0, room / written) : 1.0;
}

double TPrintObject::SheetX(double x) const {
  const double scale = ScaleX();
  if (scale >= 1) return x;
  const double left = static_cast<double>(marginLeft_) / device_.ResolutionX;
  return left + (x - left) * scale;
}

double TPrintObject::TextWidth(const std::string& text, const std::string& fontName, double size,
                               TFontStyles style) const {
  return metrics_.TextWidth(MakeFont(fontName, size, style), text);
}

std::string TPrintObject::FitToWidth(const std::string& text, const std::string& fontName,
                                     double size, TFontStyles style, double width) const {
  return reports::FitToWidth(metrics_, MakeFont(fontName, size, style), text, width);
}

double TPrintObject::CentredRoom() const {
  const int middle = (device_.OffsetLeft + device_.PhysicalWidth - unprintableRight_) / 2;
  const int half = std::min(middle - marginLeft_, device_.PhysicalWidth - marginRight_ - middle);
  return 2.0 * std::max(0, half) / device_.ResolutionX;
}

void TPrintObject::SetDetailArea(double top, double bottom) {
  const double sheetBottom =
      static_cast<double>(device_.PhysicalHeight - marginBottom_) / device_.ResolutionY;
  detailTop_ = top;
  const double height = static_cast<double>(device_.PhysicalHeight) / device_.ResolutionY;
  detailBottom_ = std::min(bottom + height - PaperLetter().Height, sheetBottom);
  currentLine_ = top - LineHeight();
}

void TPrintObject::SetColumn(int column, double pos, double width) {
  if (column < 1 || column > kColumns) return;
  columns_[static_cast<std::size_t>(column - 1)] = {SheetX(pos), SheetWidth(width)};
}

const TPrintObject::TColumn& TPrintObject::Column(int column) const {
  if (column < 1 || column > kColumns) throw std::out_of_range("no such print column");
  return columns_[static_cast<std::size_t>(column - 1)];
}

void TPrintObject::WriteAt(const std::string& text, double x, double y) {
  WriteOnSheet(text, x >= 0 ? SheetX(x) : x, y);
}

void TPrintObject::WriteOnSheet(const std::string& text, double x, double y) {
  if (doc_.Pages.empty()) throw std::logic_error("no print job was started");
  const int px = std::max(x >= 0 ? PixelsX(x) : marginLeft_, device_.OffsetLeft);
  int py = 0;
  if (y > -0.01) {
    py = std::max(PixelsY(y), device_.OffsetTop);
    if (py > device_.PhysicalHeight) py = device_.PhysicalHeight - unprintableBottom_;
    currentLine_ = static_cast<double>(py) / device_.ResolutionY;
  } else if (y == kNextLine) {
    if (autoPageBreak_ && currentLine_ + LineHeight() > detailBottom_ + 1e-9) NewPage();
    currentLine_ += LineHeight();
    py = PixelsY(currentLine_);
  } else if (y == kCurrentLine) {
    py = PixelsY(currentLine_);
  } else {
    throw std::invalid_argument("not a vertical print position");
  }
  if (text.empty()) return;
  doc_.Pages.back().Texts.push_back(
      {static_cast<double>(px) / device_.ResolutionX, static_cast<double>(py) / device_.ResolutionY,
       static_cast<double>(TextPixels(text)) / device_.ResolutionX, font_, text});
}

void TPrintObject::WriteInColumn(int column, const std::string& text, double y) {
  WriteOnSheet(text, Column(column).Pos, y);
}

void TPrintObject::WriteFittedInColumn(int column, const std::string& text, double y) {
  WriteInColumn(column, FitToColumn(column, text), y);
}

std::string TPrintObject::FitToColumn(int column, const std::string& text) const {
  const int room = PixelsX(Column(column).Width);
  if (TextPixels(text) <= room) return text;
  constexpr std::string_view kMore = "...";
  std::string t = text;
  std::string candidate;
  while (!t.empty()) {
    // One character less, and no spaces left before the dots.
    DropLastCharacter(t);
    while (!t.empty() && t.back() == ' ') t.pop_back();
    candidate = t;
    candidate += kMore;
    if (TextPixels(candidate) <= room) return candidate;
  }
  candidate = kMore;
  return TextPixels(candidate) <= room ? candidate : std::string();
}

void TPrintObject::WriteRightInColumn(int column, const std::string& text, double y) {
  const TColumn& c = Column(column);
  const int left = PixelsX(c.Pos + c.Width) - TextPixels(text);
  WriteOnSheet(text, static_cast<double>(left) / device_.ResolutionX, y);
}

void TPrintObject::WriteCentredInColumn(int column, const std::string& text, double y) {
  const TColumn& c = Column(column);
  const int left = PixelsX(c.Width) / 2 + PixelsX(c.Pos) - TextPixels(text) / 2;
  WriteOnSheet(text, static_cast<double>(left) / device_.ResolutionX, y);
}

void TPrintObject::WriteCentred(const std::string& text, double y) {
  const int middle = (device_.OffsetLeft + device_.PhysicalWidth - unprintableRight_) / 2;
  WriteOnSheet(text, static_cast<double>(middle - TextPixels(text) / 2) / device_.ResolutionX, y);
}

void TPrintObject::WriteRight(const std::string& text, double y) {
  const int left = device_.PhysicalWidth - marginRight_ - TextPixels(text);
  WriteOnSheet(text, static_cast<double>(left) / device_.ResolutionX, y);
}

int TPrintObject::LinesLeft() const {
  return static_cast<int>(std::trunc((detailBottom_ - currentLine_) / LineHeight() + 1e-9));
}

void TPrintObject::NewPage() {
  FinishPage();
  currentLine_ = detailTop_ - LineHeight();
  doc_.Pages.emplace_back();
}

void TPrintObject::StampLine(const TLineFormat& line, const std::string& text) {
  const TFont saved = font_;
  font_ = line.Font;
  switch (line.Align) {
    case TLineAlign::Left:
      WriteOnSheet(text, -1, line.Pos);
      break;
    case TLineAlign::Centre:
      WriteCentred(text, line.Pos);
      break;
    case TLineAlign::Right:
      WriteRight(text, line.Pos);
      break;
  }
  font_ = saved;
}

// The headings and the page number go on after the page's body.
void TPrintObject::FinishPage() {
  for (const TLineFormat& h : headers_)
    if (!h.Text.empty()) StampLine(h, h.Text);
  if (pageNumber_.Text.empty()) return;
  const bool autoBreak = autoPageBreak_;
  autoPageBreak_ = false;
  StampLine(pageNumber_, FillPageNumber(pageNumber_.Text, PageNumber()));
  autoPageBreak_ = autoBreak;
}

}  // namespace absence::reports

// The report page engine's layout: positions in inches, the current line, cells and page breaks.
#include "reports/page_engine.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace absence::reports {
namespace {

constexpr double kPointsPerInch = 72.0;

bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::size_t CodePoints(std::string_view text) {
  std::size_t n = 0;
  for (char c : text)
    if (!IsContinuationByte(c)) ++n;
  return n;
}

}  // namespace

void DropLastCharacter(std::string& text) {
  while (!text.empty() && IsContinuationByte(text.back())) text.pop_back();
  if (!text.empty()) text.pop_back();
}

std::string FitToWidth(const TTextMetrics& metrics, const TFont& font, std::string text,
                       double width) {
  while (!text.empty() && metrics.TextWidth(font, text) > width) DropLastCharacter(text);
  return text;
}

double TFixedMetrics::TextWidth(const TFont& font, std::string_view text) const {
  const double em = font.Size / kPointsPerInch;
  return static_cast<double>(CodePoints(text)) * em * (font.Bold ? 0.55 : 0.5);
}

double TFixedMetrics::LineHeight(const TFont& font) const {
  return font.Size * 1.2 / kPointsPerInch;
}

TPaper PaperA4() {
  return {595 / kPointsPerInch, 842 / kPointsPerInch};
}

TPaper PaperLetter() {
  return {612 / kPointsPerInch, 792 / kPointsPerInch};
}

TPaper Oriented(const TPaper& paper, TOrientation orientation) {
  const bool across = paper.Width > paper.Height;
  if (across == (orientation == TOrientation::Landscape)) return paper;
  // A quarter turn to the left: the top edge goes to the left, the right edge to the top.
  return {paper.Height,    paper.Width,      paper.EdgeTop,
          paper.EdgeRight, paper.EdgeBottom, paper.EdgeLeft};
}

TPageEngine::TPageEngine(const TTextMetrics& metrics) : metrics_(metrics) {
  SetPage(PaperLetter(), TOrientation::Portrait, TOrientation::Portrait);
}

void TPageEngine::SetPage(const TPaper& paper, TOrientation orientation, TOrientation layout) {
  paper_ = paper;
  sheet_ = Oriented(paper, orientation);
  design_ = Oriented(PaperLetter(), layout);
  doc_.Orientation = orientation;
  doc_.PageWidth = sheet_.Width;
  doc_.PageHeight = sheet_.Height;
  PlaceOnSheet();
}

void TPageEngine::SetMargins(double left, double right, double top, double bottom) {
  marginLeft_ = left;
  marginRight_ = right;
  marginTop_ = top;
  marginBottom_ = bottom;
  PlaceOnSheet();
}

void TPageEngine::PlaceOnSheet() {
  left_ = std::max(marginLeft_, sheet_.EdgeLeft);
  right_ = std::max(marginRight_, sheet_.EdgeRight);
  top_ = std::max(marginTop_, sheet_.EdgeTop);
  bottom_ = std::max(marginBottom_, sheet_.EdgeBottom);
  const double written = design_.Width - marginLeft_ - marginRight_;
  const double room = sheet_.Width - left_ - right_;
  scaleX_ = written > 0 && room > 0 ? std::min(1.0, room / written) : 1.0;
}

void TPageEngine::Start() {
  if (started_) throw std::logic_error("the report run has already started");
  started_ = true;
  BeginPage();
}

TDocument TPageEngine::Finish() {
  if (!started_) Start();
  if (tabIndex_ >= 0 || !cells_.empty()) EndLine();
  return std::move(doc_);
}

void TPageEngine::SelectFont(const std::string& name, double size) {
  font_ = TFont{};
  font_.Name = name;
  font_.Size = size;
}

void TPageEngine::SetSectionTop(double top) {
  lineTop_ = std::max(top, sheet_.EdgeTop);
}

void TPageEngine::SetSectionBottom(double bottom) {
  sectionBottom_ = std::min(bottom + sheet_.Height - design_.Height, sheet_.Height - bottom_);
}

void TPageEngine::PrintCentred(const std::string& text) {
  const double w = metrics_.TextWidth(font_, text);
  PrintAt((SectionLeft() + SectionRight() - w) / 2, text);
}

void TPageEngine::PrintLeft(const std::string& text) {
  PrintAt(SectionLeft(), text);
}

void TPageEngine::PrintRight(const std::string& text) {
  PrintAt(SectionRight() - metrics_.TextWidth(font_, text), text);
}

void TPageEngine::ClearTabStops() {
  tabs_.clear();
  tabIndex_ = -1;
}

void TPageEngine::AddTabStop(double pos, double width, TJustify justify, double marginPercent) {
  tabs_.push_back({PageX(pos), Across(width), justify, marginPercent});
}

void TPageEngine::SaveTabStops() {
  savedTabs_.push_back(tabs_);
}

void TPageEngine::RestoreTabStops() {
  if (savedTabs_.empty()) throw std::logic_error("RestoreTabStops without SaveTabStops");
  tabs_ = std::move(savedTabs_.back());
  savedTabs_.pop_back();
  tabIndex_ = -1;
}

void TPageEngine::NextTab(const TCellBorders& borders) {
  if (tabIndex_ < static_cast<int>(tabs_.size())) ++tabIndex_;
  if (tabIndex_ < static_cast<int>(tabs_.size())) {
    const TTabStop& stop = tabs_[static_cast<std::size_t>(tabIndex_)];
    x_ = stop.Pos;
    if (borders.Any()) cells_.push_back({stop, borders});
  }
}

double TPageEngine::TextWidth(const std::string& text) const {
  return metrics_.TextWidth(font_, text);
}

std::string TPageEngine::FitToWidth(const std::string& text, double width) const {
  return reports::FitToWidth(metrics_, font_, text, width);
}

void TPageEngine::PrintText(const std::string& text) {
  std::size_t from = 0;
  for (;;) {
    const std::size_t tab = text.find('\t', from);
    const std::string part = text.substr(from, tab == std::string::npos ? tab : tab - from);
    if (tabIndex_ >= 0 && tabIndex_ < static_cast<int>(tabs_.size()))
      PrintInCell(part);
    else
      PrintAt(x_, part);
    if (tab == std::string::npos) break;
    NextTab();
    from = tab + 1;
  }
}

void TPageEngine::PrintLine(const std::string& text) {
  PrintText(text);
  EndLine();
}

int TPageEngine::LinesLeft() const {
  const double lines = (sectionBottom_ - lineTop_) / metrics_.LineHeight(font_);
  return static_cast<int>(std::floor(lines + 1e-9));
}

void TPageEngine::StartNewPage() {
  if (!started_) throw std::logic_error("StartNewPage before Start");
  if (tabIndex_ >= 0 || !cells_.empty()) EndLine();
  BeginPage();
}

void TPageEngine::BeginPage() {
  doc_.Pages.emplace_back();
  sectionBottom_ = doc_.PageHeight - bottom_;
  lineTop_ = top_;
  x_ = SectionLeft();
  tabIndex_ = -1;
  if (!header_) return;
  header_(*this);
  if (tabIndex_ >= 0 || !cells_.empty()) EndLine();
}

void TPageEngine::PrintAt(double x, const std::string& text) {
  const double w = metrics_.TextWidth(font_, text);
  if (!text.empty()) Page().Texts.push_back({x, lineTop_, w, font_, text});
  x_ = x + w;
}

void TPageEngine::PrintInCell(const std::string& text) {
  const TTabStop& stop = tabs_[static_cast<std::size_t>(tabIndex_)];
  const double margin = stop.Width * stop.MarginPercent / 100.0;
  const double w = metrics_.TextWidth(font_, text);
  const TJustify justify = centreCells_ ? TJustify::Centre : stop.Justify;
  double x = stop.Pos + margin;
  if (justify == TJustify::Centre)
    x = stop.Pos + (stop.Width - w) / 2;
  else if (justify == TJustify::Right)
    x = stop.Pos + stop.Width - margin - w;
  // A second text in the same left-justified cell follows the first.
  if (justify == TJustify::Left && x_ > x) x = x_;
  PrintAt(x, text);
}

void TPageEngine::EndLine() {
  const double top = lineTop_;
  const double bottom = top + metrics_.LineHeight(font_);
  for (const TPendingCell& c : cells_) {
    const double left = c.Stop.Pos, right = c.Stop.Pos + c.Stop.Width;
    auto& lines = Page().Lines;
    if (c.Borders.Top > 0) lines.push_back({left, top, right, top, c.Borders.Top});
    if (c.Borders.Bottom > 0) lines.push_back({left, bottom, right, bottom, c.Borders.Bottom});
    if (c.Borders.Left > 0) lines.push_back({left, top, left, bottom, c.Borders.Left});
    if (c.Borders.Right > 0) lines.push_back({right, top, right, bottom, c.Borders.Right});
  }
  cells_.clear();
  lineTop_ = bottom;
  x_ = SectionLeft();
  tabIndex_ = -1;
}

}  // namespace absence::reports

#pragma once
// The report page engine: lays report text out on pages measured in inches (fonts, section
// edges, tab stops with cell borders, lines, page breaks) and keeps the result as a page list.
// Text widths come from a TTextMetrics, so the same layout code serves the tests (fixed,
// predictable widths) and real output (the fonts' own metrics); painting the pages is the job
// of a backend outside the core.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "reports/page_document.h"

namespace absence::reports {

// Text measurement for one output device, in inches.
class TTextMetrics {
 public:
  virtual ~TTextMetrics() = default;
  virtual double TextWidth(const TFont& font, std::string_view text) const = 0;
  // The distance from one line's top to the next in this font.
  virtual double LineHeight(const TFont& font) const = 0;
};

// `text` without its last UTF-8 character.
void DropLastCharacter(std::string& text);

// The longest start of `text`, in whole characters, no wider than `width` inches in `font`.
std::string FitToWidth(const TTextMetrics& metrics, const TFont& font, std::string text,
                       double width);

// Deterministic metrics for tests and for laying out without a font system: every character
// (UTF-8 code point) is half an em wide, 0.55 em in bold; lines are 1.2 em apart.
class TFixedMetrics : public TTextMetrics {
 public:
  double TextWidth(const TFont& font, std::string_view text) const override;
  double LineHeight(const TFont& font) const override;
};

enum class TJustify { Left, Centre, Right };

struct TTabStop {
  double Pos = 0;    // inches from the page's left edge
  double Width = 0;  // inches
  TJustify Justify = TJustify::Left;
  double MarginPercent = 0;  // inner margin on each side, per cent of the width
};

// Line widths of a cell's sides, in pen units (kPenUnitsPerInch); 0 draws no line.
struct TCellBorders {
  int Left = 0;
  int Right = 0;
  int Top = 0;
  int Bottom = 0;
  bool Any() const { return Left > 0 || Right > 0 || Top > 0 || Bottom > 0; }
};

class TPageEngine {
 public:
  using THeaderFn = std::function<void(TPageEngine&)>;

  explicit TPageEngine(const TTextMetrics& metrics);

  // Page set-up, before Start: US Letter, portrait, margins of half an inch on every side.
  //
  // The layout is written for US Letter turned to `layout`; the pages come out on `paper` turned
  // to `orientation`. Positions keep their distance from the top and left margins; across, they
  // are scaled down when the room between the margins is narrower than the layout's, and section
  // bottoms keep their distance from the sheet's bottom edge. Margins are never less than the
  // sheet's unprintable edges, and no section reaches below the bottom margin.
  void SetPage(const TPaper& paper, TOrientation orientation, TOrientation layout);
  // Letter-sized paper and layout both turned to `orientation`.
  void SetOrientation(TOrientation orientation) { SetPage(paper_, orientation, orientation); }
  void SetMargins(double left, double right, double top, double bottom);
  // Runs at the top of every page, the first included. The body carries on with the font, tab
  // stops and current line the header leaves.
  void SetHeader(THeaderFn header) { header_ = std::move(header); }

  // Opens page 1 and runs the header.
  void Start();
  // Ends the run and hands over the pages.
  TDocument Finish();

  void SelectFont(const std::string& name, double size);  // styles back to off
  void SetBold(bool on) { font_.Bold = on; }
  void SetUnderline(bool on) { font_.Underline = on; }
  void SetItalic(bool on) { font_.Italic = on; }
  const TFont& CurrentFont() const { return font_; }

  // Inches from the page top; the current line moves to the new top.
  void SetSectionTop(double top);
  void SetSectionBottom(double bottom);

  // One text on the current line, centred between or flush with the section's edges.
  void PrintCentred(const std::string& text);
  void PrintLeft(const std::string& text);
  void PrintRight(const std::string& text);

  void ClearTabStops();
  void AddTabStop(double pos, double width, TJustify justify, double marginPercent);
  void SaveTabStops();
  void RestoreTabStops();  // std::logic_error when nothing was saved
  // Moves to the next stop; the cell's borders are drawn when the line ends, as high as the line.
  void NextTab(const TCellBorders& borders = {});
  // true: every cell centred; false: each stop's own justification.
  void SetCellJustification(bool centred) { centreCells_ = centred; }

  // A width of the layout as it stands on this sheet (narrower when the layout is scaled across).
  double Across(double width) const { return width * scaleX_; }

  // Inches `text` takes in the current font.
  double TextWidth(const std::string& text) const;
  // `text` shortened from its end until it is at most `width` inches wide in the current font.
  std::string FitToWidth(const std::string& text, double width) const;

  // Prints at the current cell, or after the last text when no stop is current; a tab character
  // moves to the next stop.
  void PrintText(const std::string& text);
  // PrintText, then ends the line (an empty line when nothing was printed on it).
  void PrintLine(const std::string& text = std::string());
  // Whole lines of the current font that still fit above the section bottom (may be negative).
  int LinesLeft() const;
  // Finishes the page and starts the next one; the page number increases, the header runs.
  void StartNewPage();
  int PageNumber() const { return static_cast<int>(doc_.Pages.size()); }

  double LineTop() const { return lineTop_; }
  double SectionLeft() const { return left_; }
  double SectionRight() const { return doc_.PageWidth - right_; }

 private:
  struct TPendingCell {
    TTabStop Stop;
    TCellBorders Borders;
  };

  // A horizontal position of the layout on this sheet.
  double PageX(double x) const {
    return scaleX_ == 1 && left_ == marginLeft_ ? x : left_ + (x - marginLeft_) * scaleX_;
  }
  void PlaceOnSheet();
  void PrintAt(double x, const std::string& text);
  void PrintInCell(const std::string& text);
  void EndLine();
  void BeginPage();
  TPage& Page() { return doc_.Pages.back(); }

  const TTextMetrics& metrics_;
  TDocument doc_;
  THeaderFn header_;
  TPaper paper_ = PaperLetter();   // upright
  TPaper sheet_ = PaperLetter();   // as it lies
  TPaper design_ = PaperLetter();  // the sheet the layout is written for, as it lies
  // The layout's margins, and the margins on the sheet (raised to its unprintable edges).
  double marginLeft_ = 0.5, marginRight_ = 0.5, marginTop_ = 0.5, marginBottom_ = 0.5;
  double left_ = 0.5, right_ = 0.5, top_ = 0.5, bottom_ = 0.5;
  double scaleX_ = 1;
  double sectionBottom_ = 0;
  double lineTop_ = 0;
  double x_ = 0;  // where text without a current stop goes
  TFont font_;
  std::vector<TTabStop> tabs_;
  std::vector<std::vector<TTabStop>> savedTabs_;
  int tabIndex_ = -1;  // the current stop on this line; -1 none yet
  bool centreCells_ = false;
  std::vector<TPendingCell> cells_;  // bordered cells of the current line
  bool started_ = false;
};

}  // namespace absence::reports

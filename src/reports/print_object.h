#pragma once
// The text list printer: writes lines of text at positions in inches onto the pages of one
// print job, converting to the printer's pixels, keeping a current line, breaking pages, and
// stamping up to five heading lines and a page number on each page as it is finished. The pages
// are kept as a page list (the same one the report page engine makes), measured through a
// TTextMetrics, so tests read them and the Qt backend paints, prints or writes them to PDF.
#include <array>
#include <string>

#include "reports/page_engine.h"

namespace absence::reports {

// What the list printer needs to know about the printer, in its pixels.
struct TPrintDevice {
  int ResolutionX = 600;  // pixels per inch
  int ResolutionY = 600;
  int OffsetLeft = 0;  // unprintable strip at the left and top
  int OffsetTop = 0;
  int PhysicalWidth = 5100;  // the whole sheet
  int PhysicalHeight = 6600;
  int PrintableWidth = 5100;
  int PrintableHeight = 6600;
};

// A US Letter sheet at `dpi` with `unprintable` inches lost on every side.
TPrintDevice LetterDevice(int dpi, double unprintable);
// `sheet` (as it lies) at `dpi`, its unprintable edges lost.
TPrintDevice PaperDevice(const TPaper& sheet, int dpi);

// Font styles, combined with |.
enum TFontStyle : unsigned { fsBold = 1u, fsItalic = 2u, fsUnderline = 4u, fsStrikeOut = 8u };
using TFontStyles = unsigned;

// Heading and page number alignment.
enum class TLineAlign { Left = 0, Centre = 1, Right = 2 };

// Vertical positions: a distance from the page top (above -0.01), or one of these.
inline constexpr double kNextLine = -1;
inline constexpr double kCurrentLine = -2;

// The printouts are written for a portrait US Letter sheet. On another sheet positions keep
// their distance from the top and left margins; across, they are scaled down when the room
// between the margins is narrower than Letter's, and the detail area's bottom keeps its distance
// from the sheet's bottom edge, above the bottom margin.
class TPrintObject {
 public:
  static constexpr int kHeaderLines = 5;
  static constexpr int kColumns = 20;

  TPrintObject(const TTextMetrics& metrics, const TPrintDevice& device);

  // Opens page 1: automatic page breaks on, margins at the printer's own, no headings, no
  // page number, the current line at 0.
  void StartPrintJob();
  // Stamps the last page and hands over the pages.
  TDocument EndPrintJob();

  // Inches; see the rules in the implementation: no margin is less than the printer's own.
  void SetMargins(double top, double bottom, double left, double right);
  void SetFont(const std::string& name, double size, TFontStyles style);
  // Slot 1 to 5; other slots are ignored. Empty text leaves the slot unused.
  void SetHeaderLine(int slot, const std::string& text, double pos, TLineAlign align,
                     const std::string& fontName, double fontSize, TFontStyles style);
  // `format` holds one "%d" for the page number; empty: no page number.
  void SetPageNumberLine(const std::string& format, double pos, TLineAlign align,
                         const std::string& fontName, double fontSize, TFontStyles style);
  // From the page top, in inches; the next line written lands on `top`.
  void SetDetailArea(double top, double bottom);
  void GoToDetailTop() { currentLine_ = detailTop_; }
  // Column 1 to 20; others are ignored.
  void SetColumn(int column, double pos, double width);

  // A negative `x` is the left margin; `y` is a position or kNextLine / kCurrentLine.
  void WriteAt(const std::string& text, double x, double y);
  void WriteInColumn(int column, const std::string& text, double y);
  // As WriteInColumn, but a text wider than the column is cut from its end and ends in "...",
  // so that it never runs into the next column.
  void WriteFittedInColumn(int column, const std::string& text, double y);
  // `text` as WriteFittedInColumn prints it in the current font.
  std::string FitToColumn(int column, const std::string& text) const;
  void WriteRightInColumn(int column, const std::string& text, double y);
  void WriteCentredInColumn(int column, const std::string& text, double y);
  void WriteCentred(const std::string& text, double y);
  void WriteRight(const std::string& text, double y);

  void NextLine() { currentLine_ += LineHeight(); }
  void HalfLine() { currentLine_ += LineHeight() / 2; }
  // Whole lines that still fit above the detail bottom.
  int LinesLeft() const;
  void NewPage();

  // Inches `text` takes in the font given, and `text` shortened from its end until it takes at
  // most `width` inches in it.
  double TextWidth(const std::string& text, const std::string& fontName, double size,
                   TFontStyles style) const;
  std::string FitToWidth(const std::string& text, const std::string& fontName, double size,
                         TFontStyles style, double width) const;
  // Inches a centred line may take and stay between the left and right margins.
  double CentredRoom() const;

  int PageNumber() const { return static_cast<int>(doc_.Pages.size()); }
  // The pages so far; the current one is not stamped yet.
  const std::vector<TPage>& Pages() const { return doc_.Pages; }
  double CurrentLine() const { return currentLine_; }
  // Inches from one line to the next in the current font.
  double LineHeight() const;

 private:
  struct TLineFormat {
    std::string Text;
    double Pos = 0;
    TLineAlign Align = TLineAlign::Left;
    TFont Font;
  };
  struct TColumn {
    double Pos = 0;
    double Width = 0;
  };

  // A horizontal position of the layout, in inches on the sheet.
  double SheetX(double x) const;
  double SheetWidth(double width) const { return width * ScaleX(); }
  double ScaleX() const;
  void WriteOnSheet(const std::string& text, double x, double y);
  int PixelsX(double inches) const;
  int PixelsY(double inches) const;
  int TextPixels(const std::string& text) const;
  const TColumn& Column(int column) const;
  void FinishPage();
  void StampLine(const TLineFormat& line, const std::string& text);

  const TTextMetrics& metrics_;
  TPrintDevice device_;
  int unprintableRight_ = 0;  // pixels
  int unprintableBottom_ = 0;
  int marginTop_ = 0, marginBottom_ = 0, marginLeft_ = 0, marginRight_ = 0;  // pixels
  double detailTop_ = 0, detailBottom_ = 0;                                  // inches
  double currentLine_ = 0;
  bool autoPageBreak_ = false;
  TFont font_;
  std::array<TLineFormat, kHeaderLines> headers_;
  TLineFormat pageNumber_;
  std::array<TColumn, kColumns> columns_{};
  TDocument doc_;
};

// `format` with its first "%d" replaced by `n`; any other text is kept as it is.
std::string FillPageNumber(const std::string& format, int n);

}  // namespace absence::reports

#pragma once
// Generated report pages: positioned texts and lines, in inches from the page's top-left corner.
// The page list is what previews and printers paint, and what tests inspect.
#include <string>
#include <vector>

#include "data/settings.h"  // TOrientation, the page orientation the settings keep

namespace absence::reports {

// Line widths are counted in these units (a 300 dots-per-inch printer's dots).
inline constexpr double kPenUnitsPerInch = 300.0;

inline constexpr const char* kReportFontName = "Times New Roman";

struct TFont {
  std::string Name = kReportFontName;
  double Size = 11;  // points
  bool Bold = false;
  bool Italic = false;
  bool Underline = false;
  bool StrikeOut = false;
  bool operator==(const TFont&) const = default;
};

struct TTextItem {
  double X = 0;  // left edge
  double Y = 0;  // top of the line the text stands on
  double Width = 0;
  TFont Font;
  std::string Text;
};

struct TLineItem {
  double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
  int PenWidth = 1;  // pen units
};

struct TPage {
  std::vector<TTextItem> Texts;
  std::vector<TLineItem> Lines;
};

// A sheet of paper standing upright, in inches, with the strips along its edges that the printer
// cannot reach (none on a PDF page).
struct TPaper {
  double Width = 8.5;
  double Height = 11;
  double EdgeLeft = 0, EdgeTop = 0, EdgeRight = 0, EdgeBottom = 0;
  bool operator==(const TPaper&) const = default;
};

// A4 (595 x 842 points) and US Letter (612 x 792 points), without unprintable edges.
TPaper PaperA4();
TPaper PaperLetter();
// The sheet as it lies for `orientation`: landscape turns it a quarter to the left, so the long
// side runs across and the edges move round with it.
TPaper Oriented(const TPaper& paper, TOrientation orientation);

struct TDocument {
  TOrientation Orientation = TOrientation::Portrait;
  double PageWidth = 8.5;
  double PageHeight = 11;
  std::vector<TPage> Pages;
};

}  // namespace absence::reports

// The text list printer on the recording pages: margins, vertical positions, alignment in
// columns and on the page, page breaks, and the headings stamped on every finished page.
#include <gtest/gtest.h>

#include <cmath>

#include "report_test_support.h"
#include "reports/print_object.h"

namespace absence::test {
namespace {

constexpr double kPixel = 1.0 / 600;  // one pixel of the test printer

// Letter at 600 dpi with a quarter inch lost on every side; fixed text widths.
struct TPrinter {
  TFixedMetrics Metrics;
  TPrintObject P{Metrics, LetterDevice(600, 0.25)};
  TPrinter() {
    P.StartPrintJob();
    P.SetFont(kReportFontName, 11, 0);
  }
  const TTextItem& Last() const { return P.Pages().back().Texts.back(); }
};

TEST(PrintObject, MarginsNeverGoBelowThePrintersOwn) {
  struct Row {
    double top, bottom, left, right;
    double leftX;   // where text at the left margin starts
    double rightX;  // where right-aligned text ends
    double topY;    // where text at the top of the page goes
  } rows[] = {
      {0.5, 0.5, 0.5, 0.75, 0.5, 8.5 - 0.75, 0.25},
      {0.5, 0.5, 0.1, 0.1, 0.25, 8.25, 0.25},  // below the unprintable strip
      {0.5, 0.5, -1, 0, 0.25, 8.25, 0.25},     // not positive: the printer's own
      {0.5, 0.5, 5, 4, 0.25, 8.25, 0.25},      // wider than the sheet: both the printer's own
      {6, 6, 1, 1, 1, 7.5, 0.25},              // taller than the sheet: top and bottom reset
  };
  for (const Row& r : rows) {
    TPrinter t;
    t.P.SetMargins(r.top, r.bottom, r.left, r.right);
    t.P.WriteAt("left", -1, 0);
    EXPECT_NEAR(t.Last().X, r.leftX, kPixel) << r.left;
    EXPECT_NEAR(t.Last().Y, r.topY, kPixel) << r.left;
    t.P.WriteRight("right", 2);
    EXPECT_NEAR(t.Last().X + t.Last().Width, r.rightX, kPixel) << r.right;
  }
}

TEST(PrintObject, VerticalPositionsAndTheCurrentLine) {
  TPrinter t;
  t.P.SetDetailArea(1, 10.5);
  const double lh = t.P.LineHeight();
  EXPECT_NEAR(lh, 110 * kPixel, 1e-9);  // 11 points at 1.2 em, whole pixels
  struct Row {
    double y;
    double expectedY;
    double lineAfter;
  } rows[] = {
      {2.0, 2.0, 2.0},  // absolute
      {kNextLine, 2.0 + lh, 2.0 + lh},
      {kCurrentLine, 2.0 + lh, 2.0 + lh},
      {0.1, 0.25, 0.25},   // raised to the unprintable top strip
      {12, 10.75, 10.75},  // below the sheet: the last printable pixel row
      {0, 0.25, 0.25},
  };
  for (const Row& r : rows) {
    t.P.WriteAt("x", 1, r.y);
    EXPECT_NEAR(t.Last().Y, r.expectedY, kPixel) << r.y;
    EXPECT_NEAR(t.P.CurrentLine(), r.lineAfter, kPixel) << r.y;
  }
  EXPECT_THROW(t.P.WriteAt("x", 1, -3), std::invalid_argument);
  EXPECT_THROW(t.P.WriteInColumn(21, "x", kCurrentLine), std::out_of_range);
}

TEST(PrintObject, AlignsInColumnsAndOnThePage) {
  TPrinter t;
  t.P.SetMargins(0.5, 0.5, 0.5, 0.75);
  t.P.SetColumn(3, 2.0, 1.5);
  t.P.WriteInColumn(3, "abcd", 1);
  EXPECT_NEAR(t.Last().X, 2.0, kPixel);
  t.P.WriteRightInColumn(3, "abcd", 1);
  EXPECT_NEAR(t.Last().X + t.Last().Width, 3.5, kPixel);
  t.P.WriteCentredInColumn(3, "abcd", 1);
  EXPECT_NEAR(t.Last().X + t.Last().Width / 2, 2.75, kPixel);
  // Centred on the printable width, whatever the margins.
  t.P.WriteCentred("abcd", 1);
  EXPECT_NEAR(t.Last().X + t.Last().Width / 2, 4.25, kPixel);
  EXPECT_NEAR(t.Last().Y, 1, kPixel);
}

TEST(PrintObject, NextLineBreaksThePageAtTheDetailBottom) {
  TPrinter t;
  const double lh = t.P.LineHeight();
  t.P.SetDetailArea(1.0, 1.0 + 3 * lh);
  EXPECT_EQ(t.P.LinesLeft(), 4);
  for (int i = 0; i < 4; ++i) {
    t.P.WriteAt("row", 1, kNextLine);
    EXPECT_NEAR(t.Last().Y, 1.0 + i * lh, kPixel);
  }
  EXPECT_EQ(t.P.LinesLeft(), 0);
  EXPECT_EQ(t.P.PageNumber(), 1);
  t.P.WriteAt("fifth", 1, kNextLine);
  EXPECT_EQ(t.P.PageNumber(), 2);
  EXPECT_NEAR(t.Last().Y, 1.0, kPixel);  // the detail top of the new page
  t.P.HalfLine();
  EXPECT_NEAR(t.P.CurrentLine(), 1.0 + lh / 2, kPixel);
}

TEST(PrintObject, StampsHeadingsAndPageNumberOnEveryPage) {
  TPrinter t;
  t.P.SetMargins(0.5, 0.5, 0.5, 0.75);
  t.P.SetHeaderLine(1, "Acme Works", 0.4, TLineAlign::Centre, kReportFontName, 18, fsBold);
  t.P.SetHeaderLine(2, "Left heading", 0.5, TLineAlign::Left, kReportFontName, 11, 0);
  t.P.SetHeaderLine(6, "ignored", 0.6, TLineAlign::Left, kReportFontName, 11, 0);
  t.P.SetPageNumberLine("Page: %d", 0.5, TLineAlign::Right, kReportFontName, 11, fsItalic);
  t.P.SetDetailArea(1.0, 10.0);
  t.P.SetFont(kReportFontName, 10, fsUnderline);
  t.P.WriteAt("body 1", 1, kNextLine);
  t.P.NewPage();
  t.P.WriteAt("body 2", 1, kNextLine);
  EXPECT_TRUE(t.Last().Font.Underline);  // the body's font survives the stamping
  EXPECT_EQ(t.Last().Font.Size, 10);
  const TDocument doc = t.P.EndPrintJob();
  ASSERT_EQ(doc.Pages.size(), 2u);
  for (std::size_t i = 0; i < doc.Pages.size(); ++i) {
    const TPage& page = doc.Pages[i];
    const TTextItem* org = FindText(page, "Acme Works");
    ASSERT_NE(org, nullptr);
    EXPECT_TRUE(org->Font.Bold);
    EXPECT_NEAR(org->X + org->Width / 2, 4.25, kPixel);
    EXPECT_NEAR(org->Y, 0.4, kPixel);
    ASSERT_NE(FindText(page, "Left heading"), nullptr);
    EXPECT_NEAR(FindText(page, "Left heading")->X, 0.5, kPixel);
    EXPECT_EQ(FindText(page, "ignored"), nullptr);
    const TTextItem* number = FindText(page, "Page: " + std::to_string(i + 1));
    ASSERT_NE(number, nullptr) << i;
    EXPECT_TRUE(number->Font.Italic);
    EXPECT_NEAR(number->X + number->Width, 7.75, kPixel);
    // The headings go on after the body.
    EXPECT_EQ(page.Texts.front().Text, "body " + std::to_string(i + 1));
  }
}

TEST(PrintObject, FillsThePageNumberFormat) {
  struct Row {
    const char* format;
    int n;
    const char* text;
  } rows[] = {{"Page: %d", 3, "Page: 3"},
              {"%d", 12, "12"},
              {"Page", 2, "Page"},
              {"%d of %d", 1, "1 of %d"},
              {"%s %n", 1, "%s %n"}};
  for (const Row& r : rows) EXPECT_EQ(FillPageNumber(r.format, r.n), r.text) << r.format;
}

}  // namespace
}  // namespace absence::test

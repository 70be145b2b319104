// The page engine's layout: cells and their margins, tabs inside texts, borders as high as the
// line, lines left, page breaks with the header, fitting texts to a width.
#include <stdexcept>

#include "report_test_support.h"

namespace absence::test {
namespace {

constexpr double kEps = 1e-9;

struct TEngineFixture {
  TFixedMetrics metrics;
  TPageEngine engine{metrics};
  TEngineFixture() { engine.Start(); }
  double Width(const std::string& text) const {
    return metrics.TextWidth(engine.CurrentFont(), text);
  }
  const TPage& Page(std::size_t i = 0) const { return pages.Pages.at(i); }
  void Finish() { pages = engine.Finish(); }
  TDocument pages;
};

TEST(PageEngine, CellTextKeepsTheInnerMarginOfItsJustification) {
  struct Case {
    TJustify justify;
    bool centreCells;
    double expectedLeft;  // for a text of width w: computed below
    const char* name;
  };
  const double pos = 1.0, width = 2.0, margin = 0.04;  // 2 per cent of 2 inches
  for (const auto& c :
       {Case{TJustify::Left, false, 0, "left"}, Case{TJustify::Right, false, 0, "right"},
        Case{TJustify::Centre, false, 0, "centre"},
        Case{TJustify::Right, true, 0, "right stop, centred cells"}}) {
    TEngineFixture f;
    f.engine.AddTabStop(pos, width, c.justify, 2);
    f.engine.SetCellJustification(c.centreCells);
    f.engine.NextTab();
    f.engine.PrintLine("Vacation");
    const double w = f.Width("Vacation");
    f.Finish();
    ASSERT_EQ(f.Page().Texts.size(), 1u) << c.name;
    const double x = f.Page().Texts[0].X;
    const TJustify j = c.centreCells ? TJustify::Centre : c.justify;
    const double want = j == TJustify::Left    ? pos + margin
                        : j == TJustify::Right ? pos + width - margin - w
                                               : pos + (width - w) / 2;
    EXPECT_NEAR(x, want, kEps) << c.name;
  }
}

TEST(PageEngine, TabsInsideTextMoveToTheNextStopsAndLinesEndAtTheSectionLeft) {
  TEngineFixture f;
  f.engine.SetSectionTop(1.0);
  f.engine.AddTabStop(0.75, 1.0, TJustify::Left, 0);
  f.engine.AddTabStop(2.0, 1.0, TJustify::Left, 0);
  f.engine.AddTabStop(3.0, 1.0, TJustify::Right, 0);
  f.engine.PrintLine("\tA\t\tC");
  f.engine.PrintText("free");
  f.engine.PrintText("more");
  const double freeWidth = f.Width("free");
  f.engine.PrintLine();
  f.Finish();
  const auto& t = f.Page().Texts;
  ASSERT_EQ(t.size(), 4u);
  EXPECT_EQ(t[0].Text, "A");
  EXPECT_NEAR(t[0].X, 0.75, kEps);
  EXPECT_EQ(t[1].Text, "C");
  EXPECT_NEAR(t[1].X + t[1].Width, 4.0, kEps);
  EXPECT_NEAR(t[0].Y, 1.0, kEps);
  // Without a stop, texts follow one another from the section's left edge on the next line.
  EXPECT_NEAR(t[2].X, 0.5, kEps);
  EXPECT_NEAR(t[3].X, 0.5 + freeWidth, kEps);
  EXPECT_NEAR(t[2].Y, 1.0 + f.metrics.LineHeight(TFont{}), kEps);
}

TEST(PageEngine, CellBordersAreAsHighAsTheLineEndsAndOnlyOnSidesWithAWidth) {
  TEngineFixture f;
  f.engine.SetSectionTop(2.0);
  f.engine.AddTabStop(1.0, 1.4, TJustify::Left, 2);
  f.engine.AddTabStop(2.4, 1.4, TJustify::Left, 2);
  f.engine.SelectFont(kReportFontName, 8);
  f.engine.NextTab({5, 2, 2, 0});
  f.engine.PrintText("x");
  f.engine.NextTab({2, 5, 0, 5});
  f.engine.SelectFont(kReportFontName, 14);  // the line ends taller
  f.engine.PrintLine();
  TFont big;
  big.Size = 14;
  const double bottom = 2.0 + f.metrics.LineHeight(big);
  EXPECT_NEAR(f.engine.LineTop(), bottom, kEps);
  f.Finish();
  std::vector<TLineItem> want = {{1.0, 2.0, 2.4, 2.0, 2},    {1.0, 2.0, 1.0, bottom, 5},
                                 {2.4, 2.0, 2.4, bottom, 2}, {2.4, bottom, 3.8, bottom, 5},
                                 {2.4, 2.0, 2.4, bottom, 2}, {3.8, 2.0, 3.8, bottom, 5}};
  const auto& got = f.Page().Lines;
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_NEAR(got[i].X1, want[i].X1, kEps) << i;
    EXPECT_NEAR(got[i].Y1, want[i].Y1, kEps) << i;
    EXPECT_NEAR(got[i].X2, want[i].X2, kEps) << i;
    EXPECT_NEAR(got[i].Y2, want[i].Y2, kEps) << i;
    EXPECT_EQ(got[i].PenWidth, want[i].PenWidth) << i;
  }
}

TEST(PageEngine, LinesLeftCountsWholeLinesOfTheCurrentFont) {
  TEngineFixture f;
  const double lh = f.metrics.LineHeight(TFont{});  // 11 points
  f.engine.SetSectionTop(1.0);
  f.engine.SetSectionBottom(1.0 + 5 * lh);
  EXPECT_EQ(f.engine.LinesLeft(), 5);
  f.engine.SelectFont(kReportFontName, 22);  // twice as tall
  EXPECT_EQ(f.engine.LinesLeft(), 2);
  f.engine.SelectFont(kReportFontName, 11);
  for (int i = 0; i < 5; ++i) f.engine.PrintLine("row");
  EXPECT_EQ(f.engine.LinesLeft(), 0);
  f.engine.PrintLine();
  EXPECT_EQ(f.engine.LinesLeft(), -1);
}

TEST(PageEngine, FitToWidthCutsWholeCharactersFromTheEnd) {
  TEngineFixture f;
  const double ch = f.Width("x");
  struct Case {
    std::string text;
    double width;
    std::string want;
  } cases[] = {
      {"Abcdef", 3 * ch, "Abc"},
      {"Abcdef", 3.5 * ch, "Abc"},
      {"Abc", 10 * ch, "Abc"},
      {"Zoë Åström", 3 * ch, "Zoë"},  // never half a character
      {"Abc", 0, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(f.engine.FitToWidth(c.text, c.width), c.want) << c.text;
}

TEST(PageEngine, EveryPageRunsTheHeaderAndTheBodyContinuesBelowIt) {
  TFixedMetrics metrics;
  TPageEngine engine(metrics);
  std::vector<int> headerPages;
  engine.SetHeader([&](TPageEngine& e) {
    headerPages.push_back(e.PageNumber());
    e.SetSectionTop(0.5);
    e.SelectFont(kReportFontName, 18);
    e.PrintCentred("Page " + std::to_string(e.PageNumber()));
    e.SetSectionTop(1.5);
    e.SelectFont(kReportFontName, 11);
    e.ClearTabStops();
    e.AddTabStop(5, 1, TJustify::Left, 0);
  });
  engine.Start();
  engine.NextTab();
  engine.PrintText("half");  // a line in progress is ended with its page
  engine.SelectFont(kReportFontName, 8);
  engine.StartNewPage();
  EXPECT_EQ(engine.CurrentFont().Size, 11);
  engine.NextTab();
  engine.PrintLine("body");
  engine.StartNewPage();
  const TDocument doc = engine.Finish();
  EXPECT_EQ(headerPages, (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(doc.Pages.size(), 3u);
  const TTextItem* body = FindText(doc.Pages[1], "body");
  ASSERT_NE(body, nullptr);
  EXPECT_NEAR(body->X, 5.0, kEps);  // the header's stop
  EXPECT_NEAR(body->Y, 1.5, kEps);  // below the header
  EXPECT_NE(FindText(doc.Pages[0], "half"), nullptr);
  EXPECT_NE(FindText(doc.Pages[2], "Page 3"), nullptr);
}

TEST(PageEngine, SavedTabStopsComeBackAndRestoringNothingIsAnError) {
  TEngineFixture f;
  f.engine.AddTabStop(1, 1, TJustify::Left, 0);
  f.engine.SaveTabStops();
  f.engine.ClearTabStops();
  f.engine.AddTabStop(4, 1, TJustify::Left, 0);
  f.engine.NextTab();
  f.engine.PrintLine("inner");
  f.engine.RestoreTabStops();
  f.engine.NextTab();
  f.engine.PrintLine("outer");
  EXPECT_THROW(f.engine.RestoreTabStops(), std::logic_error);
  f.Finish();
  EXPECT_NEAR(FindText(f.Page(), "inner")->X, 4.0, kEps);
  EXPECT_NEAR(FindText(f.Page(), "outer")->X, 1.0, kEps);
}

TEST(PageEngine, SectionEdgesFollowOrientationAndMargins) {
  TFixedMetrics metrics;
  TPageEngine engine(metrics);
  engine.SetOrientation(TOrientation::Landscape);
  engine.SetMargins(0.45, 0.55, 0.5, 0.5);
  engine.Start();
  engine.PrintLeft("L");
  engine.PrintRight("R");
  engine.PrintCentred("C");
  const double w = metrics.TextWidth(TFont{}, "R");
  const TDocument doc = engine.Finish();
  EXPECT_EQ(doc.PageWidth, 11);
  EXPECT_EQ(doc.PageHeight, 8.5);
  EXPECT_NEAR(FindText(doc.Pages[0], "L")->X, 0.45, kEps);
  EXPECT_NEAR(FindText(doc.Pages[0], "R")->X, 11 - 0.55 - w, kEps);
  EXPECT_NEAR(FindText(doc.Pages[0], "C")->X, (0.45 + 10.45 - w) / 2, kEps);
}

}  // namespace
}  // namespace absence::test

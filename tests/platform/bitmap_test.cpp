#include "platform/bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "platform/fonts.h"
#include "platform/text.h"

using namespace platform;

namespace {

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kFill{0xFC, 0xEF, 0xBC};

// The picture as rows of letters, one per known colour, for readable expectations.
std::vector<std::string> letters(const Bitmap& b, Rgb outside, Rgb fill, Rgb pen) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.height(); ++y) {
    std::string row;
    for (int x = 0; x < b.width(); ++x) {
      Rgb c = b.pixel(x, y);
      row += c == pen ? 'P' : c == fill ? 'f' : c == outside ? '.' : '?';
    }
    rows.push_back(row);
  }
  return rows;
}

int differingPixels(const Bitmap& a, const Bitmap& b) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) n += !(a.pixel(x, y) == b.pixel(x, y));
  return n;
}

}  // namespace

TEST(Bitmap, RectangleHasItsOutlineOnTheEdgePixelsWithRightAndBottomExcluded) {
  struct Case {
    const char* name;
    int x1, y1, x2, y2;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"inside", 1, 1, 5, 4, {"......", ".PPPP.", ".PffP.", ".PPPP.", "......"}},
      {"corner tile: only top and left edges fall inside", 0, 0, 16, 15,
       {"PPPPPP", "Pfffff", "Pfffff", "Pfffff", "Pfffff"}},
      {"corners given in reverse", 5, 4, 1, 1, {"......", ".PPPP.", ".PffP.", ".PPPP.", "......"}},
      {"clipped at the top-left", -2, -1, 3, 3, {"ffP...", "ffP...", "PPP...", "......", "......"}},
      {"two pixels wide is all outline", 2, 0, 4, 5, {"..PP..", "..PP..", "..PP..", "..PP..", "..PP.."}},
      {"empty box draws nothing", 2, 2, 2, 5, {"......", "......", "......", "......", "......"}},
  };
  for (const Case& c : cases) {
    Bitmap b(6, 5, kWhite);
    b.fillRect(c.x1, c.y1, c.x2, c.y2, kFill, kBlack);
    EXPECT_EQ(letters(b, kWhite, kFill, kBlack), c.expected) << c.name;
  }
}

TEST(Bitmap, EllipseInItsEighteenPixelBoxIsSymmetricAndClosedByItsOutline) {
  Bitmap b(20, 20, kWhite);
  b.fillEllipse(0, 0, 18, 18, kFill, kBlue);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) {
      Rgb c = b.pixel(x, y);
      ASSERT_TRUE(c == kWhite || c == kFill || c == kBlue) << x << "," << y;
      if (x >= 18 || y >= 18) {
        EXPECT_EQ(c, kWhite) << "outside the box " << x << "," << y;
      } else {
        EXPECT_EQ(c, b.pixel(17 - x, y)) << x << "," << y;
        EXPECT_EQ(c, b.pixel(x, 17 - y)) << x << "," << y;
        EXPECT_EQ(c, b.pixel(y, x)) << x << "," << y;
      }
      // The outline separates: the fill never touches the outside.
      for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
        EXPECT_FALSE(c == kFill && b.pixel(x + dx, y + dy) == kWhite) << x << "," << y;
    }
  // The widest row touches the box's edges; the box's corners stay outside.
  EXPECT_EQ(b.pixel(0, 9), kBlue);
  EXPECT_EQ(b.pixel(0, 0), kWhite);
  EXPECT_EQ(b.pixel(9, 9), kFill);
  // The top-left corner tile: an arc of radius 9.
  Bitmap tile(6, 6, kWhite);
  tile.fillEllipse(0, 0, 18, 18, kFill, kBlack);
  EXPECT_EQ(letters(tile, kWhite, kFill, kBlack),
            (std::vector<std::string>{"......", "....PP", "...Pff", "..Pfff", ".Pffff", ".Pffff"}));
}

TEST(Bitmap, MirrorsReverseColumnsOrRows) {
  for (auto [w, h] : {std::pair{3, 2}, {4, 3}, {1, 1}}) {
    Bitmap original(w, h, kWhite);
    for (int i = 0; i < w * h; i += 2) original.setPixel(i % w, i / w, {static_cast<uint8_t>(i), 9, 200});
    Bitmap lr = original, tb = original;
    lr.mirrorHorizontal();
    tb.mirrorVertical();
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        EXPECT_EQ(lr.pixel(x, y), original.pixel(w - 1 - x, y));
        EXPECT_EQ(tb.pixel(x, y), original.pixel(x, h - 1 - y));
      }
  }
}

TEST(Bitmap, CopiesAreIndependentAndRegionsAreClipped) {
  Bitmap a(4, 4, kRed);
  Bitmap b = a;
  b.setPixel(0, 0, kBlue);
  EXPECT_EQ(a.pixel(0, 0), kRed);

  Bitmap source(3, 3, kBlack);
  source.setPixel(0, 0, kBlue);
  source.setPixel(2, 2, kFill);
  Bitmap target(4, 4, kWhite);
  target.copyFrom(source, 2, 2);  // only the top-left 2x2 of the source lands
  EXPECT_EQ(target.pixel(2, 2), kBlue);
  EXPECT_EQ(target.pixel(3, 3), kBlack);
  EXPECT_EQ(target.pixel(1, 1), kWhite);
  target.copyFrom(source, 1, 1, 5, 5, -1, -1);  // clipped on both sides
  EXPECT_EQ(target.pixel(0, 0), kFill);
  EXPECT_EQ(target.pixel(1, 1), kWhite);

  // Overlapping copy within one picture reads the picture as it was.
  Bitmap strip(4, 1, kWhite);
  strip.setPixel(0, 0, kRed);
  strip.setPixel(1, 0, kBlue);
  strip.copyFrom(strip, 0, 0, 3, 1, 1, 0);
  EXPECT_EQ(strip.pixel(1, 0), kRed);
  EXPECT_EQ(strip.pixel(2, 0), kBlue);
}

TEST(TextDrawing, SizesArePointsAt96DpiAndTheExtentGrowsWithTextAndSize) {
  const std::pair<int, int> sizes[] = {{8, 11}, {10, 13}, {11, 15}, {12, 16}, {13, 17}, {0, 1}};
  for (auto [points, pixels] : sizes) EXPECT_EQ(fontPixelSize(points), pixels) << points;

  Font small{"Arial", 8, kBlack};
  Font large{"Arial", 16, kBlack};
  EXPECT_EQ(textWidth("", small), 0);
  EXPECT_GT(textWidth("M", small), 0);
  EXPECT_LT(textWidth("Menu", small), textWidth("Menu du site", small));
  EXPECT_LT(textWidth("Menu", small), textWidth("Menu", large));
  EXPECT_LT(textHeight("Menu", small), textHeight("Menu", large));
  EXPECT_EQ(textHeight("a", small), textHeight("Ég", small));
  EXPECT_GE(textHeight("a", large), fontPixelSize(16));
  Font bold = small;
  bold.bold = true;
  EXPECT_GT(textWidth("Catalogue complet", bold), textWidth("Catalogue complet", small));
}

TEST(TextDrawing, DrawsInsideItsBoxOnATransparentBackground) {
  Font font{"Verdana", 13, kBlue};
  const int x = 10, y = 6;
  const int w = textWidth("Accueil", font), h = textHeight("Accueil", font);
  Bitmap b(w + 20, h + 12, kRed);
  b.drawText(x, y, "Accueil", font);
  int inked = 0;
  for (int py = 0; py < b.height(); ++py)
    for (int px = 0; px < b.width(); ++px) {
      bool changed = !(b.pixel(px, py) == kRed);
      bool inBox = px >= x - 1 && px <= x + w && py >= y && py < y + h;
      EXPECT_FALSE(changed && !inBox) << px << "," << py;
      inked += changed;
    }
  EXPECT_GT(inked, 20);
  // Between the letters the background shows through.
  EXPECT_EQ(b.pixel(x, y), kRed);
  EXPECT_EQ(b.pixel(x + w - 1, y), kRed);
}

TEST(TextDrawing, StylesAndAccentsChangeThePixels) {
  Font regular{"Arial", 12, kBlack};
  auto render = [](const std::string& text, const Font& font) {
    Bitmap b(120, 30, kWhite);
    b.drawText(2, 2, text, font);
    return b;
  };
  Bitmap plain = render("Nouveautés", regular);
  Font bold = regular, italic = regular, underline = regular;
  bold.bold = true;
  italic.italic = true;
  underline.underline = true;
  EXPECT_GT(differingPixels(plain, render("Nouveautés", bold)), 10);
  EXPECT_GT(differingPixels(plain, render("Nouveautés", italic)), 10);
  // Windows-1252 text reaches the font engine as the letters it stands for.
  EXPECT_GT(textWidth("é", regular), 0);
  EXPECT_EQ(textWidth("é", regular), textWidth("e", regular));

  // The underline is a full-width line in the lower half of the line box.
  const std::string text = "Nouveautés";
  const int w = textWidth(text, regular), h = textHeight(text, regular);
  Bitmap lined = render(text, underline);
  std::set<int> rows;
  for (int y = 0; y < lined.height(); ++y)
    for (int x = 0; x < lined.width(); ++x)
      if (!(lined.pixel(x, y) == plain.pixel(x, y))) rows.insert(y);
  ASSERT_FALSE(rows.empty());
  EXPECT_GT(*rows.begin(), 2 + h / 2);
  EXPECT_LT(*rows.rbegin(), 2 + h);
  for (int y : rows) {
    int dark = 0;
    for (int x = 2; x < 2 + w; ++x) dark += lined.pixel(x, y) == kBlack;
    EXPECT_EQ(dark, w) << "row " << y;
  }
  Font serif{"Times", 12, kBlack};
  EXPECT_GT(differingPixels(plain, render("Nouveautés", serif)), 10);
}

TEST(Fonts, InstalledFamiliesAreSortedOnceAndGenericNamesMapToThem) {
  std::vector<std::string> fonts = installedFonts();
  ASSERT_FALSE(fonts.empty());
  std::vector<std::string> sorted = fonts;
  sortFrench(sorted);
  EXPECT_EQ(fonts, sorted);
  EXPECT_EQ(std::adjacent_find(fonts.begin(), fonts.end()), fonts.end());
  EXPECT_NE(std::find(fonts.begin(), fonts.end(), "DejaVu Sans"), fonts.end());

  for (const char* name : {"Times", "sans-serif", "Arial", "Verdana", "Times New Roman", "", "Inconnue"}) {
    std::string family = fontFamilyFor(name);
    EXPECT_NE(std::find(fonts.begin(), fonts.end(), family), fonts.end()) << name << " -> " << family;
  }
  EXPECT_NE(fontFamilyFor("Times"), fontFamilyFor("Arial"));
  EXPECT_EQ(fontFamilyFor("dejavu sans mono"), "DejaVu Sans Mono");
}

#include <gtest/gtest.h>

#include "qt/view.h"

namespace {

TEST(DesktopSkyline, PlacesEachItemAtTheHighestThenLeftmostPlaceWhereItFits) {
  struct Row {
    const char* what;
    int width;
    std::vector<QSize> sizes;
    std::vector<QPoint> positions;
    QSize extent;
  } rows[] = {
      {"a row that wraps",
       100,
       {{40, 10}, {40, 10}, {40, 10}},
       {{0, 0}, {44, 0}, {0, 14}},
       {84, 24}},
      // The main window's shape: a tall page control, a column beside it, a bar below.
      {"a column beside a tall item",
       200,
       {{120, 100}, {70, 30}, {70, 30}, {60, 20}},
       {{0, 0}, {124, 0}, {124, 34}, {124, 68}},
       {194, 100}},
      {"below when the column is too narrow",
       200,
       {{120, 50}, {70, 40}, {90, 40}},
       {{0, 0}, {124, 0}, {0, 54}},
       {194, 94}},
      {"an item wider than the area goes alone at the left",
       50,
       {{20, 10}, {80, 10}, {20, 10}},
       {{0, 0}, {0, 14}, {0, 28}},
       {80, 38}},
      {"the gap counts between items, not at the right edge",
       84,
       {{40, 10}, {40, 10}},
       {{0, 0}, {44, 0}},
       {84, 10}},
      {"a lower neighbour is filled before going further down",
       100,
       {{30, 40}, {30, 10}, {30, 10}, {30, 10}, {30, 10}},
       {{0, 0}, {34, 0}, {68, 0}, {34, 14}, {68, 14}},
       {98, 40}},
      {"nothing to place", 100, {}, {}, {0, 0}},
  };
  for (const auto& row : rows) {
    qtui::Packing p = qtui::packSkyline(row.sizes, row.width, 4);
    EXPECT_EQ(p.positions, row.positions) << row.what;
    EXPECT_EQ(p.size, row.extent) << row.what;
  }
}

TEST(DesktopSkyline, ItemsNeverOverlap) {
  std::vector<QSize> sizes;
  for (int i = 0; i < 60; ++i) sizes.emplace_back(20 + (i * 37) % 90, 10 + (i * 53) % 70);
  qtui::Packing p = qtui::packSkyline(sizes, 300, 4);
  for (size_t i = 0; i < sizes.size(); ++i)
    for (size_t j = i + 1; j < sizes.size(); ++j)
      EXPECT_FALSE(QRect(p.positions[i], sizes[i]).intersects(QRect(p.positions[j], sizes[j])))
          << i << " " << j;
}

}  // namespace

// The platform-free rules behind the richer controls: what an edit box accepts, scroll bar
// arithmetic, finding list rows by position, and placing popups on the screen.
#include <gtest/gtest.h>

#include "EditRules.h"
#include "ListGeometry.h"
#include "PopupPlacement.h"
#include "ScrollMath.h"

namespace {

std::string Show(const UiRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

}  // namespace

TEST(EditRules, KeepOnlyWhatTheBoxAccepts) {
  struct Case {
    const char* text;
    EditRules rules;
    const char* want;
  };
  const Case cases[] = {
      {"abc123", {false, 0}, "abc123"},
      {"1a2b3c", {true, 0}, "123"},
      {"138-0013-8000", {true, 11}, "13800138000"},
      {"123456789012345", {true, 11}, "12345678901"},
      // Characters, not bytes: two-byte characters count once and are never cut in half.
      {"中文输入法", {false, 3}, "中文输"},
      {"a中b", {false, 2}, "a中"},
      {"中1文2", {true, 0}, "12"},
      // A stray lead byte at the end is one character, kept or dropped whole.
      {"ab\xB0", {false, 3}, "ab\xB0"},
      {"ab\xB0", {true, 0}, ""},
      {"", {true, 5}, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ApplyEditRules(c.text, c.rules), c.want) << c.text;
}

TEST(EditRules, CountAndMaskCharacters) {
  EXPECT_EQ(CountChars("abc"), 3);
  EXPECT_EQ(CountChars("密码12"), 4);
  EXPECT_EQ(CountChars("x\xB0"), 2);
  EXPECT_EQ(MaskText("密码12", "●"), "●●●●");
  EXPECT_EQ(MaskText("", "●"), "");
}

TEST(ScrollMath, ClampsPositionsAndPlacesTheThumb) {
  EXPECT_EQ(MaxScroll(1000, 300), 700);
  EXPECT_EQ(MaxScroll(200, 300), 0);
  EXPECT_EQ(ClampScroll(-5, 1000, 300), 0);
  EXPECT_EQ(ClampScroll(900, 1000, 300), 700);

  const UiRect track{0, 0, 10, 300};
  EXPECT_EQ(Show(ScrollThumb(track, 1000, 300, 0, 20)), "0,0,10,90");
  EXPECT_EQ(Show(ScrollThumb(track, 1000, 300, 700, 20)), "0,210,10,300");
  EXPECT_EQ(Show(ScrollThumb(track, 200, 300, 0, 20)), "0,0,10,300");  // all of it fits
  // A very long list: the thumb keeps its least height and the arithmetic does not overflow.
  const UiRect thumb = ScrollThumb(track, 400000000, 300, 200000000, 20);
  EXPECT_EQ(thumb.Height(), 20);
  EXPECT_EQ(thumb.top, 140);

  // A thumb dragged to any pixel is drawn at that pixel afterwards.
  for (int top = 0; top <= 210; ++top) {
    const int pos = ScrollPosForThumb(track, 90, top, 1000, 300);
    ASSERT_EQ(ScrollThumb(track, 1000, 300, pos, 20).top, top) << top;
  }
  EXPECT_EQ(ScrollPosForThumb(track, 90, -50, 1000, 300), 0);
  EXPECT_EQ(ScrollPosForThumb(track, 90, 5000, 1000, 300), 700);
}

TEST(ListGeometry, FindsRowsBySpanAndPosition) {
  // Rows of 10, 0, 20, -3 (counted as 0) and 10 pixels.
  const std::vector<int> tops = RowTops({10, 0, 20, -3, 10});
  EXPECT_EQ(tops, (std::vector<int>{0, 10, 10, 30, 30, 40}));
  struct Case {
    int top, bottom, first, last;
  };
  const Case cases[] = {
      {0, 5, 0, 1}, {5, 15, 0, 3}, {10, 30, 2, 3}, {29, 31, 2, 5}, {40, 90, 5, 5}, {-20, 0, 0, 0}, {7, 7, 0, 0},
  };
  for (const Case& c : cases) {
    const RowRange r = RowsInSpan(tops, c.top, c.bottom);
    EXPECT_EQ(r.first, c.first) << c.top << ".." << c.bottom;
    EXPECT_EQ(r.last, c.last) << c.top << ".." << c.bottom;
  }
  EXPECT_EQ(RowAt(tops, 0), 0);
  EXPECT_EQ(RowAt(tops, 10), 2);  // the row of no height is never found
  EXPECT_EQ(RowAt(tops, 39), 4);
  EXPECT_EQ(RowAt(tops, 40), -1);
  EXPECT_EQ(RowAt(tops, -1), -1);
  EXPECT_EQ(RowAt(RowTops({}), 0), -1);
}

TEST(ListGeometry, CellsFollowTheColumnsAcross) {
  const std::vector<UiRect> columns = {{0, 0, 50, 30}, {50, 0, 300, 30}, {300, 0, 350, 30}};
  const std::vector<UiRect> cells = CellsUnderColumns({0, 100, 360, 140}, columns, 4);
  ASSERT_EQ(cells.size(), 4u);
  EXPECT_EQ(Show(cells[0]), "0,100,50,140");
  EXPECT_EQ(Show(cells[1]), "50,100,300,140");
  EXPECT_EQ(Show(cells[2]), "300,100,350,140");
  EXPECT_TRUE(cells[3].IsEmpty());  // no column for it
}

TEST(PopupPlacement, KeepsPopupsInsideTheWorkArea) {
  const UiRect area{0, 0, 1600, 960};
  struct Case {
    const char* what;
    UiRect r;
    bool x, y;
    const char* want;
  };
  const Case cases[] = {
      {"inside: unchanged", {100, 100, 300, 200}, true, true, "100,100,300,200"},
      {"past the right edge: moved back", {1500, 100, 1700, 200}, true, true, "1400,100,1600,200"},
      {"past the bottom: moved up", {100, 900, 300, 1000}, true, true, "100,860,300,960"},
      {"past the bottom, across only: left there", {100, 900, 300, 1000}, true, false, "100,900,300,1000"},
      {"before the left edge", {-50, 10, 50, 20}, true, true, "0,10,100,20"},
      {"wider than the area: at its left edge", {300, 10, 2000, 20}, true, true, "0,10,1700,20"},
  };
  for (const Case& c : cases) EXPECT_EQ(Show(ClampIntoArea(c.r, area, c.x, c.y)), c.want) << c.what;
}

TEST(PopupPlacement, DropsDownBelowOrAboveWhereThereIsRoom) {
  const UiRect area{0, 0, 1000, 800};
  EXPECT_EQ(Show(DropDownRect({100, 100, 256, 128}, {156, 200}, area)), "100,128,256,328");
  EXPECT_EQ(Show(DropDownRect({100, 700, 256, 728}, {156, 200}, area)), "100,500,256,700");  // flipped up
  EXPECT_EQ(Show(DropDownRect({900, 100, 1056, 128}, {156, 50}, area)), "844,128,1000,178");  // moved in
  // Room on neither side: the larger side, cut to fit.
  EXPECT_EQ(Show(DropDownRect({0, 300, 100, 330}, {100, 900}, area)), "0,330,100,800");
}

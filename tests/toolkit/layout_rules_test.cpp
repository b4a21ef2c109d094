// The toolkit's platform-free rules: layout arithmetic, attribute and image-descriptor texts,
// nine-grid slicing, caption and sizing zones, and the hand-off queue.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "AttributeText.h"
#include "BoxLayout.h"
#include "CaptionRules.h"
#include "ControlRegistry.h"
#include "HandOffQueue.h"
#include "ImageDescriptor.h"

namespace {

std::string Show(const UiRect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

std::string Show(const std::vector<UiRect>& rects) {
  std::string out;
  for (const UiRect& r : rects) out += (out.empty() ? "" : " ") + Show(r);
  return out;
}

BoxItem Fixed(int w, int h, UiRect pad = {}) { return {true, w, h, pad}; }
BoxItem Flexible(UiRect pad = {}) { return {true, 0, 0, pad}; }
BoxItem Hidden() { return {false, 50, 50, {}}; }

}  // namespace

TEST(BoxLayout, PlacesChildrenForATableOfLayouts) {
  struct Case {
    const char* what;
    std::vector<UiRect> got;
    const char* want;
  };
  const UiRect area{10, 20, 110, 220};  // 100 x 200
  const Case cases[] = {
      {"vertical: fixed heights first, the rest shared, remainder to the last flexible child",
       LayoutVertical(area, 0, {Fixed(0, 50), Flexible(), Flexible()}), "10,20,110,70 10,70,110,145 10,145,110,220"},
      {"vertical: odd remainder", LayoutVertical({0, 0, 10, 11}, 0, {Flexible(), Flexible()}), "0,0,10,5 0,5,10,11"},
      {"vertical: gap between visible children only, hidden ones parked empty",
       LayoutVertical(area, 10, {Fixed(0, 30), Hidden(), Fixed(40, 30)}), "10,20,110,50 10,50,10,50 10,60,50,90"},
      {"vertical: margins move and shrink a child",
       LayoutVertical(area, 0, {Fixed(0, 30, {5, 6, 7, 8}), Flexible()}), "15,26,103,56 10,64,110,220"},
      {"vertical: overfull fixed sizes overflow, flexible children get nothing",
       LayoutVertical({0, 0, 10, 100}, 0, {Fixed(0, 80), Fixed(0, 80), Flexible()}),
       "0,0,10,80 0,80,10,160 0,160,10,160"},
      {"horizontal: the same across", LayoutHorizontal(area, 5, {Fixed(30, 0), Flexible(), Fixed(20, 40)}),
       "10,20,40,220 45,20,85,220 90,20,110,60"},
      {"tile: fixed columns, rows as tall as the tallest fixed child",
       LayoutTile(area, 2, {}, {Fixed(0, 30), Fixed(0, 40), Flexible()}), "10,20,60,50 60,20,110,60 10,60,60,110"},
      {"tile: item size decides the columns", LayoutTile(area, 0, {30, 20}, {Flexible(), Flexible(), Flexible(), Flexible()}),
       "10,20,40,40 40,20,70,40 70,20,100,40 10,40,40,60"},
      {"tile: a cell wider than the area still gives one column", LayoutTile({0, 0, 10, 10}, 0, {30, 5}, {Flexible()}),
       "0,0,30,5"},
      {"overlay: fill less margins, or a fixed size from the corner",
       LayoutOverlay(area, {Flexible({1, 2, 3, 4}), Fixed(10, 10)}), "11,22,107,216 10,20,20,30"},
      {"empty area", LayoutVertical({0, 0, 0, 0}, 3, {Flexible()}), "0,0,0,0"},
  };
  for (const Case& c : cases) EXPECT_EQ(Show(c.got), c.want) << c.what;
}

TEST(AttributeText, ReadsValuesAndRefusesMalformedOnes) {
  uint32_t color = 0;
  EXPECT_TRUE(ParseColor("#FF24CF6B", color));
  EXPECT_EQ(color, 0xFF24CF6Bu);
  EXPECT_TRUE(ParseColor("#24cf6b", color));
  EXPECT_EQ(color, 0xFF24CF6Bu);
  EXPECT_TRUE(ParseColor("0x33333333", color));
  EXPECT_EQ(color, 0x33333333u);
  for (const char* bad : {"", "#", "#12345", "#GG000000", "red", "#FF24CF6B0"}) EXPECT_FALSE(ParseColor(bad, color)) << bad;

  UiRect r;
  EXPECT_TRUE(ParseRect("4, 4,6 ,6", r));
  EXPECT_EQ(Show(r), "4,4,6,6");
  EXPECT_FALSE(ParseRect("1,2,3", r));
  EXPECT_FALSE(ParseRect("1,x,3,4", r));
  int n = 0;
  EXPECT_FALSE(ParseInt("99999999999", n));
  EXPECT_FALSE(ParseInt("12px", n));
  EXPECT_TRUE(ParseInt("-7", n));
  EXPECT_EQ(n, -7);
  EXPECT_EQ(ParseIntList("1,2,3,4,5,6,7,8,9,10").size(), 8u);
}

TEST(ImageDescriptor, ParsesTheLayoutForms) {
  ImageDescriptor d = ParseImageDescriptor("file='loading.png' source='28,0,56,32'");
  EXPECT_EQ(d.file, "loading.png");
  ASSERT_TRUE(d.hasSource);
  EXPECT_EQ(Show(d.source), "28,0,56,32");
  EXPECT_EQ(Show(d.corner), "0,0,0,0");

  d = ParseImageDescriptor("file='infomenubk.png' corner='1,1,1,1' alpha='300' dest='2,2,10,10'");
  EXPECT_EQ(d.file, "infomenubk.png");
  EXPECT_FALSE(d.hasSource);
  EXPECT_EQ(Show(d.corner), "1,1,1,1");
  EXPECT_EQ(d.alpha, 255);  // held to the valid range
  EXPECT_EQ(Show(DescriptorTarget(d, {100, 100, 200, 200})), "102,102,110,110");

  EXPECT_EQ(ParseImageDescriptor("logo64.png").file, "logo64.png");
  EXPECT_EQ(ParseImageDescriptor("file=\"a b.png\" alpha='128'").file, "a b.png");
  EXPECT_EQ(ParseImageDescriptor("file=\"a b.png\" alpha='128'").alpha, 128);
  // Damaged texts still give a descriptor, never a crash.
  EXPECT_EQ(ParseImageDescriptor("file='unterminated").file, "unterminated");
  EXPECT_FALSE(ParseImageDescriptor("file='x.png' source='5,5,1,1'").hasSource);  // empty source ignored
  EXPECT_TRUE(ParseImageDescriptor("=== ''' source=").IsEmpty());
}

TEST(ImageDescriptor, NineGridKeepsCornersAndStretchesTheRest) {
  // A 10x10 source with 2-pixel corners drawn into 100x50.
  const auto slices = NineGridSlices({0, 0, 10, 10}, {2, 2, 2, 2}, {0, 0, 100, 50});
  ASSERT_EQ(slices.size(), 9u);
  EXPECT_EQ(Show(slices[0].from) + " " + Show(slices[0].to), "0,0,2,2 0,0,2,2");
  EXPECT_EQ(Show(slices[4].from) + " " + Show(slices[4].to), "2,2,8,8 2,2,98,48");
  EXPECT_EQ(Show(slices[8].from) + " " + Show(slices[8].to), "8,8,10,10 98,48,100,50");

  // Without corners: one slice, the source part scaled to the target.
  const auto whole = NineGridSlices({28, 0, 56, 32}, {}, {5, 5, 33, 37});
  ASSERT_EQ(whole.size(), 1u);
  EXPECT_EQ(Show(whole[0].from) + " " + Show(whole[0].to), "28,0,56,32 5,5,33,37");

  // A target smaller than the corners: they shrink in proportion and never cross.
  for (const ImageSlice& s : NineGridSlices({0, 0, 60, 60}, {30, 30, 30, 30}, {0, 0, 10, 4})) {
    EXPECT_FALSE(s.to.IsEmpty());
    EXPECT_LE(s.to.right, 10);
    EXPECT_LE(s.to.bottom, 4);
  }
  // Corners larger than the source itself are cut to it.
  for (const ImageSlice& s : NineGridSlices({0, 0, 4, 4}, {9, 9, 9, 9}, {0, 0, 40, 40})) {
    EXPECT_LE(s.from.right, 4);
  }
  EXPECT_TRUE(NineGridSlices({0, 0, 0, 0}, {}, {0, 0, 5, 5}).empty());
}

TEST(CaptionRules, BandAndVariantsAndSizingZones) {
  const UiRect client{0, 0, 360, 180};
  const UiRect caption{0, 0, 0, 120};
  EXPECT_TRUE(InCaptionBand(client, caption, {0, 0}));
  EXPECT_TRUE(InCaptionBand(client, caption, {359, 119}));
  EXPECT_FALSE(InCaptionBand(client, caption, {10, 120}));  // bottom is exclusive
  EXPECT_FALSE(InCaptionBand(client, {10, 5, 20, 120}, {9, 50}));
  EXPECT_FALSE(InCaptionBand(client, {10, 5, 20, 120}, {340, 50}));  // at client.right - caption.right
  EXPECT_FALSE(InCaptionBand(client, {10, 5, 20, 120}, {50, 4}));

  EXPECT_TRUE(BlocksCaptionDrag(CaptionVariant::ButtonOptionText, "button"));
  EXPECT_TRUE(BlocksCaptionDrag(CaptionVariant::ButtonOptionText, "TEXT"));
  EXPECT_TRUE(BlocksCaptionDrag(CaptionVariant::ButtonOptionText, "Option"));
  EXPECT_FALSE(BlocksCaptionDrag(CaptionVariant::ButtonOptionText, "Label"));
  EXPECT_FALSE(BlocksCaptionDrag(CaptionVariant::ButtonOptionText, "Textual"));
  EXPECT_TRUE(BlocksCaptionDrag(CaptionVariant::ButtonOnly, "Button"));
  EXPECT_FALSE(BlocksCaptionDrag(CaptionVariant::ButtonOnly, "button"));
  EXPECT_FALSE(BlocksCaptionDrag(CaptionVariant::ButtonOnly, "Text"));

  const UiRect border{4, 4, 6, 6};
  EXPECT_EQ(SizingZoneAt(client, border, {1, 1}), SizingZone::TopLeft);
  EXPECT_EQ(SizingZoneAt(client, border, {355, 100}), SizingZone::Right);
  EXPECT_EQ(SizingZoneAt(client, border, {353, 100}), SizingZone::None);
  EXPECT_EQ(SizingZoneAt(client, border, {100, 175}), SizingZone::Bottom);
  EXPECT_EQ(SizingZoneAt(client, {}, {0, 0}), SizingZone::None);
}

TEST(HandOffQueue, RunsTasksInOrderAndDropsThoseOfVanishedControls) {
  CHandOffQueue queue;
  int alive = 0, gone = 0;
  std::vector<int> order;
  auto control = std::make_unique<int>(0);
  RegisterLiveControl(control.get());
  const void* address = control.get();
  EXPECT_TRUE(queue.Push(address, [&] { ++gone; }));
  EXPECT_TRUE(queue.Push(nullptr, [&] { order.push_back(1); }));
  EXPECT_FALSE(queue.Push(&alive, [&] { ++alive; }));  // never registered: dropped at once
  // The control goes away and a new one takes its place at the same address before the UI
  // thread runs the queue: the old task must not reach the newcomer.
  UnregisterLiveControl(address);
  RegisterLiveControl(address);
  EXPECT_TRUE(queue.Push(address, [&] { order.push_back(2); }));
  EXPECT_EQ(queue.RunPending(), 2u);
  EXPECT_EQ(gone, 0);
  EXPECT_EQ(alive, 0);
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  UnregisterLiveControl(address);
  EXPECT_TRUE(queue.IsEmpty());
}

TEST(HandOffQueue, ManyThreadsPushWhileTheOwnerRuns) {
  CHandOffQueue queue;
  std::atomic<int> ran{0};
  std::vector<std::thread> workers;
  for (int t = 0; t < 4; ++t) {
    workers.emplace_back([&] {
      for (int i = 0; i < 1000; ++i) queue.Push(nullptr, [&] { ++ran; });
    });
  }
  while (ran < 4000) queue.RunPending();
  for (auto& w : workers) w.join();
  EXPECT_EQ(ran, 4000);
}

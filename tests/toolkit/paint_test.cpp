// What a window paints: a small layout rendered into a bitmap and checked at known points.
#include <gtest/gtest.h>

#include <cstdlib>

#include "Control.h"
#include "DibSurface_win.h"
#include "ToolkitTestSupport.h"

namespace {

const uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kHalfBlue = 0x800000FF;

// A 4x4 image: red, with a half-transparent blue top-left pixel and a green bottom-right one.
std::string TestImage() {
  std::vector<uint32_t> pixels(16, kRed);
  pixels[0] = kHalfBlue;
  pixels[15] = kGreen;
  return MakePng(4, 4, pixels);
}

bool Near(uint32_t got, uint32_t want) {
  for (int shift = 0; shift < 32; shift += 8) {
    if (std::abs(static_cast<int>(got >> shift & 0xFF) - static_cast<int>(want >> shift & 0xFF)) > 3) return false;
  }
  return true;
}

std::string Hex(uint32_t v) {
  char buf[16];
  snprintf(buf, sizeof buf, "%08X", v);
  return buf;
}

}  // namespace

TEST(Paint, BorderBackgroundAndNineGridImageLandWhereTheyShould) {
  UseSkin({{"dot.png", TestImage()},
           {"paint.xml", R"(<Window size="40,30" bkcolor="#FFFFFFFF">
              <Container bordersize="1" bordercolor="#FF808080" inset="10,10,0,0">
                <Control name="pic" width="12" height="12" bkimage="file='dot.png' corner='1,1,1,1'"/>
                <Control name="missing" width="5" height="5" padding="20,0,0,0" bkimage="nothere.png"
                         bkcolor="#FF0000FF"/>
              </Container></Window>)"}});
  CTestWindow wnd("paint.xml");
  ASSERT_TRUE(wnd.Open());
  CDibSurface surface;
  ASSERT_TRUE(surface.Resize(40, 30));
  wnd.GetPaintManager().UpdateLayout();
  wnd.GetPaintManager().Render(surface, {0, 0, 40, 30});

  struct Probe {
    int x, y;
    uint32_t want;
    const char* what;
  };
  const Probe probes[] = {
      {0, 0, 0xFF808080, "border, top-left"},
      {39, 29, 0xFF808080, "border, bottom-right"},
      {5, 5, 0xFFFFFFFF, "window background"},
      {10, 10, 0xFF7F7FFF, "half-transparent corner pixel over white"},
      {11, 11, kRed, "stretched middle"},
      {20, 11, kRed, "stretched edge"},
      {21, 21, kGreen, "bottom-right corner keeps its pixel"},
      {22, 22, 0xFFFFFFFF, "outside the image"},
      {31, 11, 0xFF0000FF, "a missing image leaves the colour behind it"},
  };
  for (const Probe& p : probes) {
    EXPECT_TRUE(Near(surface.Pixel(p.x, p.y), p.want))
        << p.what << " at " << p.x << "," << p.y << ": " << Hex(surface.Pixel(p.x, p.y));
  }
}

TEST(Paint, WindowPaintsThroughItsBackBuffer) {
  UseSkin({{"plain.xml", R"(<Window size="60,40"><Control bkcolor="#FF24CF6B"/></Window>)"}});
  CTestWindow wnd("plain.xml");
  ASSERT_TRUE(wnd.Open(nullptr, WS_POPUP | WS_VISIBLE));  // only shown windows are painted
  UpdateWindow(wnd.GetHWND());
  EXPECT_GE(wnd.GetPaintManager().PaintCount(), 1);
  // A repaint of part of the window paints that part again without a new layout.
  RECT part = {0, 0, 10, 10};
  InvalidateRect(wnd.GetHWND(), &part, FALSE);
  const int before = wnd.GetPaintManager().PaintCount();
  UpdateWindow(wnd.GetHWND());
  EXPECT_EQ(wnd.GetPaintManager().PaintCount(), before + 1);
}

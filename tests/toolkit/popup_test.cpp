// Popup windows on the display: placed inside the work area, entries that report "itemclick",
// closing on Escape and on focus loss, clipped by a region; and layered windows painted from a
// nine-grid image with per-pixel alpha.
#include <gtest/gtest.h>

#include "InputSupport.h"
#include "LayeredWindow_win.h"
#include "PopupWnd.h"
#include "Skin_win.h"
#include "ToolkitTestSupport.h"

namespace {

const char kMenuLayout[] = u8R"(<Window size="120,80">
  <VerticalLayout bkcolor="#FFFFFFFF" inset="0,6,0,6">
    <ListContainerElement name="menu_show" height="34" hotbkcolor="#FFF2F2F2"><Label name="label_show" text="显示"/></ListContainerElement>
    <ListContainerElement name="menu_exit" height="34" hotbkcolor="#FFF2F2F2"><Label name="label_exit" text="退出"/></ListContainerElement>
  </VerticalLayout>
</Window>)";

class CTestPopup : public CPopupWnd {
 public:
  std::vector<std::string> log;
  void Notify(UiNotification& msg) override {
    if (msg.type != "windowinit") log.push_back(msg.type + ":" + (msg.sender ? msg.sender->GetName() : ""));
  }
};

UiRect WorkArea() {
  RECT r;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

RECT WindowRect(HWND wnd) {
  RECT r;
  GetWindowRect(wnd, &r);
  return r;
}

class PopupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseSkin({{"menu.xml", kMenuLayout}, {"owner.xml", R"(<Window size="200,100"><VerticalLayout/></Window>)"}});
    ASSERT_TRUE(owner.Open());
  }
  CTestWindow owner{"owner.xml"};
};

}  // namespace

TEST_F(PopupTest, StaysInsideTheWorkAreaAndReportsItsEntries) {
  const UiRect area = WorkArea();
  CTestPopup menu;
  ASSERT_TRUE(menu.OpenLayout(owner.GetHWND(), "menu.xml", {area.right - 10, area.bottom - 10}, {true, true, false}));
  RECT r = WindowRect(menu.GetHWND());
  EXPECT_EQ(r.right, area.right);
  EXPECT_EQ(r.bottom, area.bottom);
  EXPECT_EQ(r.right - r.left, 120);  // the layout's size
  EXPECT_TRUE(IsWindowVisible(menu.GetHWND()));
  EXPECT_EQ(GetWindow(menu.GetHWND(), GW_OWNER), owner.GetHWND());

  // A click on an entry reports it by name.
  CControl* exit = menu.GetPaintManager().FindControl("menu_exit");
  ClickAt(menu.GetHWND(), 60, exit->GetPos().top + 5);
  EXPECT_EQ(menu.log, std::vector<std::string>{"itemclick:menu_exit"});

  // The region leaves out the margins of the picture.
  menu.SetRegionInsets({1, 8, 1, 1});
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(menu.GetHWND(), region), ERROR);
  RECT box;
  GetRgnBox(region, &box);
  DeleteObject(region);
  EXPECT_EQ(box.left, 1);
  EXPECT_EQ(box.top, 8);
  EXPECT_EQ(box.right, 119);
  EXPECT_EQ(box.bottom, 79);

  // Placed across only: a popup running past the bottom stays where it was put.
  CTestPopup tray;
  ASSERT_TRUE(tray.OpenLayout(owner.GetHWND(), "menu.xml", {area.right + 50, area.bottom - 10}, {true, false, false}));
  r = WindowRect(tray.GetHWND());
  EXPECT_EQ(r.right, area.right);
  EXPECT_EQ(r.top, area.bottom - 10);
}

TEST_F(PopupTest, ClosesOnEscapeAndWhenTheFocusGoesElsewhere) {
  ASSERT_TRUE(BringToFront(owner.GetHWND()));
  CTestPopup menu;
  ASSERT_TRUE(menu.OpenLayout(owner.GetHWND(), "menu.xml", {300, 300}, {}));
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == menu.GetHWND() && GetFocus() == menu.GetHWND(); }));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !menu.IsOpen(); }));
  EXPECT_FALSE(menu.OpenLayout(owner.GetHWND(), "missing.xml", {300, 300}, {}));

  CTestPopup second;
  ASSERT_TRUE(second.OpenLayout(owner.GetHWND(), "menu.xml", {300, 300}, {}));
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == second.GetHWND(); }));
  // Focus moving inside the popup keeps it open; to its owner closes it.
  SendMessageA(second.GetHWND(), WM_KILLFOCUS, reinterpret_cast<WPARAM>(second.GetHWND()), 0);
  PumpFor(50);
  EXPECT_TRUE(second.IsOpen());
  SetForegroundWindow(owner.GetHWND());
  SetFocus(owner.GetHWND());
  ASSERT_TRUE(PumpUntil([&] { return !second.IsOpen(); }));
}

TEST(LayeredWindow, PaintsANineGridImageWithPerPixelAlpha) {
  // 3 x 3: a half-transparent frame round an opaque middle.
  const uint32_t edge = 0x80000000, middle = 0xFF20C060;
  UseSkin({{"frame.png", MakePng(3, 3, {edge, edge, edge, edge, middle, edge, edge, edge, edge})}});
  const HWND wnd = CreateWindowExA(WS_EX_LAYERED | WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 50, 50, 40, 30, nullptr,
                                   nullptr, nullptr, nullptr);
  ASSERT_NE(wnd, nullptr);
  CDibSurface surface;
  ASSERT_TRUE(PaintLayeredImage(wnd, ParseImageDescriptor("file='frame.png' corner='1,1,1,1'"), surface));
  EXPECT_EQ(surface.Width(), 40);
  EXPECT_EQ(surface.Height(), 30);
  EXPECT_EQ(surface.Pixel(0, 0) >> 24, 0x80u);   // corners keep their alpha
  EXPECT_EQ(surface.Pixel(39, 15) >> 24, 0x80u);  // the edges stretch
  EXPECT_EQ(surface.Pixel(20, 15), middle);       // the middle fills the rest, opaque
  EXPECT_FALSE(PaintLayeredImage(wnd, ParseImageDescriptor("file='none.png'"), surface));
  DestroyWindow(wnd);
  EXPECT_FALSE(PaintLayeredImage(wnd, ParseImageDescriptor("file='frame.png'"), surface));
}

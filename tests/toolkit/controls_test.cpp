// Controls in a real window: clicks, option groups, tab pages, notification order, progress
// bars and GIF animations.
#include <gtest/gtest.h>

#include "Button.h"
#include "GifAnim.h"
#include "Option.h"
#include "Progress.h"
#include "TabLayout.h"
#include "Skin_win.h"
#include "ToolkitTestSupport.h"

namespace {

const char kControlsLayout[] = R"(<Window size="400,100">
  <VerticalLayout>
    <HorizontalLayout height="30">
      <Option name="a" group="g" width="40"/>
      <Option name="b" group="g" width="40" selected="true"/>
      <Option name="c" group="g" width="40" selected="true"/>
      <Option name="chk" width="40"/>
      <Option name="off" group="g" width="40" enabled="false"/>
      <Button name="btn" width="40"/>
      <Button name="dis" width="40" enabled="false"/>
    </HorizontalLayout>
    <TabLayout name="tab" height="40" selectedid="0">
      <Button name="p0"/><Button name="p1"/><HorizontalLayout name="p2"><Button name="inner"/></HorizontalLayout>
    </TabLayout>
    <Progress name="bar" height="20" min="0" max="200" value="50" text="25%"/>
  </VerticalLayout>
</Window>)";

// Centre of a control in client coordinates.
void ClickControl(HWND wnd, CControl* c) {
  ClickAt(wnd, (c->GetPos().left + c->GetPos().right) / 2, (c->GetPos().top + c->GetPos().bottom) / 2);
}

bool Selected(CTestWindow& w, const char* name) { return static_cast<COption*>(w.Find(name))->IsSelected(); }

class ControlsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseSkin({{"controls.xml", kControlsLayout}});
    ASSERT_TRUE(wnd.Open());
    wnd.GetPaintManager().UpdateLayout();
    ASSERT_TRUE(PumpUntil([&] { return !wnd.log.empty(); }));  // windowinit
    wnd.log.clear();
  }
  CTestWindow wnd{"controls.xml"};
};

}  // namespace

TEST_F(ControlsTest, OptionsInAGroupExcludeEachOther) {
  // Of two options marked selected in the layout, the later one wins.
  EXPECT_FALSE(Selected(wnd, "b"));
  EXPECT_TRUE(Selected(wnd, "c"));

  ClickControl(wnd.GetHWND(), wnd.Find("a"));
  EXPECT_TRUE(Selected(wnd, "a"));
  EXPECT_FALSE(Selected(wnd, "c"));
  // Only the option that became selected reports it, after its click.
  EXPECT_EQ(wnd.log, (std::vector<std::string>{"click:a", "selectchanged:a"}));

  wnd.log.clear();
  ClickControl(wnd.GetHWND(), wnd.Find("a"));  // already selected: stays so, no change reported
  ClickControl(wnd.GetHWND(), wnd.Find("off"));  // disabled: nothing at all
  EXPECT_EQ(wnd.log, std::vector<std::string>{"click:a"});
  EXPECT_TRUE(Selected(wnd, "a"));

  // Selecting in code, silently or not.
  static_cast<COption*>(wnd.Find("b"))->Selected(true, false);
  EXPECT_FALSE(Selected(wnd, "a"));
  static_cast<COption*>(wnd.Find("a"))->Selected(true);
  EXPECT_EQ(wnd.log.back(), "selectchanged:a");
  EXPECT_FALSE(Selected(wnd, "b"));
}

TEST_F(ControlsTest, CheckOptionsToggleAndReportBothWays) {
  ClickControl(wnd.GetHWND(), wnd.Find("chk"));
  EXPECT_TRUE(Selected(wnd, "chk"));
  ClickControl(wnd.GetHWND(), wnd.Find("chk"));
  EXPECT_FALSE(Selected(wnd, "chk"));
  EXPECT_EQ(wnd.log, (std::vector<std::string>{"click:chk", "selectchanged:chk", "click:chk", "selectchanged:chk"}));
  EXPECT_TRUE(Selected(wnd, "c"));  // other groups untouched
}

TEST_F(ControlsTest, ButtonsClickOnlyWhenReleasedOverThemAndEnabled) {
  HWND h = wnd.GetHWND();
  auto* btn = static_cast<CButton*>(wnd.Find("btn"));
  const UiRect r = btn->GetPos();
  SendMessageA(h, WM_MOUSEMOVE, 0, MAKELPARAM(r.left + 2, r.top + 2));
  EXPECT_TRUE(btn->IsHot());
  SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 2, r.top + 2));
  EXPECT_TRUE(btn->IsPushed());
  SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r.right + 50, r.top + 2));  // dragged away
  SendMessageA(h, WM_LBUTTONUP, 0, MAKELPARAM(r.right + 50, r.top + 2));
  EXPECT_FALSE(btn->IsPushed());
  EXPECT_TRUE(wnd.log.empty());
  ClickControl(h, wnd.Find("dis"));
  EXPECT_TRUE(wnd.log.empty());
  ClickControl(h, btn);
  EXPECT_EQ(wnd.log, std::vector<std::string>{"click:btn"});
  // Keyboard: the clicked button has the focus; Space activates it.
  EXPECT_TRUE(btn->IsFocused());
  SendMessageA(h, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(wnd.log.size(), 2u);
}

TEST_F(ControlsTest, TabKeyWalksTheShownEnabledControls) {
  std::vector<std::string> order;
  for (int i = 0; i < 7; ++i) {
    SendMessageA(wnd.GetHWND(), WM_KEYDOWN, VK_TAB, 0);
    CControl* focus = wnd.GetPaintManager().GetFocus();
    order.push_back(focus ? focus->GetName() : "-");
  }
  // Disabled controls and the pages the tab layout does not show are passed over; it wraps round.
  EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "c", "chk", "btn", "p0", "a"}));
}

TEST_F(ControlsTest, TabSelectsPagesWithOrWithoutNotificationAndOnlyTheShownPageIsHit) {
  auto* tab = static_cast<CTabLayout*>(wnd.Find("tab"));
  CPaintManager& pm = wnd.GetPaintManager();
  const UiRect area = tab->GetPos();
  EXPECT_EQ(pm.FindControlAt(area.left + 5, area.top + 5), wnd.Find("p0"));

  ASSERT_TRUE(tab->SelectItem(2));
  EXPECT_FALSE(tab->SelectItem(3));
  EXPECT_FALSE(tab->SelectItem(-1));
  ASSERT_TRUE(tab->SelectItem(1, false));
  pm.UpdateLayout();
  EXPECT_EQ(tab->GetCurSel(), 1);
  EXPECT_EQ(wnd.log, std::vector<std::string>{"tabselect:tab"});
  EXPECT_EQ(pm.FindControlAt(area.left + 5, area.top + 5), wnd.Find("p1"));
  EXPECT_NE(wnd.Find("inner"), nullptr);  // pages not shown can still be looked up
  EXPECT_TRUE(wnd.Find("inner")->GetPos().IsEmpty() || !wnd.Find("p2")->GetPos().Intersects(area));
}

TEST_F(ControlsTest, NotificationsArriveInOrderAndPostedOnesAfterTheCurrentMessage) {
  struct Recorder : INotifyUI {
    std::vector<std::string> seen;
    void Notify(UiNotification& msg) override {
      seen.push_back(msg.type + ":" + std::to_string(msg.wParam) + ":" + std::to_string(msg.lParam));
    }
  } second;
  CPaintManager& pm = wnd.GetPaintManager();
  pm.AddNotifier(&second);
  CControl* btn = wnd.Find("btn");
  pm.SendNotify(btn, "later", 1, 2, true);
  pm.SendNotify(btn, "now", 3, 4);
  EXPECT_EQ(second.seen, std::vector<std::string>{"now:3:4"});
  EXPECT_EQ(wnd.log, std::vector<std::string>{"now:btn"});  // the window was registered first
  PumpUntil([&] { return second.seen.size() == 2; });
  EXPECT_EQ(second.seen.back(), "later:1:2");

  // A posted notification whose sender is destroyed meanwhile is dropped.
  auto orphan = std::make_unique<CButton>();
  pm.SendNotify(orphan.get(), "lost", 0, 0, true);
  orphan.reset();
  pm.RemoveNotifier(&second);
  PumpFor(50);
  EXPECT_EQ(wnd.log.back(), "later:btn");
}

TEST_F(ControlsTest, ProgressHoldsItsValueInRange) {
  auto* bar = static_cast<CProgress*>(wnd.Find("bar"));
  EXPECT_EQ(bar->GetText(), "25%");
  EXPECT_EQ(bar->GetValue(), 50);
  EXPECT_EQ(bar->FilledRect().Width(), bar->GetPos().Width() / 4);
  bar->SetValue(500);
  EXPECT_EQ(bar->GetValue(), 200);
  EXPECT_EQ(bar->FilledRect(), bar->GetPos());
  bar->SetValue(-5);
  EXPECT_TRUE(bar->FilledRect().IsEmpty());
  bar->SetRange(10, 10);
  EXPECT_TRUE(bar->FilledRect().IsEmpty());  // an empty range fills nothing and divides by nothing
}

TEST(GifAnim, PlaysFramesOnItsTimerAndStops) {
  // The skin's busy animation, packed into the test program like the real skin.
  ASSERT_TRUE(skin::LoadArchiveResource(GetModuleHandleA(nullptr), 102));
  CTestWindow wnd("demo.xml");
  ASSERT_TRUE(wnd.Open());
  auto* gif = dynamic_cast<CGifAnim*>(wnd.Find("gif_busy"));
  ASSERT_NE(gif, nullptr);
  EXPECT_FALSE(gif->IsPlaying());  // autoplay is off in the layout
  gif->Play();
  ASSERT_GT(gif->GetFrameCount(), 1u);
  ASSERT_TRUE(PumpUntil([&] { return gif->GetFrame() >= 2; }, 3000));
  gif->Stop();
  const size_t stopped = gif->GetFrame();
  PumpFor(300);
  EXPECT_EQ(gif->GetFrame(), stopped);
}

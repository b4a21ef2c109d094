// Choice boxes and the animated tab layout in a real window: choosing in code and in the
// drop-down, the drop-down closing by Escape or by a press on the box, and pages that slide in
// and report when they have settled.
#include <gtest/gtest.h>

#include <functional>

#include "AnimationTabLayout.h"
#include "Combo.h"
#include "InputSupport.h"
#include "List.h"
#include "PopupWnd.h"
#include "ToolkitTestSupport.h"

namespace {

const char kLayout[] = u8R"(<Window size="320,200">
  <VerticalLayout>
    <HorizontalLayout height="28">
      <Combo name="pdf_comboSavePath" width="156" selectedid="0" itemheight="26">
        <ListLabelElement text="和PDF相同的路径"/>
        <ListLabelElement text="自定义路径"/>
      </Combo>
      <Button name="btn" width="60"/>
    </HorizontalLayout>
    <AnimationTabLayout name="tab_switch" animationduration="150">
      <Label name="root_pdf2other"/><Label name="root_other2pdf"/><Label name="root_operpdf"/>
    </AnimationTabLayout>
  </VerticalLayout>
</Window>)";

// Notifications with their values: "type:sender:wParam:lParam".
struct Recorder : INotifyUI {
  std::vector<std::string> seen;
  std::function<void(UiNotification&)> also;
  void Notify(UiNotification& msg) override {
    if (msg.type == "windowinit") return;
    if (also) also(msg);
    seen.push_back(msg.type + ":" + (msg.sender ? msg.sender->GetName() : "") + ":" + std::to_string(msg.wParam) +
                   ":" + std::to_string(static_cast<int>(msg.lParam)));
  }
};

class ComboTabTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseSkin({{"combo.xml", kLayout}});
    ASSERT_TRUE(wnd.Open());
    wnd.GetPaintManager().AddNotifier(&recorder);
    wnd.GetPaintManager().UpdateLayout();
    combo = static_cast<CCombo*>(wnd.Find("pdf_comboSavePath"));
    tab = static_cast<CAnimationTabLayout*>(wnd.Find("tab_switch"));
  }
  void TearDown() override { wnd.GetPaintManager().RemoveNotifier(&recorder); }
  void ClickCombo() {
    const UiRect r = combo->GetPos();
    ClickAt(wnd.GetHWND(), (r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  CTestWindow wnd{"combo.xml"};
  Recorder recorder;
  CCombo* combo = nullptr;
  CAnimationTabLayout* tab = nullptr;
};

}  // namespace

TEST_F(ComboTabTest, ChoosingInCodeNotifiesLikeTheUserWithoutTakingTheFocus) {
  EXPECT_EQ(combo->GetCount(), 2);
  EXPECT_EQ(combo->GetCurSel(), 0);
  EXPECT_EQ(combo->GetItemText(1), "自定义路径");
  CControl* btn = wnd.Find("btn");
  wnd.GetPaintManager().SetFocus(btn);

  EXPECT_TRUE(combo->SelectItem(1));
  EXPECT_TRUE(combo->SelectItem(1));  // already chosen: nothing more
  EXPECT_FALSE(combo->SelectItem(2));
  EXPECT_FALSE(combo->SelectItem(-1));
  combo->SelectItem(0, false);
  EXPECT_EQ(recorder.seen, std::vector<std::string>{"itemselect:pdf_comboSavePath:1:0"});
  EXPECT_EQ(wnd.GetPaintManager().GetFocus(), btn);
  EXPECT_FALSE(combo->IsDropped());

  // The arrow keys choose too, once the box has the focus.
  wnd.GetPaintManager().SetFocus(combo);
  SendMessageA(wnd.GetHWND(), WM_KEYDOWN, VK_DOWN, 0);
  SendMessageA(wnd.GetHWND(), WM_KEYDOWN, VK_DOWN, 0);  // no item below the last
  EXPECT_EQ(combo->GetCurSel(), 1);
  EXPECT_EQ(recorder.seen.back(), "itemselect:pdf_comboSavePath:1:0");
}

TEST_F(ComboTabTest, TheDropDownListChoosesAndClosesByEscapeOrAPressOnTheBox) {
  ASSERT_TRUE(BringToFront(wnd.GetHWND()));
  ClickCombo();
  ASSERT_TRUE(combo->IsDropped());
  CPopupWnd* drop = combo->GetDropDown();
  RECT dropRect, wndRect;
  GetWindowRect(drop->GetHWND(), &dropRect);
  GetWindowRect(wnd.GetHWND(), &wndRect);
  EXPECT_EQ(dropRect.left, wndRect.left + combo->GetPos().left);
  EXPECT_EQ(dropRect.top, wndRect.top + combo->GetPos().bottom);  // just under the box
  EXPECT_EQ(dropRect.right - dropRect.left, combo->GetPos().Width());
  auto* list = static_cast<CList*>(drop->GetPaintManager().GetRoot());
  EXPECT_EQ(list->GetCount(), 2);
  EXPECT_EQ(list->GetCurSel(), 0);

  // A click on the second entry chooses it and closes the list.
  const UiRect entry = list->GetItemAt(1)->GetPos();
  ClickAt(drop->GetHWND(), (entry.left + entry.right) / 2, (entry.top + entry.bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return !combo->IsDropped() && combo->GetCurSel() == 1; }));
  EXPECT_EQ(recorder.seen, std::vector<std::string>{"itemselect:pdf_comboSavePath:1:0"});

  // Escape closes it without a choice.
  ClickCombo();
  ASSERT_TRUE(combo->IsDropped());
  ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == combo->GetDropDown()->GetHWND(); }));
  PressKey(VK_ESCAPE);
  ASSERT_TRUE(PumpUntil([&] { return !combo->IsDropped(); }));
  EXPECT_EQ(combo->GetCurSel(), 1);

  // A press on the box while the list is open closes it and does not open it again.
  ClickCombo();
  ASSERT_TRUE(combo->IsDropped());
  ClickCombo();
  PumpFor(50);
  EXPECT_FALSE(combo->IsDropped());
  EXPECT_EQ(recorder.seen.size(), 1u);

  // Whoever hears the choice may take the box away, drop-down and all.
  recorder.also = [&](UiNotification& msg) {
    if (msg.type == "itemselect") static_cast<CContainer*>(combo->GetParent())->Remove(combo);
  };
  ClickCombo();
  ASSERT_TRUE(combo->IsDropped());
  HWND dropWnd = combo->GetDropDown()->GetHWND();
  auto* entries = static_cast<CList*>(combo->GetDropDown()->GetPaintManager().GetRoot());
  const UiRect first = entries->GetItemAt(0)->GetPos();
  ClickAt(dropWnd, (first.left + first.right) / 2, (first.top + first.bottom) / 2);
  ASSERT_TRUE(PumpUntil([&] { return wnd.Find("pdf_comboSavePath") == nullptr; }));
  EXPECT_FALSE(IsWindow(dropWnd));
  EXPECT_EQ(recorder.seen.back(), "itemselect:pdf_comboSavePath:0:1");
}

TEST_F(ComboTabTest, AnimatedTabSlidesThePageInAndReportsWhenItHasSettled) {
  const UiRect area = tab->GetPos();
  ASSERT_TRUE(tab->SelectItem(2));
  EXPECT_TRUE(tab->IsAnimating());
  EXPECT_EQ(tab->GetCurSel(), 2);
  EXPECT_GT(wnd.Find("root_operpdf")->GetPos().left, area.left);  // coming in from the right
  EXPECT_EQ(recorder.seen, std::vector<std::string>{"tabselect:tab_switch:2:0"});

  ASSERT_TRUE(PumpUntil([&] { return recorder.seen.size() == 2; }));
  EXPECT_EQ(recorder.seen.back(), "animtabselect:tab_switch:2:0");
  EXPECT_FALSE(tab->IsAnimating());
  EXPECT_EQ(wnd.Find("root_operpdf")->GetPos(), area);
  EXPECT_EQ(wnd.GetPaintManager().FindControlAt(area.left + 5, area.top + 5), wnd.Find("root_operpdf"));

  // Going back slides in from the left; a new choice during a slide wins.
  ASSERT_TRUE(tab->SelectItem(0));
  EXPECT_LT(wnd.Find("root_pdf2other")->GetPos().left, area.left);
  ASSERT_TRUE(tab->SelectItem(1));
  ASSERT_TRUE(PumpUntil([&] { return recorder.seen.back().rfind("animtabselect", 0) == 0; }));
  PumpFor(200);
  EXPECT_EQ(recorder.seen.back(), "animtabselect:tab_switch:1:0");
  EXPECT_EQ(wnd.Find("root_other2pdf")->GetPos(), area);
  EXPECT_FALSE(tab->SelectItem(3));
}

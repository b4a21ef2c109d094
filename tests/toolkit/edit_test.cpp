// Edit boxes and the rich edit in a real window, with real keyboard input: the digit and length
// rules, the password mask, the hint, Chinese text, read-only boxes, and a long text scrolled by
// the wheel.
#include <gtest/gtest.h>

#include "Container.h"
#include "Edit.h"
#include "InputSupport.h"
#include "RichEdit.h"
#include "ToolkitTestSupport.h"

namespace {

const char kEditLayout[] = u8R"(<Window size="400,260">
  <VerticalLayout childpadding="4">
    <Edit name="edt_phone" height="30" numberonly="true" maxchar="11" hint="请输入手机号码"/>
    <Edit name="edt_pwd" height="30" password="true" maxchar="11" hint="请输入密码"/>
    <Edit name="edt_name" height="30" maxchar="3"/>
    <Edit name="edt_ro" height="30" readonly="true" text="只读"/>
    <Button name="btn" height="30"/>
    <RichEdit name="rich" height="60"/>
  </VerticalLayout>
</Window>)";

CEdit* EditOf(CTestWindow& w, const char* name) { return static_cast<CEdit*>(w.Find(name)); }

void ClickControl(HWND wnd, CControl* c) {
  ClickAt(wnd, (c->GetPos().left + c->GetPos().right) / 2, (c->GetPos().top + c->GetPos().bottom) / 2);
}

class EditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseSkin({{"edit.xml", kEditLayout}});
    ASSERT_TRUE(wnd.Open());
    wnd.GetPaintManager().UpdateLayout();
  }
  // Clicks into the box and waits until its system edit has the keyboard.
  void StartTyping(CEdit* edit) {
    ClickControl(wnd.GetHWND(), edit);
    ASSERT_TRUE(edit->IsEditing());
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit->GetNativeWindow(); }));
  }
  CTestWindow wnd{"edit.xml"};
};

}  // namespace

TEST_F(EditTest, TypedKeysFollowTheDigitLengthAndPasswordRules) {
  ASSERT_TRUE(BringToFront(wnd.GetHWND()));
  CEdit* phone = EditOf(wnd, "edt_phone");
  CEdit* pwd = EditOf(wnd, "edt_pwd");
  StartTyping(phone);
  TypeKeys("13a8-0013x8000 999");
  ASSERT_TRUE(PumpUntil([&] { return phone->GetText().size() == 11; }));
  PumpFor(50);
  EXPECT_EQ(phone->GetText(), "13800138000");  // letters, dashes and spaces refused; cut at 11
  EXPECT_EQ(wnd.log.back(), "textchanged:edt_phone");

  // Tab moves the keyboard to the next box; the password is typed in the clear, shown masked.
  PressKey(VK_TAB);
  ASSERT_TRUE(PumpUntil([&] { return pwd->IsEditing() && GetFocus() == pwd->GetNativeWindow(); }));
  EXPECT_FALSE(phone->IsEditing());
  EXPECT_EQ(SendMessageW(pwd->GetNativeWindow(), EM_GETPASSWORDCHAR, 0, 0), 0x25CF);  // ●
  TypeKeys("Secret12");
  ASSERT_TRUE(PumpUntil([&] { return pwd->GetText() == "Secret12"; }));

  // Leaving the box: the system edit goes, the box shows the mask.
  ClickControl(wnd.GetHWND(), wnd.Find("btn"));
  EXPECT_FALSE(pwd->IsEditing());
  EXPECT_EQ(pwd->GetDisplayText(), "●●●●●●●●");
  EXPECT_EQ(phone->GetDisplayText(), "13800138000");
  // The keyboard is back with the window, not with a hidden edit.
  EXPECT_EQ(GetFocus(), wnd.GetHWND());
}

TEST_F(EditTest, ChineseTextAndPastedTextArriveWithinTheRules) {
  ASSERT_TRUE(BringToFront(wnd.GetHWND()));
  CEdit* name = EditOf(wnd, "edt_name");
  StartTyping(name);
  TypeUnicode(L"\u4E2D\u6587\u8F93\u5165\u6CD5");  // 中文输入法
  ASSERT_TRUE(PumpUntil([&] { return name->GetText().size() >= 6; }));
  PumpFor(50);
  EXPECT_EQ(name->GetText(), "中文输");  // three characters, six bytes

  // Pasting into a digits-only box keeps the digits, up to its limit.
  CEdit* phone = EditOf(wnd, "edt_phone");
  StartTyping(phone);
  ASSERT_TRUE(SetClipboardText("400-800 12ab 34567890"));
  PressKey('V', VK_CONTROL);
  ASSERT_TRUE(PumpUntil([&] { return !phone->GetText().empty(); }));
  EXPECT_EQ(phone->GetText(), "40080012345");

  // A read-only box takes the focus but no text.
  CEdit* readOnly = EditOf(wnd, "edt_ro");
  StartTyping(readOnly);
  TypeKeys("x1");
  PumpFor(100);
  EXPECT_EQ(readOnly->GetText(), "只读");

  // Enter is reported once the key has been handled, so the box may be taken away on it.
  struct RemoveOnReturn : INotifyUI {
    void Notify(UiNotification& msg) override {
      if (msg.type == "return") static_cast<CContainer*>(msg.sender->GetParent())->Remove(msg.sender);
    }
  } remover;
  wnd.GetPaintManager().AddNotifier(&remover);
  StartTyping(name);
  PressKey(VK_RETURN);
  ASSERT_TRUE(PumpUntil([&] { return wnd.Find("edt_name") == nullptr; }));
  PumpFor(50);
  EXPECT_EQ(wnd.log.back(), "return:edt_name");
  wnd.GetPaintManager().RemoveNotifier(&remover);
}

TEST_F(EditTest, HintsShowOnlyWhileEmptyAndCodeObeysTheRulesToo) {
  CEdit* phone = EditOf(wnd, "edt_phone");
  CEdit* pwd = EditOf(wnd, "edt_pwd");
  EXPECT_TRUE(phone->IsShowingHint());
  EXPECT_EQ(phone->GetDisplayText(), "请输入手机号码");
  EXPECT_EQ(pwd->GetDisplayText(), "请输入密码");  // the hint itself is not masked

  phone->SetText("+86 138 0013 8000 12");
  EXPECT_EQ(phone->GetText(), "86138001380");
  EXPECT_FALSE(phone->IsShowingHint());
  pwd->SetText("密码");
  EXPECT_EQ(pwd->GetDisplayText(), "●●");
  phone->SetText("");
  EXPECT_TRUE(phone->IsShowingHint());

  // Tightening a rule applies it to the text already there.
  pwd->SetMaxChars(1);
  EXPECT_EQ(pwd->GetText(), "密");
  // A disabled box cannot be edited.
  phone->SetEnabled(false);
  ClickControl(wnd.GetHWND(), phone);
  EXPECT_FALSE(phone->IsEditing());
}

TEST_F(EditTest, RichEditWrapsLongTextAndScrollsWithTheWheel) {
  auto* rich = static_cast<CRichEdit*>(wnd.Find("rich"));
  rich->SetText("短文本");
  wnd.GetPaintManager().UpdateLayout();
  EXPECT_FALSE(rich->IsScrollBarShown());

  std::string text;
  for (int i = 1; i <= 40; ++i) text += "第" + std::to_string(i) + "行：修复了若干问题，提升了转换速度。\r\n";
  rich->SetText(text);
  wnd.GetPaintManager().UpdateLayout();
  ASSERT_TRUE(rich->IsScrollBarShown());
  ASSERT_GT(rich->GetContentHeight(), 40 * 10);

  POINT pt{(rich->GetPos().left + rich->GetPos().right) / 2, rich->GetPos().top + 10};
  ClientToScreen(wnd.GetHWND(), &pt);
  SendMessageA(wnd.GetHWND(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(pt.x, pt.y));
  const int afterOneNotch = rich->GetScrollPos();
  EXPECT_GT(afterOneNotch, 0);
  for (int i = 0; i < 200; ++i) {
    SendMessageA(wnd.GetHWND(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(pt.x, pt.y));
  }
  const int bottom = rich->GetScrollPos();
  EXPECT_GT(bottom, afterOneNotch);
  EXPECT_LT(bottom, rich->GetContentHeight());  // the last lines stay in view
  SendMessageA(wnd.GetHWND(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(pt.x, pt.y));
  EXPECT_EQ(rich->GetScrollPos(), bottom);
  SendMessageA(wnd.GetHWND(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(pt.x, pt.y));
  EXPECT_EQ(rich->GetScrollPos(), bottom - afterOneNotch);
  // New text starts at the top again.
  rich->SetText(text);
  EXPECT_EQ(rich->GetScrollPos(), 0);
}

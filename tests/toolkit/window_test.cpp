// Skinned windows on the display: building from an in-memory archive, look-ups, the frame's hit
// test, the modal loop and work handed over from other threads.
#include <windowsx.h>

#include <gtest/gtest.h>

#include <thread>

#include "Container.h"
#include "Label.h"
#include "Skin_win.h"
#include "ToolkitTestSupport.h"

namespace {

// Layout texts are UTF-8, as in the skin; u8 keeps them so whatever the execution character set.
const char kMainLayout[] = u8R"(<?xml version="1.0" encoding="utf-8"?>
<Window size="300,200" caption="0,0,0,40">
  <VerticalLayout name="root">
    <HorizontalLayout name="bar" height="40">
      <Label name="title" text="标题" width="50"/>
      <Button name="btn" width="50"/>
      <Text name="txt" width="50"/>
      <Option name="opt" width="50"/>
      <Control/>
    </HorizontalLayout>
    <HorizontalLayout name="body">
      <Label name="item" text="一"/>
      <VerticalLayout name="cell"><Label name="item" text="二"/></VerticalLayout>
    </HorizontalLayout>
    <Frobnicator name="unknown"><Label name="lost"/></Frobnicator>
  </VerticalLayout>
</Window>)";

LPARAM ScreenPoint(HWND wnd, int x, int y) {
  POINT pt = {x, y};
  ClientToScreen(wnd, &pt);
  return MAKELPARAM(pt.x, pt.y);
}

}  // namespace

TEST(SkinWindow, BuildsFromTheArchiveAndFindsControlsByName) {
  UseSkin({{"dlg/main.xml", kMainLayout}});
  struct FolderWindow : CTestWindow {
    FolderWindow() : CTestWindow("main.xml") {}
    std::string GetSkinFolder() const override { return "dlg/"; }
  } wnd;
  ASSERT_TRUE(wnd.Open());
  RECT r;
  GetWindowRect(wnd.GetHWND(), &r);
  EXPECT_EQ(r.right - r.left, 300);  // the layout's size
  EXPECT_EQ(r.bottom - r.top, 200);

  CControl* title = wnd.Find("title");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->GetText(), "标题");  // GBK here  // UTF-8 in the layout, the ANSI code page in the program
  EXPECT_STREQ(title->GetClass(), "Label");
  // Names may repeat: the first in tree order wins; a sub-control is looked up inside its parent.
  EXPECT_EQ(wnd.Find("item")->GetText(), "一");
  CPaintManager& pm = wnd.GetPaintManager();
  EXPECT_EQ(pm.FindSubControl(wnd.Find("cell"), "item")->GetText(), "二");
  EXPECT_EQ(pm.FindSubControl(wnd.Find("cell"), "title"), nullptr);
  // Unknown elements are left out with their contents.
  EXPECT_EQ(wnd.Find("unknown"), nullptr);
  EXPECT_EQ(wnd.Find("lost"), nullptr);
  EXPECT_EQ(wnd.Find(""), nullptr);
  ASSERT_TRUE(PumpUntil([&] { return !wnd.log.empty(); }));
  EXPECT_EQ(wnd.log.front(), "windowinit:root");
}

TEST(SkinWindow, MissingOrBrokenLayoutsGiveAnEmptyWorkingWindow) {
  UseSkin({{"broken.xml", "<Window><VerticalLayout>"}, {"notxml.xml", "\x89PNG"}});
  for (const char* layout : {"absent.xml", "broken.xml", "notxml.xml"}) {
    CTestWindow wnd(layout);
    ASSERT_TRUE(wnd.Open()) << layout;
    EXPECT_NE(wnd.GetPaintManager().GetRoot(), nullptr);
    EXPECT_EQ(wnd.Find("root"), nullptr);
    UpdateWindow(wnd.GetHWND());
    ClickAt(wnd.GetHWND(), 5, 5);
  }
  // Nesting deeper than any layout needs is cut off rather than followed.
  std::string deep;
  for (int i = 0; i < 5000; ++i) deep += "<Container>";
  UseSkin({{"deep.xml", "<Window>" + deep + "<Label name='bottom'/>"}});
  CTestWindow wnd("deep.xml");
  ASSERT_TRUE(wnd.Open());
  EXPECT_EQ(wnd.Find("bottom"), nullptr);
}

TEST(SkinWindow, CaptionBandDragsExceptOnInteractiveControls) {
  UseSkin({{"main.xml", kMainLayout}});
  struct Expect {
    int x, y;
    LRESULT variantA, variantB;
  };
  const Expect points[] = {
      {10, 10, HTCAPTION, HTCAPTION},   // label
      {60, 10, HTCLIENT, HTCLIENT},     // button
      {110, 10, HTCLIENT, HTCAPTION},   // text
      {160, 10, HTCLIENT, HTCAPTION},   // option
      {250, 39, HTCAPTION, HTCAPTION},  // empty part of the bar
      {10, 40, HTCLIENT, HTCLIENT},     // below the band
  };
  CTestWindow a("main.xml", CaptionVariant::ButtonOptionText), b("main.xml", CaptionVariant::ButtonOnly);
  ASSERT_TRUE(a.Open());
  ASSERT_TRUE(b.Open());
  for (const Expect& p : points) {
    EXPECT_EQ(SendMessageA(a.GetHWND(), WM_NCHITTEST, 0, ScreenPoint(a.GetHWND(), p.x, p.y)), p.variantA)
        << p.x << "," << p.y;
    EXPECT_EQ(SendMessageA(b.GetHWND(), WM_NCHITTEST, 0, ScreenPoint(b.GetHWND(), p.x, p.y)), p.variantB)
        << p.x << "," << p.y;
  }
  // Insets at the sides take the band's edges away.
  a.GetPaintManager().SetCaptionRect({20, 0, 20, 40});
  EXPECT_EQ(SendMessageA(a.GetHWND(), WM_NCHITTEST, 0, ScreenPoint(a.GetHWND(), 10, 10)), HTCLIENT);
  EXPECT_EQ(SendMessageA(a.GetHWND(), WM_NCHITTEST, 0, ScreenPoint(a.GetHWND(), 285, 10)), HTCLIENT);
  EXPECT_EQ(SendMessageA(a.GetHWND(), WM_NCHITTEST, 0, ScreenPoint(a.GetHWND(), 250, 10)), HTCAPTION);
  // The sizing border wins over the band, but not while maximised.
  a.GetPaintManager().SetSizeBox({4, 4, 6, 6});
  EXPECT_EQ(SendMessageA(a.GetHWND(), WM_NCHITTEST, 0, ScreenPoint(a.GetHWND(), 297, 100)), HTRIGHT);
  EXPECT_EQ(SendMessageA(a.GetHWND(), WM_NCHITTEST, 0, ScreenPoint(a.GetHWND(), 1, 1)), HTTOPLEFT);
}

TEST(SkinWindow, SystemCloseArrivesWithZeroAndCaptionButtonsFollowMaximising) {
  UseSkin({{"frame.xml", R"(<Window size="300,200"><HorizontalLayout>
      <Button name="maxbtn" width="30"/><Button name="restorebtn" width="30" visible="false"/>
      </HorizontalLayout></Window>)"}});
  CTestWindow wnd("frame.xml");
  ASSERT_TRUE(wnd.Open(nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE));
  wnd.keepOpenOnClose = true;
  SendMessageA(wnd.GetHWND(), WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_EQ(wnd.closeRequests, std::vector<WPARAM>{0});

  SendMessageA(wnd.GetHWND(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  PumpFor(50);
  ASSERT_TRUE(IsZoomed(wnd.GetHWND()));
  EXPECT_FALSE(wnd.Find("maxbtn")->IsVisible());
  EXPECT_TRUE(wnd.Find("restorebtn")->IsVisible());
  // Maximised into the work area, frame or not.
  RECT r, work;
  GetWindowRect(wnd.GetHWND(), &r);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(r.right - r.left, work.right - work.left);
  SendMessageA(wnd.GetHWND(), WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpFor(50);
  EXPECT_TRUE(wnd.Find("maxbtn")->IsVisible());
  EXPECT_FALSE(wnd.Find("restorebtn")->IsVisible());
}

TEST(ModalLoop, ReturnsTheCloseResultWithTheOwnerDisabledMeanwhile) {
  UseSkin({{"dlg.xml", R"(<Window size="120,80"><Label name="x"/></Window>)"}});
  CTestWindow owner("dlg.xml");
  ASSERT_TRUE(owner.Open());
  CTestWindow dialog("dlg.xml");
  ASSERT_TRUE(dialog.Open(owner.GetHWND(), WS_POPUP));
  bool disabledDuring = false, enabledAtClose = false;
  dialog.onClose = [&] { enabledAtClose = IsWindowEnabled(owner.GetHWND()) != FALSE; };
  dialog.GetPaintManager().PostTask([&] {
    disabledDuring = !IsWindowEnabled(owner.GetHWND());
    dialog.Close(7);
  });
  EXPECT_EQ(dialog.ShowModal(), 7u);
  EXPECT_TRUE(disabledDuring);
  EXPECT_TRUE(enabledAtClose);  // re-enabled before the dialog went away
  EXPECT_TRUE(IsWindowEnabled(owner.GetHWND()));
  EXPECT_FALSE(IsWindow(dialog.GetHWND()));
}

TEST(ModalLoop, QuitEndsTheLoopAndIsPostedAgain) {
  UseSkin({{"dlg.xml", R"(<Window size="120,80"/>)"}});
  CTestWindow owner("dlg.xml");
  ASSERT_TRUE(owner.Open());
  CTestWindow dialog("dlg.xml");
  ASSERT_TRUE(dialog.Open(owner.GetHWND(), WS_POPUP));
  dialog.GetPaintManager().PostTask([] { PostQuitMessage(42); });
  EXPECT_EQ(dialog.ShowModal(), CWindowWnd::kClosedResult);
  EXPECT_TRUE(IsWindowEnabled(owner.GetHWND()));
  MSG msg;
  ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 42u);
  EXPECT_TRUE(IsWindow(dialog.GetHWND()));

  // A window destroyed without a close message reports "closed".
  dialog.GetPaintManager().PostTask([&] { DestroyWindow(dialog.GetHWND()); });
  EXPECT_EQ(dialog.ShowModal(), CWindowWnd::kClosedResult);
  EXPECT_TRUE(IsWindowEnabled(owner.GetHWND()));
}

TEST(HandOff, WorkForARemovedControlIsDropped) {
  UseSkin({{"rows.xml", R"(<Window size="200,100"><VerticalLayout name="list">
      <Label name="keep"/><Label name="row"/></VerticalLayout></Window>)"}});
  CTestWindow wnd("rows.xml");
  ASSERT_TRUE(wnd.Open());
  CPaintManager& pm = wnd.GetPaintManager();
  auto* list = static_cast<CContainer*>(wnd.Find("list"));
  CControl* keep = wnd.Find("keep");
  CControl* row = wnd.Find("row");
  int ran = 0;
  std::thread worker([&] {
    EXPECT_TRUE(pm.PostToControl(keep, [&](CControl& c) { c.SetText("50%"); ++ran; }));
    EXPECT_TRUE(pm.PostToControl(row, [&](CControl& c) { c.SetText("50%"); ++ran; }));
  });
  worker.join();
  // The UI thread removes the row before it gets to the queued work.
  ASSERT_TRUE(list->Remove(row));
  EXPECT_EQ(wnd.Find("row"), nullptr);
  PumpUntil([&] { return ran > 0; });
  PumpFor(50);
  EXPECT_EQ(ran, 1);
  EXPECT_EQ(keep->GetText(), "50%");
  // Once the row is destroyed, new work for it is refused outright.
  std::thread late([&] { EXPECT_FALSE(pm.PostToControl(row, [&](CControl&) { ++ran; })); });
  late.join();
  PumpFor(50);
  EXPECT_EQ(ran, 1);
}

TEST(SkinWindow, LayoutWindowAttributesReachTheWindow) {
  UseSkin({{"attrs.xml", R"(<Window size="200,100" mininfo="150,90" roundcorner="12,12"><Control/></Window>)"}});
  CTestWindow wnd("attrs.xml");
  ASSERT_TRUE(wnd.Open());
  MINMAXINFO info = {};
  SendMessageA(wnd.GetHWND(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, 150);
  EXPECT_EQ(info.ptMinTrackSize.y, 90);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(wnd.GetHWND(), region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));  // the corner is cut away
  EXPECT_TRUE(PtInRegion(region, 100, 50));
  EXPECT_TRUE(PtInRegion(region, 199, 50));
  DeleteObject(region);
}

TEST(SkinWindow, MessageFiltersSeeQueuedMessagesFirst) {
  UseSkin({{"plain.xml", R"(<Window size="100,60"/>)"}});
  CTestWindow wnd("plain.xml");
  ASSERT_TRUE(wnd.Open());
  wnd.keepOpenOnClose = true;
  struct SwallowNine : IMessageFilterUI {
    int seen = 0;
    LRESULT MessageFilter(UINT msg, WPARAM wParam, LPARAM, bool& handled) override {
      if (msg == WM_CLOSE) ++seen;
      handled = msg == WM_CLOSE && wParam == 9;
      return 0;
    }
  } filter;
  wnd.GetPaintManager().AddMessageFilter(&filter);
  PostMessageA(wnd.GetHWND(), WM_CLOSE, 9, 0);
  PostMessageA(wnd.GetHWND(), WM_CLOSE, 3, 0);
  PumpUntil([&] { return !wnd.closeRequests.empty(); });
  EXPECT_EQ(filter.seen, 2);
  EXPECT_EQ(wnd.closeRequests, std::vector<WPARAM>{3});
  wnd.GetPaintManager().RemoveMessageFilter(&filter);
}

TEST(WindowWnd, CentresOverTheOwnerOrOnTheWorkAreaAndStaysInside) {
  UseSkin({{"box.xml", R"(<Window size="120,80"/>)"}});
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  CTestWindow owner("box.xml");
  ASSERT_TRUE(owner.Open());
  struct Case {
    const char* what;
    RECT ownerRect;  // left, top, width, height of the owner
    SIZE dialog;
    POINT want;
  };
  const Case cases[] = {
      {"over the owner", {200, 150, 400, 300}, {120, 80}, {340, 260}},
      {"owner at the right edge: kept inside", {work.right - 100, 100, 400, 300}, {120, 80}, {work.right - 120, 210}},
      {"larger than the work area: its top-left corner", {200, 150, 400, 300},
       {work.right - work.left + 50, work.bottom - work.top + 50}, {work.left, work.top}},
  };
  for (const Case& c : cases) {
    SetWindowPos(owner.GetHWND(), nullptr, c.ownerRect.left, c.ownerRect.top, c.ownerRect.right, c.ownerRect.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    CTestWindow dialog("box.xml");
    ASSERT_TRUE(dialog.Open(owner.GetHWND()));
    SetWindowPos(dialog.GetHWND(), nullptr, 0, 0, c.dialog.cx, c.dialog.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    dialog.CenterWindow();
    RECT r;
    GetWindowRect(dialog.GetHWND(), &r);
    EXPECT_EQ(r.left, c.want.x) << c.what;
    EXPECT_EQ(r.top, c.want.y) << c.what;
  }
  // A minimised owner: the dialog goes to the middle of the work area.
  ShowWindow(owner.GetHWND(), SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(owner.GetHWND()));
  CTestWindow dialog("box.xml");
  ASSERT_TRUE(dialog.Open(owner.GetHWND()));
  dialog.CenterWindow();
  RECT r;
  GetWindowRect(dialog.GetHWND(), &r);
  EXPECT_EQ(r.left, work.left + (work.right - work.left - 120) / 2);
  EXPECT_EQ(r.top, work.top + (work.bottom - work.top - 80) / 2);
}

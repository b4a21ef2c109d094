// The hosted web browser: created and taken down in a real window whether or not the HTML engine
// is there (this machine's Wine has none), leaving no windows or COM objects behind; and the
// container side's handling of the engine's calls, driven here as the engine would drive it.
#include <gtest/gtest.h>

#include <exdispid.h>

#include "BrowserSite_win.h"
#include "ComRef.h"
#include "TabLayout.h"
#include "ToolkitTestSupport.h"
#include "WebBrowser.h"
#include "WebBrowserHost_win.h"

namespace {

const char kLoginLayout[] = u8R"(<Window size="500,366">
  <VerticalLayout>
    <Button name="closebtn" height="40"/>
    <TabLayout name="logintab" selectedid="0">
      <Label name="choice"/>
      <WebBrowser name="web_login"/>
    </TabLayout>
  </VerticalLayout>
</Window>)";

int ChildWindows(HWND parent) {
  // Counts every descendant window.
  int count = 0;
  EnumChildWindows(parent, [](HWND, LPARAM n) { return ++*reinterpret_cast<int*>(n), TRUE; },
                   reinterpret_cast<LPARAM>(&count));
  return count;
}

struct Handler : CWebBrowserEventHandler {
  std::vector<std::string> pages;
  void DocumentComplete(CWebBrowser*, const std::string& url) override { pages.push_back(url); }
  void GetHostInfo(CWebBrowser*, DWORD& flags, DWORD&) override { flags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO; }
};

class WebBrowserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    UseSkin({{"login.xml", kLoginLayout}});
    engine = CWebBrowserHost::ProbeEngine();
  }
  HRESULT engine = E_FAIL;
};

// A stand-in for the engine's dispatch objects: the browser itself or one of its frames.
class CFakeDispatch : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid != IID_IUnknown && iid != IID_IDispatch) return *out = nullptr, E_NOINTERFACE;
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return E_NOTIMPL;
  }
  ULONG refs = 1;
};

struct SiteOwner : IBrowserSiteOwner {
  CFakeDispatch* browser = nullptr;
  std::vector<std::string> events;
  bool refuseNewWindows = true;
  HWND SiteWindow() const override { return nullptr; }
  IUnknown* BrowserIdentity() const override { return browser; }
  void OnDocumentComplete(const std::string& url) override { events.push_back("complete " + url); }
  void OnNewWindow(const std::string& url, bool& cancel) override {
    events.push_back("new " + url);
    cancel = refuseNewWindows;
  }
  void OnHostInfo(DWORD& flags, DWORD& doubleClick) override {
    flags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO;
    doubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  }
};

VARIANT Text(BSTR s) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = s;
  return v;
}

HRESULT DocumentComplete(IDispatch* sink, IDispatch* frame, VARIANT* url) {
  VARIANT args[2];
  VariantInit(&args[0]);
  args[0].vt = VT_BYREF | VT_VARIANT;  // the engine passes the address by reference
  args[0].pvarVal = url;
  VariantInit(&args[1]);
  args[1].vt = VT_DISPATCH;
  args[1].pdispVal = frame;
  DISPPARAMS params = {args, nullptr, 2, 0};
  return sink->Invoke(DISPID_DOCUMENTCOMPLETE, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
}

}  // namespace

TEST_F(WebBrowserTest, WithoutTheEngineTheControlStaysEmptyAndTheWindowWorks) {
  if (SUCCEEDED(engine)) GTEST_SKIP() << "this machine has an HTML engine";
  {
    CTestWindow wnd("login.xml");
    ASSERT_TRUE(wnd.Open());
    auto* web = static_cast<CWebBrowser*>(wnd.Find("web_login"));
    ASSERT_NE(web, nullptr);
    Handler handler;
    web->SetEventHandler(&handler);
    static_cast<CTabLayout*>(wnd.Find("logintab"))->SelectItem(1);
    wnd.GetPaintManager().UpdateLayout();
    PumpFor(50);  // the engine is looked for once the page is shown

    EXPECT_FALSE(web->Navigate("about:blank"));
    EXPECT_FALSE(web->SetZoom(70));
    EXPECT_FALSE(web->GoBack());
    EXPECT_EQ(web->GetBodyInnerText(), "");
    EXPECT_FALSE(web->IsReady());
    EXPECT_TRUE(FAILED(web->GetLastResult()));
    EXPECT_EQ(web->GetHostWindow(), nullptr);
    EXPECT_EQ(ChildWindows(wnd.GetHWND()), 0);
    EXPECT_TRUE(handler.pages.empty());

    // The rest of the window goes on working.
    const UiRect close = wnd.Find("closebtn")->GetPos();
    ClickAt(wnd.GetHWND(), close.left + 5, close.top + 5);
    EXPECT_EQ(wnd.log.back(), "click:closebtn");
  }
  EXPECT_EQ(CBrowserSite::LiveCount(), 0);
}

TEST_F(WebBrowserTest, WithTheEngineTheControlRunsAPageAndLetsGoOfEverything) {
  if (FAILED(engine)) GTEST_SKIP() << "no HTML engine on this machine";
  {
    CTestWindow wnd("login.xml");
    ASSERT_TRUE(wnd.Open());
    auto* web = static_cast<CWebBrowser*>(wnd.Find("web_login"));
    Handler handler;
    web->SetEventHandler(&handler);
    static_cast<CTabLayout*>(wnd.Find("logintab"))->SelectItem(1);
    wnd.GetPaintManager().UpdateLayout();
    ASSERT_TRUE(web->Navigate("about:blank"));
    EXPECT_TRUE(web->IsReady());
    const HWND host = web->GetHostWindow();
    ASSERT_NE(host, nullptr);
    EXPECT_TRUE(GetWindowLongA(host, GWL_STYLE) & WS_VISIBLE);  // the test window itself is hidden
    PumpUntil([&] { return !handler.pages.empty(); }, 5000);
    EXPECT_EQ(handler.pages, std::vector<std::string>{"about:blank"});
    // Another page of the tab hides the browser.
    static_cast<CTabLayout*>(wnd.Find("logintab"))->SelectItem(0);
    wnd.GetPaintManager().UpdateLayout();
    EXPECT_FALSE(GetWindowLongA(host, GWL_STYLE) & WS_VISIBLE);
  }
  EXPECT_EQ(CBrowserSite::LiveCount(), 0);
}

TEST(BrowserSite, PassesOnTopLevelPagesAndNewWindowsAndAnswersTheHostFlags) {
  CFakeDispatch browser, frame;
  SiteOwner owner;
  owner.browser = &browser;
  CBrowserSite* site = CBrowserSite::Create(&owner);
  ASSERT_EQ(CBrowserSite::LiveCount(), 1);

  CComRef<IDispatch> sink;
  ASSERT_EQ(site->QueryInterface(DIID_DWebBrowserEvents2, sink.ReceiveVoid()), S_OK);
  CComRef<IDocHostUIHandler> ui;
  ASSERT_EQ(site->QueryInterface(IID_IDocHostUIHandler, ui.ReceiveVoid()), S_OK);
  CComRef<IOleInPlaceSite> inPlace;
  EXPECT_EQ(site->QueryInterface(IID_IOleInPlaceSite, inPlace.ReceiveVoid()), S_OK);
  CComRef<IUnknown> none;
  EXPECT_EQ(site->QueryInterface(IID_IStream, none.ReceiveVoid()), E_NOINTERFACE);

  DOCHOSTUIINFO info = {};
  info.cbSize = sizeof info;
  ASSERT_EQ(ui->GetHostInfo(&info), S_OK);
  EXPECT_EQ(info.dwFlags, static_cast<DWORD>(DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_SCROLL_NO));
  info.cbSize = 4;
  EXPECT_EQ(ui->GetHostInfo(&info), E_INVALIDARG);

  // A frame's document is not the page; the top-level one is, with its address in ANSI.
  BSTR address = SysAllocString(L"https://example.test/plug/wxlogin?code=\u4E2D");
  VARIANT url = Text(address);
  DocumentComplete(sink.Get(), &frame, &url);
  DocumentComplete(sink.Get(), &browser, &url);
  DocumentComplete(sink.Get(), nullptr, &url);
  EXPECT_EQ(owner.events, std::vector<std::string>{"complete https://example.test/plug/wxlogin?code=中"});

  // A new window: the owner's refusal goes back to the engine.
  VARIANT args[5];
  for (VARIANT& v : args) VariantInit(&v);
  VARIANT_BOOL cancel = VARIANT_FALSE;
  IDispatch* newBrowser = nullptr;
  args[0] = Text(address);
  args[3].vt = VT_BYREF | VT_BOOL;
  args[3].pboolVal = &cancel;
  args[4].vt = VT_BYREF | VT_DISPATCH;
  args[4].ppdispVal = &newBrowser;
  DISPPARAMS params = {args, nullptr, 5, 0};
  sink->Invoke(DISPID_NEWWINDOW3, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  EXPECT_EQ(cancel, VARIANT_TRUE);
  EXPECT_EQ(owner.events.back(), "new https://example.test/plug/wxlogin?code=中");
  // Too few arguments are ignored rather than read past.
  params.cArgs = 2;
  sink->Invoke(DISPID_NEWWINDOW3, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  EXPECT_EQ(owner.events.size(), 2u);

  // Cut off from its owner, the site still answers but tells no one.
  site->Detach();
  DocumentComplete(sink.Get(), &browser, &url);
  EXPECT_EQ(owner.events.size(), 2u);
  SysFreeString(address);
  EXPECT_EQ(browser.refs, 1u);  // every reference the site took was given back
  EXPECT_EQ(frame.refs, 1u);

  sink.Reset();
  ui.Reset();
  inPlace.Reset();
  site->Release();
  EXPECT_EQ(CBrowserSite::LiveCount(), 0);
}

#include "WebBrowserHost_win.h"

#include <mshtml.h>
#include <ocidl.h>

#include <algorithm>

#include "Skin_win.h"
#include "TextCodec_win.h"

namespace {

const char kHostClass[] = "UIWebBrowserHost";
// The HTML document class of the system's engine (the import library does not carry it).
const CLSID kHtmlDocumentClass = {0x25336920, 0x03f9, 0x11cf, {0x8f, 0xd0, 0x00, 0xaa, 0x00, 0x68, 0x6f, 0x13}};

// A string handed to the engine, freed when it goes.
class CBstr {
 public:
  explicit CBstr(const std::string& ansi) {
    const std::wstring wide = AnsiToWideText(ansi);
    m_text = SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
  }
  CBstr() = default;
  ~CBstr() { SysFreeString(m_text); }
  CBstr(const CBstr&) = delete;
  CBstr& operator=(const CBstr&) = delete;
  BSTR Get() const { return m_text; }
  BSTR* Receive() {
    SysFreeString(m_text);
    m_text = nullptr;
    return &m_text;
  }
  std::string Ansi() const { return m_text ? WideToAnsiText(std::wstring(m_text, SysStringLen(m_text))) : ""; }

 private:
  BSTR m_text = nullptr;
};

}  // namespace

CWebBrowserHost::CWebBrowserHost(Events events) : m_events(std::move(events)) {}

CWebBrowserHost::~CWebBrowserHost() { Teardown(); }

HRESULT CWebBrowserHost::ProbeEngine() {
  COleScope ole;
  CComRef<IClassFactory> factory;
  return CoGetClassObject(kHtmlDocumentClass, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                          factory.ReceiveVoid());
}

bool CWebBrowserHost::Fail(HRESULT result) {
  Teardown();
  m_result = FAILED(result) ? result : E_FAIL;
  return false;
}

bool CWebBrowserHost::Check(HRESULT result) {
  m_result = result;
  return SUCCEEDED(result);
}

bool CWebBrowserHost::Create(HWND parent) {
  if (m_wnd) return IsReady();
  if (FAILED(m_ole.Result())) return Fail(m_ole.Result());
  // Without the HTML engine the browser object may still come up, only to show nothing and fail
  // every page; it is not started at all then.
  if (const HRESULT engine = ProbeEngine(); FAILED(engine)) return Fail(engine);
  static const ATOM hostClass = [] {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = skin::Instance();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kHostClass;
    return RegisterClassExA(&wc);
  }();
  if (!hostClass || !IsWindow(parent)) return Fail(E_HANDLE);
  m_wnd = CreateWindowExA(0, kHostClass, "", WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                          nullptr, skin::Instance(), this);
  if (!m_wnd) return Fail(HRESULT_FROM_WIN32(GetLastError()));

  HRESULT hr = CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                m_object.ReceiveVoid());
  if (FAILED(hr)) return Fail(hr);
  m_site = CComRef<CBrowserSite>(CBrowserSite::Create(this));
  if (FAILED(hr = m_object->SetClientSite(m_site.Get()))) return Fail(hr);
  if (FAILED(hr = m_object->QueryInterface(IID_IWebBrowser2, m_browser.ReceiveVoid()))) return Fail(hr);
  if (FAILED(hr = m_object->QueryInterface(IID_IUnknown, m_identity.ReceiveVoid()))) return Fail(hr);
  RECT r{0, 0, 0, 0};
  if (FAILED(hr = m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_site.Get(), 0, m_wnd, &r))) return Fail(hr);
  CComRef<IConnectionPointContainer> points;
  if (SUCCEEDED(m_browser->QueryInterface(IID_IConnectionPointContainer, points.ReceiveVoid()))) {
    if (SUCCEEDED(points->FindConnectionPoint(DIID_DWebBrowserEvents2, m_events2.Receive()))) {
      if (FAILED(m_events2->Advise(static_cast<IDispatch*>(m_site.Get()), &m_cookie))) m_events2.Reset();
    }
  }
  // Script errors of other people's pages are not the user's business.
  m_browser->put_Silent(VARIANT_TRUE);
  m_result = S_OK;
  return true;
}

void CWebBrowserHost::Teardown() {
  if (m_events2) m_events2->Unadvise(m_cookie);
  m_events2.Reset();
  m_cookie = 0;
  if (m_object) {
    CComRef<IOleInPlaceObject> inPlace;
    if (SUCCEEDED(m_object->QueryInterface(IID_IOleInPlaceObject, inPlace.ReceiveVoid()))) inPlace->InPlaceDeactivate();
    m_object->Close(OLECLOSE_NOSAVE);
    m_object->SetClientSite(nullptr);
  }
  m_browser.Reset();
  m_identity.Reset();
  m_object.Reset();
  if (m_site) m_site->Detach();  // calls the engine still makes go nowhere
  m_site.Reset();
  if (m_wnd && IsWindow(m_wnd)) DestroyWindow(m_wnd);
  m_wnd = nullptr;
}

void CWebBrowserHost::Place(const UiRect& r, bool shown) {
  if (!m_wnd) return;
  SetWindowPos(m_wnd, nullptr, r.left, r.top, std::max(r.Width(), 0), std::max(r.Height(), 0),
               SWP_NOZORDER | SWP_NOACTIVATE | (shown && !r.IsEmpty() ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

void CWebBrowserHost::Resize() {
  if (!m_object) return;
  RECT r;
  GetClientRect(m_wnd, &r);
  CComRef<IOleInPlaceObject> inPlace;
  if (SUCCEEDED(m_object->QueryInterface(IID_IOleInPlaceObject, inPlace.ReceiveVoid()))) inPlace->SetObjectRects(&r, &r);
}

bool CWebBrowserHost::Navigate(const std::string& url) {
  if (!IsReady()) return false;
  CBstr address(url);
  VARIANT none;
  VariantInit(&none);
  return Check(m_browser->Navigate(address.Get(), &none, &none, &none, &none));
}

bool CWebBrowserHost::GoBack() { return IsReady() && Check(m_browser->GoBack()); }

bool CWebBrowserHost::SetZoom(int percent) {
  if (!IsReady()) return false;
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_I4;
  value.lVal = percent;
  return Check(m_browser->ExecWB(OLECMDID_OPTICAL_ZOOM, OLECMDEXECOPT_DONTPROMPTUSER, &value, nullptr));
}

std::string CWebBrowserHost::BodyInnerText() {
  if (!IsReady()) return {};
  CComRef<IDispatch> document;
  CComRef<IHTMLDocument2> html;
  CComRef<IHTMLElement> body;
  CBstr text;
  if (!Check(m_browser->get_Document(document.Receive())) || !document) return {};
  if (!Check(document->QueryInterface(IID_IHTMLDocument2, html.ReceiveVoid()))) return {};
  if (!Check(html->get_body(body.Receive())) || !body) return {};
  if (!Check(body->get_innerText(text.Receive()))) return {};
  return text.Ansi();
}

void CWebBrowserHost::OnDocumentComplete(const std::string& url) {
  if (m_events.documentComplete) m_events.documentComplete(url);
}

void CWebBrowserHost::OnNewWindow(const std::string& url, bool& cancel) {
  if (m_events.newWindow) m_events.newWindow(url, cancel);
}

void CWebBrowserHost::OnHostInfo(DWORD& flags, DWORD& doubleClick) {
  if (m_events.hostInfo) m_events.hostInfo(flags, doubleClick);
}

LRESULT CALLBACK CWebBrowserHost::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrA(wnd, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
  }
  auto* self = reinterpret_cast<CWebBrowserHost*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  if (self && msg == WM_SIZE) self->Resize();
  if (msg == WM_NCDESTROY) SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
  return DefWindowProcA(wnd, msg, wParam, lParam);
}

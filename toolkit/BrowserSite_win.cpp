#include "BrowserSite_win.h"

#include <exdispid.h>

#include <atomic>

#include "ComRef.h"
#include "TextCodec_win.h"

namespace {

std::atomic<long> g_liveSites{0};

// The text of an event argument that is a string, directly or by reference; empty otherwise.
std::string TextArgument(const VARIANT& v) {
  const VARIANT* value = &v;
  if (v.vt == (VT_BYREF | VT_VARIANT) && v.pvarVal) value = v.pvarVal;
  if (value->vt != VT_BSTR || !value->bstrVal) return {};
  return WideToAnsiText(std::wstring(value->bstrVal, SysStringLen(value->bstrVal)));
}

IDispatch* DispatchArgument(const VARIANT& v) {
  if (v.vt == VT_DISPATCH) return v.pdispVal;
  if (v.vt == (VT_BYREF | VT_DISPATCH) && v.ppdispVal) return *v.ppdispVal;
  return nullptr;
}

}  // namespace

CBrowserSite* CBrowserSite::Create(IBrowserSiteOwner* owner) { return new CBrowserSite(owner); }

CBrowserSite::CBrowserSite(IBrowserSiteOwner* owner) : m_owner(owner) { ++g_liveSites; }

CBrowserSite::~CBrowserSite() { --g_liveSites; }

long CBrowserSite::LiveCount() { return g_liveSites; }

HRESULT CBrowserSite::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite) *out = static_cast<IOleClientSite*>(this);
  else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) *out = static_cast<IOleInPlaceSite*>(this);
  else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame) *out = static_cast<IOleInPlaceFrame*>(this);
  else if (iid == IID_IDocHostUIHandler) *out = static_cast<IDocHostUIHandler*>(this);
  else if (iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) *out = static_cast<IDispatch*>(this);
  else return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG CBrowserSite::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_refs)); }

ULONG CBrowserSite::Release() {
  const LONG left = InterlockedDecrement(&m_refs);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT CBrowserSite::GetMoniker(DWORD, DWORD, IMoniker** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT CBrowserSite::GetContainer(IOleContainer** out) {
  if (out) *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT CBrowserSite::GetWindow(HWND* out) {
  if (!out) return E_POINTER;
  *out = m_owner ? m_owner->SiteWindow() : nullptr;
  return *out ? S_OK : E_FAIL;
}

HRESULT CBrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                       LPOLEINPLACEFRAMEINFO info) {
  if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
  *frame = this;
  AddRef();
  *doc = nullptr;
  const HWND wnd = m_owner ? m_owner->SiteWindow() : nullptr;
  RECT r{0, 0, 0, 0};
  if (wnd) GetClientRect(wnd, &r);
  *pos = r;
  *clip = r;
  info->fMDIApp = FALSE;
  info->hwndFrame = wnd ? GetAncestor(wnd, GA_ROOT) : nullptr;
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

HRESULT CBrowserSite::GetHostInfo(DOCHOSTUIINFO* info) {
  if (!info || info->cbSize < sizeof(DOCHOSTUIINFO)) return E_INVALIDARG;
  DWORD flags = 0, doubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  if (m_owner) m_owner->OnHostInfo(flags, doubleClick);
  info->dwFlags = flags;
  info->dwDoubleClick = doubleClick;
  return S_OK;
}

HRESULT CBrowserSite::GetOptionKeyPath(LPOLESTR* key, DWORD) {
  if (key) *key = nullptr;
  return E_NOTIMPL;
}

HRESULT CBrowserSite::GetDropTarget(IDropTarget*, IDropTarget** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT CBrowserSite::GetExternal(IDispatch** out) {
  if (out) *out = nullptr;
  return S_FALSE;
}

HRESULT CBrowserSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* out) {
  if (out) *out = nullptr;
  return S_FALSE;
}

HRESULT CBrowserSite::FilterDataObject(IDataObject*, IDataObject** out) {
  if (out) *out = nullptr;
  return S_FALSE;
}

HRESULT CBrowserSite::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}

bool CBrowserSite::IsTopLevel(IDispatch* frame) const {
  IUnknown* browser = m_owner ? m_owner->BrowserIdentity() : nullptr;
  CComRef<IUnknown> identity;
  if (!frame || !browser || FAILED(frame->QueryInterface(IID_IUnknown, identity.ReceiveVoid()))) return false;
  return identity.Get() == browser;
}

HRESULT CBrowserSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  if (!params || !params->rgvarg) return S_OK;
  // The owner may take the browser down while it hears an event; the site outlives the call.
  AddRef();
  const VARIANT* args = params->rgvarg;  // in reverse order: the last argument comes first
  if (id == DISPID_DOCUMENTCOMPLETE && params->cArgs >= 2) {
    if (m_owner && IsTopLevel(DispatchArgument(args[1]))) m_owner->OnDocumentComplete(TextArgument(args[0]));
  } else if (id == DISPID_NEWWINDOW3 && params->cArgs >= 5) {
    bool cancel = false;
    if (m_owner) m_owner->OnNewWindow(TextArgument(args[0]), cancel);
    const VARIANT& flag = args[3];
    if (flag.vt == (VT_BYREF | VT_BOOL) && flag.pboolVal) *flag.pboolVal = cancel ? VARIANT_TRUE : VARIANT_FALSE;
  }
  Release();
  return S_OK;
}

// The system's web browser control at work in a child window: the engine is created, activated
// in place in the window, sent to addresses and taken down again. The HTML engine the control
// needs is looked for first; where it is missing nothing is created and the host says why.
#pragma once

#include <windows.h>

#include <exdisp.h>

#include <functional>
#include <string>

#include "BrowserSite_win.h"
#include "ComRef.h"
#include "Geometry.h"

// OLE for the calling thread, for as long as the object lives.
class COleScope {
 public:
  COleScope() : m_result(OleInitialize(nullptr)) {}
  ~COleScope() {
    if (SUCCEEDED(m_result)) OleUninitialize();
  }
  COleScope(const COleScope&) = delete;
  COleScope& operator=(const COleScope&) = delete;
  HRESULT Result() const { return m_result; }

 private:
  HRESULT m_result;
};

class CWebBrowserHost : private IBrowserSiteOwner {
 public:
  struct Events {
    std::function<void(const std::string& url)> documentComplete;
    std::function<void(const std::string& url, bool& cancel)> newWindow;
    std::function<void(DWORD& flags, DWORD& doubleClick)> hostInfo;
  };

  explicit CWebBrowserHost(Events events);
  ~CWebBrowserHost() override;
  CWebBrowserHost(const CWebBrowserHost&) = delete;
  CWebBrowserHost& operator=(const CWebBrowserHost&) = delete;

  // S_OK when this machine has the HTML engine; else why not.
  static HRESULT ProbeEngine();

  // Starts the engine in a new hidden child window of `parent`. False when the engine is
  // missing or refuses; LastResult says why and nothing is left behind.
  bool Create(HWND parent);
  bool IsReady() const { return m_browser.Get() != nullptr; }
  HRESULT LastResult() const { return m_result; }
  HWND Window() const { return m_wnd; }

  // Places the window at `r` (client coordinates of the parent) and shows or hides it.
  void Place(const UiRect& r, bool shown);
  bool Navigate(const std::string& url);
  bool GoBack();
  // The engine's optical zoom, in percent.
  bool SetZoom(int percent);
  // The inner text of the loaded document's body; empty when there is none.
  std::string BodyInnerText();

 private:
  HWND SiteWindow() const override { return m_wnd; }
  IUnknown* BrowserIdentity() const override { return m_identity.Get(); }
  void OnDocumentComplete(const std::string& url) override;
  void OnNewWindow(const std::string& url, bool& cancel) override;
  void OnHostInfo(DWORD& flags, DWORD& doubleClick) override;

  static LRESULT CALLBACK WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool Fail(HRESULT result);
  bool Check(HRESULT result);
  void Resize();
  void Teardown();

  COleScope m_ole;
  Events m_events;
  HRESULT m_result = S_OK;
  HWND m_wnd = nullptr;
  CComRef<CBrowserSite> m_site;
  CComRef<IOleObject> m_object;
  CComRef<IWebBrowser2> m_browser;
  CComRef<IUnknown> m_identity;
  CComRef<IConnectionPoint> m_events2;
  DWORD m_cookie = 0;
};

// A web page inside a window: the system's web browser control, hosted in a child window that
// follows the control's place and visibility. The engine starts when the control is first
// shown or sent somewhere. Where the HTML engine is missing the control stays an empty area:
// Navigate and the other calls answer false (or nothing) and GetLastResult says why.
//
// The window that shows the page hears of it through a CWebBrowserEventHandler: finished
// top-level documents (not frames), requests for new windows, and the host-information flags
// the engine asks for (DOCHOSTUIFLAG_NO3DBORDER, DOCHOSTUIFLAG_SCROLL_NO, ...).
#pragma once

#include <memory>
#include <string>

#include "Control.h"

class CWebBrowser;
class CWebBrowserHost;

class CWebBrowserEventHandler {
 public:
  virtual ~CWebBrowserEventHandler() = default;
  virtual void DocumentComplete(CWebBrowser* /*browser*/, const std::string& /*url*/) {}
  // Set `cancel` to refuse the new window (and perhaps show `url` in this browser instead).
  virtual void NewWindow(CWebBrowser* /*browser*/, const std::string& /*url*/, bool& /*cancel*/) {}
  // Both start at the engine's defaults (0).
  virtual void GetHostInfo(CWebBrowser* /*browser*/, DWORD& /*flags*/, DWORD& /*doubleClick*/) {}
};

class CWebBrowser : public CControl {
 public:
  CWebBrowser();
  ~CWebBrowser() override;
  const char* GetClass() const override { return "WebBrowser"; }

  void SetEventHandler(CWebBrowserEventHandler* handler) { m_handler = handler; }
  bool Navigate(const std::string& url);
  bool GoBack();
  // The engine's optical zoom, in percent.
  bool SetZoom(int percent);
  // The inner text of the loaded document's body; empty when there is none.
  std::string GetBodyInnerText();
  // Whether the engine runs in this control.
  bool IsReady() const;
  // The outcome of the last call to the engine, or why it could not start.
  HRESULT GetLastResult() const;
  // The child window the engine lives in, while it runs.
  HWND GetHostWindow() const;

  void SetPos(const UiRect& pos) override;
  void SetManager(CPaintManager* manager, CControl* parent) override;
  void SetVisible(bool visible) override;
  bool SetAttribute(const std::string& name, const std::string& value) override;

 private:
  bool EnsureHost();
  bool IsShownInWindow() const;
  void PlaceHost();

  std::unique_ptr<CWebBrowserHost> m_host;
  CWebBrowserEventHandler* m_handler = nullptr;
  bool m_engineMissing = false;
  bool m_startQueued = false;
  HRESULT m_startResult = S_OK;
  std::string m_homePage;  // the "url" of the layout, opened when the engine starts
};

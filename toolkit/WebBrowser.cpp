#include "WebBrowser.h"

#include "PaintManager.h"
#include "TabLayout.h"
#include "WebBrowserHost_win.h"

CWebBrowser::CWebBrowser() { SetBkColor(0xFFFFFFFF); }

CWebBrowser::~CWebBrowser() = default;

bool CWebBrowser::EnsureHost() {
  if (m_host) return true;
  if (m_engineMissing || !m_manager || !m_manager->GetPaintWindow()) return false;
  CWebBrowserHost::Events events;
  events.documentComplete = [this](const std::string& url) {
    if (m_handler) m_handler->DocumentComplete(this, url);
  };
  events.newWindow = [this](const std::string& url, bool& cancel) {
    if (m_handler) m_handler->NewWindow(this, url, cancel);
  };
  events.hostInfo = [this](DWORD& flags, DWORD& doubleClick) {
    if (m_handler) m_handler->GetHostInfo(this, flags, doubleClick);
  };
  auto host = std::make_unique<CWebBrowserHost>(std::move(events));
  if (!host->Create(m_manager->GetPaintWindow())) {
    // Tried once per window: a missing engine does not appear while the program runs.
    m_engineMissing = true;
    m_startResult = host->LastResult();
    return false;
  }
  m_host = std::move(host);
  PlaceHost();
  if (!m_homePage.empty()) m_host->Navigate(m_homePage);
  return true;
}

bool CWebBrowser::Navigate(const std::string& url) { return EnsureHost() && m_host->Navigate(url); }

bool CWebBrowser::GoBack() { return m_host && m_host->GoBack(); }

bool CWebBrowser::SetZoom(int percent) { return EnsureHost() && m_host->SetZoom(percent); }

std::string CWebBrowser::GetBodyInnerText() { return m_host ? m_host->BodyInnerText() : std::string(); }

bool CWebBrowser::IsReady() const { return m_host && m_host->IsReady(); }

HRESULT CWebBrowser::GetLastResult() const { return m_host ? m_host->LastResult() : m_startResult; }

HWND CWebBrowser::GetHostWindow() const { return m_host ? m_host->Window() : nullptr; }

bool CWebBrowser::IsShownInWindow() const {
  if (m_pos.IsEmpty()) return false;
  for (const CControl* c = this; c; c = c->GetParent()) {
    if (!c->IsVisible()) return false;
    const auto* tab = dynamic_cast<const CTabLayout*>(c->GetParent());
    if (tab && tab->GetItemAt(tab->GetCurSel()) != c) return false;
  }
  return true;
}

void CWebBrowser::PlaceHost() {
  if (m_host) m_host->Place(m_pos, IsShownInWindow());
}

void CWebBrowser::SetPos(const UiRect& pos) {
  CControl::SetPos(pos);
  if (m_host) {
    PlaceHost();
  } else if (!m_startQueued && !m_engineMissing && m_manager && IsShownInWindow()) {
    // Layout runs inside painting; the engine starts once that is over.
    m_startQueued = m_manager->PostToControl(this, [](CControl& c) {
      auto& self = static_cast<CWebBrowser&>(c);
      self.m_startQueued = false;
      self.EnsureHost();
    });
  }
}

void CWebBrowser::SetManager(CPaintManager* manager, CControl* parent) {
  if (manager != m_manager) {
    // The engine's window is a child of the old window; a new window starts afresh.
    m_host.reset();
    m_engineMissing = false;
    m_startQueued = false;
  }
  CControl::SetManager(manager, parent);
}

void CWebBrowser::SetVisible(bool visible) {
  CControl::SetVisible(visible);
  PlaceHost();
}

bool CWebBrowser::SetAttribute(const std::string& name, const std::string& value) {
  if (name == "url") {
    m_homePage = value;
    return true;
  }
  return CControl::SetAttribute(name, value);
}

// The paint manager's message side: mouse, keyboard, timers, tooltips, painting and the
// pre-translation of queued messages.
#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "Control.h"
#include "PaintManager.h"
#include "TextCodec_win.h"
#include "WindowShadow_win.h"

namespace {

// The managers of this thread, for finding the one a queued message belongs to.
thread_local std::vector<CPaintManager*> t_managers;

// The wheel goes to the control under the mouse and on up its parents until one scrolls.
bool RouteWheel(CPaintManager& pm, WPARAM wParam, LPARAM lParam) {
  POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};  // screen coordinates
  ScreenToClient(pm.GetPaintWindow(), &pt);
  ControlEvent event{UiEvent::ScrollWheel, pt.x, pt.y,
                     static_cast<WPARAM>(static_cast<intptr_t>(GET_WHEEL_DELTA_WPARAM(wParam))), 0};
  for (CControl* c = pm.FindControlAt(pt.x, pt.y); c && !event.handled; c = c->GetParent()) {
    if (c->IsEnabled()) c->DoEvent(event);
  }
  return event.handled;
}

}  // namespace

void CPaintManager::RegisterManager(CPaintManager* manager) {
  if (std::find(t_managers.begin(), t_managers.end(), manager) == t_managers.end()) t_managers.push_back(manager);
}

void CPaintManager::UnregisterManager(CPaintManager* manager) {
  t_managers.erase(std::remove(t_managers.begin(), t_managers.end(), manager), t_managers.end());
}

UINT CPaintManager::WorkMessage() {
  static const UINT message = RegisterWindowMessageA("UIToolkitHandOff");
  return message;
}

bool CPaintManager::TranslateMessage(const MSG* msg) {
  for (HWND w = msg->hwnd; w; w = GetParent(w)) {
    for (CPaintManager* m : t_managers) {
      if (m->m_wnd != w) continue;
      LRESULT ignored = 0;
      return m->PreMessageHandler(msg->message, msg->wParam, msg->lParam, ignored);
    }
  }
  return false;
}

int CPaintManager::MessageLoop() {
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (!TranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}

bool CPaintManager::PreMessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const std::vector<IMessageFilterUI*> filters = m_filters;
  for (IMessageFilterUI* f : filters) {
    bool handled = false;
    const LRESULT r = f->MessageFilter(msg, wParam, lParam, handled);
    if (handled) {
      result = r;
      return true;
    }
  }
  return false;
}

bool CPaintManager::MessageHandler(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (!m_wnd) return false;
  result = 0;
  if (msg == WorkMessage()) {
    RunHandOff();
    return true;
  }
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return true;
    case WM_ERASEBKGND:
      result = 1;  // the whole client area is painted from the back buffer
      return true;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) {
        NeedUpdate();
        ApplyRoundCorner();
      }
      UpdateShadow();
      return false;
    case WM_SHOWWINDOW:
      // Sent before the window changes state: a shadow must go now, it follows a show later.
      if (!wParam && m_shadow) ShowWindow(m_shadow->Window(), SW_HIDE);
      return false;
    case WM_WINDOWPOSCHANGED:
      // Not answered here: the default handling turns position changes into WM_SIZE and WM_MOVE.
      UpdateShadow();
      return false;
    case WM_GETMINMAXINFO:
      FillMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
      return true;
    case WM_TIMER: {
      auto it = std::find_if(m_timers.begin(), m_timers.end(), [&](const TimerEntry& t) { return t.native == wParam; });
      if (it == m_timers.end()) return false;
      SendEvent(it->control, UiEvent::Timer, 0, 0, it->id);
      return true;
    }
    case WM_KEYDOWN:
      if (wParam == VK_TAB) {
        MoveFocus(GetKeyState(VK_SHIFT) >= 0);
        return true;
      }
      if (!m_focus) return false;
      SendEvent(m_focus, UiEvent::KeyDown, 0, 0, wParam);
      return true;
    case WM_MOUSEWHEEL:
      return RouteWheel(*this, wParam, lParam);
    case WM_KILLFOCUS:
      HideToolTip();
      return false;
    case WM_DESTROY:
      m_shadow.reset();
      HideToolTip();
      return false;
    default:
      return HandleMouse(msg, lParam);
  }
}

void CPaintManager::FillMinMaxInfo(MINMAXINFO& info) const {
  if (m_minInfo.cx > 0) info.ptMinTrackSize.x = m_minInfo.cx;
  if (m_minInfo.cy > 0) info.ptMinTrackSize.y = m_minInfo.cy;
  // A frameless window maximises to the work area of its monitor, not over the taskbar.
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  if (GetMonitorInfoA(MonitorFromWindow(m_wnd, MONITOR_DEFAULTTONEAREST), &mi)) {
    info.ptMaxPosition = {mi.rcWork.left - mi.rcMonitor.left, mi.rcWork.top - mi.rcMonitor.top};
    info.ptMaxSize = {mi.rcWork.right - mi.rcWork.left, mi.rcWork.bottom - mi.rcWork.top};
  }
}

bool CPaintManager::HandleMouse(UINT msg, LPARAM lParam) {
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  switch (msg) {
    case WM_MOUSEMOVE: {
      if (!m_trackingMouse) {
        TRACKMOUSEEVENT tme = {sizeof tme, TME_LEAVE | TME_HOVER, m_wnd, HOVER_DEFAULT};
        m_trackingMouse = TrackMouseEvent(&tme) != FALSE;
      }
      if (m_captured) {
        SendEvent(m_captured, UiEvent::MouseMove, x, y);
        return true;
      }
      SetHot(FindControlAt(x, y), x, y);
      if (m_hot) SendEvent(m_hot, UiEvent::MouseMove, x, y);
      return true;
    }
    case WM_MOUSEHOVER:
      m_trackingMouse = false;  // hover tracking ends with each report; the next move re-arms it
      ShowToolTip();
      return true;
    case WM_MOUSELEAVE:
      m_trackingMouse = false;
      HideToolTip();
      if (!m_captured) SetHot(nullptr, x, y);
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      HideToolTip();
      if (::GetFocus() != m_wnd) ::SetFocus(m_wnd);
      CControl* target = FindControlAt(x, y);
      if (!target || !target->IsEnabled()) return false;
      m_captured = target;
      SetCapture(m_wnd);
      if (target->WantsFocus()) SetFocus(target);
      if (m_captured == target) {
        SendEvent(target, msg == WM_LBUTTONDOWN ? UiEvent::ButtonDown : UiEvent::DoubleClick, x, y);
      }
      return true;
    }
    case WM_LBUTTONUP: {
      CControl* target = m_captured;
      m_captured = nullptr;
      if (GetCapture() == m_wnd) ReleaseCapture();
      if (!target) return false;
      SendEvent(target, UiEvent::ButtonUp, x, y);
      return true;
    }
    case WM_CAPTURECHANGED:
      if (m_captured && reinterpret_cast<HWND>(lParam) != m_wnd) {
        CControl* lost = m_captured;
        m_captured = nullptr;
        SendEvent(lost, UiEvent::CaptureLost);
      }
      return false;
    default:
      return false;
  }
}

void CPaintManager::SendEvent(CControl* control, UiEvent type, int x, int y, WPARAM wParam) {
  if (!control) return;
  ControlEvent event{type, x, y, wParam, 0};
  control->DoEvent(event);
}

void CPaintManager::SetHot(CControl* control, int x, int y) {
  if (control == m_hot) return;
  HideToolTip();
  CControl* old = m_hot;
  m_hot = control;
  if (old) SendEvent(old, UiEvent::MouseLeave, x, y);
  if (control && m_hot == control) SendEvent(control, UiEvent::MouseEnter, x, y);
}

void CPaintManager::OnControlHidden(CControl* control) {
  // Lets go of every state held by the control or by anything inside it.
  auto inside = [control](const CControl* c) {
    for (; c; c = c->GetParent()) {
      if (c == control) return true;
    }
    return false;
  };
  if (inside(m_captured)) {
    CControl* lost = m_captured;
    m_captured = nullptr;
    if (GetCapture() == m_wnd) ReleaseCapture();
    SendEvent(lost, UiEvent::CaptureLost);
  }
  if (inside(m_hot)) SetHot(nullptr, 0, 0);
  if (inside(m_focus)) SetFocus(nullptr);
}

void CPaintManager::MoveFocus(bool forward) {
  std::vector<CControl*> order;
  if (m_root) {
    m_root->Visit([&](CControl& c) {
      if (c.WantsFocus() && c.IsEnabled() && IsShown(&c)) order.push_back(&c);
    });
  }
  if (order.empty()) return;
  auto it = std::find(order.begin(), order.end(), m_focus);
  size_t next;
  if (it == order.end()) {
    next = forward ? 0 : order.size() - 1;
  } else {
    const size_t at = static_cast<size_t>(it - order.begin());
    next = forward ? (at + 1) % order.size() : (at + order.size() - 1) % order.size();
  }
  SetFocus(order[next]);
}

void CPaintManager::ShowToolTip() {
  if (!m_hot || m_hot->GetToolTip().empty()) return;
  if (!m_toolTip) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    m_toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_wnd, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (!m_toolTip) return;
  }
  m_toolTipText = AnsiToWideText(m_hot->GetToolTip());
  TTTOOLINFOW ti = {};
  ti.cbSize = sizeof ti;
  ti.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  ti.hwnd = m_wnd;
  ti.uId = 1;
  ti.lpszText = &m_toolTipText[0];
  SendMessageW(m_toolTip, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  SendMessageW(m_toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  POINT cursor;
  GetCursorPos(&cursor);
  SendMessageW(m_toolTip, TTM_TRACKPOSITION, 0, MAKELPARAM(cursor.x, cursor.y + 20));
  SendMessageW(m_toolTip, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&ti));
  m_toolTipOwner = m_hot;
}

void CPaintManager::HideToolTip() {
  if (!m_toolTipOwner || !m_toolTip) return;
  TTTOOLINFOW ti = {};
  ti.cbSize = sizeof ti;
  ti.hwnd = m_wnd;
  ti.uId = 1;
  SendMessageW(m_toolTip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&ti));
  m_toolTipOwner = nullptr;
}

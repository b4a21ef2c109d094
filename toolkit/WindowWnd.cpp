#include "WindowWnd.h"

#include <algorithm>

#include "PaintManager.h"
#include "Skin_win.h"

bool CWindowWnd::RegisterWindowClass() {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  if (const char* super = GetSuperClassName()) {
    // A superclass: our procedure first, the system class's procedure as the default handling.
    if (!GetClassInfoExA(nullptr, super, &wc) && !GetClassInfoExA(skin::Instance(), super, &wc)) return false;
    m_superProc = wc.lpfnWndProc;
  } else {
    wc.style = GetClassStyle();
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  }
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = skin::Instance();
  wc.lpszClassName = GetWindowClassName();
  return RegisterClassExA(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CWindowWnd::Create(HWND parent, const char* name, DWORD style, DWORD exStyle, int x, int y, int cx, int cy,
                        HMENU menu) {
  if (m_hWnd || !RegisterWindowClass()) return nullptr;
  return CreateWindowExA(exStyle, GetWindowClassName(), name, style, x, y, cx, cy, parent, menu, skin::Instance(), this);
}

LRESULT CALLBACK CWindowWnd::WindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CWindowWnd* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<CWindowWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->m_hWnd = wnd;
    SetWindowLongPtrA(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<CWindowWnd*>(GetWindowLongPtrA(wnd, GWLP_USERDATA));
  }
  if (!self) return DefWindowProcA(wnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    const LRESULT result = CallWindowProcA(self->m_superProc, wnd, msg, wParam, lParam);
    SetWindowLongPtrA(wnd, GWLP_USERDATA, 0);
    self->m_hWnd = nullptr;
    self->m_inModal = false;
    self->m_modalOwner = nullptr;
    self->OnFinalMessage(wnd);  // may delete the object
    return result;
  }
  if (msg == WM_CLOSE && self->m_inModal) return self->HandleModalClose(wParam, lParam);
  return self->HandleMessage(msg, wParam, lParam);
}

// The owner of a modal window gets its input back before the window disappears, so that the
// system does not hand the focus to another program in between. Should the window decide to
// stay open after all, the owner is disabled again.
LRESULT CWindowWnd::HandleModalClose(WPARAM wParam, LPARAM lParam) {
  const HWND wnd = m_hWnd, owner = m_modalOwner;
  if (owner) {
    EnableWindow(owner, TRUE);
    SetFocus(owner);
  }
  const LRESULT result = HandleMessage(WM_CLOSE, wParam, lParam);  // may delete the object
  if (owner && IsWindow(wnd) && IsWindowVisible(wnd)) {
    EnableWindow(owner, FALSE);
    SetFocus(wnd);
  }
  return result;
}

LRESULT CWindowWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(m_superProc, m_hWnd, msg, wParam, lParam);
}

void CWindowWnd::ShowWindow(bool show, bool takeFocus) {
  if (IsWindow(m_hWnd)) ::ShowWindow(m_hWnd, show ? (takeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE) : SW_HIDE);
}

UINT CWindowWnd::ShowModal() {
  // Only locals are used once the loop runs: the object may delete itself with its window.
  const HWND wnd = m_hWnd;
  if (!IsWindow(wnd)) return kClosedResult;
  const HWND owner = GetWindow(wnd, GW_OWNER);
  m_modalOwner = owner;
  m_inModal = true;
  ::ShowWindow(wnd, SW_SHOWNORMAL);
  if (owner) EnableWindow(owner, FALSE);

  UINT result = kClosedResult;
  bool quit = false;
  MSG msg = {};
  while (IsWindow(wnd)) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      quit = got == 0;
      break;
    }
    if (msg.message == WM_CLOSE && msg.hwnd == wnd) result = static_cast<UINT>(msg.wParam);
    if (!CPaintManager::TranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  if (IsWindow(wnd)) m_inModal = false;  // the loop ended on a quit message; the window lives on
  if (owner) {
    EnableWindow(owner, TRUE);
    SetFocus(owner);
  }
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
  return result;
}

void CWindowWnd::Close(UINT result) {
  if (IsWindow(m_hWnd)) ::PostMessageA(m_hWnd, WM_CLOSE, result, 0);
}

void CWindowWnd::CenterWindow() {
  if (!IsWindow(m_hWnd)) return;
  RECT rc;
  GetWindowRect(m_hWnd, &rc);
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  const HWND owner = GetWindow(m_hWnd, GW_OWNER);
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  GetMonitorInfoA(MonitorFromWindow(owner ? owner : m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
  RECT area = mi.rcWork;
  if (owner && !IsIconic(owner)) GetWindowRect(owner, &area);
  int x = area.left + (area.right - area.left - width) / 2;
  int y = area.top + (area.bottom - area.top - height) / 2;
  // Kept inside the work area; a window larger than it starts at its top-left corner.
  x = std::max<int>(std::min<int>(x, mi.rcWork.right - width), mi.rcWork.left);
  y = std::max<int>(std::min<int>(y, mi.rcWork.bottom - height), mi.rcWork.top);
  SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWindowWnd::SetIcon(UINT resourceId) {
  const HINSTANCE instance = skin::Instance();
  const int flags = LR_DEFAULTCOLOR | LR_SHARED;
  HANDLE big = LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                          GetSystemMetrics(SM_CYICON), flags);
  HANDLE smallIcon = LoadImageA(instance, MAKEINTRESOURCEA(resourceId), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                            GetSystemMetrics(SM_CYSMICON), flags);
  if (big) ::SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  if (smallIcon) ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon));
}

LRESULT CWindowWnd::SendMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::SendMessageA(m_hWnd, msg, wParam, lParam);
}

bool CWindowWnd::PostMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::PostMessageA(m_hWnd, msg, wParam, lParam) != FALSE;
}

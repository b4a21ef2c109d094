#include "PopupWnd.h"

#include "Control.h"
#include "LayoutBuilder.h"
#include "PopupPlacement.h"

namespace {

UiRect WorkAreaAt(const UiRect& r) {
  RECT rc{r.left, r.top, r.right, r.bottom};
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  GetMonitorInfoA(MonitorFromRect(&rc, MONITOR_DEFAULTTONEAREST), &mi);
  return {mi.rcWork.left, mi.rcWork.top, mi.rcWork.right, mi.rcWork.bottom};
}

}  // namespace

CPopupWnd::~CPopupWnd() {
  if (IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

bool CPopupWnd::Open(HWND owner, std::unique_ptr<CControl> root, const UiRect& rect, const PopupPlacement& how) {
  if (IsOpen() || !root) return false;
  m_pendingRoot = std::move(root);
  if (!Create(owner, "", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, rect.left,
              rect.top, rect.Width(), rect.Height())) {
    m_pendingRoot.reset();
    return false;
  }
  // The layout may have given the window its own size while it was built.
  RECT now;
  GetWindowRect(m_hWnd, &now);
  const UiRect placed = ClampIntoArea({now.left, now.top, now.right, now.bottom},
                                      WorkAreaAt({now.left, now.top, now.right, now.bottom}), how.clampX, how.clampY);
  SetWindowPos(m_hWnd, HWND_TOPMOST, placed.left, placed.top, placed.Width(), placed.Height(),
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  m_pm.UpdateLayout();  // controls have their places before anyone looks at them
  if (how.activate) {
    SetForegroundWindow(m_hWnd);
    SetFocus(m_hWnd);
  }
  return true;
}

bool CPopupWnd::OpenLayout(HWND owner, const std::string& layout, UiPoint at, const PopupPlacement& how) {
  if (IsOpen()) return false;
  std::unique_ptr<CControl> root = BuildLayout(layout, &m_pm);
  if (!root) return false;
  const UiSize size = m_pm.GetInitSize();
  return Open(owner, std::move(root), {at.x, at.y, at.x + size.cx, at.y + size.cy}, how);
}

void CPopupWnd::SetRegionInsets(const UiRect& insets) {
  m_insets = insets;
  ApplyRegion();
}

void CPopupWnd::ApplyRegion() {
  if (!IsWindow(m_hWnd) || IsIconic(m_hWnd) || m_insets == UiRect{}) return;
  RECT r;
  GetWindowRect(m_hWnd, &r);
  HRGN region = CreateRectRgn(m_insets.left, m_insets.top, r.right - r.left - m_insets.right,
                              r.bottom - r.top - m_insets.bottom);
  if (region && !SetWindowRgn(m_hWnd, region, TRUE)) DeleteObject(region);  // on success the window owns it
}

LRESULT CPopupWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      m_pm.Init(m_hWnd);
      m_pm.AttachRoot(std::move(m_pendingRoot));
      m_pm.AddNotifier(this);
      return 0;
    case WM_KILLFOCUS: {
      const HWND next = reinterpret_cast<HWND>(wParam);
      if (next != m_hWnd && !IsChild(m_hWnd, next)) Close(IDCANCEL);
      break;
    }
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) {
        Close(IDCANCEL);
        return 0;
      }
      break;
    case WM_SIZE:
      if (wParam != SIZE_MINIMIZED) ApplyRegion();
      break;
    default:
      break;
  }
  LRESULT result = 0;
  if (m_pm.MessageHandler(msg, wParam, lParam, result)) return result;
  return CWindowWnd::HandleMessage(msg, wParam, lParam);
}

void CPopupWnd::OnFinalMessage(HWND) {
  m_pm.RemoveNotifier(this);
  m_pm.AttachRoot(nullptr);
}

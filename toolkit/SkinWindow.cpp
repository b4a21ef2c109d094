#include "SkinWindow.h"

#include "Container.h"
#include "FrameHitTest_win.h"

LRESULT CSkinWindow::OnCreate() {
  m_pm.Init(m_hWnd);
  m_pm.AddMessageFilter(this);
  std::unique_ptr<CControl> root = BuildLayout(GetSkinFolder() + GetSkinFile(), &m_pm, this);
  // A missing or broken layout leaves an empty window rather than none: look-ups then find nothing.
  if (!root) root = std::make_unique<CContainer>();
  m_pm.AttachRoot(std::move(root));
  m_pm.AddNotifier(this);
  InitWindow();
  return 0;
}

LRESULT CSkinWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  bool handled = false;
  LRESULT result = HandleCustomMessage(msg, wParam, lParam, handled);
  if (handled) return result;
  switch (msg) {
    case WM_CREATE:
      return OnCreate();
    case WM_NCACTIVATE:
      // The system's active frame is never drawn; only the answer matters.
      if (!IsIconic(m_hWnd)) return wParam == 0 ? TRUE : FALSE;
      break;
    case WM_NCCALCSIZE:
    case WM_NCPAINT:
      return 0;  // no system frame: the client area is the whole window
    case WM_NCHITTEST:
      return FrameHitTest(m_hWnd, m_pm, lParam, GetCaptionVariant());
    case WM_SIZE:
      if (wParam == SIZE_MAXIMIZED || wParam == SIZE_RESTORED) FollowMaximisedState(wParam == SIZE_MAXIMIZED);
      break;
    default:
      break;
  }
  if (m_pm.MessageHandler(msg, wParam, lParam, result)) return result;
  return CWindowWnd::HandleMessage(msg, wParam, lParam);
}

void CSkinWindow::FollowMaximisedState(bool maximised) {
  if (CControl* button = m_pm.FindControl("maxbtn")) button->SetVisible(!maximised);
  if (CControl* button = m_pm.FindControl("restorebtn")) button->SetVisible(maximised);
}

void CSkinWindow::OnFinalMessage(HWND) {
  m_pm.RemoveNotifier(this);
  m_pm.RemoveMessageFilter(this);
  m_pm.AttachRoot(nullptr);
}

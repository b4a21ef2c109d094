#include "WindowShadow_win.h"

#include "Render_win.h"
#include "Skin_win.h"

namespace {

const char kShadowClass[] = "UIToolkitShadow";

ATOM RegisterShadowClass() {
  static ATOM atom = [] {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = skin::Instance();
    wc.lpszClassName = kShadowClass;
    return RegisterClassExA(&wc);
  }();
  return atom;
}

}  // namespace

CWindowShadow::CWindowShadow(HWND host, const ImageDescriptor& image, int size)
    : m_host(host), m_image(image), m_size(size) {
  if (!RegisterShadowClass()) return;
  // Not owned by the host: owned windows always stay above their owner, and the shadow must not.
  m_wnd = CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kShadowClass, "",
                          WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, skin::Instance(), nullptr);
}

CWindowShadow::~CWindowShadow() {
  if (m_wnd && IsWindow(m_wnd)) DestroyWindow(m_wnd);
}

void CWindowShadow::Update() {
  if (!m_wnd || !IsWindow(m_host)) return;
  if (!IsWindowVisible(m_host) || IsIconic(m_host) || IsZoomed(m_host)) {
    ShowWindow(m_wnd, SW_HIDE);
    return;
  }
  RECT r;
  GetWindowRect(m_host, &r);
  const int width = r.right - r.left + 2 * m_size;
  const int height = r.bottom - r.top + 2 * m_size;
  if (width != m_painted.cx || height != m_painted.cy) Paint(width, height);
  // Just below the host in the z-order, so it never covers the window it belongs to.
  SetWindowPos(m_wnd, m_host, r.left - m_size, r.top - m_size, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void CWindowShadow::Paint(int width, int height) {
  if (!m_surface.Resize(width, height)) return;
  {
    CRenderContext rc(m_surface, {0, 0, width, height});
    rc.DrawImage({0, 0, width, height}, m_image);
  }
  POINT origin = {0, 0};
  SIZE size = {width, height};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  HDC screen = GetDC(nullptr);
  UpdateLayeredWindow(m_wnd, screen, nullptr, &size, m_surface.Dc(), &origin, 0, &blend, ULW_ALPHA);
  ReleaseDC(nullptr, screen);
  m_painted = size;
}

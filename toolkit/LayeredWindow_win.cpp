#include "LayeredWindow_win.h"

#include "Render_win.h"

bool PaintLayeredImage(HWND wnd, const ImageDescriptor& image, CDibSurface& surface) {
  RECT r;
  if (!IsWindow(wnd) || !GetWindowRect(wnd, &r)) return false;
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (!surface.Resize(width, height)) return false;  // also clears it to transparent
  bool drawn;
  {
    CRenderContext rc(surface, {0, 0, width, height});
    drawn = rc.DrawImage({0, 0, width, height}, image);
  }
  if (!drawn) return false;
  POINT position{r.left, r.top}, origin{0, 0};
  SIZE size{width, height};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  HDC screen = GetDC(nullptr);
  const BOOL ok = UpdateLayeredWindow(wnd, screen, &position, &size, surface.Dc(), &origin, 0, &blend, ULW_ALPHA);
  ReleaseDC(nullptr, screen);
  return ok != FALSE;
}

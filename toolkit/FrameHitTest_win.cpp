#include "FrameHitTest_win.h"

#include <windows.h>

#include <windowsx.h>

#include "Control.h"
#include "PaintManager.h"

namespace {

UiPoint ClientPoint(HWND wnd, LPARAM screenPoint) {
  POINT pt = {GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
  ScreenToClient(wnd, &pt);
  return {pt.x, pt.y};
}

UiRect ClientRect(HWND wnd) {
  RECT r;
  GetClientRect(wnd, &r);
  return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

LRESULT CaptionHitTest(HWND wnd, CPaintManager& pm, LPARAM screenPoint, CaptionVariant variant) {
  const UiPoint pt = ClientPoint(wnd, screenPoint);
  if (!InCaptionBand(ClientRect(wnd), pm.GetCaptionRect(), pt)) return HTCLIENT;
  CControl* control = pm.FindControlAt(pt.x, pt.y);
  return control && !BlocksCaptionDrag(variant, control->GetClass()) ? HTCAPTION : HTCLIENT;
}

LRESULT FrameHitTest(HWND wnd, CPaintManager& pm, LPARAM screenPoint, CaptionVariant variant) {
  if (!IsZoomed(wnd)) {
    static const LRESULT kAnswers[] = {HTCLIENT,  HTLEFT,    HTTOP,        HTRIGHT,      HTBOTTOM,
                                       HTTOPLEFT, HTTOPRIGHT, HTBOTTOMLEFT, HTBOTTOMRIGHT};
    const SizingZone zone = SizingZoneAt(ClientRect(wnd), pm.GetSizeBox(), ClientPoint(wnd, screenPoint));
    if (zone != SizingZone::None) return kAnswers[static_cast<int>(zone)];
  }
  return CaptionHitTest(wnd, pm, screenPoint, variant);
}

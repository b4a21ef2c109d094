// The system hit test of frameless windows: their layout's caption band drags them and its
// sizing border resizes them.
#pragma once

#include <windows.h>

#include "CaptionRules.h"

class CPaintManager;

// HTCAPTION inside the caption band where the control under the point does not keep the mouse
// (see CaptionVariant), otherwise HTCLIENT. `screenPoint` is the lParam of WM_NCHITTEST.
LRESULT CaptionHitTest(HWND wnd, CPaintManager& pm, LPARAM screenPoint, CaptionVariant variant);
// The sizing border first (unless the window is maximised), then the caption band.
LRESULT FrameHitTest(HWND wnd, CPaintManager& pm, LPARAM screenPoint, CaptionVariant variant);

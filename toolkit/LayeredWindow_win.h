// Drawing a layered window from a skin image: the image descriptor (nine-grid "corner" scaling,
// alpha) is drawn over the window's whole size into a 32-bit surface and handed to the system
// with per-pixel alpha, so soft shadows and rounded backgrounds blend with what lies beneath.
// Shadow windows of menus and drop-downs repaint themselves this way whenever their size changes.
#pragma once

#include <windows.h>

#include "DibSurface_win.h"
#include "ImageDescriptor.h"

// Paints `image` over the whole of `wnd` (a window with WS_EX_LAYERED) at its current screen
// position and size; the surface is the caller's, kept between paints. False when the window has
// no size, the image is missing or the system refuses.
bool PaintLayeredImage(HWND wnd, const ImageDescriptor& image, CDibSurface& surface);

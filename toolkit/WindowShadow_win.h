// A drawn shadow around a window: a layered, click-through tool window kept just below the host and `size` pixels larger on every side, painted from a nine-grid image with
// per-pixel alpha. It hides while the host is hidden, minimised or maximised.
#pragma once

#include <windows.h>

#include "DibSurface_win.h"
#include "ImageDescriptor.h"

class CWindowShadow {
 public:
  CWindowShadow(HWND host, const ImageDescriptor& image, int size);
  ~CWindowShadow();
  CWindowShadow(const CWindowShadow&) = delete;
  CWindowShadow& operator=(const CWindowShadow&) = delete;

  // Follows the host's position, size and visibility; repaints when the size changed.
  void Update();
  HWND Window() const { return m_wnd; }

 private:
  void Paint(int width, int height);

  HWND m_host;
  HWND m_wnd = nullptr;
  ImageDescriptor m_image;
  int m_size;
  SIZE m_painted = {0, 0};
  CDibSurface m_surface;
};

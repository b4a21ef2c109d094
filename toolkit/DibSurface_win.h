// A 32-bit top-down DIB section with a device context and a GDI+ view of the same pixels
// (premultiplied ARGB), the surface every paint pass and every layered window draws on.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <memory>

class CDibSurface {
 public:
  CDibSurface() = default;
  ~CDibSurface();
  CDibSurface(const CDibSurface&) = delete;
  CDibSurface& operator=(const CDibSurface&) = delete;

  // Makes the surface at least usable at this size, recreating it when the size differs; the
  // pixels are cleared to transparent black. False when the system refuses the bitmap.
  bool Resize(int width, int height);
  void Clear();

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  HDC Dc() const { return m_dc; }
  // The pixels, row by row from the top, premultiplied 0xAARRGGBB.
  uint32_t* Bits() const { return m_bits; }
  Gdiplus::Bitmap* Bitmap() const { return m_bitmap.get(); }
  // 0xAARRGGBB (premultiplied); 0 outside the surface.
  uint32_t Pixel(int x, int y) const;

 private:
  void Release();

  int m_width = 0;
  int m_height = 0;
  HDC m_dc = nullptr;
  HBITMAP m_dib = nullptr;
  HGDIOBJ m_oldBitmap = nullptr;
  uint32_t* m_bits = nullptr;
  std::unique_ptr<Gdiplus::Bitmap> m_bitmap;
};

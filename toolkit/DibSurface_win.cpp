#include "DibSurface_win.h"

#include <cstring>

#include "SkinImage_win.h"

CDibSurface::~CDibSurface() { Release(); }

void CDibSurface::Release() {
  m_bitmap.reset();
  if (m_dc) {
    SelectObject(m_dc, m_oldBitmap);
    DeleteDC(m_dc);
  }
  if (m_dib) DeleteObject(m_dib);
  m_dc = nullptr;
  m_dib = nullptr;
  m_bits = nullptr;
  m_width = m_height = 0;
}

bool CDibSurface::Resize(int width, int height) {
  if (width <= 0 || height <= 0) {
    Release();
    return false;
  }
  if (width == m_width && height == m_height && m_dc) {
    Clear();
    return true;
  }
  Release();
  if (!EnsureGdiplus()) return false;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  m_dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  m_dc = m_dib ? CreateCompatibleDC(nullptr) : nullptr;
  if (!m_dib || !m_dc || !bits) {
    Release();
    return false;
  }
  m_oldBitmap = SelectObject(m_dc, m_dib);
  m_bits = static_cast<uint32_t*>(bits);
  m_width = width;
  m_height = height;
  m_bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, width * 4, PixelFormat32bppPARGB,
                                               reinterpret_cast<BYTE*>(m_bits));
  Clear();
  return true;
}

void CDibSurface::Clear() {
  if (m_bits) std::memset(m_bits, 0, static_cast<size_t>(m_width) * m_height * 4);
}

uint32_t CDibSurface::Pixel(int x, int y) const {
  if (!m_bits || x < 0 || y < 0 || x >= m_width || y >= m_height) return 0;
  GdiFlush();
  return m_bits[static_cast<size_t>(y) * m_width + x];
}

// Drawing primitives of the toolkit over one device context: colour fills and borders with alpha,
// skin images by descriptor (source part, nine-grid, alpha) and text. One context serves a whole
// paint pass; GDI+ draws shapes and images, GDI draws text.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <cstdint>
#include <memory>
#include <string>

#include "Geometry.h"
#include "ImageDescriptor.h"

class CDibSurface;
class CSkinImage;

class CRenderContext {
 public:
  // Draws on a surface; everything drawn is clipped to `clip`.
  CRenderContext(CDibSurface& surface, const UiRect& clip);
  ~CRenderContext();
  CRenderContext(const CRenderContext&) = delete;
  CRenderContext& operator=(const CRenderContext&) = delete;

  HDC Dc() const { return m_dc; }
  const UiRect& Clip() const { return m_clip; }
  // Narrows the clip to its overlap with `r` (a scrolled or sliding area); answers the clip it
  // replaced, for RestoreClip. CClipScope does both.
  UiRect NarrowClip(const UiRect& r);
  void RestoreClip(const UiRect& saved);

  void FillColor(const UiRect& r, uint32_t argb);
  // Borders of the given widths (left, top, right, bottom) along the inside of `r`.
  void DrawBorder(const UiRect& r, const UiRect& widths, uint32_t argb);
  // Draws a skin image as the descriptor says; false when the image is missing.
  bool DrawImage(const UiRect& bounds, const ImageDescriptor& image);
  // Draws one frame of a decoded image scaled into `target`.
  void DrawFrame(const CSkinImage& image, size_t frame, const UiRect& target, int alpha = 255);
  // `format` takes the DT_* flags of DrawText; the alpha of the colour is not used.
  void DrawText(const UiRect& r, const std::string& ansi, uint32_t argb, HFONT font, UINT format);

 private:
  void DrawSlices(Gdiplus::Bitmap* bitmap, const UiRect& source, const UiRect& corner, const UiRect& target, int alpha);

  CDibSurface& m_surface;
  HDC m_dc;
  UiRect m_clip;
  int m_savedDc;
  HFONT m_font = nullptr;
  COLORREF m_textColor = CLR_INVALID;
  Gdiplus::Graphics m_graphics;
};

class CClipScope {
 public:
  CClipScope(CRenderContext& rc, const UiRect& r) : m_rc(rc), m_saved(rc.NarrowClip(r)) {}
  ~CClipScope() { m_rc.RestoreClip(m_saved); }
  CClipScope(const CClipScope&) = delete;
  CClipScope& operator=(const CClipScope&) = delete;

 private:
  CRenderContext& m_rc;
  UiRect m_saved;
};

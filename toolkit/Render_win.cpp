#include "Render_win.h"

#include <algorithm>

#include "DibSurface_win.h"
#include "SkinImage_win.h"
#include "Skin_win.h"
#include "TextCodec_win.h"

namespace {

COLORREF ToColorRef(uint32_t argb) { return RGB(argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF); }

// Restores a device context's clip region and selected font on scope exit.
struct SavedDc {
  HDC dc;
  int saved;
  explicit SavedDc(HDC d) : dc(d), saved(SaveDC(d)) {}
  ~SavedDc() { RestoreDC(dc, saved); }
};

}  // namespace

CRenderContext::CRenderContext(CDibSurface& surface, const UiRect& clip)
    : m_dc(surface.Dc()), m_clip(clip), m_graphics(surface.Bitmap()) {
  m_graphics.SetClip(Gdiplus::Rect(clip.left, clip.top, clip.Width(), clip.Height()));
  // Whole-pixel sampling keeps stretched nine-grid edges from blending with their neighbours.
  m_graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
  m_graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
}

void CRenderContext::FillColor(const UiRect& r, uint32_t argb) {
  if (r.IsEmpty() || (argb >> 24) == 0 || !r.Intersects(m_clip)) return;
  Gdiplus::SolidBrush brush{Gdiplus::Color(argb)};
  m_graphics.FillRectangle(&brush, r.left, r.top, r.Width(), r.Height());
}

void CRenderContext::DrawBorder(const UiRect& r, const UiRect& w, uint32_t argb) {
  if (r.IsEmpty()) return;
  FillColor({r.left, r.top, r.right, r.top + w.top}, argb);
  FillColor({r.left, r.bottom - w.bottom, r.right, r.bottom}, argb);
  FillColor({r.left, r.top + w.top, r.left + w.left, r.bottom - w.bottom}, argb);
  FillColor({r.right - w.right, r.top + w.top, r.right, r.bottom - w.bottom}, argb);
}

bool CRenderContext::DrawImage(const UiRect& bounds, const ImageDescriptor& d) {
  if (d.IsEmpty()) return false;
  const auto image = skin::Image(d.file);
  if (!image) return false;
  const UiRect target = DescriptorTarget(d, bounds);
  if (!target.Intersects(m_clip) || d.alpha == 0) return true;
  UiRect source{0, 0, image->Width(), image->Height()};
  if (d.hasSource) {
    // A source rectangle outside the image is cut to it rather than read past its edge.
    source = {std::max(d.source.left, 0), std::max(d.source.top, 0), std::min(d.source.right, image->Width()),
              std::min(d.source.bottom, image->Height())};
    if (source.IsEmpty()) return true;
  }
  DrawSlices(image->Frame(0), source, d.corner, target, d.alpha);
  return true;
}

void CRenderContext::DrawFrame(const CSkinImage& image, size_t frame, const UiRect& target, int alpha) {
  DrawSlices(image.Frame(frame), {0, 0, image.Width(), image.Height()}, {}, target, alpha);
}

void CRenderContext::DrawSlices(Gdiplus::Bitmap* bitmap, const UiRect& source, const UiRect& corner,
                                const UiRect& target, int alpha) {
  Gdiplus::ImageAttributes attributes;
  Gdiplus::ImageAttributes* use = nullptr;
  if (alpha < 255) {
    Gdiplus::ColorMatrix m = {{{1, 0, 0, 0, 0}, {0, 1, 0, 0, 0}, {0, 0, 1, 0, 0}, {0, 0, 0, alpha / 255.0f, 0}, {0, 0, 0, 0, 1}}};
    attributes.SetColorMatrix(&m);
    use = &attributes;
  }
  for (const ImageSlice& s : NineGridSlices(source, corner, target)) {
    if (!s.to.Intersects(m_clip)) continue;
    m_graphics.DrawImage(bitmap, Gdiplus::Rect(s.to.left, s.to.top, s.to.Width(), s.to.Height()), s.from.left,
                         s.from.top, s.from.Width(), s.from.Height(), Gdiplus::UnitPixel, use);
  }
}

void CRenderContext::DrawText(const UiRect& r, const std::string& ansi, uint32_t argb, HFONT font, UINT format) {
  if (ansi.empty() || r.IsEmpty() || !r.Intersects(m_clip)) return;
  const std::wstring wide = AnsiToWideText(ansi);
  SavedDc saved(m_dc);
  IntersectClipRect(m_dc, m_clip.left, m_clip.top, m_clip.right, m_clip.bottom);
  if (font) SelectObject(m_dc, font);
  SetBkMode(m_dc, TRANSPARENT);
  SetTextColor(m_dc, ToColorRef(argb));
  RECT rc{r.left, r.top, r.right, r.bottom};
  ::DrawTextW(m_dc, wide.c_str(), static_cast<int>(wide.size()), &rc, format | DT_NOPREFIX);
}

#include "Render_win.h"

#include <algorithm>

#include "DibSurface_win.h"
#include "SkinImage_win.h"
#include "Skin_win.h"
#include "TextCodec_win.h"

namespace {

COLORREF ToColorRef(uint32_t argb) { return RGB(argb >> 16 & 0xFF, argb >> 8 & 0xFF, argb & 0xFF); }

// Premultiplies a colour for the surface.
uint32_t Premultiply(uint32_t argb) {
  const uint32_t a = argb >> 24;
  if (a == 255) return argb;
  auto scale = [a](uint32_t c) { return (c * a + 127) / 255; };
  return a << 24 | scale(argb >> 16 & 0xFF) << 16 | scale(argb >> 8 & 0xFF) << 8 | scale(argb & 0xFF);
}

}  // namespace

CRenderContext::CRenderContext(CDibSurface& surface, const UiRect& clip)
    : m_surface(surface), m_dc(surface.Dc()), m_clip(clip), m_savedDc(SaveDC(m_dc)), m_graphics(surface.Bitmap()) {
  // Kept to the paint area, the clip bounded by the surface so that direct writes stay inside it.
  m_clip = {std::max(clip.left, 0), std::max(clip.top, 0), std::min(clip.right, surface.Width()),
            std::min(clip.bottom, surface.Height())};
  IntersectClipRect(m_dc, m_clip.left, m_clip.top, m_clip.right, m_clip.bottom);
  SetBkMode(m_dc, TRANSPARENT);
  m_graphics.SetClip(Gdiplus::Rect(clip.left, clip.top, clip.Width(), clip.Height()));
  // Whole-pixel sampling keeps stretched nine-grid edges from blending with their neighbours.
  m_graphics.SetInterpolationMode(Gdiplus::InterpolationModeNearestNeighbor);
  m_graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
}

CRenderContext::~CRenderContext() { RestoreDC(m_dc, m_savedDc); }

// Fills are written straight into the surface's pixels: the commonest drawing operation is far
// cheaper this way than through GDI+, and it keeps the alpha channel exact.
UiRect CRenderContext::NarrowClip(const UiRect& r) {
  const UiRect saved = m_clip;
  UiRect clip{std::max(r.left, m_clip.left), std::max(r.top, m_clip.top), std::min(r.right, m_clip.right),
              std::min(r.bottom, m_clip.bottom)};
  if (clip.IsEmpty()) clip = {};
  RestoreClip(clip);
  return saved;
}

void CRenderContext::RestoreClip(const UiRect& saved) {
  m_clip = saved;
  m_graphics.SetClip(Gdiplus::Rect(saved.left, saved.top, saved.Width(), saved.Height()));
}

void CRenderContext::FillColor(const UiRect& r, uint32_t argb) {
  if (r.IsEmpty() || (argb >> 24) == 0 || !r.Intersects(m_clip) || !m_surface.Bits()) return;
  const int left = std::max(r.left, m_clip.left), right = std::min(r.right, m_clip.right);
  const int top = std::max(r.top, m_clip.top), bottom = std::min(r.bottom, m_clip.bottom);
  const uint32_t src = Premultiply(argb);
  const uint32_t keep = 255 - (src >> 24);
  GdiFlush();
  for (int y = top; y < bottom; ++y) {
    uint32_t* row = m_surface.Bits() + static_cast<size_t>(y) * m_surface.Width();
    if (keep == 0) {
      std::fill(row + left, row + right, src);
      continue;
    }
    for (int x = left; x < right; ++x) {
      const uint32_t d = row[x];
      auto mix = [&](int shift) { return ((src >> shift & 0xFF) + ((d >> shift & 0xFF) * keep + 127) / 255) << shift; };
      row[x] = mix(24) | mix(16) | mix(8) | mix(0);
    }
  }
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
  if (font && font != m_font) {
    SelectObject(m_dc, font);
    m_font = font;
  }
  const COLORREF color = ToColorRef(argb);
  if (color != m_textColor) {
    SetTextColor(m_dc, color);
    m_textColor = color;
  }
  RECT rc{r.left, r.top, r.right, r.bottom};
  ::DrawTextW(m_dc, wide.c_str(), static_cast<int>(wide.size()), &rc, format | DT_NOPREFIX);
}

// A decoded skin image: one frame for PNG and the like, every frame with its delay for an
// animated GIF. Frames are kept as premultiplied 32-bit bitmaps, the fastest form to draw with
// alpha, and no longer depend on the bytes they were decoded from.
#pragma once

#include <windows.h>

#include <gdiplus.h>

#include <memory>
#include <vector>

// Starts GDI+ for the process on first use; it stays up until the process ends.
bool EnsureGdiplus();

class CSkinImage {
 public:
  // Null when the bytes are not an image GDI+ can read.
  static std::unique_ptr<CSkinImage> Decode(const std::vector<unsigned char>& bytes);

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  size_t FrameCount() const { return m_frames.size(); }
  Gdiplus::Bitmap* Frame(size_t index) const { return m_frames[index < m_frames.size() ? index : 0].get(); }
  // Delay after a frame in milliseconds, for animations.
  int FrameDelay(size_t index) const { return index < m_delays.size() ? m_delays[index] : 100; }

 private:
  int m_width = 0;
  int m_height = 0;
  std::vector<std::unique_ptr<Gdiplus::Bitmap>> m_frames;
  std::vector<int> m_delays;
};

#include "SkinImage_win.h"

#include <shlwapi.h>

#include <mutex>

namespace {

// Releases a COM stream when it goes out of scope.
struct StreamHolder {
  IStream* stream;
  ~StreamHolder() {
    if (stream) stream->Release();
  }
};

std::unique_ptr<Gdiplus::Bitmap> CopyFrame(Gdiplus::Bitmap& source, int width, int height) {
  auto frame = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppPARGB);
  if (frame->GetLastStatus() != Gdiplus::Ok) return nullptr;
  Gdiplus::Graphics g(frame.get());
  g.SetCompositingMode(Gdiplus::CompositingModeSourceCopy);
  if (g.DrawImage(&source, 0, 0, width, height) != Gdiplus::Ok) return nullptr;
  return frame;
}

// Frame delays of a GIF, in hundredths of a second; short or zero delays are raised to the
// 100 ms that viewers use for them, so a broken file cannot spin a timer.
std::vector<int> ReadDelays(Gdiplus::Bitmap& source, size_t frames) {
  std::vector<int> delays(frames, 100);
  const UINT size = source.GetPropertyItemSize(PropertyTagFrameDelay);
  if (size < sizeof(Gdiplus::PropertyItem)) return delays;
  std::vector<unsigned char> buffer(size);
  auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
  if (source.GetPropertyItem(PropertyTagFrameDelay, size, item) != Gdiplus::Ok || !item->value) return delays;
  const size_t count = item->length / 4;
  const auto* values = static_cast<const unsigned char*>(item->value);
  for (size_t i = 0; i < frames && i < count; ++i) {
    const int hundredths = values[4 * i] | values[4 * i + 1] << 8 | values[4 * i + 2] << 16 | values[4 * i + 3] << 24;
    delays[i] = hundredths > 1 ? hundredths * 10 : 100;
  }
  return delays;
}

}  // namespace

bool EnsureGdiplus() {
  static std::once_flag once;
  static bool ok = false;
  std::call_once(once, [] {
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartupInput input;
    ok = Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
  });
  return ok;
}

std::unique_ptr<CSkinImage> CSkinImage::Decode(const std::vector<unsigned char>& bytes) {
  if (bytes.empty() || bytes.size() > 0x7FFFFFFF || !EnsureGdiplus()) return nullptr;
  StreamHolder holder{SHCreateMemStream(bytes.data(), static_cast<UINT>(bytes.size()))};
  if (!holder.stream) return nullptr;
  Gdiplus::Bitmap source(holder.stream);
  if (source.GetLastStatus() != Gdiplus::Ok) return nullptr;
  const int width = static_cast<int>(source.GetWidth());
  const int height = static_cast<int>(source.GetHeight());
  if (width <= 0 || height <= 0) return nullptr;

  auto image = std::unique_ptr<CSkinImage>(new CSkinImage);
  image->m_width = width;
  image->m_height = height;
  GUID timeDimension = Gdiplus::FrameDimensionTime;
  UINT frames = source.GetFrameCount(&timeDimension);
  if (frames == 0) frames = 1;
  for (UINT i = 0; i < frames; ++i) {
    if (frames > 1 && source.SelectActiveFrame(&timeDimension, i) != Gdiplus::Ok) break;
    auto frame = CopyFrame(source, width, height);
    if (!frame) break;
    image->m_frames.push_back(std::move(frame));
  }
  if (image->m_frames.empty()) return nullptr;
  image->m_delays = ReadDelays(source, image->m_frames.size());
  return image;
}

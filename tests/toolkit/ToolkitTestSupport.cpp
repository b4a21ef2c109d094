#include "ToolkitTestSupport.h"

#include <gdiplus.h>
#include <shlwapi.h>
#include <zip.h>

#include "Control.h"
#include "Skin_win.h"
#include "SkinImage_win.h"
#include "TempFolder.h"

std::string MakeZipBytes(const std::vector<std::pair<std::string, std::string>>& entries) {
  TempFolder dir;
  const std::string path = dir / "skin.zip";
  zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
  if (!zip) return {};
  for (const auto& e : entries) {
    zipOpenNewFileInZip(zip, e.first.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                        Z_DEFAULT_COMPRESSION);
    zipWriteInFileInZip(zip, e.second.data(), static_cast<unsigned>(e.second.size()));
    zipCloseFileInZip(zip);
  }
  zipClose(zip, nullptr);
  return ReadFileBytes(path);
}

void UseSkin(const std::vector<std::pair<std::string, std::string>>& entries) {
  const std::string bytes = MakeZipBytes(entries);
  skin::SetArchive(bytes.data(), bytes.size());
}

std::string MakePng(int width, int height, const std::vector<uint32_t>& pixels) {
  EnsureGdiplus();
  Gdiplus::Bitmap bitmap(width, height, PixelFormat32bppARGB);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, Gdiplus::Color(pixels[static_cast<size_t>(y) * width + x]));
  }
  UINT count = 0, size = 0;
  Gdiplus::GetImageEncodersSize(&count, &size);
  std::vector<unsigned char> buffer(size);
  auto* encoders = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
  Gdiplus::GetImageEncoders(count, size, encoders);
  IStream* stream = SHCreateMemStream(nullptr, 0);
  std::string out;
  for (UINT i = 0; i < count; ++i) {
    if (std::wstring(encoders[i].MimeType) != L"image/png") continue;
    if (bitmap.Save(stream, &encoders[i].Clsid, nullptr) == Gdiplus::Ok) {
      STATSTG stat = {};
      stream->Stat(&stat, STATFLAG_NONAME);
      out.resize(static_cast<size_t>(stat.cbSize.QuadPart));
      LARGE_INTEGER zero = {};
      stream->Seek(zero, STREAM_SEEK_SET, nullptr);
      ULONG got = 0;
      stream->Read(&out[0], static_cast<ULONG>(out.size()), &got);
    }
  }
  stream->Release();
  return out;
}

bool PumpUntil(const std::function<bool()>& done, int ms) {
  const DWORD end = GetTickCount() + ms;
  while (!done()) {
    if (static_cast<int>(end - GetTickCount()) <= 0) return false;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (!CPaintManager::TranslateMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
    }
    if (!done()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void PumpFor(int ms) { PumpUntil([] { return false; }, ms); }

void ClickAt(HWND wnd, int x, int y) {
  SendMessageA(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(x, y));
  SendMessageA(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
  SendMessageA(wnd, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

CTestWindow::~CTestWindow() {
  if (IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

bool CTestWindow::Open(HWND owner, DWORD style) {
  return Create(owner, "toolkit test", style, WS_EX_TOOLWINDOW, 100, 100, 0, 0) != nullptr;
}

void CTestWindow::Notify(UiNotification& msg) { log.push_back(msg.type + ":" + (msg.sender ? msg.sender->GetName() : "")); }

LRESULT CTestWindow::HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM, bool& handled) {
  if (msg == WM_CLOSE) {
    closeRequests.push_back(wParam);
    if (onClose) onClose();
    handled = keepOpenOnClose;
  }
  return 0;
}

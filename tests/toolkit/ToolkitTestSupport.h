// Helpers of the toolkit's window tests: skin archives made on the spot, test images, message
// pumping and a skinned window that records what reaches it.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Control.h"
#include "SkinWindow.h"

// A ZIP archive with the given entries, as bytes.
std::string MakeZipBytes(const std::vector<std::pair<std::string, std::string>>& entries);
// Makes the archive the process's skin.
void UseSkin(const std::vector<std::pair<std::string, std::string>>& entries);
// A PNG of width x height whose pixels (0xAARRGGBB, row by row) are given.
std::string MakePng(int width, int height, const std::vector<uint32_t>& pixels);
// Dispatches this thread's messages until `done` holds or `ms` milliseconds have passed.
bool PumpUntil(const std::function<bool()>& done, int ms = 2000);
void PumpFor(int ms);
// Sends a left click at client coordinates through the window's message handling.
void ClickAt(HWND wnd, int x, int y);

class CTestWindow : public CSkinWindow {
 public:
  explicit CTestWindow(std::string layout, CaptionVariant variant = CaptionVariant::ButtonOptionText)
      : m_layout(std::move(layout)), m_variant(variant) {}
  ~CTestWindow() override;

  // A frameless popup of the layout's size at (100, 100), not shown (showing a window and taking
  // it down again costs the X server a round of seconds); false when it could not be made.
  bool Open(HWND owner = nullptr, DWORD style = WS_POPUP);
  CControl* Find(const std::string& name) { return m_pm.FindControl(name); }

  void Notify(UiNotification& msg) override;
  std::vector<std::string> log;          // "type:sender" of every notification
  std::vector<WPARAM> closeRequests;     // wParam of every WM_CLOSE
  bool keepOpenOnClose = false;          // answer WM_CLOSE without closing
  std::function<void()> onClose;         // runs as WM_CLOSE arrives

 protected:
  const char* GetWindowClassName() const override { return "UIToolkitTestWnd"; }
  std::string GetSkinFile() const override { return m_layout; }
  CaptionVariant GetCaptionVariant() const override { return m_variant; }
  LRESULT HandleCustomMessage(UINT msg, WPARAM wParam, LPARAM lParam, bool& handled) override;

 private:
  std::string m_layout;
  CaptionVariant m_variant;
};

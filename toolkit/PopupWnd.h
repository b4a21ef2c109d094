// A borderless top-most popup window with controls of its own, for drop-down lists and menus.
// It closes when the focus goes to a window outside it and when Escape is pressed, and it is
// placed inside the work area of its monitor. Elements inside it (menu entries) report
// "itemclick" to the popup's receivers; derived popups hear them through Notify.
//
// The object outlives its window: whoever holds it may look at it after it closed, and
// destroying the object takes a window that is still up down with it.
#pragma once

#include <memory>
#include <string>

#include "Notify.h"
#include "PaintManager.h"
#include "WindowWnd.h"

struct PopupPlacement {
  bool clampX = true;    // kept inside the work area across
  bool clampY = true;    // and down
  bool activate = true;  // shown as the active window with the focus
};

class CPopupWnd : public CWindowWnd, public INotifyUI {
 public:
  CPopupWnd() = default;
  ~CPopupWnd() override;

  // Opens the popup owned by `owner` with `root` as its controls, at `rect` (screen coordinates)
  // moved into the work area as `how` says. False when it is already open or cannot be made.
  bool Open(HWND owner, std::unique_ptr<CControl> root, const UiRect& rect, const PopupPlacement& how);
  // The same with the controls of a layout of the skin, at the layout's size, its top-left
  // corner at `at`. False also when the layout cannot be built.
  bool OpenLayout(HWND owner, const std::string& layout, UiPoint at, const PopupPlacement& how);
  bool IsOpen() const { return IsWindow(m_hWnd) != FALSE; }
  CPaintManager& GetPaintManager() { return m_pm; }
  // Clips the window to its rectangle less these margins (left, top, right, bottom), for a
  // background picture whose edges are left to a shadow window beneath.
  void SetRegionInsets(const UiRect& insets);

  void Notify(UiNotification&) override {}

 protected:
  const char* GetWindowClassName() const override { return "UIPopupWnd"; }
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnFinalMessage(HWND wnd) override;

  CPaintManager m_pm;

 private:
  void ApplyRegion();

  std::unique_ptr<CControl> m_pendingRoot;
  UiRect m_insets;
};

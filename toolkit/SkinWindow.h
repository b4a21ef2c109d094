// The full window base: a window that owns a paint manager, builds its controls from a layout
// of the skin when it is created, receives its own notifications and draws its own frame (the
// layout's caption band drags it, its sizing border resizes it, "maxbtn" and "restorebtn"
// follow the maximised state). Derived windows name their class and layout and override the
// hooks they need.
#pragma once

#include <memory>
#include <string>

#include "CaptionRules.h"
#include "LayoutBuilder.h"
#include "Notify.h"
#include "PaintManager.h"
#include "WindowWnd.h"

class CSkinWindow : public CWindowWnd, public INotifyUI, public IMessageFilterUI, private ICustomControlFactory {
 public:
  CPaintManager& GetPaintManager() { return m_pm; }
  void Notify(UiNotification&) override {}
  LRESULT MessageFilter(UINT, WPARAM, LPARAM, bool& handled) override {
    handled = false;
    return 0;
  }

 protected:
  // Redraw on resize, double clicks, save the pixels under the window.
  UINT GetClassStyle() const override { return CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS | CS_SAVEBITS; }
  // Folder of the layout inside the skin (with a trailing slash, or empty) and the layout file.
  virtual std::string GetSkinFolder() const { return {}; }
  virtual std::string GetSkinFile() const = 0;
  // Runs once the layout is built and attached, before the window is first shown.
  virtual void InitWindow() {}
  // Controls of element names the toolkit does not know.
  std::unique_ptr<CControl> CreateControl(const std::string&) override { return nullptr; }
  // Which controls in the caption band keep the mouse instead of dragging the window.
  virtual CaptionVariant GetCaptionVariant() const { return CaptionVariant::ButtonOptionText; }
  // Sees every message first; set `handled` to answer it.
  virtual LRESULT HandleCustomMessage(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    return 0;
  }
  virtual LRESULT OnCreate();

  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  // Leaves the paint manager and releases the controls; derived classes that own themselves call
  // this and then delete the object.
  void OnFinalMessage(HWND wnd) override;

  CPaintManager m_pm;

 private:
  void FollowMaximisedState(bool maximised);
};

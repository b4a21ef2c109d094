// The base of every windowless control: a named rectangle inside its parent with a background,
// a border, a text and the attributes layouts give it. Controls are owned by their container
// (the root by the paint manager) and are touched on the UI thread only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "Geometry.h"
#include "ImageDescriptor.h"
#include "Notify.h"

class CPaintManager;
class CRenderContext;

class CControl {
 public:
  CControl();
  virtual ~CControl();
  CControl(const CControl&) = delete;
  CControl& operator=(const CControl&) = delete;

  // The class name the layouts use for this kind of control ("Label", "Button", ...).
  virtual const char* GetClass() const { return "Control"; }

  const std::string& GetName() const { return m_name; }
  void SetName(const std::string& name) { m_name = name; }
  const std::string& GetText() const { return m_text; }
  virtual void SetText(const std::string& text);
  const std::string& GetToolTip() const { return m_toolTip; }
  void SetToolTip(const std::string& text) { m_toolTip = text; }
  // Free slots for the program: a text and a number kept with the control.
  const std::string& GetUserData() const { return m_userData; }
  void SetUserData(const std::string& data) { m_userData = data; }
  uintptr_t GetTag() const { return m_tag; }
  void SetTag(uintptr_t tag) { m_tag = tag; }

  CPaintManager* GetManager() const { return m_manager; }
  CControl* GetParent() const { return m_parent; }
  // Joins a window (or leaves it, with a null manager); containers pass it on to their children.
  virtual void SetManager(CPaintManager* manager, CControl* parent);
  // This control or the first of its descendants, in tree order, with the name.
  virtual CControl* FindByName(const std::string& name);
  // The innermost visible control containing the point; null when the point is outside.
  virtual CControl* FindAt(int x, int y);
  // Calls `visit` for this control and every descendant.
  virtual void Visit(const std::function<void(CControl&)>& visit);

  const UiRect& GetPos() const { return m_pos; }
  virtual void SetPos(const UiRect& pos);
  int GetFixedWidth() const { return m_fixedWidth; }
  void SetFixedWidth(int width);
  int GetFixedHeight() const { return m_fixedHeight; }
  void SetFixedHeight(int height);
  const UiRect& GetPadding() const { return m_padding; }
  void SetPadding(const UiRect& padding);

  bool IsVisible() const { return m_visible; }
  virtual void SetVisible(bool visible);
  bool IsEnabled() const { return m_enabled; }
  virtual void SetEnabled(bool enabled);
  bool IsFocused() const;
  virtual bool WantsFocus() const { return false; }

  uint32_t GetBkColor() const { return m_bkColor; }
  void SetBkColor(uint32_t argb);
  const ImageDescriptor& GetBkImage() const { return m_bkImage; }
  void SetBkImage(const std::string& descriptor);
  void SetBorderColor(uint32_t argb);
  void SetBorderSize(const UiRect& widths);
  uint32_t GetTextColor() const { return m_textColor; }
  void SetTextColor(uint32_t argb);
  void SetDisabledTextColor(uint32_t argb);
  int GetFont() const { return m_font; }
  void SetFont(int id);

  // Applies one layout attribute; false for a name this control does not know.
  virtual bool SetAttribute(const std::string& name, const std::string& value);

  virtual void DoPaint(CRenderContext& rc);
  virtual void DoEvent(ControlEvent& event);

  // Asks for a repaint of this control, or for a new layout of the window.
  void Invalidate();
  void NeedUpdate();

 protected:
  virtual void PaintBackground(CRenderContext& rc);
  virtual void PaintStatusImage(CRenderContext&) {}
  virtual void PaintText(CRenderContext&) {}
  virtual void PaintChildren(CRenderContext&) {}
  void PaintBorder(CRenderContext& rc);
  HFONT CurrentFont() const;
  virtual uint32_t CurrentTextColor() const;
  void Notify(const char* type, WPARAM wParam = 0, LPARAM lParam = 0);

  CPaintManager* m_manager = nullptr;
  CControl* m_parent = nullptr;
  UiRect m_pos;

 private:
  std::string m_name;
  std::string m_text;
  std::string m_toolTip;
  std::string m_userData;
  uintptr_t m_tag = 0;
  int m_fixedWidth = 0;
  int m_fixedHeight = 0;
  UiRect m_padding;
  bool m_visible = true;
  bool m_enabled = true;
  uint32_t m_bkColor = 0;
  ImageDescriptor m_bkImage;
  uint32_t m_borderColor = 0xFF000000;
  UiRect m_borderSize;
  uint32_t m_textColor = 0xFF000000;
  uint32_t m_disabledTextColor = 0xFFA0A0A0;
  int m_font = -1;
};

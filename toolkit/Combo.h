// A choice box: shows the text of its selected item and, when clicked, drops down the list of
// its items in a popup window under it (over it when there is no room below). The items come
// from the layout as child elements:
//
//   <Combo name="pdf_comboSavePath" selectedid="0" width="156" height="28">
//     <ListLabelElement text="和PDF相同的路径"/> <ListLabelElement text="自定义路径"/>
//   </Combo>
//
// Every change of the choice (a click in the list, the arrow keys, or SelectItem in code) sends
// "itemselect" from the choice box with the new index (wParam) and the previous one (lParam).
// Selecting in code leaves the focus where it is.
#pragma once

#include <memory>

#include "Container.h"

class CPopupWnd;

class CCombo : public CContainer {
 public:
  CCombo();
  ~CCombo() override;
  const char* GetClass() const override { return "Combo"; }

  int GetCurSel() const;
  // False for an index outside the items; choosing the chosen item again changes nothing.
  bool SelectItem(int index, bool notify = true);
  std::string GetItemText(int index) const;

  bool IsDropped() const;
  void ShowDropDown();
  void CloseDropDown();
  // The drop-down while it is open, else null.
  CPopupWnd* GetDropDown() const;

  bool WantsFocus() const override { return IsEnabled(); }
  CControl* FindAt(int x, int y) override;
  void SetManager(CPaintManager* manager, CControl* parent) override;
  bool SetAttribute(const std::string& name, const std::string& value) override;
  void DoEvent(ControlEvent& event) override;

 protected:
  std::vector<UiRect> ArrangeChildren(const UiRect& area) override;
  void PaintText(CRenderContext& rc) override;
  void PaintStatusImage(CRenderContext& rc) override;
  void PaintChildren(CRenderContext&) override {}

 private:
  std::unique_ptr<CControl> MakeDropList() const;

  int m_selected = -1;
  UiRect m_textPadding{6, 0, 20, 0};
  int m_itemHeight = 28;
  int m_dropHeight = 200;
  UiRect m_itemTextPadding{6, 0, 6, 0};
  uint32_t m_itemHotBkColor = 0xFFE8F8EF;
  uint32_t m_itemSelectedBkColor = 0xFFD2F3E0;
  uint32_t m_arrowColor = 0xFF666666;
  bool m_pressed = false;
  bool m_closedByPress = false;  // the press that began this click closed an open drop-down
  std::unique_ptr<CPopupWnd> m_drop;
};

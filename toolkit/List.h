// A list of rows under an optional header of column titles, with a vertical scroll bar and
// wheel scrolling. Rows are controls, usually container elements built from a row layout of
// their own ("listitem.xml"), whose cells line up under the header's columns. The list owns its
// rows. Row heights come from the rows (their "height"), else from the list's "itemheight".
//
// However many rows there are, only those in view are laid out, painted and hit-tested: rows
// are found by a binary search over their tops, so adding, painting and clicking stay cheap
// with tens of thousands of rows. Rows out of view keep whatever place they last had.
//
// Selecting a row, by a click or in code, sends "itemselect" from the list with the new index
// (wParam) and the previous one (lParam, -1 for none).
#pragma once

#include <memory>

#include "Container.h"
#include "ListGeometry.h"

class CListHeader;
class CScrollBar;
class IListElement;

class CList : public CContainer {
 public:
  CList();
  ~CList() override;
  const char* GetClass() const override { return "List"; }

  // A header element is taken as the list's header; anything else becomes a row.
  bool AddAt(std::unique_ptr<CControl> child, int index) override;
  CListHeader* GetHeader() const { return m_header.get(); }
  bool HasColumns() const;
  // Where the header's columns are, across; one rectangle per header item.
  std::vector<UiRect> ColumnRects() const;

  int GetCurSel() const;
  // Selects the row at `index` (-1: none); false for an index outside the rows or a row that
  // cannot be selected. Selecting the selected row again changes nothing.
  bool SelectItem(int index, bool notify = true);

  // Vertical scrolling in pixels from the top of the rows.
  int GetScrollPos() const { return m_scroll; }
  void SetScrollPos(int pos);
  int GetContentHeight() const { return m_tops.empty() ? 0 : m_tops.back(); }
  // The area the rows are shown in (below the header, left of the scroll bar).
  const UiRect& GetBodyRect() const { return m_body; }
  // Scrolls as little as needed to show the whole row.
  void EnsureVisible(int index);
  // The rows in view, [first, last), as of the last layout.
  RowRange VisibleRows() const;

  void SetItemHeight(int height);
  void SetItemColors(uint32_t hot, uint32_t selected);
  uint32_t GetItemHotBkColor() const { return m_itemHotBkColor; }
  uint32_t GetItemSelectedBkColor() const { return m_itemSelectedBkColor; }
  // Called by a row as it leaves the list.
  void ForgetElement(const IListElement* element);

  void SetManager(CPaintManager* manager, CControl* parent) override;
  CControl* FindByName(const std::string& name) override;
  CControl* FindAt(int x, int y) override;
  void Visit(const std::function<void(CControl&)>& visit) override;
  void SetPos(const UiRect& pos) override;
  bool SetAttribute(const std::string& name, const std::string& value) override;
  void DoEvent(ControlEvent& event) override;

 protected:
  void PaintChildren(CRenderContext& rc) override;

 private:
  int RowHeight(const CControl& row) const;
  void PlaceVisibleRows();

  std::unique_ptr<CListHeader> m_header;
  std::unique_ptr<CScrollBar> m_scrollBar;
  IListElement* m_selected = nullptr;
  CControl* m_selectedRow = nullptr;  // the same row as a control
  std::vector<int> m_tops;
  UiRect m_body;
  int m_scroll = 0;
  int m_itemHeight = 30;
  int m_scrollBarWidth = 10;
  bool m_showScrollBar = true;
  uint32_t m_itemHotBkColor = 0;
  uint32_t m_itemSelectedBkColor = 0;
};

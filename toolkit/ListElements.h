// The rows of lists and the entries of menus and drop-downs. An element tracks the mouse, shows
// hot and selected colours, and when it is clicked sends "itemclick" (sender: the element) and,
// inside a list, has the list select it (the list then sends "itemselect").
//
// A container element arranges its children as cells: inside a list with a header, cell i takes
// the left and right edges of header column i, so every row lines up with the column titles
// whatever widths its own layout gives; elsewhere the cells sit side by side. Clicks on plain
// content of a row (labels, pictures) belong to the row; buttons, options, edits, choice boxes
// and clickable texts keep their own.
#pragma once

#include "Container.h"
#include "Label.h"

class CList;

// What a list needs of its rows beyond being controls.
class IListElement {
 public:
  virtual ~IListElement() = default;
  virtual bool IsSelected() const = 0;
  virtual void SetSelected(bool selected) = 0;
};

template <class Base>
class CListElement : public Base, public IListElement {
 public:
  bool IsSelected() const override { return m_selected; }
  void SetSelected(bool selected) override;
  // The list this element is a row of; null for an element elsewhere.
  CList* GetOwnerList() const;

  void SetManager(CPaintManager* manager, CControl* parent) override;
  bool SetAttribute(const std::string& name, const std::string& value) override;
  void DoEvent(ControlEvent& event) override;

 protected:
  void PaintBackground(CRenderContext& rc) override;

 private:
  void Click();

  bool m_selected = false;
  bool m_hot = false;
  bool m_pressed = false;
  uint32_t m_hotBkColor = 0;
  uint32_t m_selectedBkColor = 0;
};

class CListLabelElement : public CListElement<CLabel> {
 public:
  const char* GetClass() const override { return "ListLabelElement"; }
};

class CListContainerElement : public CListElement<CContainer> {
 public:
  const char* GetClass() const override { return "ListContainerElement"; }
  CControl* FindAt(int x, int y) override;

 protected:
  std::vector<UiRect> ArrangeChildren(const UiRect& area) override;
};

extern template class CListElement<CLabel>;
extern template class CListElement<CContainer>;

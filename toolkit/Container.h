// A control that owns child controls and places them inside itself. The plain container stacks
// its children over one another; the layouts derived from it place them in rows, columns or a
// grid.
#pragma once

#include <memory>
#include <vector>

#include "BoxLayout.h"
#include "Control.h"

class CContainer : public CControl {
 public:
  const char* GetClass() const override { return "Container"; }

  // Adds a child at the end or at an index (clamped to the valid range); false for null.
  bool Add(std::unique_ptr<CControl> child);
  // Virtual so that containers with parts of their own (a list's header) can take them aside.
  virtual bool AddAt(std::unique_ptr<CControl> child, int index);
  // Takes a child out of the window at once; the object itself is destroyed after the current
  // message has been handled, so a handler may still read the removed child. False when the
  // control is not a child of this container.
  bool Remove(CControl* child);
  bool RemoveAt(int index);
  void RemoveAll();
  int GetCount() const { return static_cast<int>(m_items.size()); }
  CControl* GetItemAt(int index) const;
  int GetItemIndex(const CControl* child) const;

  const UiRect& GetInset() const { return m_inset; }
  void SetInset(const UiRect& inset);
  int GetChildPadding() const { return m_childPadding; }
  void SetChildPadding(int gap);

  void SetManager(CPaintManager* manager, CControl* parent) override;
  CControl* FindByName(const std::string& name) override;
  CControl* FindAt(int x, int y) override;
  void Visit(const std::function<void(CControl&)>& visit) override;
  void SetPos(const UiRect& pos) override;
  bool SetAttribute(const std::string& name, const std::string& value) override;

 protected:
  // Where each child goes inside `area` (the container less its inset), one rectangle per child.
  virtual std::vector<UiRect> ArrangeChildren(const UiRect& area);
  std::vector<BoxItem> ChildRequests() const;
  void PaintChildren(CRenderContext& rc) override;
  void Discard(std::unique_ptr<CControl> child);

  std::vector<std::unique_ptr<CControl>> m_items;

 private:
  UiRect m_inset;
  int m_childPadding = 0;
};

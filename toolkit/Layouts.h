// The layout containers: children in a column, in a row, or in a grid of cells.
#pragma once

#include "Container.h"

class CVerticalLayout : public CContainer {
 public:
  const char* GetClass() const override { return "VerticalLayout"; }

 protected:
  std::vector<UiRect> ArrangeChildren(const UiRect& area) override;
};

class CHorizontalLayout : public CContainer {
 public:
  const char* GetClass() const override { return "HorizontalLayout"; }

 protected:
  std::vector<UiRect> ArrangeChildren(const UiRect& area) override;
};

// Attributes: "columns" (a fixed number of columns) or "itemsize" ("cx,cy": the cell size,
// as many columns as fit).
class CTileLayout : public CContainer {
 public:
  const char* GetClass() const override { return "TileLayout"; }
  void SetColumns(int columns);
  void SetItemSize(UiSize size);
  bool SetAttribute(const std::string& name, const std::string& value) override;

 protected:
  std::vector<UiRect> ArrangeChildren(const UiRect& area) override;

 private:
  int m_columns = 0;
  UiSize m_itemSize;
};

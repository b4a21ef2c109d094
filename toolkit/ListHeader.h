// The header of a list: column titles side by side. Each item's width is its column's width
// (items without a width share what is left), and the rows' cells follow these columns.
#pragma once

#include "Label.h"
#include "Layouts.h"

class CListHeader : public CHorizontalLayout {
 public:
  const char* GetClass() const override { return "ListHeader"; }
};

class CListHeaderItem : public CLabel {
 public:
  const char* GetClass() const override { return "ListHeaderItem"; }
};

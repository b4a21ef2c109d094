// A button that stays selected. Options sharing a group name in one window exclude each other:
// selecting one clears the others, and clicking the selected one changes nothing. An option
// without a group is a check option that a click turns on and off. Every change of the
// selection by a click or by Selected(..., true) sends "selectchanged" from the option whose
// state changed; in a group only the newly selected option sends it.
#pragma once

#include "Button.h"

class COption : public CButton {
 public:
  ~COption() override;
  const char* GetClass() const override { return "Option"; }

  bool IsSelected() const { return m_selected; }
  void Selected(bool selected, bool notify = true);
  const std::string& GetGroup() const { return m_group; }
  void SetGroup(const std::string& group);

  void Activate() override;
  void SetManager(CPaintManager* manager, CControl* parent) override;
  bool SetAttribute(const std::string& name, const std::string& value) override;

 protected:
  void PaintStatusImage(CRenderContext& rc) override;
  void PaintBackground(CRenderContext& rc) override;
  uint32_t CurrentTextColor() const override;

 private:
  void ClearGroupSiblings();

  std::string m_group;
  bool m_selected = false;
  ImageDescriptor m_selectedImage;
  uint32_t m_selectedBkColor = 0;
  uint32_t m_selectedTextColor = 0;
};

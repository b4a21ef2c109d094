#include "LayoutBuilder.h"

#include <pugixml.hpp>

#include <cstring>
#include <vector>

#include "AnimationTabLayout.h"
#include "AttributeText.h"
#include "Button.h"
#include "Combo.h"
#include "Container.h"
#include "Edit.h"
#include "GifAnim.h"
#include "Label.h"
#include "Layouts.h"
#include "List.h"
#include "ListElements.h"
#include "ListHeader.h"
#include "Option.h"
#include "PaintManager.h"
#include "Progress.h"
#include "RichEdit.h"
#include "Skin_win.h"
#include "TabLayout.h"
#include "TextCodec_win.h"
#include "WebBrowser.h"

namespace {

// Deeper nesting than any window needs is refused, so a hostile layout cannot exhaust the stack.
const int kMaxDepth = 64;

std::string AttrText(const pugi::xml_attribute& a) { return Utf8ToAnsiText(a.value()); }

void ApplyWindowAttributes(const pugi::xml_node& window, CPaintManager& pm) {
  for (const pugi::xml_attribute& a : window.attributes()) {
    const std::string name = a.name(), value = AttrText(a);
    UiSize size;
    UiRect rect;
    uint32_t color = 0;
    if (name == "size" && ParseSize(value, size)) pm.SetInitSize(size);
    else if (name == "mininfo" && ParseSize(value, size)) pm.SetMinInfo(size);
    else if (name == "caption" && ParseRect(value, rect)) pm.SetCaptionRect(rect);
    else if (name == "sizebox" && ParseRect(value, rect)) pm.SetSizeBox(rect);
    else if (name == "roundcorner" && ParseSize(value, size)) pm.SetRoundCorner(size);
    else if (name == "bkcolor" && ParseColor(value, color)) pm.SetBkColor(color);
  }
  int shadowSize = 0;
  if (window.attribute("shadowimage") && ParseInt(window.attribute("shadowsize").value(), shadowSize)) {
    pm.SetShadow(AttrText(window.attribute("shadowimage")), shadowSize);
  }
}

void ApplyFont(const pugi::xml_node& font, CPaintManager& pm) {
  int id = 0, size = 14;
  if (!ParseInt(font.attribute("id").value(), id)) return;
  ParseInt(font.attribute("size").value(), size);
  bool bold = false, underline = false, italic = false, isDefault = false;
  ParseBool(font.attribute("bold").value(), bold);
  ParseBool(font.attribute("underline").value(), underline);
  ParseBool(font.attribute("italic").value(), italic);
  ParseBool(font.attribute("default").value(), isDefault);
  std::string face = AttrText(font.attribute("name"));
  if (face.empty()) face = "微软雅黑";
  pm.AddFont(id, face, size, bold, underline, italic, isDefault);
}

std::unique_ptr<CControl> BuildNode(const pugi::xml_node& node, ICustomControlFactory* factory, int depth) {
  if (depth > kMaxDepth) return nullptr;
  std::unique_ptr<CControl> control = CreateBuiltinControl(node.name());
  if (!control && factory) control = factory->CreateControl(node.name());
  if (!control) return nullptr;
  for (const pugi::xml_attribute& a : node.attributes()) control->SetAttribute(a.name(), AttrText(a));
  if (auto* container = dynamic_cast<CContainer*>(control.get())) {
    for (const pugi::xml_node& child : node.children()) {
      if (child.type() != pugi::node_element) continue;
      if (auto built = BuildNode(child, factory, depth + 1)) container->Add(std::move(built));
    }
  }
  return control;
}

std::unique_ptr<CControl> BuildDocument(const pugi::xml_document& doc, CPaintManager* pm, ICustomControlFactory* factory) {
  pugi::xml_node top = doc.document_element();
  if (!top) return nullptr;
  if (std::strcmp(top.name(), "Window") != 0) return BuildNode(top, factory, 0);
  if (pm) {
    ApplyWindowAttributes(top, *pm);
    for (const pugi::xml_node& font : top.children("Font")) ApplyFont(font, *pm);
  }
  for (const pugi::xml_node& child : top.children()) {
    if (child.type() != pugi::node_element || std::strcmp(child.name(), "Font") == 0) continue;
    if (auto root = BuildNode(child, factory, 0)) return root;
  }
  return nullptr;
}

}  // namespace

std::unique_ptr<CControl> CreateBuiltinControl(const std::string& name) {
  if (name == "Control") return std::make_unique<CControl>();
  if (name == "Container") return std::make_unique<CContainer>();
  if (name == "VerticalLayout") return std::make_unique<CVerticalLayout>();
  if (name == "HorizontalLayout") return std::make_unique<CHorizontalLayout>();
  if (name == "TileLayout") return std::make_unique<CTileLayout>();
  if (name == "TabLayout") return std::make_unique<CTabLayout>();
  if (name == "Label") return std::make_unique<CLabel>();
  if (name == "Text") return std::make_unique<CText>();
  if (name == "Button") return std::make_unique<CButton>();
  if (name == "Option") return std::make_unique<COption>();
  if (name == "Progress") return std::make_unique<CProgress>();
  if (name == "GifAnim") return std::make_unique<CGifAnim>();
  if (name == "AnimationTabLayout") return std::make_unique<CAnimationTabLayout>();
  if (name == "Edit") return std::make_unique<CEdit>();
  if (name == "RichEdit") return std::make_unique<CRichEdit>();
  if (name == "Combo") return std::make_unique<CCombo>();
  if (name == "List") return std::make_unique<CList>();
  if (name == "ListHeader") return std::make_unique<CListHeader>();
  if (name == "ListHeaderItem") return std::make_unique<CListHeaderItem>();
  if (name == "ListLabelElement") return std::make_unique<CListLabelElement>();
  if (name == "ListContainerElement") return std::make_unique<CListContainerElement>();
  if (name == "WebBrowser") return std::make_unique<CWebBrowser>();
  return nullptr;
}

std::unique_ptr<CControl> BuildLayout(const std::string& path, CPaintManager* manager, ICustomControlFactory* factory) {
  std::vector<unsigned char> bytes;
  if (!skin::ReadFile(path, bytes)) return nullptr;
  return BuildLayoutFromText(std::string(bytes.begin(), bytes.end()), manager, factory);
}

std::unique_ptr<CControl> BuildLayoutFromText(const std::string& xml, CPaintManager* manager,
                                              ICustomControlFactory* factory) {
  pugi::xml_document doc;
  if (!doc.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8)) return nullptr;
  return BuildDocument(doc, manager, factory);
}

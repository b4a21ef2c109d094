// Builds a control tree from an XML layout (UTF-8) of the skin:
//
//   <Window size="360,180" caption="0,0,0,120" roundcorner="3,3" ...>
//     <Font id="1" name="微软雅黑" size="16" bold="true"/>
//     <VerticalLayout bkcolor="#FFFFFFFF"> <Label name="title" font="1"/> ... </VerticalLayout>
//   </Window>
//
// The <Window> element sets the paint manager's window attributes (size, mininfo, caption,
// sizebox, roundcorner, bkcolor, shadowimage and shadowsize) and its fonts; its first control
// element becomes the root. Texts are converted to the program's ANSI code page. Unknown
// elements are offered to a custom factory and otherwise skipped with their contents; unknown
// attributes are ignored.
#pragma once

#include <memory>
#include <string>

class CControl;
class CPaintManager;

// Makes controls for element names the toolkit does not know.
class ICustomControlFactory {
 public:
  virtual ~ICustomControlFactory() = default;
  virtual std::unique_ptr<CControl> CreateControl(const std::string& elementName) = 0;
};

// The control for a built-in element name ("Label", "VerticalLayout", ...), or null.
std::unique_ptr<CControl> CreateBuiltinControl(const std::string& elementName);

// Builds the layout file `path` of the skin (null when it is missing or not well-formed XML).
// Window attributes and fonts go to `manager` when one is given.
std::unique_ptr<CControl> BuildLayout(const std::string& path, CPaintManager* manager,
                                      ICustomControlFactory* factory = nullptr);
// The same from XML text held in memory.
std::unique_ptr<CControl> BuildLayoutFromText(const std::string& xml, CPaintManager* manager,
                                              ICustomControlFactory* factory = nullptr);

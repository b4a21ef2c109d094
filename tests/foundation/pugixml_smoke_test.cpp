#include <pugixml.hpp>

#include <gtest/gtest.h>

#include <string>

TEST(PugixmlSmoke, ParsesALayout) {
  // Layout files are UTF-8; the "text" attribute holds the UTF-8 bytes of 开始转换.
  const char layout[] =
      "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
      "<Window size=\"800,600\"><VerticalLayout bkcolor=\"#FFFFFFFF\">"
      "<Button name=\"btn_start\" text=\"\xe5\xbc\x80\xe5\xa7\x8b\xe8\xbd\xac\xe6\x8d\xa2\" width=\"120\"/>"
      "</VerticalLayout></Window>";
  pugi::xml_document doc;
  ASSERT_TRUE(doc.load_string(layout));
  const pugi::xml_node button = doc.child("Window").child("VerticalLayout").child("Button");
  EXPECT_STREQ(button.attribute("name").value(), "btn_start");
  EXPECT_EQ(button.attribute("width").as_int(), 120);
  EXPECT_EQ(std::string(button.attribute("text").value()).size(), 12u);
  EXPECT_STREQ(doc.child("Window").attribute("size").value(), "800,600");
}

#include <json/json.h>

#include <gtest/gtest.h>

// The request envelope is written by the compact writer without a final line feed; members come
// out in name order, whatever order they were added in.
TEST(JsonSmoke, FastWriterWritesCompactSortedMembers) {
  Json::Value v;
  v["b"] = "x";
  v["a"] = 1;
  Json::FastWriter writer;
  writer.omitEndingLineFeed();
  EXPECT_EQ(writer.write(v), "{\"a\":1,\"b\":\"x\"}");
}

TEST(JsonSmoke, ReaderParsesAnAnswer) {
  Json::Value v;
  Json::Reader reader;
  ASSERT_TRUE(reader.parse("{\"resultCode\":\"1\",\"resultData\":{\"n\":[1,2]}}", v));
  EXPECT_EQ(v["resultCode"].asString(), "1");
  EXPECT_EQ(v["resultData"]["n"][1].asInt(), 2);
}

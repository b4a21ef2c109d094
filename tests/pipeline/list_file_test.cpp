#include <mbedtls/base64.h>
#include <mbedtls/md5.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "ListFile.h"
#include "Protocol.h"
#include "ScopedProfile.h"
#include "TempFolder.h"

namespace {

std::string DecodeBase64(const std::string& text) {
  std::string out(text.size(), '\0');
  size_t length = 0;
  if (mbedtls_base64_decode(reinterpret_cast<unsigned char*>(&out[0]), out.size(), &length,
                            reinterpret_cast<const unsigned char*>(text.data()), text.size()) != 0) {
    return "<not Base64>";
  }
  out.resize(length);
  return out;
}

std::string Md5Of(const std::string& text) {
  unsigned char digest[16];
  mbedtls_md5_ret(reinterpret_cast<const unsigned char*>(text.data()), text.size(), digest);
  char hex[33];
  for (int i = 0; i < 16; ++i) std::snprintf(hex + 2 * i, 3, "%02x", digest[i]);
  return hex;
}

class ListFileTest : public ::testing::Test {
 protected:
  TempFolder m_dir;
  ScopedProfile m_profile{m_dir.path()};
};

}  // namespace

TEST(ListBody, JoinsEachListWithStarsAndKeepsEmptyEntries) {
  EXPECT_EQ(FormatListBody("topdf", {"C:\\a.png", "C:\\b.jpg"}, {"0-0", "0-0"}, {"", ""}, "imgall"),
            "<topdf|0|-1|C:\\a.png*C:\\b.jpg|0-0*0-0|*|imgall>");
  EXPECT_EQ(Base64Encode("abcd"), "YWJjZA==");
}

TEST_F(ListFileTest, HoldsTheEncodedBodyAndItsDigestNamesIt) {
  const auto file = WriteListFile("operto", {"C:\\a.pdf", "D:\\报告 1.pdf"}, {"0-0", "2-5"},
                                  {"", "pw"}, "merge");
  ASSERT_TRUE(file);
  const std::string folder = m_dir.path() + "\\LumvexConverter\\common\\";
  ASSERT_EQ(file->path.compare(0, folder.size(), folder), 0) << file->path;
  const std::string name = file->path.substr(folder.size());
  EXPECT_EQ(name.compare(0, 5, "imgto"), 0) << name;
  EXPECT_EQ(name.substr(name.size() - 3), ".hs") << name;

  const std::string content = ReadFileBytes(file->path);
  EXPECT_EQ(content.find_first_of("\r\n"), std::string::npos);
  EXPECT_EQ(DecodeBase64(content), "<operto|0|-1|C:\\a.pdf*D:\\报告 1.pdf|0-0*2-5|*pw|merge>");
  EXPECT_EQ(file->digest, Md5Of(content));

  // The job's command names the list file instead of an input and carries the digest.
  const std::string target = FormatTarget(file->path, "D:\\out\\");
  EXPECT_EQ(FormatCommand("operto", 0, target, kAllPagesRange, file->digest, "merge"),
            "1<operto|0|" + std::to_string(target.size()) + "|" + file->path +
                "*D:\\out\\|0-0|" + Md5Of(content) + "|merge>");
}

TEST_F(ListFileTest, ASecondFileInTheSameSecondDoesNotOverwriteTheFirst) {
  const auto first = WriteListFile("topdf", {"C:\\a.png"}, {"0-0"}, {""}, "imgall");
  const auto second = WriteListFile("operto", {"C:\\b.pdf"}, {"0-0"}, {""}, "merge");
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->path, second->path);
  EXPECT_EQ(DecodeBase64(ReadFileBytes(first->path)), "<topdf|0|-1|C:\\a.png|0-0||imgall>");
  EXPECT_EQ(DecodeBase64(ReadFileBytes(second->path)), "<operto|0|-1|C:\\b.pdf|0-0||merge>");
}

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "Ini.h"
#include "OutputFolderSettings.h"
#include "TempFolder.h"

namespace {

class IniTest : public ::testing::Test {
 protected:
  void SetUp() override { m_ini.SetPath(m_dir / "macro.config"); }
  void WriteSettings(const std::string& lines) {
    ASSERT_TRUE(WriteFileBytes(m_ini.Path(), "[ConfigSys]\r\n" + lines));
  }

  TempFolder m_dir;
  CIni m_ini;
};

}  // namespace

TEST_F(IniTest, BooleanRule) {
  WriteSettings(
      "a=yes\r\nb=TRUE\r\nc=7\r\nd=-1\r\ne=12abc\r\nf=True\r\n"
      "g=no\r\nh=0x1\r\ni=0\r\nj=\r\nk=truely\r\nl=false\r\n");
  for (const char* key : {"a", "b", "c", "d", "e", "f"}) EXPECT_TRUE(m_ini.ReadBool(key)) << key;
  for (const char* key : {"g", "h", "i", "j", "k", "l", "missing"}) {
    EXPECT_FALSE(m_ini.ReadBool(key)) << key;
  }
}

TEST_F(IniTest, LongValueIsReadWholeOrCutWithinTheBuffer) {
  std::string value = "D:\\报告";
  while (value.size() < 600) value += "\\folder";
  value.resize(600);
  WriteSettings("SavePathOther=" + value + "\r\n");

  EXPECT_EQ(m_ini.ReadString("SavePathOther", nullptr), value);

  char buffer[300];
  std::memset(buffer, 0x7f, sizeof buffer);
  EXPECT_EQ(m_ini.ReadStringInto("SavePathOther", buffer, 256, ""), 255u);
  EXPECT_EQ(std::string(buffer), value.substr(0, 255));
  EXPECT_EQ(buffer[256], 0x7f) << "written past the buffer";

  EXPECT_EQ(ReadOutputFolderSetting(m_ini, 2).folder, value.substr(0, 255));
}

TEST_F(IniTest, DefaultsForWhatIsMissing) {
  EXPECT_EQ(m_ini.ReadString("SavePathPdf", "C:\\dflt"), "C:\\dflt");  // no file yet
  WriteSettings("SavePathPdf=D:\\out\r\n");
  EXPECT_EQ(m_ini.ReadString("SavePathTo", nullptr), "");
  EXPECT_EQ(m_ini.ReadString(nullptr, "dflt"), "dflt");
  char buffer[256] = "stale";
  EXPECT_EQ(m_ini.ReadStringInto("SavePathTo", buffer, sizeof buffer, nullptr), 0u);
  EXPECT_STREQ(buffer, "");

  CIni unset;
  EXPECT_EQ(unset.ReadString("SavePathPdf", "dflt"), "dflt");
  EXPECT_FALSE(unset.WriteString("SavePathPdf", "x"));
}

TEST_F(IniTest, WritesCreateTheFileAndReadBack) {
  EXPECT_TRUE(m_ini.WriteString("SavePathPdf", "D:\\输出"));
  EXPECT_TRUE(m_ini.WriteBool("IsSavePdf", true));
  EXPECT_TRUE(m_ini.WriteBool("IsSaveTo", false));
  EXPECT_TRUE(m_ini.WriteString("SavePathTo", nullptr));
  EXPECT_FALSE(m_ini.WriteString(nullptr, "x"));

  const std::string file = ReadFileBytes(m_ini.Path());
  EXPECT_NE(file.find("[ConfigSys]"), std::string::npos) << file;
  EXPECT_NE(file.find("IsSavePdf=1"), std::string::npos) << file;
  EXPECT_NE(file.find("IsSaveTo=0"), std::string::npos) << file;
  EXPECT_NE(file.find("SavePathPdf=D:\\输出"), std::string::npos) << file;
  // A null value leaves the key present and empty, so its default no longer applies.
  EXPECT_EQ(m_ini.ReadString("SavePathTo", "dflt"), "");
}

TEST_F(IniTest, OutputFolderOfEachArea) {
  WriteSettings("IsSavePdf=1\r\nSavePathPdf=D:\\out\r\nIsSaveTo=0\r\nSavePathTo=E:\\to\r\n");
  const OutputFolderSetting pdf = ReadOutputFolderSetting(m_ini, 0);
  EXPECT_TRUE(pdf.custom);
  EXPECT_EQ(pdf.folder, "D:\\out");
  EXPECT_EQ(JobOutputFolder(pdf), "D:\\out\\");

  const OutputFolderSetting to = ReadOutputFolderSetting(m_ini, 1);
  EXPECT_FALSE(to.custom);
  EXPECT_EQ(to.folder, "E:\\to");
  EXPECT_EQ(JobOutputFolder(to), "");

  EXPECT_EQ(ReadOutputFolderSetting(m_ini, 2).folder, "");
  EXPECT_EQ(OutputFolderKeysOf(3), nullptr);
  EXPECT_STREQ(OutputFolderKeysOf(2)->flagKey, "IsSaveOther");
}

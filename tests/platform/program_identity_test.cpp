#include "ProgramIdentity.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ProductVersion.h"
#include "SystemVersion.h"
#include "TempFolder.h"

namespace {

// A text of a file's version resource, read back through the ANSI API.
std::string VersionString(const std::string& file, const std::string& name) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
  if (size == 0) return "<no version resource>";
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return "<unreadable>";
  char* text = nullptr;
  UINT length = 0;
  const std::string key = "\\StringFileInfo\\080404b0\\" + name;
  if (!VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&text), &length))
    return "<no " + name + ">";
  return text;
}

bool HasIcon101(const std::string& file) {
  HMODULE module = LoadLibraryExA(file.c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  if (!module) return false;
  HANDLE icon = LoadImageA(module, MAKEINTRESOURCEA(101), IMAGE_ICON, 32, 32, 0);
  if (icon) DestroyIcon(static_cast<HICON>(icon));
  FreeLibrary(module);
  return icon != nullptr;
}

TEST(ProgramIdentity, ExecutablePathParts) {
  EXPECT_EQ(ExeFileName(), "platform_tests.exe");
  const std::string folder = ExeFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_EQ(ExePath(), folder + ExeFileName());
}

TEST(ProgramIdentity, ProgramVersionIsTheProjectVersion) {
  EXPECT_EQ(ProgramVersion(), LUMVEX_VERSION_TEXT);
  TempFolder temp;
  ASSERT_TRUE(WriteFileBytes(temp / "plain.txt", "no resources"));
  EXPECT_EQ(ProductVersionOf(temp / "plain.txt"), "");
  EXPECT_EQ(ProductVersionOf(temp / "missing.exe"), "");
}

TEST(ProgramIdentity, DeliverablesCarryTheirVersionResource) {
  const struct { const char* file; bool icon; } files[] = {
      {"platform_tests.exe", false},
      {"Morvane.exe", true},
#ifdef LUMVEX_TEST_VARLINK
      {"Varlink.dll", false},
#endif
  };
  for (const auto& f : files) {
    const std::string path = ExeFolder() + f.file;
    EXPECT_EQ(ProductVersionOf(path), LUMVEX_VERSION_TEXT) << f.file;
    EXPECT_EQ(VersionString(path, "ProductName"), "LumvexPDF转换器") << f.file;
    EXPECT_EQ(VersionString(path, "OriginalFilename"), f.file);
    EXPECT_EQ(VersionString(path, "FileVersion"), LUMVEX_VERSION_TEXT) << f.file;
    if (f.icon) {
      EXPECT_TRUE(HasIcon101(path)) << f.file;
    }
  }
}

TEST(SystemVersion, ReportsTheKernelVersion) {
  unsigned long major = 0, minor = 99;
  ASSERT_TRUE(GetNtVersion(major, minor));
  EXPECT_GE(major, 5u);
  EXPECT_LE(major, 10u);
  EXPECT_LE(minor, 3u);
}

}  // namespace

#include <windows.h>

#include <gtest/gtest.h>

#include "DataFolder.h"
#include "ScopedProfile.h"
#include "TempFolder.h"

namespace {

bool IsFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

TEST(DataFolder, IsCreatedWithMissingParentsInTheProfile) {
  TempFolder dir;
  const std::string profile = dir / "用户\\张三";
  ScopedProfile scoped(profile);
  EXPECT_EQ(GetUserDataDir(false), profile + "\\LumvexConverter");
  EXPECT_TRUE(IsFolder(profile + "\\LumvexConverter"));
  EXPECT_EQ(GetUserDataDir(true), profile + "\\LumvexConverter\\");
}

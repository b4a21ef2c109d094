#include "FileSystem.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace {

using Paths = std::vector<std::string>;

Paths Sorted(Paths paths) {
  std::sort(paths.begin(), paths.end());
  return paths;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(FileSystem, FolderTests) {
  TempFolder temp;
  ASSERT_TRUE(WriteFileBytes(temp / "报告.pdf", "x"));
  EXPECT_TRUE(FolderExists(temp.path()));
  EXPECT_FALSE(FolderExists(temp / "报告.pdf"));
  EXPECT_FALSE(FolderExists(temp / "missing"));
  EXPECT_FALSE(FolderExists(""));

  EXPECT_FALSE(CreateOneFolder(""));
  EXPECT_FALSE(CreateOneFolder(temp / "a\\b"));  // one level only
  EXPECT_TRUE(CreateOneFolder(temp / "a"));
  EXPECT_FALSE(CreateOneFolder(temp / "a"));
}

TEST(FileSystem, CreateFolderTreeCreatesTheParentChain) {
  TempFolder temp;
  const std::string deep = temp / "输出\\b\\c";
  EXPECT_TRUE(CreateFolderTree(deep));
  EXPECT_TRUE(FolderExists(deep));
  EXPECT_FALSE(CreateFolderTree(deep));  // the last level exists already
  EXPECT_TRUE(CreateFolderTree(temp / "输出\\b\\d"));
  EXPECT_FALSE(CreateFolderTree(""));
}

TEST(FileSystem, DeleteFilesInFolderLeavesSubFolders) {
  struct Case { const char* extension; bool removeFolder; bool withSubFolder; Paths left; bool folderLeft; };
  const Case cases[] = {
      {"*", false, true, {"sub", "sub\\keep.txt"}, true},
      {"pdf", false, true, {"a.txt", "noext", "sub", "sub\\keep.txt"}, true},
      {"*", true, true, {"sub", "sub\\keep.txt"}, true},  // not empty, so it stays
      {"*", true, false, {}, false},
      {"txt", true, false, {"b.pdf", "报告.pdf", "noext"}, true},
  };
  for (const Case& c : cases) {
    TempFolder temp;
    const std::string folder = temp / "work";
    ASSERT_TRUE(CreateOneFolder(folder));
    for (const char* name : {"a.txt", "b.pdf", "报告.pdf", "noext"})
      ASSERT_TRUE(WriteFileBytes(folder + "\\" + name, "x"));
    if (c.withSubFolder) {
      ASSERT_TRUE(CreateOneFolder(folder + "\\sub"));
      ASSERT_TRUE(WriteFileBytes(folder + "\\sub\\keep.txt", "x"));
    }
    DeleteFilesInFolder(c.removeFolder, folder, c.extension);

    EXPECT_EQ(FolderExists(folder), c.folderLeft) << c.extension << c.removeFolder;
    Paths left;
    for (const char* name : {"a.txt", "b.pdf", "报告.pdf", "noext", "sub", "sub\\keep.txt"})
      if (GetFileAttributesA((folder + "\\" + name).c_str()) != INVALID_FILE_ATTRIBUTES) {
        left.push_back(name);
      }
    EXPECT_EQ(Sorted(left), Sorted(c.left)) << c.extension << c.removeFolder;
  }
}

TEST(FileSystem, ExtensionListMatchesExactly) {
  const struct { const char* name; const char* patterns; bool match; } cases[] = {
      {"a.pdf", ".pdf;", true},          {"B.PDF", ".pdf;", false},
      {"a.docx", ".doc;.docx;", true},   {"a.do", ".doc;.docx;", false},
      {"noext", ".pdf;", false},         {"noext", "*", true},
      {"a.tar.gz", ".gz;", true},        {"a.pdf", "*.pdf", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MatchesExtensionList(c.name, c.patterns), c.match) << c.name << " " << c.patterns;
}

TEST(FileSystem, CollectFilesSearchesEverySubFolder) {
  TempFolder temp;
  const std::string root = temp.path();
  ASSERT_TRUE(CreateFolderTree(temp / "x\\y"));
  ASSERT_TRUE(CreateOneFolder(temp / "empty"));
  for (const char* name : {"a.pdf", "x\\y\\b.pdf", "x\\B.PDF", "x\\报告.pdf", "x\\notes.txt", "noext"})
    ASSERT_TRUE(WriteFileBytes(temp / name, "x"));

  Paths pdfs = {"kept"};
  CollectFiles(root, ".pdf;", pdfs);
  EXPECT_EQ(Sorted(pdfs), Sorted({"kept", temp / "a.pdf", temp / "x\\y\\b.pdf", temp / "x\\报告.pdf"}));

  Paths all;
  CollectFiles(root, "*", all);
  EXPECT_EQ(all.size(), 6u);

  Paths none;
  CollectFiles(temp / "missing", "*", none);
  EXPECT_TRUE(none.empty());
}

TEST(FileSystem, CollectFilesDoesNotFollowLinksBackUpTheTree) {
  TempFolder temp;
  ASSERT_TRUE(CreateOneFolder(temp / "sub"));
  ASSERT_TRUE(WriteFileBytes(temp / "sub\\a.pdf", "x"));
  // Some systems report success without a usable link (Wine 8 among them).
  if (!CreateSymbolicLinkA((temp / "sub\\loop").c_str(), temp.path().c_str(),
                           SYMBOLIC_LINK_FLAG_DIRECTORY) ||
      !FolderExists(temp / "sub\\loop"))
    GTEST_SKIP() << "this system cannot create a folder link";
  Paths found;
  CollectFiles(temp.path(), "*", found);
  EXPECT_EQ(found, Paths{temp / "sub\\a.pdf"});
}

TEST(FileSystem, WholeFileRoundTrip) {
  TempFolder temp;
  const std::string path = temp / "数据.bin";
  const std::string bytes("\x00\xff\r\n报告\x1a", 9);
  ASSERT_TRUE(WriteWholeFile(path, bytes));
  std::string read;
  EXPECT_EQ(ReadWholeFile(path, read), 9);
  EXPECT_EQ(read, bytes);

  ASSERT_TRUE(WriteWholeFile(path, ""));  // truncates
  EXPECT_EQ(ReadWholeFile(path, read), 0);
  EXPECT_EQ(read, "");

  std::string untouched = "keep";
  EXPECT_EQ(ReadWholeFile(temp / "missing.bin", untouched), -1);
  EXPECT_EQ(untouched, "keep");
  EXPECT_FALSE(WriteWholeFile(temp / "missing\\x.bin", "x"));
  EXPECT_FALSE(FileExists(temp / "missing\\x.bin"));
}

}  // namespace

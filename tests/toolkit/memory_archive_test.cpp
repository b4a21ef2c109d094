#include <zip.h>

#include <gtest/gtest.h>

#include "MemoryArchive.h"
#include "TempFolder.h"

namespace {

// Builds a ZIP file with minizip's writer and returns its bytes.
std::string MakeZip(const TempFolder& dir, const std::vector<std::pair<std::string, std::string>>& entries) {
  const std::string path = dir / "skin.zip";
  zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
  EXPECT_NE(zip, nullptr);
  for (const auto& e : entries) {
    EXPECT_EQ(zipOpenNewFileInZip(zip, e.first.c_str(), nullptr, nullptr, 0, nullptr, 0, nullptr,
                                  Z_DEFLATED, Z_DEFAULT_COMPRESSION),
              ZIP_OK);
    EXPECT_EQ(zipWriteInFileInZip(zip, e.second.data(), static_cast<unsigned>(e.second.size())), ZIP_OK);
    zipCloseFileInZip(zip);
  }
  zipClose(zip, nullptr);
  return ReadFileBytes(path);
}

std::string AsText(const std::vector<unsigned char>& v) { return std::string(v.begin(), v.end()); }

}  // namespace

TEST(MemoryArchive, ReadsEntriesFromMemoryIgnoringCase) {
  TempFolder dir;
  const std::string big(100000, 'x');
  const std::string bytes = MakeZip(dir, {{"main.xml", "<Window/>"}, {"img/Logo.png", big}, {"empty.txt", ""}});
  ASSERT_FALSE(bytes.empty());
  MemoryArchive archive(bytes.data(), bytes.size());

  std::vector<unsigned char> out;
  ASSERT_TRUE(archive.Read("main.xml", out));
  EXPECT_EQ(AsText(out), "<Window/>");
  ASSERT_TRUE(archive.Read("IMG/logo.PNG", out));
  EXPECT_EQ(AsText(out), big);
  ASSERT_TRUE(archive.Read("empty.txt", out));
  EXPECT_TRUE(out.empty());
  EXPECT_FALSE(archive.Read("missing.xml", out));
}

TEST(MemoryArchive, DamagedArchivesFailCleanly) {
  TempFolder dir;
  std::string bytes = MakeZip(dir, {{"main.xml", std::string(5000, 'a')}});
  std::vector<unsigned char> out;
  const std::vector<std::string> cases = {
      "", "PK", bytes.substr(0, bytes.size() / 2),
      // compressed data altered: the CRC check must catch it
      bytes.substr(0, 40) + std::string(8, '\x55') + bytes.substr(48)};
  for (const auto& c : cases) {
    MemoryArchive archive(c.data(), c.size());
    EXPECT_FALSE(archive.Read("main.xml", out)) << "archive of " << c.size() << " bytes";
  }
}

#include <sqlite3.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "CodePage.h"
#include "HistoryStore.h"
#include "ScopedProfile.h"
#include "TempFolder.h"
#include "TextFormat.h"
#include "TextHelpers.h"

namespace {

// The profile folder has a Chinese name, so the database's file name must reach SQLite as UTF-8.
class HistoryStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(CreateHistoryTable()); }

  // Opens the database beside the store, for looking at what it wrote.
  sqlite3* OpenDirectly() {
    sqlite3* db = nullptr;
    sqlite3_open_v2(AnsiToUtf8(HistoryDatabasePath()).c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    return db;
  }

  std::string QueryText(const char* sql) {
    sqlite3* db = OpenDirectly();
    sqlite3_stmt* statement = nullptr;
    std::string text;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
      text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return text;
  }

  TempFolder m_dir;
  const std::string m_profile = m_dir / "用户";
  ScopedProfile m_scoped{m_profile};
};

HistoryEntry Queued(const std::string& path, const std::string& family) {
  return HistoryEntry{path, FileNameOf(path), "", "", family};
}

std::vector<std::string> SourcesOf(const std::vector<HistoryRow>& rows) {
  std::vector<std::string> sources;
  for (const HistoryRow& row : rows) sources.push_back(row.sourcePath);
  return sources;
}

}  // namespace

TEST_F(HistoryStoreTest, TableIsCreatedOnceAndKeptOnLaterStarts) {
  const std::string file = m_profile + "\\LumvexConverter\\macro.lib";
  EXPECT_EQ(HistoryDatabasePath(), m_profile + "/LumvexConverter/macro.lib");
  EXPECT_FALSE(ReadFileBytes(file).empty());
  EXPECT_EQ(QueryText("select sql from sqlite_master where name = 'LOG_PW'"),
            "CREATE TABLE [LOG_PW] ([Pw_Id] INTEGER NOT NULL PRIMARY KEY, [Pw_Time] NVARCHAR(260), "
            "[Pw_PInFile] NVARCHAR(260), [Pw_InFile] NVARCHAR(260), [Pw_POutFile] NVARCHAR(260), "
            "[Pw_OutFile] NVARCHAR(260), [Pw_Type] NVARCHAR(260), [Pw_IsOk] NVARCHAR(260) DEFAULT(0), "
            "[Pw_By1] NVARCHAR(260), [Pw_By2] NVARCHAR(260), [Pw_By3] NVARCHAR(260), "
            "[Pw_By4] NVARCHAR(260) )");

  ASSERT_TRUE(InsertHistory(Queued("C:\\x\\a.pdf", "0")));
  EXPECT_TRUE(CreateHistoryTable());
  const std::vector<HistoryRow> rows = SelectHistoryByType("0");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].time, TodayText());
  EXPECT_EQ(rows[0].sourcePath, "C:\\x\\a.pdf");
  EXPECT_EQ(rows[0].sourceName, "a.pdf");
  EXPECT_EQ(rows[0].outputPath, "");
  EXPECT_EQ(rows[0].type, "0");
  EXPECT_EQ(rows[0].isOk, "0");
}

TEST_F(HistoryStoreTest, SuccessMarksEveryQueuingOfThatFileInItsFamilyOnly) {
  ASSERT_TRUE(InsertHistory(Queued("C:\\x\\a.pdf", "0")));
  ASSERT_TRUE(InsertHistory(Queued("C:\\x\\a.pdf", "0")));
  ASSERT_TRUE(InsertHistory(Queued("C:\\x\\a.pdf", "2")));
  ASSERT_TRUE(InsertHistory(Queued("C:\\x\\failed.pdf", "0")));
  ASSERT_TRUE(MarkHistoryDone({"C:\\x\\a.pdf", "D:\\out\\a.docx", "a.docx", "0"}));

  const std::vector<HistoryRow> pdfto = SelectHistoryByType("0");
  ASSERT_EQ(pdfto.size(), 3u);
  EXPECT_GT(pdfto[0].id, pdfto[1].id);  // newest first
  EXPECT_EQ(pdfto[0].sourcePath, "C:\\x\\failed.pdf");
  EXPECT_EQ(pdfto[0].outputPath, "");
  EXPECT_EQ(pdfto[0].isOk, "0");
  for (const HistoryRow& row : {pdfto[1], pdfto[2]}) {
    EXPECT_EQ(row.outputPath, "D:\\out\\a.docx");
    EXPECT_EQ(row.outputName, "a.docx");
    EXPECT_EQ(row.isOk, "1");
  }
  const std::vector<HistoryRow> operto = SelectHistoryByType("2");
  ASSERT_EQ(operto.size(), 1u);
  EXPECT_EQ(operto[0].isOk, "0");

  const HistoryRow byId = SelectHistoryById(pdfto[2].id);
  EXPECT_EQ(byId.id, pdfto[2].id);
  EXPECT_EQ(byId.outputPath, "D:\\out\\a.docx");
  const HistoryRow none = SelectHistoryById(9999);
  EXPECT_EQ(none.sourcePath, "");
  EXPECT_EQ(none.time, "");
}

TEST_F(HistoryStoreTest, DeleteByTypeKeepsTheOtherFamilies) {
  for (const char* family : {"0", "1", "2", "1"}) {
    ASSERT_TRUE(InsertHistory(Queued(std::string("C:\\x\\f") + family + ".pdf", family)));
  }
  EXPECT_TRUE(SelectHistoryByType("1").size() == 2u);
  ASSERT_TRUE(DeleteHistoryByType(1));
  EXPECT_TRUE(SelectHistoryByType("1").empty());
  EXPECT_EQ(SourcesOf(SelectHistoryByType("0")), std::vector<std::string>{"C:\\x\\f0.pdf"});
  EXPECT_EQ(SourcesOf(SelectHistoryByType("2")), std::vector<std::string>{"C:\\x\\f2.pdf"});
}

TEST_F(HistoryStoreTest, ChinesePathsAreStoredAsAnsiBytes) {
  const std::string path = "D:\\报告\\季度 汇总.pdf";
  ASSERT_TRUE(InsertHistory(Queued(path, "0")));
  ASSERT_TRUE(MarkHistoryDone({path, "D:\\输出\\季度 汇总.docx", "季度 汇总.docx", "0"}));
  const std::vector<HistoryRow> rows = SelectHistoryByType("0");
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].sourcePath, path);
  EXPECT_EQ(rows[0].sourceName, "季度 汇总.pdf");
  EXPECT_EQ(rows[0].outputName, "季度 汇总.docx");
  // Existing databases hold the code page's bytes, not UTF-8.
  EXPECT_EQ(QueryText("select lower(hex(Pw_PInFile)) from LOG_PW"),
            HexEncode(path.data(), path.size()));
}

TEST_F(HistoryStoreTest, AQuoteInANameIsJustACharacter) {
  const std::string quoted = "C:\\x\\it's.pdf";
  const std::string injection = "C:\\x\\a' or '1'='1.pdf";
  ASSERT_TRUE(InsertHistory(Queued(quoted, "0")));
  ASSERT_TRUE(InsertHistory(Queued(injection, "0")));
  ASSERT_TRUE(InsertHistory(Queued("C:\\x\\other.pdf", "0")));
  ASSERT_TRUE(MarkHistoryDone({injection, "D:\\o'ut\\a.docx", "a.docx", "0"}));

  const std::vector<HistoryRow> rows = SelectHistoryByType("0");
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[2].sourceName, "it's.pdf");
  EXPECT_EQ(rows[2].isOk, "0");
  EXPECT_EQ(rows[1].sourcePath, injection);
  EXPECT_EQ(rows[1].outputPath, "D:\\o'ut\\a.docx");
  EXPECT_EQ(rows[0].isOk, "0");
}

TEST_F(HistoryStoreTest, AWriteWaitsForABusyDatabaseInsteadOfLosingTheRecord) {
  sqlite3* other = OpenDirectly();
  ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE;", nullptr, nullptr, nullptr), SQLITE_OK);
  auto insert = std::async(std::launch::async, [] { return InsertHistory(Queued("C:\\x\\a.pdf", "0")); });
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(sqlite3_exec(other, "COMMIT;", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(other);
  EXPECT_TRUE(insert.get());
  EXPECT_EQ(SelectHistoryByType("0").size(), 1u);
}

TEST(HistoryStore, ADatabaseThatCannotBeOpenedWritesAndReadsNothing) {
  TempFolder dir;
  // A file where the data folder should be: neither the folder nor the database can exist.
  ASSERT_TRUE(WriteFileBytes(dir / "LumvexConverter", "not a folder"));
  ScopedProfile scoped(dir.path());
  EXPECT_FALSE(CreateHistoryTable());
  EXPECT_FALSE(InsertHistory(Queued("C:\\x\\a.pdf", "0")));
  EXPECT_FALSE(MarkHistoryDone({"C:\\x\\a.pdf", "D:\\a.docx", "a.docx", "0"}));
  EXPECT_TRUE(SelectHistoryByType("0").empty());
  EXPECT_EQ(SelectHistoryById(1).sourcePath, "");
  EXPECT_FALSE(DeleteHistoryByType(0));
}

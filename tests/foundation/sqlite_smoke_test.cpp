#include <sqlite3.h>

#include <gtest/gtest.h>

#include "TempFolder.h"

TEST(SqliteSmoke, CreatesWritesAndRereadsADatabaseFile) {
  TempFolder dir;
  const std::string path = dir / "smoke.db";
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db, "CREATE TABLE t(a INTEGER, b TEXT); INSERT INTO t VALUES(7, 'seven');",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  sqlite3_close(db);

  db = nullptr;
  ASSERT_EQ(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
  sqlite3_stmt* st = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT a, b FROM t", -1, &st, nullptr), SQLITE_OK);
  ASSERT_EQ(sqlite3_step(st), SQLITE_ROW);
  EXPECT_EQ(sqlite3_column_int(st, 0), 7);
  EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)), "seven");
  EXPECT_EQ(sqlite3_step(st), SQLITE_DONE);
  sqlite3_finalize(st);
  sqlite3_close(db);
  EXPECT_FALSE(ReadFileBytes(path).empty());
}

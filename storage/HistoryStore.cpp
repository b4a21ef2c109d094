#include "HistoryStore.h"

#include <sqlite3.h>

#include <initializer_list>
#include <memory>

#include "CodePage.h"
#include "DataFolder.h"
#include "TextFormat.h"

namespace {

const char kCreateTable[] =
    "CREATE TABLE [LOG_PW] ([Pw_Id] INTEGER NOT NULL PRIMARY KEY, [Pw_Time] NVARCHAR(260), "
    "[Pw_PInFile] NVARCHAR(260), [Pw_InFile] NVARCHAR(260), [Pw_POutFile] NVARCHAR(260), "
    "[Pw_OutFile] NVARCHAR(260), [Pw_Type] NVARCHAR(260), [Pw_IsOk] NVARCHAR(260) DEFAULT(0), "
    "[Pw_By1] NVARCHAR(260), [Pw_By2] NVARCHAR(260), [Pw_By3] NVARCHAR(260), "
    "[Pw_By4] NVARCHAR(260) ); ";

// Values are bound, never pasted into the statement, so a quote in a file name is just a byte.
const char kInsert[] =
    "insert into LOG_PW(Pw_Time, Pw_PInFile, Pw_InFile, Pw_POutFile, Pw_OutFile, Pw_Type, "
    "Pw_IsOk, Pw_By1, Pw_By2, Pw_By3, Pw_By4) values (?,?,?,?,?,?,'0','','','','')";
const char kMarkDone[] =
    "update LOG_PW set Pw_POutFile=?, Pw_OutFile=?, Pw_IsOk=? where Pw_Type=? and Pw_PInFile=?";
const char kSelectByType[] = "select * from LOG_PW where Pw_Type = ? order by Pw_Id desc ";
const char kSelectById[] = "select * from LOG_PW where Pw_Id = ?";
const char kDeleteByType[] = "DELETE FROM LOG_PW WHERE Pw_Type = ?";

// Another connection (the other thread's, or another copy of the program) may hold the file
// for a moment; wait for it rather than lose the record.
constexpr int kBusyTimeoutMs = 3000;

struct DatabaseCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;

struct StatementFinalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

Database OpenHistory() {
  const std::string path = HistoryDatabasePath();
  if (path.empty()) return nullptr;
  sqlite3* raw = nullptr;
  const int result = sqlite3_open_v2(AnsiToUtf8(path).c_str(), &raw,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  Database db(raw);  // a failed open may still leave a handle to close
  if (result != SQLITE_OK) return nullptr;
  sqlite3_busy_timeout(raw, kBusyTimeoutMs);
  return db;
}

// Compiles the statement and binds the texts to its parameters in order; null on failure.
Statement Prepare(sqlite3* db, const char* sql, std::initializer_list<std::string> texts = {}) {
  sqlite3_stmt* raw = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &raw, nullptr) != SQLITE_OK) return nullptr;
  Statement statement(raw);
  int index = 1;
  for (const std::string& text : texts) {
    if (sqlite3_bind_text(raw, index++, text.data(), static_cast<int>(text.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK) {
      return nullptr;
    }
  }
  return statement;
}

// Runs one change in a transaction of its own; true when it ran and was committed.
bool RunWrite(sqlite3* db, Statement statement) {
  sqlite3_exec(db, "BEGIN TRANSACTION;", nullptr, nullptr, nullptr);
  const bool ran = statement && sqlite3_step(statement.get()) == SQLITE_DONE;
  statement.reset();
  // Committed whether or not the statement ran, so no transaction outlives the operation.
  const bool committed =
      sqlite3_exec(db, "COMMIT TRANSACTION;;", nullptr, nullptr, nullptr) == SQLITE_OK;
  if (!committed) sqlite3_exec(db, "ROLLBACK;", nullptr, nullptr, nullptr);
  return ran && committed;
}

bool Write(const char* sql, std::initializer_list<std::string> texts) {
  Database db = OpenHistory();
  return db && RunWrite(db.get(), Prepare(db.get(), sql, texts));
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text ? std::string(text, sqlite3_column_bytes(statement, column)) : std::string();
}

// Columns 0 to 7 of "select *"; the four spare columns after them are not read.
std::vector<HistoryRow> ReadRows(sqlite3_stmt* statement) {
  std::vector<HistoryRow> rows;
  while (statement && sqlite3_step(statement) == SQLITE_ROW) {
    HistoryRow row;
    row.id = sqlite3_column_int(statement, 0);
    std::string* texts[] = {&row.time,       &row.sourcePath, &row.sourceName, &row.outputPath,
                            &row.outputName, &row.type,       &row.isOk};
    for (int i = 0; i < 7; ++i) *texts[i] = ColumnText(statement, i + 1);
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

std::string HistoryDatabasePath() {
  const std::string profile = UserProfileFolder();
  if (profile.empty() || GetUserDataDir(false).empty()) return std::string();
  return profile + "/" + kDataFolderName + "/macro.lib";
}

bool CreateHistoryTable() {
  Database db = OpenHistory();
  if (!db) return false;
  // Fails once the table exists, which keeps the history of earlier runs.
  RunWrite(db.get(), Prepare(db.get(), kCreateTable));
  return true;
}

bool InsertHistory(const HistoryEntry& entry) {
  return Write(kInsert, {TodayText(), entry.sourcePath, entry.sourceName, entry.outputPath,
                         entry.outputName, entry.family});
}

bool MarkHistoryDone(const HistoryUpdate& update) {
  return Write(kMarkDone,
               {update.outputPath, update.outputName, "1", update.family, update.sourcePath});
}

std::vector<HistoryRow> SelectHistoryByType(const std::string& type) {
  Database db = OpenHistory();
  if (!db) return {};
  return ReadRows(Prepare(db.get(), kSelectByType, {type}).get());
}

HistoryRow SelectHistoryById(int id) {
  Database db = OpenHistory();
  if (!db) return HistoryRow();
  Statement statement = Prepare(db.get(), kSelectById);
  if (!statement || sqlite3_bind_int(statement.get(), 1, id) != SQLITE_OK) return HistoryRow();
  std::vector<HistoryRow> rows = ReadRows(statement.get());
  return rows.empty() ? HistoryRow() : rows.front();
}

bool DeleteHistoryByType(int type) { return Write(kDeleteByType, {std::to_string(type)}); }

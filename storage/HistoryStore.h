// The conversion history: one SQLite table, LOG_PW, in "macro.lib" in the user data folder.
// Every operation opens its own connection and closes it again, so the UI thread (inserts) and
// the response worker (updates) never share one. Values are stored as the program's ANSI bytes,
// which is what existing databases hold; only the database's file name is converted to UTF-8.
#pragma once

#include <string>
#include <vector>

struct HistoryEntry {
  std::string sourcePath;
  std::string sourceName;
  std::string outputPath;
  std::string outputName;
  std::string family;  // "0", "1" or "2"
};

struct HistoryUpdate {
  std::string sourcePath;
  std::string outputPath;
  std::string outputName;
  std::string family;
};

struct HistoryRow {
  int id = 0;
  std::string time;  // date of queuing, "2019-10-11"
  std::string sourcePath;
  std::string sourceName;
  std::string outputPath;
  std::string outputName;
  std::string type;
  std::string isOk;  // "1" once the job succeeded
};

// The database file, "<profile>/LumvexConverter/macro.lib" in ANSI; the data folder is created
// when missing. Empty when the profile folder is unknown.
std::string HistoryDatabasePath();

// Creates the table; on every start after the first it already exists and nothing changes.
// True when the database could be opened.
bool CreateHistoryTable();

// Records a queued job with today's date, not yet successful. True when the row was written.
bool InsertHistory(const HistoryEntry& entry);

// Marks every row of the family with that source path successful and stores the output in it.
// True when the change was written.
bool MarkHistoryDone(const HistoryUpdate& update);

// The rows of one family, newest first; empty when the database cannot be read.
std::vector<HistoryRow> SelectHistoryByType(const std::string& type);

// The row with that id; a row with empty texts when there is none.
HistoryRow SelectHistoryById(int id);

// True when the rows were deleted.
bool DeleteHistoryByType(int type);

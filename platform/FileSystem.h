// Folder and file helpers on ANSI paths. They report failure by their result and close
// whatever they open.
#pragma once

#include <string>
#include <vector>

bool FolderExists(const std::string& path);
// Creates one folder; false for an empty path or when it cannot be created (or exists).
bool CreateOneFolder(const std::string& path);
// Creates every missing folder of the path, parents first. The result is that of creating the
// path itself, so it is false when the folder already existed.
bool CreateFolderTree(const std::string& path);
// Deletes the files of `folder` matching "*.<extension>" ("*" for all); sub-folders stay.
// With `removeFolder`, then removes the folder when it has become empty.
void DeleteFilesInFolder(bool removeFolder, const std::string& folder, const std::string& extension);
// Appends the full paths of the files below `folder`, sub-folders searched where they are met,
// whose ".<extension>;" occurs in `patterns` (".pdf;.docx;"), or of every file for "*".
// Links and junctions are not followed, so a link back up the tree cannot loop.
void CollectFiles(const std::string& folder, const std::string& patterns,
                  std::vector<std::string>& out);
// True when `patterns` is "*" or holds ".<extension of name>;"; case-sensitive.
bool MatchesExtensionList(const std::string& name, const std::string& patterns);

// Reads the whole file into `out` and returns its length; -1 (and `out` untouched) when it
// cannot be opened or read.
long long ReadWholeFile(const std::string& path, std::string& out);
// Creates or truncates the file and writes the bytes; false when that fails.
[[nodiscard]] bool WriteWholeFile(const std::string& path, const std::string& bytes);

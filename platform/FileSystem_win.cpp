#include "FileSystem.h"

#include <windows.h>

#include "CharWalk.h"
#include "TextFormat.h"

namespace {

// The one owner of a find handle.
class FindHandle {
 public:
  FindHandle(const std::string& pattern, WIN32_FIND_DATAA& data)
      : m_find(FindFirstFileA(pattern.c_str(), &data)) {}
  FindHandle(const FindHandle&) = delete;
  FindHandle& operator=(const FindHandle&) = delete;
  ~FindHandle() {
    if (valid()) FindClose(m_find);
  }
  bool valid() const { return m_find != INVALID_HANDLE_VALUE; }
  bool Next(WIN32_FIND_DATAA& data) { return FindNextFileA(m_find, &data) != FALSE; }

 private:
  HANDLE m_find;
};

bool IsDotEntry(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

bool FolderExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool CreateOneFolder(const std::string& path) {
  return !path.empty() && CreateDirectoryA(path.c_str(), nullptr);
}

bool CreateFolderTree(const std::string& path) {
  // "C:\a\b" tries "C:" (which fails harmlessly), then "C:\a", then "C:\a\b".
  const size_t slash = FindLastCharOf(path, '\\');
  if (slash != std::string::npos && slash > 0) CreateFolderTree(path.substr(0, slash));
  return CreateOneFolder(path);
}

void DeleteFilesInFolder(bool removeFolder, const std::string& folder, const std::string& extension) {
  WIN32_FIND_DATAA data;
  FindHandle find(FormatText("%s\\*.%s", folder.c_str(), extension.c_str()), data);
  for (bool more = find.valid(); more; more = find.Next(data)) {
    if (IsDotEntry(data.cFileName) || (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
    DeleteFileA((folder + "\\" + data.cFileName).c_str());
  }
  if (removeFolder && FolderExists(folder)) RemoveDirectoryA(folder.c_str());
}

void CollectFiles(const std::string& folder, const std::string& patterns,
                  std::vector<std::string>& out) {
  WIN32_FIND_DATAA data;
  FindHandle find(folder + "\\*", data);
  for (bool more = find.valid(); more; more = find.Next(data)) {
    if (IsDotEntry(data.cFileName)) continue;
    const std::string path = folder + "\\" + data.cFileName;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) CollectFiles(path, patterns, out);
    } else if (MatchesExtensionList(data.cFileName, patterns)) {
      out.push_back(path);
    }
  }
}

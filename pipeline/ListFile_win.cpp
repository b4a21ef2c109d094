#include "ListFile.h"

#include <windows.h>

#include <cstdint>
#include <ctime>
#include <memory>

#include "DataFolder.h"
#include "FileSystem.h"
#include "TextHelpers.h"

namespace {

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using FileHandle = std::unique_ptr<void, HandleCloser>;

// Enough for every list file a user can start within the same few minutes.
constexpr int kNameAttempts = 1000;

// Creates a file that did not exist before, trying the numbers from `seconds` on.
FileHandle CreateNewListFile(const std::string& folder, int64_t seconds, std::string& path) {
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    // The name carries the lower 32 bits of the time, read as a signed number.
    const auto number = static_cast<int32_t>(static_cast<uint32_t>(seconds + attempt));
    path = ListFileName(folder, number);
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) return FileHandle(handle);
    if (GetLastError() != ERROR_FILE_EXISTS) break;
  }
  return FileHandle();
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  DWORD written = 0;
  return WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

}  // namespace

std::optional<ListFile> WriteListFile(const std::string& verb,
                                      const std::vector<std::string>& paths,
                                      const std::vector<std::string>& ranges,
                                      const std::vector<std::string>& passwords,
                                      const std::string& kind) {
  const std::string encoded = Base64Encode(FormatListBody(verb, paths, ranges, passwords, kind));
  const std::string dataFolder = GetUserDataDir(true);
  if (encoded.empty() || dataFolder.empty()) return std::nullopt;
  const std::string folder = dataFolder + "common";
  if (!FolderExists(folder)) CreateFolderTree(folder);

  ListFile result;
  FileHandle file = CreateNewListFile(folder, std::time(nullptr), result.path);
  if (!file) return std::nullopt;
  if (!WriteAll(file.get(), encoded)) {
    file.reset();
    DeleteFileA(result.path.c_str());
    return std::nullopt;
  }
  result.digest = Md5Hex(encoded);
  return result;
}

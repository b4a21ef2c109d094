#include "ProgramIdentity.h"

#include <windows.h>

#include <vector>

#include "TextFormat.h"
#include "TextHelpers.h"

std::string ExePath() {
  // A path that fills the buffer may have been cut, so the buffer grows until it fits.
  for (DWORD size = MAX_PATH; size <= 32768; size *= 2) {
    std::vector<char> buffer(size);
    const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), size);
    if (length == 0) return std::string();
    if (length < size) return std::string(buffer.data(), length);
  }
  return std::string();
}

std::string ExeFileName() { return FileNameOf(ExePath()); }

std::string ExeFolder() { return FolderOf(ExePath(), true); }

std::string ProductVersionOf(const std::string& file) {
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
  if (size == 0) return std::string();
  std::vector<char> block(size);
  if (!GetFileVersionInfoA(file.c_str(), 0, size, block.data())) return std::string();
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedSize = 0;
  if (!VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &fixedSize) ||
      !fixed || fixedSize < sizeof *fixed)
    return std::string();
  return FormatText("%ld.%ld.%ld.%ld", static_cast<long>(HIWORD(fixed->dwProductVersionMS)),
                    static_cast<long>(LOWORD(fixed->dwProductVersionMS)),
                    static_cast<long>(HIWORD(fixed->dwProductVersionLS)),
                    static_cast<long>(LOWORD(fixed->dwProductVersionLS)));
}

std::string ProgramVersion() { return ProductVersionOf(ExePath()); }

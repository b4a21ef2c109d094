#include "SystemVersion.h"

#include <windows.h>

namespace {

using VersionNumbersFn = void(WINAPI*)(DWORD*, DWORD*, DWORD*);

class LibraryHandle {
 public:
  explicit LibraryHandle(const char* name) : m_module(LoadLibraryA(name)) {}
  LibraryHandle(const LibraryHandle&) = delete;
  LibraryHandle& operator=(const LibraryHandle&) = delete;
  ~LibraryHandle() {
    if (m_module) FreeLibrary(m_module);
  }
  HMODULE get() const { return m_module; }

 private:
  HMODULE m_module;
};

}  // namespace

bool GetNtVersion(unsigned long& major, unsigned long& minor) {
  LibraryHandle ntdll("ntdll.dll");
  if (!ntdll.get()) return false;
  const auto query = reinterpret_cast<VersionNumbersFn>(
      reinterpret_cast<void*>(GetProcAddress(ntdll.get(), "RtlGetNtVersionNumbers")));
  if (query) {
    DWORD build = 0;
    major = minor = 0;
    query(&major, &minor, &build);
    major &= 0xffff;
    minor &= 0xffff;
  }
  return true;
}

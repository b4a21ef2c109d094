#include "Skin_win.h"

#include <map>
#include <mutex>

#include "MemoryArchive.h"

namespace skin {
namespace {

// Windows may run a dialog on a worker thread with its own message loop, so the shared state is
// guarded; images are immutable once decoded.
struct State {
  std::mutex lock;
  HINSTANCE instance = nullptr;
  std::string folder;
  std::unique_ptr<MemoryArchive> archive;
  std::map<std::string, std::shared_ptr<const CSkinImage>> images;
};

State& TheState() {
  static State* state = new State;
  return *state;
}

std::string NormalisePath(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  while (!path.empty() && path[0] == '/') path.erase(0, 1);
  return path;
}

bool ReadFromDisk(const std::string& path, std::vector<unsigned char>& out) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file, &size) && size.QuadPart < 0x10000000;
  if (ok) {
    out.resize(static_cast<size_t>(size.QuadPart));
    DWORD got = 0;
    ok = out.empty() || (::ReadFile(file, out.data(), static_cast<DWORD>(out.size()), &got, nullptr) && got == out.size());
  }
  CloseHandle(file);
  if (!ok) out.clear();
  return ok;
}

}  // namespace

void SetInstance(HINSTANCE instance) {
  std::lock_guard<std::mutex> hold(TheState().lock);
  TheState().instance = instance;
}

HINSTANCE Instance() {
  std::lock_guard<std::mutex> hold(TheState().lock);
  return TheState().instance ? TheState().instance : GetModuleHandleA(nullptr);
}

void SetResourceFolder(const std::string& folder) {
  std::lock_guard<std::mutex> hold(TheState().lock);
  TheState().folder = folder;
  if (!folder.empty() && folder.back() != '\\' && folder.back() != '/') TheState().folder += '\\';
}

std::string ResourceFolder() {
  std::lock_guard<std::mutex> hold(TheState().lock);
  return TheState().folder;
}

void SetArchive(const void* data, size_t size) {
  State& s = TheState();
  std::lock_guard<std::mutex> hold(s.lock);
  s.archive = data && size ? std::make_unique<MemoryArchive>(data, size) : nullptr;
  s.images.clear();
}

bool ReadFile(const std::string& path, std::vector<unsigned char>& out) {
  State& s = TheState();
  std::lock_guard<std::mutex> hold(s.lock);
  if (s.archive) return s.archive->Read(NormalisePath(path), out);
  if (s.folder.empty()) return false;
  std::string full = s.folder + path;
  for (char& c : full) {
    if (c == '/') c = '\\';
  }
  return ReadFromDisk(full, out);
}

std::shared_ptr<const CSkinImage> Image(const std::string& path) {
  State& s = TheState();
  {
    std::lock_guard<std::mutex> hold(s.lock);
    const auto it = s.images.find(path);
    if (it != s.images.end()) return it->second;
  }
  std::vector<unsigned char> bytes;
  std::shared_ptr<const CSkinImage> image;
  if (ReadFile(path, bytes)) image = CSkinImage::Decode(bytes);
  std::lock_guard<std::mutex> hold(s.lock);
  return s.images.emplace(path, image).first->second;
}

bool LoadArchiveResource(HMODULE module, int resourceId) {
  HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(resourceId), "SKIN");
  if (!info) return false;
  const DWORD size = SizeofResource(module, info);
  HGLOBAL loaded = LoadResource(module, info);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data || size == 0) return false;
  SetArchive(data, size);
  return true;
}

}  // namespace skin

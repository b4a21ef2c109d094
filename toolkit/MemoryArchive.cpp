#include "MemoryArchive.h"

#include <unzip.h>

#include <cstring>

namespace {

// minizip reads through a table of file functions; these serve a byte buffer as a file.
struct MemoryFile {
  const std::vector<unsigned char>* bytes;
  ZPOS64_T pos;
};

voidpf OpenMemory(voidpf opaque, const void*, int) {
  return new MemoryFile{static_cast<const std::vector<unsigned char>*>(opaque), 0};
}

uLong ReadMemory(voidpf, voidpf stream, void* buf, uLong size) {
  auto* f = static_cast<MemoryFile*>(stream);
  const ZPOS64_T left = f->pos < f->bytes->size() ? f->bytes->size() - f->pos : 0;
  const uLong n = static_cast<uLong>(size < left ? size : left);
  if (n) std::memcpy(buf, f->bytes->data() + f->pos, n);
  f->pos += n;
  return n;
}

uLong WriteMemory(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T TellMemory(voidpf, voidpf stream) { return static_cast<MemoryFile*>(stream)->pos; }

long SeekMemory(voidpf, voidpf stream, ZPOS64_T offset, int origin) {
  auto* f = static_cast<MemoryFile*>(stream);
  ZPOS64_T base = 0;
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
    case ZLIB_FILEFUNC_SEEK_CUR: base = f->pos; break;
    case ZLIB_FILEFUNC_SEEK_END: base = f->bytes->size(); break;
    default: return -1;
  }
  if (base + offset > f->bytes->size()) return -1;
  f->pos = base + offset;
  return 0;
}

int CloseMemory(voidpf, voidpf stream) {
  delete static_cast<MemoryFile*>(stream);
  return 0;
}

int ErrorMemory(voidpf, voidpf) { return 0; }

}  // namespace

MemoryArchive::MemoryArchive(const void* data, size_t size)
    : m_bytes(static_cast<const unsigned char*>(data), static_cast<const unsigned char*>(data) + size) {}

bool MemoryArchive::Read(const std::string& path, std::vector<unsigned char>& out) const {
  zlib_filefunc64_def funcs = {};
  funcs.zopen64_file = OpenMemory;
  funcs.zread_file = ReadMemory;
  funcs.zwrite_file = WriteMemory;
  funcs.ztell64_file = TellMemory;
  funcs.zseek64_file = SeekMemory;
  funcs.zclose_file = CloseMemory;
  funcs.zerror_file = ErrorMemory;
  funcs.opaque = const_cast<std::vector<unsigned char>*>(&m_bytes);

  unzFile zip = unzOpen2_64("memory", &funcs);
  if (!zip) return false;
  bool ok = false;
  unz_file_info64 info;
  // Case 2: compare names without regard to case.
  if (unzLocateFile(zip, path.c_str(), 2) == UNZ_OK &&
      unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) == UNZ_OK &&
      unzOpenCurrentFile(zip) == UNZ_OK) {
    out.resize(static_cast<size_t>(info.uncompressed_size));
    const int n = out.empty() ? 0 : unzReadCurrentFile(zip, out.data(), static_cast<unsigned>(out.size()));
    ok = n == static_cast<int>(out.size()) && unzCloseCurrentFile(zip) == UNZ_OK;
    if (!ok) out.clear();
  }
  unzClose(zip);
  return ok;
}

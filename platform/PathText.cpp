#include "TextHelpers.h"

#include "CharWalk.h"

std::string FileNameOf(const std::string& path) {
  const size_t slash = FindLastCharOf(path, '\\');
  return slash == std::string::npos ? std::string() : path.substr(slash + 1);
}

std::string FolderOf(const std::string& path, bool keepSeparator) {
  const size_t slash = FindLastCharOf(path, '\\');
  if (slash == std::string::npos) return keepSeparator ? std::string() : path;
  return path.substr(0, keepSeparator ? slash + 1 : slash);
}

std::string ExtensionOf(const std::string& nameOrPath) {
  const size_t dot = FindLastCharOf(nameOrPath, '.');
  return dot == std::string::npos ? std::string() : nameOrPath.substr(dot + 1);
}

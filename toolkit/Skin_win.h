// The process's skin: where layouts and images come from. The program registers the archive it
// carries as a resource; without an archive, files are read from the resource folder on disk.
// Decoded images are cached per archive, so every window shares one copy of each.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "SkinImage_win.h"

namespace skin {

void SetInstance(HINSTANCE instance);
// The module whose resources (icons, the skin) the toolkit uses; the program itself by default.
HINSTANCE Instance();

// The folder files are read from when no archive is set; a trailing backslash is added.
void SetResourceFolder(const std::string& folder);
std::string ResourceFolder();

// Takes a copy of a ZIP archive held in memory as the source of every layout and image; drops the
// images cached from the previous source. An empty buffer removes the archive.
void SetArchive(const void* data, size_t size);

// Reads a skin file ("about.xml", "img/logo.png"); false when it is missing or unreadable.
bool ReadFile(const std::string& path, std::vector<unsigned char>& out);

// The decoded image of a skin file, or null when it is missing or not an image. A failed load is
// remembered as well, so a missing image costs one look-up.
std::shared_ptr<const CSkinImage> Image(const std::string& path);

// Reads the archive embedded in a module as resource type "SKIN" with the given id and makes it
// the skin; false when the resource is missing or empty.
bool LoadArchiveResource(HMODULE module, int resourceId);

}  // namespace skin

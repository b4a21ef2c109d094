// The output-folder choice of each work area (0 PDF to other, 1 other to PDF, 2 operations):
// a flag that says results go into a folder of the user's choosing, and that folder.
#pragma once

#include <string>

#include "Ini.h"

struct OutputFolderKeys {
  const char* flagKey;    // "1": use the folder; "0": results go next to their source file
  const char* folderKey;  // the folder, without a trailing "\"
};

// Null for an area outside 0..2.
const OutputFolderKeys* OutputFolderKeysOf(int area);

// Folders are read as the work area's folder field holds them: at most 255 bytes.
constexpr size_t kFolderBufferSize = 256;

struct OutputFolderSetting {
  bool custom = false;
  std::string folder;
};

// Read afresh on every call: the user may change the choice between two conversions.
OutputFolderSetting ReadOutputFolderSetting(const CIni& ini, int area);

// The output folder a job is sent with: the chosen folder and "\" when the flag is set, else
// empty, which leaves the converter to write next to the source file.
std::string JobOutputFolder(const OutputFolderSetting& setting);

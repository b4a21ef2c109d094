// The running program's own path and version.
#pragma once

#include <string>

// Full path of the running executable, however long.
std::string ExePath();
// "Morvane.exe": the text after the last backslash of the full path.
std::string ExeFileName();
// The executable's folder with a trailing backslash.
std::string ExeFolder();
// "1.0.0.0": the product version from a file's version resource, empty when it has none.
std::string ProductVersionOf(const std::string& file);
// The running executable's product version.
std::string ProgramVersion();

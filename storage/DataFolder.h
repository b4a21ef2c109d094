// The per-user data folder, "LumvexConverter" in the user's profile folder, which holds the
// settings file, the history database, the log folders and the work folders.
#pragma once

#include <string>

constexpr const char* kDataFolderName = "LumvexConverter";

// The user's profile folder: the "USERPROFILE" variable, or the system's profile folder when it
// is not set. Empty when neither is known.
std::string UserProfileFolder();

// The data folder, created with any missing parents first; with a trailing "\" when asked.
// Empty when the profile folder is unknown.
std::string GetUserDataDir(bool withSeparator);

// The list file of a multi-file job (images into one PDF, PDF merge). The job's command names
// the file instead of one input; the file holds, Base64-encoded, a body listing every input with
// its page range and password, and the command carries the MD5 digest of that encoded text.
#pragma once

#include <optional>
#include <string>
#include <vector>

// "<verb|0|-1|paths|ranges|passwords|kind>", each list joined by "*" (empty entries stay).
std::string FormatListBody(const std::string& verb, const std::vector<std::string>& paths,
                           const std::vector<std::string>& ranges,
                           const std::vector<std::string>& passwords, const std::string& kind);

// Standard Base64 with "=" padding and no line breaks.
std::string Base64Encode(const std::string& bytes);

// "<folder>\imgto<seconds>.hs".
std::string ListFileName(const std::string& folder, long seconds);

struct ListFile {
  std::string path;
  std::string digest;  // 32 lower-case hexadecimal digits
};

// Writes the encoded body into a new file in the "common" folder of the user data folder,
// creating the folder when missing, and returns its path and digest; nothing when it cannot be
// written. The file is named from the current time; a name already taken (a second list file
// within the same second) moves on to the next free number rather than overwrite a file that a
// queued job still has to read.
std::optional<ListFile> WriteListFile(const std::string& verb,
                                      const std::vector<std::string>& paths,
                                      const std::vector<std::string>& ranges,
                                      const std::vector<std::string>& passwords,
                                      const std::string& kind);

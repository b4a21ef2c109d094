// Starting other programs.
#pragma once

#include <cstdint>
#include <string>

// Creates the process without a console window and without inherited handles; with `wait`,
// returns only when it has ended. Non-zero when the process was created.
int RunProcess(const std::string& application, const std::string& commandLine, bool wait);
// Asks the shell to "open" a document, folder or program in a normal window. Returns the
// shell's result: above 32 on success.
std::intptr_t ShellOpen(const std::string& file, const std::string& parameters = std::string());

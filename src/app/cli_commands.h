#pragma once
// The command-line tool: a thin front end on the core library for scripts and version control.

#include <iosfwd>
#include <string>
#include <vector>

namespace vorlan {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Runs the command given by args (without the program name). settingsPath is the settings file
// the editor uses. Messages meant for the user go to err, results to out.
int RunCli(const std::vector<std::string>& args, const std::string& settingsPath, std::ostream& out,
           std::ostream& err);

}  // namespace vorlan

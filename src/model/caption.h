#pragma once
// The main window's caption texts.

#include <string>

namespace vorlan {

inline constexpr const char* kProgramVersion = "beta 0.35se";

// " Vorlan <version> - (<file name>) - <title>"
std::string MissionCaption(const std::string& path, const std::string& title);
// " Vorlan <version> - [Unnamed]"
std::string UnnamedMissionCaption();

}  // namespace vorlan

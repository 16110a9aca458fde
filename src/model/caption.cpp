#include "model/caption.h"

namespace vorlan {

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string MissionCaption(const std::string& path, const std::string& title) {
    return std::string(" Vorlan ") + kProgramVersion + " - (" + FileNameOf(path) + ") - " + title;
}

std::string UnnamedMissionCaption() {
    return std::string(" Vorlan ") + kProgramVersion + " - [Unnamed]";
}

}  // namespace vorlan

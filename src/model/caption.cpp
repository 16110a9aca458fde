#include "model/caption.h"

#include "base/paths.h"

namespace vorlan {

std::string MissionCaption(const std::string& path, const std::string& title) {
    return std::string(" Vorlan ") + kProgramVersion + " - (" + FileNameOf(path) + ") - " + title;
}

std::string UnnamedMissionCaption() {
    return std::string(" Vorlan ") + kProgramVersion + " - [Unnamed]";
}

}  // namespace vorlan

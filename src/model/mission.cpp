#include "model/mission.h"

namespace vorlan {

std::string Mission::FirstBriefingString() const {
    if (Briefings.empty() || Briefings.front().BriefingStrings.empty()) {
        return {};
    }
    return Briefings.front().BriefingStrings.front();
}

std::string Mission::Title() const {
    std::string title = FirstBriefingString();
    if (title.size() > 1 && title.front() == '>') {
        title.erase(0, 1);
    }
    return title;
}

}  // namespace vorlan

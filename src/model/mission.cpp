#include "model/mission.h"

namespace vorlan {
namespace {

template <class M>
auto& TextOfMission(M& mission, int which) {
    switch (which) {
        case 1:
            return mission.SuccessDebriefText;
        case 2:
            return mission.FailureDebriefText;
        default:
            return mission.DescriptionText;
    }
}

}  // namespace

std::string& MissionText(Mission& mission, int which) {
    return TextOfMission(mission, which);
}

const std::string& MissionText(const Mission& mission, int which) {
    return TextOfMission(mission, which);
}

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

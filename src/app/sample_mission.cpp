#include "app/sample_mission.h"

#include <array>
#include <iostream>

#include "app/cli_ui.h"
#include "io/write_mission.h"
#include "ops/fg_create.h"
#include "ops/message_ops.h"
#include "session/new_mission.h"
#include "session/session.h"

namespace vorlan {

bool WriteSampleMission(const std::string& path, int flightGroups) {
    CliUi ui(std::cerr);
    Session session(ui);
    NewMission(session);
    static constexpr std::array<const char*, 8> kNames = {"Red",   "Gold", "Alpha", "Beta",
                                                          "Tango", "Mu",   "Omega", "Delta"};
    for (int i = 1; i < flightGroups; ++i) {
        NewFG(session);
    }
    auto& groups = session.CurrentMission().FlightGroups;
    for (std::size_t i = 0; i < groups.size(); ++i) {
        auto& record = groups[i]->Record;
        std::string name = kNames[i % kNames.size()];
        if (i >= kNames.size()) {
            name += ' ';
            name += std::to_string(i / kNames.size() + 1);
        }
        record.SetText(FGRec::Name, name);
        record.Set(FGRec::CraftType, static_cast<std::uint8_t>(1 + (i * 7) % 40));
        record.Set(FGRec::CraftCount, static_cast<std::uint8_t>(1 + i % 3));
        record.Set(FGRec::IFF, static_cast<std::uint8_t>(i % 4));
        record.Set(FGRec::Team, static_cast<std::uint8_t>(i % 2));
    }
    static constexpr std::array<const char*, 4> kMessages = {
        "Stay in formation", "1Enemy fighters inbound", "2Hold position", "3Mission complete"};
    for (std::size_t i = 0; i < kMessages.size(); ++i) {
        AddMessage(session, session.VoiceList);
        auto& message = *session.CurrentMission().Messages.back();
        message.Record.SetText(MsgRec::Text, kMessages[i]);
        message.Record.Set(MsgRec::Color, static_cast<std::uint8_t>(i));
    }
    session.CurrentMission().Briefings[0].BriefingStrings[0] = "Sample patrol";
    session.CurrentMission().MissionFileName = path;
    return WriteMission(session, path, false);
}

}  // namespace vorlan

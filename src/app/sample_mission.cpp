#include "app/sample_mission.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>

#include "app/cli_ui.h"
#include "edit/point_rules.h"
#include "io/write_mission.h"
#include "ops/fg_create.h"
#include "ops/message_ops.h"
#include "session/new_mission.h"
#include "session/session.h"

namespace vorlan {
namespace {

// A craft of every kind the map tells apart: fighters and bombers of both sides, shuttle,
// transports, container, freighter, the capital ships, platform, mine, buoy, satellite,
// planet, asteroid and yard.
constexpr std::array<std::uint8_t, 24> kSampleCraft = {
    1, 5, 2, 7, 3, 6, 17, 22, 26, 32, 40, 42, 49, 53, 60, 75, 85, 70, 87, 86, 4, 38, 91, 78};

// Spreads the flight groups over a disc, each with a short route when its craft flies one.
void PlaceSampleFG(FGObject& fg, std::size_t i) {
    // The golden angle keeps a spiral of any length evenly spaced.
    const double angle = static_cast<double>(i) * 2.399963;
    const double radius = 1.6 * kRawUnitsPerKm * std::sqrt(static_cast<double>(i) + 1);
    const auto at = [](double value) {
        return static_cast<std::int16_t>(std::clamp(std::lround(value), -32000L, 32000L));
    };
    fg.PointX[1] = at(radius * std::cos(angle));
    fg.PointY[1] = at(radius * std::sin(angle));
    fg.PointZ[1] = at(static_cast<double>(static_cast<int>(i % 5) - 2) * kRawUnitsPerKm);
    fg.PointEnabled[1] = 1;
    const bool flies = fg.Record.Get(FGRec::CraftType) < 55;
    for (int waypoint = 0; waypoint < 3; ++waypoint) {
        const auto j = static_cast<std::size_t>(5 + waypoint);
        fg.PointEnabled[j] = flies ? 1 : 0;
        const double step = (waypoint + 1) * 2.0 * kRawUnitsPerKm;
        fg.PointX[j] = at(fg.PointX[1] + step * std::cos(angle + 1.2 + waypoint * 0.6));
        fg.PointY[j] = at(fg.PointY[1] + step * std::sin(angle + 1.2 + waypoint * 0.6));
        fg.PointZ[j] = at(fg.PointZ[1] + (waypoint + 1) * kRawUnitsPerKm / 2.0);
    }
    fg.RecomputePointData();
}

}  // namespace

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
        record.Set(FGRec::CraftType, kSampleCraft[i % kSampleCraft.size()]);
        record.Set(FGRec::CraftCount, static_cast<std::uint8_t>(1 + i % 3));
        record.Set(FGRec::IFF, static_cast<std::uint8_t>(i % 4));
        record.Set(FGRec::Team, static_cast<std::uint8_t>(i % 2));
        PlaceSampleFG(*groups[i], i);
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

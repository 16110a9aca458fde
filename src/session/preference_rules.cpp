#include "session/preference_rules.h"

#include <algorithm>
#include <cstdlib>

#include "session/session.h"

namespace vorlan {
namespace {

void ReplaceUndefined(std::string& directory, const std::string& replacement) {
    if (directory == kUndefinedDirectory) {
        directory = replacement;
    }
}

}  // namespace

void ApplyHiddenResets(Settings& settings) {
    settings.CheckPlayable = false;
    settings.AdjustForRes = false;
    settings.UseWiz = false;
    settings.DefaultFormat = 1;
    settings.FileSavedMsg = false;
    settings.DoBackups = false;
    settings.DefaultWPs = 0;
    settings.DefaultWPtime = false;
    settings.DefaultWPdist = false;
    settings.DefaultPallet = false;
    settings.DefaultFGList = false;
    settings.DefaultHyp = false;
    settings.DefaultOptions = false;
    settings.LimitShrink = true;
    settings.OnlyXY = false;
    settings.IconZoomSmall = kMinIconZoom;
    settings.OpenWith = OpenProgramWith::ChoiceBox;
}

void ApplyOpeningReplacements(Settings& settings, const std::string& homeDirectory) {
    ReplaceUndefined(settings.Missions, homeDirectory);
    ReplaceUndefined(settings.XWA, homeDirectory);
    ReplaceUndefined(settings.Vorlan, homeDirectory);
    const std::string& game = settings.XWA;
    const bool endsWithSlash = !game.empty() && game.back() == '/';
    ReplaceUndefined(settings.Wave, game + (endsWithSlash ? "" : "/") + kWaveSubdirectory);
}

void SetAutoLink(Session& session, bool on) {
    session.RunningSettings.AutoLink = on;
    for (const auto& fg : session.CurrentMission().FlightGroups) {
        fg->AutoIFF = on ? 1 : 0;
    }
}

void StoreDefaultFGChoice(Session& session) {
    auto& record = session.Template.DefaultFGRecord;
    record.Set(FGRec::CraftType, static_cast<std::uint8_t>(session.RunningSettings.DefaultShip));
    record.Set(FGRec::AI, static_cast<std::uint8_t>(session.RunningSettings.DefaultAI));
}

PreferencesSnapshot TakePreferencesSnapshot(const Session& session) {
    PreferencesSnapshot snapshot{session.RunningSettings, {}};
    const auto& groups = session.CurrentMission().FlightGroups;
    snapshot.AutoIFF.reserve(groups.size());
    for (const auto& fg : groups) {
        snapshot.AutoIFF.push_back(fg->AutoIFF);
    }
    return snapshot;
}

void RestorePreferencesSnapshot(Session& session, const PreferencesSnapshot& snapshot) {
    session.RunningSettings = snapshot.RunningSettings;
    const auto& groups = session.CurrentMission().FlightGroups;
    const std::size_t count = std::min(groups.size(), snapshot.AutoIFF.size());
    for (std::size_t i = 0; i < count; ++i) {
        groups[i]->AutoIFF = snapshot.AutoIFF[i];
    }
}

}  // namespace vorlan

#pragma once
// A MissionUi that records every call, for tests to check what the user would have seen.

#include <string>
#include <vector>

#include "model/mission_ui.h"

namespace vorlan::test {

class RecordingUi : public MissionUi {
public:
    void ShowError(const std::string& text) override { Errors.push_back(text); }
    void ShowWarning(const std::string& text) override { Warnings.push_back(text); }
    void SetCaption(const std::string& caption) override { Captions.push_back(caption); }
    void SaveEnabledChanged(bool enabled) override { SaveEnabled = enabled; }
    void DebriefingsShown(bool shown) override { DebriefingsVisible.push_back(shown); }
    void MissionReplaced() override { ++MissionsReplaced; }
    void HistoryChanged() override { ++HistoryChanges; }
    void ConfirmSaveWavList() override { ++WavListChecks; }
    void LoadWavList(const std::string& missionPath) override { WavLists.push_back(missionPath); }

    std::vector<std::string> Errors;
    std::vector<std::string> Warnings;
    std::vector<std::string> Captions;
    std::vector<bool> DebriefingsVisible;
    std::vector<std::string> WavLists;
    bool SaveEnabled = false;
    int MissionsReplaced = 0;
    int WavListChecks = 0;
    int HistoryChanges = 0;
};

}  // namespace vorlan::test

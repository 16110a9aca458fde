#pragma once
// What the core needs from whoever shows the mission: messages to the user and notices that
// the window must follow. The editor window implements it with dialogs and widgets; the
// command-line tool prints; tests record every call.

#include <string>

namespace vorlan {

enum class FormatChoice { Xvt, Bop };

class MissionUi {
public:
    virtual ~MissionUi() = default;

    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowWarning(const std::string& text) = 0;

    // The window caption changed.
    virtual void SetCaption(const std::string& caption) = 0;
    // The Save command's enabled state follows the modified flags.
    virtual void SaveEnabledChanged(bool enabled) = 0;
    // The debriefing texts (and their labels) are shown or hidden; hidden, the description
    // holds at most 1024 characters, shown 4095.
    virtual void DebriefingsShown(bool shown) = 0;
    // A whole new mission is in memory (loaded or reset): every page and list refills.
    virtual void MissionReplaced() = 0;
    // The reopen history changed: its menus are re-captioned.
    virtual void HistoryChanged() = 0;
    // A save finished; the voice list may have unsaved changes to offer saving.
    virtual void ConfirmSaveWavList() = 0;
    // The mission was loaded from path; its voice list is to be loaded.
    virtual void LoadWavList(const std::string& missionPath) = 0;
};

}  // namespace vorlan

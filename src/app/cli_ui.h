#pragma once
// What the command-line tool shows of the core's messages: errors and warnings on stderr.

#include <ostream>

#include "model/mission_ui.h"

namespace vorlan {

class CliUi : public MissionUi {
public:
    explicit CliUi(std::ostream& err) : err_(err) {}

    void ShowError(const std::string& text) override { err_ << "error: " << text << '\n'; }
    void ShowWarning(const std::string& text) override { err_ << "warning: " << text << '\n'; }
    // A tool without a window has no caption, pages, history or voice list to follow.
    void SetCaption(const std::string&) override {}
    void SaveEnabledChanged(bool) override {}
    void DebriefingsShown(bool) override {}
    void MissionReplaced() override {}
    void HistoryChanged() override {}
    void ConfirmSaveWavList() override {}
    void LoadWavList(const std::string&) override {}

private:
    std::ostream& err_;
};

}  // namespace vorlan

#include "session/session.h"

#include <chrono>
#include <utility>

namespace vorlan {

Session::Session(MissionUi& ui) : ui_(ui) {
    auto engine = std::make_shared<std::minstd_rand>(
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count()));
    randomChoice_ = [engine](int n) {
        return std::uniform_int_distribution<int>(0, n - 1)(*engine);
    };
}

FGObject* Session::CurrentFG() {
    return const_cast<FGObject*>(std::as_const(*this).CurrentFG());
}

const FGObject* Session::CurrentFG() const {
    const auto& groups = mission_->FlightGroups;
    const int index = Select.CurrentFGIndex;
    return index >= 0 && index < static_cast<int>(groups.size()) ? groups[index].get() : nullptr;
}

MsgObject* Session::CurrentMessage() {
    auto& messages = mission_->Messages;
    const int index = Select.CurrentMessageIndex;
    return index >= 0 && index < static_cast<int>(messages.size()) ? messages[index].get()
                                                                   : &BlankMessage;
}

void Session::MarkModified() {
    if (Status.UIReady) {
        Status.Modified = true;
        ui_.SaveEnabledChanged(true);
    }
}

void Session::MarkFGModified() {
    if (Status.UIReady) {
        Status.FGModified = true;
        ui_.SaveEnabledChanged(true);
    }
}

void Session::MarkMessagesModified() {
    Status.MessagesModified = true;
    MarkModified();
}

void Session::ClearModified() {
    Status.Modified = false;
    ui_.SaveEnabledChanged(false);
}

void Session::LeaveCurrentFG() {
    if (Status.FGModified) {
        Status.FGModified = false;
        Status.Modified = true;
    }
}

void Session::MakeFGCurrent(int index) {
    LeaveCurrentFG();
    Select.CurrentFGIndex = index;
    Select.CurrentGoalIndex = 0;
    Select.CurrentOptionalCraftRow = 0;
}

void Session::LeaveCurrentMessage() {
    if (Status.MessagesModified) {
        Status.MessagesModified = false;
        Status.Modified = true;
    }
}

void Session::ChooseFormat(FormatChoice choice) {
    if (choice == formatChoice_) {
        return;
    }
    formatChoice_ = choice;
    mission_->MissionPlatform = choice == FormatChoice::Xvt ? kPlatformXvt : kPlatformBop;
    ui_.DebriefingsShown(choice == FormatChoice::Bop);
    MarkModified();
}

void Session::AddRecentMission(const std::string& path) {
    History.Add(path);
    ui_.HistoryChanged();
}

}  // namespace vorlan

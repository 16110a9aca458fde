#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace vorlan::test {
namespace {

template <typename T>
std::optional<T> TakeFront(std::deque<T>& script, const std::string& what) {
    if (script.empty()) {
        ADD_FAILURE() << "unscripted " << what;
        return std::nullopt;
    }
    T front = std::move(script.front());
    script.pop_front();
    return front;
}

}  // namespace

Answer ScriptedDialogs::Confirm(const std::string& text, ConfirmButtons buttons) {
    Questions.push_back(text);
    QuestionButtons.push_back(buttons);
    return TakeFront(Answers, "question: " + text).value_or(Answer::Cancel);
}

void ScriptedDialogs::ShowTimedNotice(const std::string& text, int milliseconds) {
    Notices.push_back(text);
    NoticeDurations.push_back(milliseconds);
}

std::optional<std::string> ScriptedDialogs::ChooseMissionToOpen(
    const std::string& startDirectory, const std::vector<std::string>& history) {
    OpenDialogStarts.push_back(startDirectory);
    OpenDialogHistories.push_back(history);
    return TakeFront(FilesToOpen, "open dialog").value_or(std::nullopt);
}

std::optional<std::string> ScriptedDialogs::ChooseMissionToSave(const std::string& startDirectory) {
    SaveDialogStarts.push_back(startDirectory);
    return TakeFront(FilesToSave, "save dialog").value_or(std::nullopt);
}

std::optional<std::string> ScriptedDialogs::ChooseDirectory(const std::string& current) {
    DirectoryDialogStarts.push_back(current);
    return TakeFront(Directories, "directory dialog").value_or(std::nullopt);
}

std::optional<std::string> ScriptedDialogs::ChooseWavFile(const std::string& startDirectory) {
    WavDialogStarts.push_back(startDirectory);
    return TakeFront(WavFiles, "WAV dialog").value_or(std::nullopt);
}

}  // namespace vorlan::test

#pragma once
// A UserDialogs that answers from a script and records everything it was asked. An answer that
// the script lacks fails the test and cancels.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "model/user_dialogs.h"

namespace vorlan::test {

class ScriptedDialogs : public UserDialogs {
public:
    void ShowError(const std::string& text) override { Errors.push_back(text); }
    void ShowWarning(const std::string& text) override { Warnings.push_back(text); }
    void ShowInformation(const std::string& text) override { Informations.push_back(text); }
    Answer Confirm(const std::string& text, ConfirmButtons buttons) override;
    void ShowTimedNotice(const std::string& text, int milliseconds) override;
    std::optional<std::string> ChooseMissionToOpen(
        const std::string& startDirectory, const std::vector<std::string>& history) override;
    std::optional<std::string> ChooseMissionToSave(const std::string& startDirectory) override;
    std::optional<std::string> ChooseDirectory(const std::string& current) override;
    std::optional<std::string> ChooseWavFile(const std::string& startDirectory) override;

    // Answers, taken from the front.
    std::deque<Answer> Answers;
    // Chosen paths; nullopt cancels the dialog.
    std::deque<std::optional<std::string>> FilesToOpen;
    std::deque<std::optional<std::string>> FilesToSave;
    std::deque<std::optional<std::string>> Directories;
    std::deque<std::optional<std::string>> WavFiles;

    // What was shown or asked, in order.
    std::vector<std::string> Errors;
    std::vector<std::string> Warnings;
    std::vector<std::string> Informations;
    std::vector<std::string> Questions;
    std::vector<ConfirmButtons> QuestionButtons;
    std::vector<std::string> Notices;
    std::vector<int> NoticeDurations;
    std::vector<std::string> OpenDialogStarts;
    std::vector<std::vector<std::string>> OpenDialogHistories;
    std::vector<std::string> SaveDialogStarts;
    std::vector<std::string> DirectoryDialogStarts;
    std::vector<std::string> WavDialogStarts;
};

}  // namespace vorlan::test

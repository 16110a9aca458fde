#pragma once
// Every question, message box, timed notice and file or directory dialog the editor shows goes
// through this interface. The window shows real dialogs; tests answer from a script and record
// what was asked, so nothing ever blocks.

#include <optional>
#include <string>
#include <vector>

namespace vorlan {

enum class Answer { Yes, No, Cancel };
enum class ConfirmButtons { YesNo, YesNoCancel };

class UserDialogs {
public:
    virtual ~UserDialogs() = default;

    virtual void ShowError(const std::string& text) = 0;
    virtual void ShowWarning(const std::string& text) = 0;
    virtual void ShowInformation(const std::string& text) = 0;
    virtual Answer Confirm(const std::string& text, ConfirmButtons buttons) = 0;
    // A notice that closes itself after the given time.
    virtual void ShowTimedNotice(const std::string& text, int milliseconds) = 0;

    // File and directory choosers: nothing when the user cancels.
    // An existing mission file; history lists recent missions for the dialog's history.
    virtual std::optional<std::string> ChooseMissionToOpen(
        const std::string& startDirectory, const std::vector<std::string>& history) = 0;
    // A mission file to write; the dialog asks before replacing an existing file.
    virtual std::optional<std::string> ChooseMissionToSave(const std::string& startDirectory) = 0;
    virtual std::optional<std::string> ChooseDirectory(const std::string& current) = 0;
    // An existing recording, listed by its ".wav" extension in any letter case.
    virtual std::optional<std::string> ChooseWavFile(const std::string& startDirectory) = 0;
};

}  // namespace vorlan

#pragma once
// The editor's real message boxes and file dialogs.

#include "model/user_dialogs.h"

class QWidget;

namespace vorlan {

class QtUserDialogs : public UserDialogs {
public:
    // Dialogs are centred on parent; it may be set once the window exists.
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    Answer Confirm(const std::string& text, ConfirmButtons buttons) override;
    void ShowTimedNotice(const std::string& text, int milliseconds) override;
    std::optional<std::string> ChooseMissionToOpen(
        const std::string& startDirectory, const std::vector<std::string>& history) override;
    std::optional<std::string> ChooseMissionToSave(const std::string& startDirectory) override;
    std::optional<std::string> ChooseDirectory(const std::string& current) override;
    std::optional<std::string> ChooseWavFile(const std::string& startDirectory) override;

private:
    QWidget* parent_ = nullptr;
};

}  // namespace vorlan

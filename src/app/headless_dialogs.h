#pragma once
// Dialogs for running the editor unattended (screenshots, timing): messages go to stderr,
// questions are answered No, file choosers are cancelled, and every modal dialog is saved as a
// picture (when a directory is given) and closed.

#include <QDialog>
#include <QString>
#include <functional>

#include "editor/modal_runner.h"
#include "model/user_dialogs.h"

namespace vorlan {

class StderrDialogs : public UserDialogs {
public:
    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void ShowInformation(const std::string& text) override;
    Answer Confirm(const std::string& text, ConfirmButtons buttons) override;
    void ShowTimedNotice(const std::string& text, int milliseconds) override;
    std::optional<std::string> ChooseMissionToOpen(const std::string&,
                                                   const std::vector<std::string>&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseMissionToSave(const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseDirectory(const std::string&) override { return std::nullopt; }
    std::optional<std::string> ChooseWavFile(const std::string&) override { return std::nullopt; }
};

// Shows each dialog, saves it as <directory>/dialog-<objectName>.png when a directory is set,
// and rejects it.
class CapturingRunner : public ModalRunner {
public:
    int RunModal(QDialog& dialog) override;
    QString Directory;
};

// Saves a picture of widget (shown first when it is not on screen yet) as PNG.
bool SaveWidgetPicture(QWidget& widget, const QString& path);

}  // namespace vorlan

#include "editor/qt_user_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

#include "settings/ui/browse_form.h"

namespace vorlan {
namespace {

const QString kProgramName = "Vorlan";

QString FromPath(const std::string& path) {
    return QString::fromStdString(path);
}

std::optional<std::string> RunFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace

void QtUserDialogs::ShowError(const std::string& text) {
    QMessageBox::critical(parent_, kProgramName, FromPath(text));
}

void QtUserDialogs::ShowWarning(const std::string& text) {
    QMessageBox::warning(parent_, kProgramName, FromPath(text));
}

void QtUserDialogs::ShowInformation(const std::string& text) {
    QMessageBox::information(parent_, kProgramName, FromPath(text));
}

Answer QtUserDialogs::Confirm(const std::string& text, ConfirmButtons buttons) {
    QMessageBox::StandardButtons choices = QMessageBox::Yes | QMessageBox::No;
    if (buttons == ConfirmButtons::YesNoCancel) {
        choices |= QMessageBox::Cancel;
    }
    switch (QMessageBox::question(parent_, kProgramName, FromPath(text), choices)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            // The close box of a Yes/No question counts as No, as it offers no Cancel.
            return buttons == ConfirmButtons::YesNoCancel ? Answer::Cancel : Answer::No;
    }
}

void QtUserDialogs::ShowTimedNotice(const std::string& text, int milliseconds) {
    auto* notice = new QMessageBox(QMessageBox::Information, kProgramName, FromPath(text),
                                   QMessageBox::NoButton, parent_);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setModal(false);
    notice->show();
    QTimer::singleShot(milliseconds, notice, &QWidget::close);
}

std::optional<std::string> QtUserDialogs::ChooseMissionToOpen(
    const std::string& startDirectory, const std::vector<std::string>& history) {
    QFileDialog dialog(parent_, "Open Mission", FromPath(startDirectory));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({"XvT mission files (.tie) (*.tie)", "All Files (*)"});
    QStringList directories;
    for (const std::string& path : history) {
        const QString directory = QFileInfo(FromPath(path)).absolutePath();
        if (!directories.contains(directory)) {
            directories << directory;
        }
    }
    dialog.setHistory(directories);
    return RunFileDialog(dialog);
}

std::optional<std::string> QtUserDialogs::ChooseMissionToSave(const std::string& startDirectory) {
    QFileDialog dialog(parent_, "Save Mission As", FromPath(startDirectory));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({"XvT Mission Files (*.tie)"});
    dialog.setDefaultSuffix("tie");
    return RunFileDialog(dialog);
}

std::optional<std::string> QtUserDialogs::ChooseDirectory(const std::string& current) {
    return ChooseDirectoryWithBrowseForm(current, parent_);
}

std::optional<std::string> QtUserDialogs::ChooseWavFile(const std::string& startDirectory) {
    QFileDialog dialog(parent_, "Assign a WAV to message", FromPath(startDirectory));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Recordings copied from other systems end in ".WAV" or ".Wav" as often as in ".wav".
    dialog.setNameFilters({"Wave Sound files (*.[wW][aA][vV])"});
    return RunFileDialog(dialog);
}

}  // namespace vorlan

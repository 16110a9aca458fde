#include "app/headless_dialogs.h"

#include <QApplication>
#include <QPixmap>
#include <iostream>

namespace vorlan {

void StderrDialogs::ShowError(const std::string& text) {
    std::cerr << "error: " << text << '\n';
}

void StderrDialogs::ShowWarning(const std::string& text) {
    std::cerr << "warning: " << text << '\n';
}

void StderrDialogs::ShowInformation(const std::string& text) {
    std::cerr << "information: " << text << '\n';
}

Answer StderrDialogs::Confirm(const std::string& text, ConfirmButtons) {
    std::cerr << "question (answered No): " << text << '\n';
    return Answer::No;
}

void StderrDialogs::ShowTimedNotice(const std::string& text, int) {
    std::cerr << "notice: " << text << '\n';
}

bool SaveWidgetPicture(QWidget& widget, const QString& path) {
    if (!widget.isVisible()) {
        widget.show();
    }
    QApplication::processEvents();
    return widget.grab().save(path, "PNG");
}

int CapturingRunner::RunModal(QDialog& dialog) {
    if (!Directory.isEmpty()) {
        const QString name = dialog.objectName().isEmpty()
                                 ? QString(dialog.metaObject()->className()).section("::", -1)
                                 : dialog.objectName();
        SaveWidgetPicture(dialog, Directory + "/dialog-" + name + ".png");
    }
    dialog.reject();
    return QDialog::Rejected;
}

}  // namespace vorlan

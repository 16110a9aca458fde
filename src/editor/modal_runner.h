#pragma once
// Runs a modal dialog. The editor runs it with exec(); tests run a script against the dialog's
// controls instead, so that no test ever waits for a user.

#include <QDialog>

namespace vorlan {

class ModalRunner {
public:
    virtual ~ModalRunner() = default;
    // QDialog::Accepted or QDialog::Rejected.
    virtual int RunModal(QDialog& dialog) = 0;
};

class ExecModalRunner : public ModalRunner {
public:
    int RunModal(QDialog& dialog) override { return dialog.exec(); }
};

}  // namespace vorlan

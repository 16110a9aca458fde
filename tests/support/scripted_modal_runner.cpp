#include "support/scripted_modal_runner.h"

#include <gtest/gtest.h>

namespace vorlan::test {

int ScriptedModalRunner::RunModal(QDialog& dialog) {
    Shown.push_back(dialog.windowTitle());
    if (Scripts.empty()) {
        ADD_FAILURE() << "unscripted dialog: " << dialog.windowTitle().toStdString();
        dialog.done(QDialog::Rejected);
        return QDialog::Rejected;
    }
    Script script = std::move(Scripts.front());
    Scripts.pop_front();
    const int result = script(dialog);
    // Ending the dialog runs its accept or reject handling, as exec() would.
    if (result == QDialog::Accepted) {
        dialog.accept();
    } else {
        dialog.reject();
    }
    return result;
}

ScriptedModalRunner::Script ScriptedModalRunner::Ends(int result) {
    return [result](QDialog&) { return result; };
}

}  // namespace vorlan::test

#pragma once
// A ModalRunner for GUI tests: each modal dialog the code under test opens is handed to the
// next script, which may set the dialog's controls and returns how the dialog ended. A dialog
// without a script fails the test and is rejected.

#include <QDialog>
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "editor/modal_runner.h"

namespace vorlan::test {

class ScriptedModalRunner : public ModalRunner {
public:
    using Script = std::function<int(QDialog&)>;

    int RunModal(QDialog& dialog) override;

    // A script that ends the dialog with the given result and touches nothing.
    static Script Ends(int result);

    std::deque<Script> Scripts;
    // The window title of every dialog run, in order.
    std::vector<QString> Shown;
};

}  // namespace vorlan::test

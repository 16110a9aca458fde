#pragma once
// The preferences dialog: edits the running settings. OK keeps what the controls show (and the
// fixed values of the hidden ones); Cancel and the close box put back the settings and the flight
// groups' autolink flags as they were when the dialog opened. Writing the file is the caller's.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "session/preference_rules.h"

class QBoxLayout;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QWidget;

namespace vorlan {

class Session;
class UserDialogs;

class TPrefForm : public QDialog {
    Q_OBJECT

public:
    TPrefForm(Session& session, UserDialogs& dialogs, QWidget* parent = nullptr);

    void accept() override;
    void reject() override;

signals:
    // "Use Autolink by default" was toggled, or a cancelled dialog put it back.
    void AutoLinkChanged(bool on);

private:
    // How a control relates to its setting.
    enum class Role {
        Shown,        // visible, filled from the setting, copied back
        HiddenKept,   // invisible, filled and copied back, so the value survives
        HiddenReset,  // invisible, holds a fixed value that OK forces on the setting
    };

    struct DirectoryRow {
        std::string Settings::*Member;
        QLabel* Value;
        std::string Text;
    };

    QWidget* BuildOptionsPage();
    QWidget* BuildDirectoriesPage();
    QWidget* BuildMapPage();
    QWidget* BuildMousePage();

    // The settings a control of the given role is filled from.
    const Settings& Source(Role role) const;
    QCheckBox* AddCheck(QBoxLayout* layout, const char* name, const QString& caption,
                        bool Settings::*member, Role role);
    // A titled group of radio buttons; store receives the checked item's index on OK.
    QGroupBox* AddRadioGroup(QBoxLayout* layout, const char* name, const QString& title,
                             const QStringList& items, int checked, Role role,
                             std::function<void(Settings&, int)> store);
    // A combo box whose rows are a vocabulary table, so the row number is the stored code.
    QComboBox* MakeTableBox(const char* name, const std::vector<std::string>& rows,
                            int Settings::*member);
    void Browse(std::size_t row);

    Session& session_;
    UserDialogs& dialogs_;
    // The running settings as read, before the opening replacements, and the autolink flags.
    PreferencesSnapshot snapshot_;
    // The fixed values of the hidden controls that are never filled.
    Settings fixed_;
    std::vector<DirectoryRow> directories_;
    // Copy the shown and kept controls into settings when the dialog ends with OK.
    std::vector<std::function<void(Settings&)>> stores_;
};

}  // namespace vorlan

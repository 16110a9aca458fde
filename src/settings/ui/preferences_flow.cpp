#include "settings/ui/preferences_flow.h"

#include "editor/modal_runner.h"
#include "model/user_dialogs.h"
#include "session/session.h"
#include "settings/settings_file.h"
#include "settings/ui/pref_form.h"

namespace vorlan {

bool RunPreferencesDialog(Session& session, UserDialogs& dialogs, ModalRunner& runner,
                          const std::string& settingsPath, QWidget* parent,
                          const std::function<void(bool)>& autoLinkChanged) {
    loadSettings(&session.RunningSettings, settingsPath);
    TPrefForm form(session, dialogs, parent);
    if (autoLinkChanged) {
        QObject::connect(&form, &TPrefForm::AutoLinkChanged, &form, autoLinkChanged);
    }
    if (runner.RunModal(form) != QDialog::Accepted) {
        return false;
    }
    std::string error;
    if (!saveSettings(session.RunningSettings, settingsPath, &error)) {
        dialogs.ShowError(error);
    }
    return true;
}

}  // namespace vorlan

#pragma once
// Opening the preferences: the settings file is read again, the dialog is shown, and only a
// dialog ended with OK writes the file.

#include <functional>
#include <string>

class QWidget;

namespace vorlan {

class ModalRunner;
class Session;
class UserDialogs;

// True when the dialog ended with OK (even when the file could not be written, which is
// reported through dialogs). autoLinkChanged follows every change of the autolink setting made
// while the dialog is open, so the window's own check box can follow it.
bool RunPreferencesDialog(Session& session, UserDialogs& dialogs, ModalRunner& runner,
                          const std::string& settingsPath, QWidget* parent,
                          const std::function<void(bool)>& autoLinkChanged = {});

}  // namespace vorlan

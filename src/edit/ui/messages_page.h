#pragma once
// The "Messages" page: the message list on the left and the fields of the current message beside
// it, bound by objectName to the page's control rules, with places for the voice file group and
// the trigger panel.

#include <optional>

#include "editor/pages/editor_page.h"

class QLabel;
class QLineEdit;
class QListView;

namespace vorlan {

class MessagesPage : public EditorPage {
    Q_OBJECT
public:
    explicit MessagesPage(QWidget* parent = nullptr);

    QListView* MsgStrList() const { return msgStrList_; }
    // Where the voice file group of the current message goes.
    QVBoxLayout* VoiceGroupHost() const { return voiceHost_; }

    // Shows the current message; the window fills with UIReady cleared.
    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;

private:
    void ShowText(Session& session);

    QListView* msgStrList_;
    QLabel* heading_;
    QLineEdit* text_;
    QLabel* voiceCaption_;
    QVBoxLayout* voiceHost_;
    std::optional<ControlBinding> binding_;
};

}  // namespace vorlan

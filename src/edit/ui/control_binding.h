#pragma once
// Binds a page's widgets to its control rules by objectName: filling shows what the core says a
// control shows, and a user's change becomes one ControlEdit handed to the window. Only user
// signals are connected, and filling blocks signals, so showing a value never writes it.

#include <QString>
#include <functional>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "edit/control_rule.h"
#include "edit/edit.h"

class QComboBox;
class QWidget;

namespace vorlan {

class Session;

// Where a page sends its edits: the window applies them and shows the result.
using EditSink = std::function<void(const Edit&)>;

// Mission texts are one byte per character.
inline QString FromMissionText(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
std::string ToMissionText(const QString& text);
// Replaces a drop-down's rows only when they differ from the ones it shows.
void ShowRows(QComboBox* combo, const std::vector<std::string>& rows);

class ControlBinding {
public:
    // Finds every rule's control among page's children; a rule without a widget is skipped.
    ControlBinding(QWidget* page, std::span<const ControlRule> rules);
    // A page's controls outlive its binding while the page is torn down, and a focused text
    // field that loses its focus then still signals: from here on nothing is sent.
    ~ControlBinding() { *alive_ = false; }
    ControlBinding(const ControlBinding&) = delete;
    ControlBinding& operator=(const ControlBinding&) = delete;

    // Connects the user signals of every bound control to sink.
    void Connect(const EditSink& sink);
    // Shows every bound control from the current flight group.
    void ShowAll(const Session& session) const;
    // Shows the named controls again; names this page does not bind are ignored.
    void Show(const Session& session, std::span<const std::string_view> controls) const;
    void Show(const Session& session, std::string_view control) const;

    QWidget* Widget(std::string_view control) const;

private:
    struct Bound {
        const ControlRule* Rule;
        QWidget* Widget;
    };
    void ShowOne(const Session& session, const Bound& bound) const;

    std::vector<Bound> bound_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

}  // namespace vorlan

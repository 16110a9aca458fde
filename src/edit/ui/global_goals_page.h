#pragma once
// The "Global Goals" page: one team's three goals on three tabs, each with its points and the
// user strings of its four triggers, bound by objectName to the page's control rules; the
// trigger panel edits the goal's triggers below them.

#include <array>
#include <optional>

#include "editor/pages/editor_page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;

namespace vorlan {

class GlobalGoalsPage : public EditorPage {
    Q_OBJECT
public:
    explicit GlobalGoalsPage(QWidget* parent = nullptr);

    // Shows the page's team and goal kind; the window fills with UIReady cleared.
    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;

private:
    void ShowKind(const Session& session);

    QComboBox* teamBox_;
    QTabWidget* tabs_;
    // The points and the user strings, shown on whichever tab is current.
    QWidget* goalFields_;
    // Per trigger: the incomplete, success and failed fields and their captions.
    std::array<std::array<QLineEdit*, 3>, 4> strings_{};
    std::array<std::array<QLabel*, 3>, 4> captions_{};
    std::optional<ControlBinding> binding_;
};

}  // namespace vorlan

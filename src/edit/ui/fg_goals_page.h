#pragma once
// The "FG Goals" page of the flight groups: its widgets, bound by objectName to the page's control
// rules. A goal list picks which of the eight goals the controls above it edit.

#include <optional>

#include "editor/pages/editor_page.h"

class QLineEdit;
class QListWidget;

namespace vorlan {

class FGGoalsPage : public EditorPage {
    Q_OBJECT
public:
    explicit FGGoalsPage(QWidget* parent = nullptr);

    // Shows the first goal of the current flight group: each showing of the page starts there.
    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;

private:
    void ShowHeading(const Session& session);
    void ColorGoalRows(const Session& session);

    QLineEdit* heading_;
    QListWidget* goalList_;
    std::optional<ControlBinding> binding_;
};

}  // namespace vorlan

#pragma once
// The "Teams" page: one of the ten teams at a time (Select.CurrentTeamIndex), its name, the IFF
// its flight groups take automatically, its six end texts and its (hidden) allies, bound by
// objectName to the team rules.

#include <QString>
#include <array>
#include <optional>

#include "editor/pages/editor_page.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace vorlan {

class TeamsPage : public EditorPage {
    Q_OBJECT
public:
    explicit TeamsPage(QWidget* parent = nullptr);

    // Shows the current team.
    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;

private:
    // The caption naming the team and the end texts' colour, which follows the team's IFF.
    void ShowTeamLook(const Session& session);

    QLabel* teamLabel_;
    QComboBox* teamName_;
    std::array<QLineEdit*, 6> endTexts_{};
    std::optional<ControlBinding> binding_;
};

}  // namespace vorlan

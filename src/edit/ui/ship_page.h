#pragma once
// The "Ship" page of the flight groups: its widgets, bound by objectName to the page's control
// rules. What it shows beyond the values (colours, captions, the cargo group's layout) follows
// the current flight group and is decided in the core.

#include <optional>

#include "edit/ui/control_binding.h"
#include "editor/pages/editor_page.h"

class QComboBox;
class QGroupBox;
class QLabel;

namespace vorlan {

class ShipPage : public EditorPage {
    Q_OBJECT
public:
    explicit ShipPage(QWidget* parent = nullptr);
    // The information line "Flight Group #n of m".
    QLabel* FGInfo() const { return fgInfo_; }

    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;

private:
    void BuildControls();
    // Colours, captions and the cargo group's layout for the current flight group.
    void ShowLook(const Session& session);

    QLabel* fgInfo_;
    QLabel* statusLabel_ = nullptr;
    QGroupBox* cargoGroup_ = nullptr;
    QLabel* defaultLabel_ = nullptr;
    QLabel* specialLabel_ = nullptr;
    QLabel* specialCraftLabel_ = nullptr;
    std::optional<ControlBinding> binding_;
};

}  // namespace vorlan

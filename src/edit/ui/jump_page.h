#pragma once
// The "Jump" page of the flight groups: the current order's skip triggers, edited on the shared
// trigger panel the page hosts, and the object orientation.

#include <optional>

#include "edit/ui/control_binding.h"
#include "editor/pages/editor_page.h"

class QLabel;

namespace vorlan {

class JumpPage : public EditorPage {
    Q_OBJECT
public:
    explicit JumpPage(QWidget* parent = nullptr);

    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;

private:
    QLabel* heading_;
    std::optional<ControlBinding> binding_;
};

}  // namespace vorlan

#pragma once
// The "Options" page of the flight groups: its widgets, bound by objectName to the page's
// control rules.

#include <optional>

#include "editor/pages/editor_page.h"

namespace vorlan {

class OptionsPage : public EditorPage {
    Q_OBJECT
public:
    explicit OptionsPage(QWidget* parent = nullptr);

    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;

private:
    std::optional<ControlBinding> binding_;
};

}  // namespace vorlan

#pragma once
// What the "Arrival" and "Departure" pages share: two ways to come or go (each hyperspace or a
// mothership chosen from the flight groups), a delay and, below them, the trigger panel. The
// fields are the core's rules (edit/arrival_rules.h); the radio pairs are bound here.

#include <array>
#include <optional>
#include <span>

#include "edit/ui/control_binding.h"
#include "editor/pages/editor_page.h"
#include "session/session.h"

class QComboBox;
class QRadioButton;

namespace vorlan {

// One page's control names and captions.
struct MothershipPageLayout {
    // The primary and the alternative way: the "Mothership" radio (the rule), its "Hyperspace"
    // partner and the mothership list.
    std::array<std::array<const char*, 3>, 2> Ways;
    // The delay fields and their captions.
    std::array<const char*, 2> Delays;
    std::array<const char*, 2> DelayCaptions;
};

class MothershipPage : public EditorPage {
    Q_OBJECT
public:
    MothershipPage(int pageNumber, const QString& objectName, const MothershipPageLayout& layout,
                   std::span<const ControlRule> rules, TriggerContext context,
                   QWidget* parent = nullptr);

    // Every fill starts the trigger panel on the page's first trigger.
    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;

private:
    struct Way {
        const ControlRule* Rule;
        QRadioButton* Mothership;
        QRadioButton* Hyperspace;
        QComboBox* List;
    };
    void ShowWays(const Session& session);

    TriggerContext context_;
    std::array<Way, 2> ways_{};
    std::optional<ControlBinding> binding_;
};

}  // namespace vorlan

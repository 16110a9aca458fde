#pragma once
// The "Orders" page of the flight groups: one order of the current region at a time (command,
// throttle, parameters, four targets) bound by objectName to the page's control rules, the
// flight group's designation, and the four orders of the region as sentences to click.

#include <QString>
#include <array>
#include <optional>

#include "edit/ui/control_binding.h"
#include "editor/pages/editor_page.h"

class QGroupBox;
class QLabel;

namespace vorlan {

class OrdersPage : public EditorPage {
    Q_OBJECT
public:
    explicit OrdersPage(QWidget* parent = nullptr);

    // Shows order CurrentOrderNumber of CurrentOrderRegion, the region's order lines with that
    // one highlighted, and the parameter captions.
    void fill(Session& session) override;
    void Refresh(Session& session, std::span<const std::string_view> controls) override;

    // Paints the four order lines black and line n (1 to 4) in the highlight colour.
    void highlightOrderLabel(int n);
    QLabel* OrderLabel(int n) const { return orderLabels_[static_cast<std::size_t>(n - 1)]; }

signals:
    // An order line was clicked: order n (1 to 4) should become the current order.
    void OrderChosen(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildOrderControls();
    void BuildOrderLines();
    void ShowOrderLines(const Session& session);
    void ShowParameterCaptions(const Session& session);
    void ShowLook(const Session& session);

    QLabel* orderLab_ = nullptr;
    QLabel* p1Caption_ = nullptr;
    QLabel* p2Caption_ = nullptr;
    QGroupBox* linesGroup_ = nullptr;
    std::array<QWidget*, 4> linePanels_{};
    std::array<QLabel*, 4> orderLabels_{};
    std::optional<ControlBinding> binding_;
};

}  // namespace vorlan

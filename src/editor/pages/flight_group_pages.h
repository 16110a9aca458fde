#pragma once
// The inner pages of the "Flight Groups" page, one class each. Each edits the current flight
// group (and, where its fields allow, every selected one); their fields arrive page by page.

#include <array>

#include "edit/ui/fg_goals_page.h"
#include "edit/ui/options_page.h"
#include "edit/ui/ship_page.h"
#include "editor/pages/editor_page.h"
#include "editor/pages/flight_group_page_numbers.h"

class QLabel;

namespace vorlan {

class ArrivalPage : public EditorPage {
    Q_OBJECT
public:
    explicit ArrivalPage(QWidget* parent = nullptr);
};

class DeparturePage : public EditorPage {
    Q_OBJECT
public:
    explicit DeparturePage(QWidget* parent = nullptr);
};

class OrdersPage : public EditorPage {
    Q_OBJECT
public:
    explicit OrdersPage(QWidget* parent = nullptr);
    // Paints the four order lines black and line n (1 to 4) in the highlight colour.
    void highlightOrderLabel(int n);
    QLabel* OrderLabel(int n) const { return orderLabels_[static_cast<std::size_t>(n - 1)]; }

private:
    std::array<QLabel*, 4> orderLabels_{};
};

class WaypointsPage : public EditorPage {
    Q_OBJECT
public:
    explicit WaypointsPage(QWidget* parent = nullptr);
};

class JumpPage : public EditorPage {
    Q_OBJECT
public:
    explicit JumpPage(QWidget* parent = nullptr);
};

}  // namespace vorlan

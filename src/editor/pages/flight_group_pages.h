#pragma once
// The inner pages of the "Flight Groups" page, one class each. Each edits the current flight
// group (and, where its fields allow, every selected one); their fields arrive page by page.

#include <array>

#include "editor/pages/editor_page.h"

class QLabel;

namespace vorlan {

// Inner page numbers.
enum FlightGroupPageNumber {
    kShipPage = 0,
    kOptionsPage = 1,
    kArrivalPage = 2,
    kDeparturePage = 3,
    kFGGoalsPage = 4,
    kOrdersPage = 5,
    kWaypointsPage = 6,
    kJumpPage = 7,
};

class ShipPage : public EditorPage {
    Q_OBJECT
public:
    explicit ShipPage(QWidget* parent = nullptr);
    // The information line "Flight Group #n of m".
    QLabel* FGInfo() const { return fgInfo_; }

private:
    QLabel* fgInfo_;
};

class OptionsPage : public EditorPage {
    Q_OBJECT
public:
    explicit OptionsPage(QWidget* parent = nullptr);
};

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

class FGGoalsPage : public EditorPage {
    Q_OBJECT
public:
    explicit FGGoalsPage(QWidget* parent = nullptr);
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

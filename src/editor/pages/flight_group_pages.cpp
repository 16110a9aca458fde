#include "editor/pages/flight_group_pages.h"

#include <QLabel>
#include <QVBoxLayout>

#include "editor/pages/highlight.h"

namespace vorlan {

ArrivalPage::ArrivalPage(QWidget* parent) : EditorPage(kArrivalPage, "ArrivalPage", parent) {
    Content()->addStretch();
    ReserveTriggerPanel(new QVBoxLayout, false);
}

DeparturePage::DeparturePage(QWidget* parent)
    : EditorPage(kDeparturePage, "DeparturePage", parent) {
    Content()->addStretch();
    ReserveTriggerPanel(new QVBoxLayout, true);
}

OrdersPage::OrdersPage(QWidget* parent) : EditorPage(kOrdersPage, "OrdersPage", parent) {
    for (int n = 1; n <= 4; ++n) {
        auto* label = new QLabel(this);
        label->setObjectName(QString("Order%1Lab").arg(n));
        orderLabels_[static_cast<std::size_t>(n - 1)] = label;
        Content()->addWidget(label);
    }
    Content()->addStretch();
}

void OrdersPage::highlightOrderLabel(int n) {
    HighlightLabel(orderLabels_, n);
}

WaypointsPage::WaypointsPage(QWidget* parent)
    : EditorPage(kWaypointsPage, "WaypointsPage", parent) {}

JumpPage::JumpPage(QWidget* parent) : EditorPage(kJumpPage, "JumpPage", parent) {
    Content()->addStretch();
    ReserveTriggerPanel(new QVBoxLayout, true);
}

}  // namespace vorlan

#include "editor/pages/flight_group_pages.h"

#include <QLabel>
#include <QVBoxLayout>

#include "editor/pages/highlight.h"

namespace vorlan {

ShipPage::ShipPage(QWidget* parent)
    : EditorPage(kShipPage, "ShipPage", parent), fgInfo_(new QLabel(this)) {
    fgInfo_->setObjectName("FGInfo");
    Content()->addWidget(fgInfo_);
    Content()->addStretch();
}

OptionsPage::OptionsPage(QWidget* parent) : EditorPage(kOptionsPage, "OptionsPage", parent) {}

ArrivalPage::ArrivalPage(QWidget* parent) : EditorPage(kArrivalPage, "ArrivalPage", parent) {
    Content()->addStretch();
    ReserveTriggerPanel(new QVBoxLayout, false);
}

DeparturePage::DeparturePage(QWidget* parent)
    : EditorPage(kDeparturePage, "DeparturePage", parent) {
    Content()->addStretch();
    ReserveTriggerPanel(new QVBoxLayout, true);
}

FGGoalsPage::FGGoalsPage(QWidget* parent) : EditorPage(kFGGoalsPage, "FGGoalsPage", parent) {}

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

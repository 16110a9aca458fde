// The main window's selection of the current flight group and its page changes.

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QListView>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "edit/trigger_rules.h"
#include "edit/ui/messages_page.h"
#include "edit/ui/teams_page.h"
#include "edit/ui/text_pages.h"
#include "editor/main_window.h"
#include "editor/pages/flight_group_pages.h"
#include "editor/pages/outer_page_numbers.h"
#include "editor/row_list_model.h"
#include "editor/trigger_panel.h"
#include "map/ui/map_form.h"
#include "text/flight_group_info.h"
#include "text/flight_group_rows.h"

namespace vorlan {

int TForm1::OuterPage() const {
    const auto* page = qobject_cast<const EditorPage*>(overallPages_->currentWidget());
    // The "Flight Groups" page is the splitter that holds the list and the inner pages.
    return page != nullptr ? page->PageNumber() : kFlightGroupsPage;
}

EditorPage* TForm1::InnerPage() const {
    return qobject_cast<EditorPage*>(fgPages_->currentWidget());
}

std::vector<int> TForm1::SelectedFlightGroups() const {
    const RowSelection& selected = session_.Select.SelectedFGs;
    std::vector<int> indices;
    for (std::size_t row = 0; row < selected.size(); ++row) {
        if (selected[row]) {
            indices.push_back(static_cast<int>(row));
        }
    }
    return indices;
}

void TForm1::ShipListClick() {
    const int row = shipList_->currentIndex().isValid() ? shipList_->currentIndex().row() : 0;
    const int current = session_.Select.CurrentFGIndex;
    const int count = static_cast<int>(session_.CurrentMission().FlightGroups.size());
    if ((row != current && current < count) || (row == 0 && current == 0)) {
        selectFlightGroup(true);
    }
}

void TForm1::MsgStrListClick() {
    const QModelIndex focused = msgStrList_->currentIndex();
    if (!focused.isValid() ||
        focused.row() >= static_cast<int>(session_.CurrentMission().Messages.size())) {
        return;
    }
    // The edits of the message left count for the mission.
    session_.LeaveCurrentMessage();
    session_.Select.CurrentMessageIndex = focused.row();
    session_.Select.SelectedMessages = SelectedRows(*msgStrList_);
    {
        const FillGuard filling(session_);
        messagesPage_->fill(session_);
    }
    ShowMessageWav();
    // A message becomes current on its first trigger.
    session_.Select.CurrentTriggers.at(static_cast<std::size_t>(TriggerContext::Messages)) = 1;
    if (session_.Select.CurrentTriggerContext == TriggerContext::Messages) {
        highlightTriggerLabel(1);
    }
}

void TForm1::selectFlightGroup(bool fromList) {
    const int count = static_cast<int>(session_.CurrentMission().FlightGroups.size());
    // A file may hold no flight group at all; the index then stays 0, as a new list's does.
    session_.MakeFGCurrent(fromList && shipList_->currentIndex().isValid()
                               ? shipList_->currentIndex().row()
                               : std::max(count - 1, 0));
    // A flight group becomes current on the first trigger of each of its blocks.
    for (const TriggerContext context :
         {TriggerContext::Arrival, TriggerContext::Departure, TriggerContext::Jump}) {
        session_.Select.CurrentTriggers.at(static_cast<std::size_t>(context)) = 1;
    }
    ShowCurrentFG();
    if (PlaceOf(session_.Select.CurrentTriggerContext).Records == TriggerRecords::SelectedFGs) {
        highlightTriggerLabel(1);
    }
}

void TForm1::ShowCurrentFG() {
    fillFlightGroupPage();
    syncingShipList_ = true;
    const int current = session_.Select.CurrentFGIndex;
    if (current >= 0 && current < shipModel_->rowCount()) {
        shipList_->selectionModel()->setCurrentIndex(shipModel_->index(current, 0),
                                                     QItemSelectionModel::NoUpdate);
    }
    syncingShipList_ = false;
    ShowFGInfo();
    // A new flight group starts at the first order of region 1; the toggles show where we are.
    ShowRegionAndOrderSelectors();
}

void TForm1::ShowFGInfo() {
    if (session_.CurrentMission().FlightGroups.empty()) {
        shipPage_->FGInfo()->clear();
        return;
    }
    // The flags it goes with follow the records when the rows are rebuilt.
    shipPage_->FGInfo()->setText(QString::fromStdString(
        FlightGroupInfoLine(session_.CurrentMission(), session_.Select.CurrentFGIndex)));
}

// Filling never clears a modified flag: only saving, loading and New do.
void TForm1::fillFlightGroupPage() {
    const FillGuard filling(session_);
    if (EditorPage* page = InnerPage(); page != nullptr && session_.CurrentFG() != nullptr) {
        page->fill(session_);
        // A fill may move the page's trigger line (the "Jump" page starts on its first).
        if (!triggerPanel_->isHidden()) {
            triggerPanel_->ShowTriggers(session_);
        }
    }
}

// The line highlighted is the trigger the selectors edit, so they show that trigger too.
void TForm1::highlightTriggerLabel(int n) {
    const auto context = static_cast<std::size_t>(session_.Select.CurrentTriggerContext);
    session_.Select.CurrentTriggers.at(context) = n;
    if (triggerPanel_->isHidden()) {
        triggerPanel_->highlightTriggerLabel(n);
    } else {
        triggerPanel_->ShowTriggers(session_);
    }
}

void TForm1::highlightOrderLabel(int n) {
    ordersPage_->highlightOrderLabel(n);
}

void TForm1::InnerPageChanged(int) {
    PlaceTriggerPanel();
    fillFlightGroupPage();
    if (const EditorPage* page = InnerPage()) {
        lastFGPage_ = page->PageNumber();
    }
}

void TForm1::LeaveOuterPage(int page) {
    if (page == kTeamsPage) {
        // The team names may have changed; rebuilding what shows them marks nothing.
        session_.Vocab.rebuildTeams(session_.CurrentMission().Teams);
    }
    if (page <= kGlobalGoalsPage) {
        triggerPanel_->hide();
    }
}

void TForm1::ShowTeamNames() {
    const int page = OuterPage();
    if (page == kFlightGroupsPage) {
        fillFlightGroupPage();
    } else if (page == kMessagesPage || page == kGlobalGoalsPage) {
        {
            const FillGuard filling(session_);
            static_cast<EditorPage*>(overallPages_->currentWidget())->fill(session_);
        }
        if (!triggerPanel_->isHidden()) {
            triggerPanel_->ShowTriggers(session_);
        }
    }
}

void TForm1::ShowTeamsAndTexts() {
    const FillGuard filling(session_);
    teamsPage_->fill(session_);
    descriptionPage_->fill(session_);
    debriefingsPage_->fill(session_);
}

void TForm1::OuterPageChanged(int) {
    LeaveOuterPage(shownOuterPage_);
    const int page = OuterPage();
    shownOuterPage_ = page;
    if (page == kFlightGroupsPage) {
        fillFlightGroupPage();
    } else if (page == kMessagesPage || page == kGlobalGoalsPage) {
        const FillGuard filling(session_);
        static_cast<EditorPage*>(overallPages_->currentWidget())->fill(session_);
        highlightTriggerLabel(1);
    } else if (page == kTeamsPage) {
        const FillGuard filling(session_);
        teamsPage_->fill(session_);
    }
    PlaceTriggerPanel();
    triggerPanel_->update();
}

void TForm1::PlaceTriggerPanel() {
    const int outer = OuterPage();
    EditorPage* host = nullptr;
    if (outer == kFlightGroupsPage) {
        host = InnerPage();
    } else if (outer == kMessagesPage || outer == kGlobalGoalsPage) {
        host = static_cast<EditorPage*>(overallPages_->currentWidget());
    }
    if (host == nullptr || host->TriggerPanelHost() == nullptr) {
        triggerPanel_->hide();
        return;
    }
    // The page decides the block the panel edits; each showing starts on its first trigger.
    if (const auto context =
            TriggerContextOfPage(outer, outer == kFlightGroupsPage ? host->PageNumber() : -1)) {
        session_.Select.CurrentTriggerContext = *context;
        session_.Select.CurrentTriggers.at(static_cast<std::size_t>(*context)) = 1;
    }
    host->TriggerPanelHost()->addWidget(triggerPanel_);
    triggerPanel_->Attach(session_, [this](const vorlan::Edit& edit) { Edit(edit); });
    triggerPanel_->SetReduced(host->ReducedTriggerPanel());
    triggerPanel_->show();
    triggerPanel_->ShowTriggers(session_);
}

namespace {

// The inner pages that show the current order; the others do not change with it.
bool ShowsCurrentOrder(const EditorPage* page) {
    return page != nullptr &&
           (page->PageNumber() == kOrdersPage || page->PageNumber() == kWaypointsPage ||
            page->PageNumber() == kJumpPage);
}

}  // namespace

void TForm1::SelectRegion(int region) {
    const FillGuard filling(session_);
    session_.Select.CurrentOrderRegion = region;
    // Ghosting depends on the region, so the rows repaint in their new colours.
    shipModel_->Refresh();
    // The map's region button follows, and with it the map's filters.
    mapForm_->RegionChanged(region);
    if (ShowsCurrentOrder(InnerPage()) && session_.CurrentFG() != nullptr) {
        InnerPage()->fill(session_);
        // On the "Jump" page the panel shows the skip triggers of the order now current.
        if (!triggerPanel_->isHidden()) {
            triggerPanel_->ShowTriggers(session_);
        }
    }
}

// From the order toolbar or a click on an order line of the "Orders" page.
void TForm1::SelectOrder(int order) {
    const FillGuard filling(session_);
    session_.Select.CurrentOrderNumber = order;
    toolbar_.Orders->button(order)->setChecked(true);
    highlightOrderLabel(order);
    if (ShowsCurrentOrder(InnerPage()) && session_.CurrentFG() != nullptr) {
        InnerPage()->fill(session_);
        // On the "Jump" page the panel shows the skip triggers of the order now current.
        if (!triggerPanel_->isHidden()) {
            triggerPanel_->ShowTriggers(session_);
        }
    }
}

void TForm1::ShowRegionAndOrderSelectors() {
    toolbar_.Regions->button(session_.Select.CurrentOrderRegion)->setChecked(true);
    toolbar_.Orders->button(session_.Select.CurrentOrderNumber)->setChecked(true);
    highlightOrderLabel(session_.Select.CurrentOrderNumber);
}

void TForm1::RedrawFlightGroupList() {
    if (shipModel_->rowCount() == static_cast<int>(shipRows_.Rows.size())) {
        shipRows_.Selected = SelectedRows(*shipList_);
    }
    RefreshShipList();
}

void TForm1::RefreshShipList() {
    RebuildFlightGroupList(session_.CurrentMission(), session_.Vocab, shipRows_);
    RecomputePresentAtStart(session_.CurrentMission());
    shipModel_->Refresh();
    syncingShipList_ = true;
    ShowSelection(*shipList_, shipRows_.Selected, session_.Select.CurrentFGIndex);
    syncingShipList_ = false;
}

}  // namespace vorlan

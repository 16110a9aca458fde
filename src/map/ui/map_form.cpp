// The map window: construction, activation, and showing the view and state in its controls.

#include "map/ui/map_form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include "map/map_centring.h"
#include "map/map_colors.h"
#include "map/map_filters.h"
#include "map/map_labels.h"
#include "map/map_palette.h"
#include "map/ui/map_canvas.h"
#include "map/ui/map_list_model.h"
#include "session/session.h"

namespace vorlan {
namespace {

void SetChecked(QAbstractButton* button, bool checked) {
    const QSignalBlocker blocker(button);
    button->setChecked(checked);
}

// The list's rows look like the main window's: dark, so the strong IFF colours read well.
void SetListBackground(QWidget& widget, RowColor colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, QColor(colour.R, colour.G, colour.B));
    widget.setPalette(palette);
}

}  // namespace

TMapForm::TMapForm(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
    setObjectName("TMapForm");
    // Closing the map only hides it; the program ends with the main window.
    setAttribute(Qt::WA_QuitOnClose, false);
    controls_ = BuildMapControls(*this);
    controls_.Canvas->SetFrame(&renderer_.Frame());

    const auto fgAt = [this](int row) -> const FGObject& {
        return *session_.CurrentMission().FlightGroups[static_cast<std::size_t>(row)];
    };
    listModel_ = new MapListModel(
        session_,
        [this, fgAt](int row) {
            return MapListRowColor(fgAt(row), session_.RunningSettings.Blacken,
                                   session_.Select.CurrentOrderRegion);
        },
        this);
    boxModel_ = new MapListModel(
        session_,
        [this, fgAt](int row) {
            return SelectionBoxRowColor(fgAt(row), session_.Select.CurrentOrderRegion);
        },
        this);
    QListView& list = *controls_.MapList;
    list.setModel(listModel_);
    list.setSelectionMode(QAbstractItemView::MultiSelection);
    list.setUniformItemSizes(true);
    SetListBackground(list, kMapListBackground);
    QComboBox& box = *controls_.SelectionBox;
    box.setModel(boxModel_);
    // Sizing the box by its contents would measure every flight group's name.
    box.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* popup = qobject_cast<QListView*>(box.view())) {
        popup->setUniformItemSizes(true);
    }
    SetListBackground(box, kSelectionBoxBackground);
    SetListBackground(*box.view(), kSelectionBoxBackground);

    zoomTimer_.setInterval(30);
    resize(900, 640);
    Connect();
    CaptionChanged();
}

TMapForm::~TMapForm() {
    qApp->removeEventFilter(this);
}

void TMapForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Activate();
}

void TMapForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !state_.Activated) {
        return;
    }
    if (isActiveWindow()) {
        Activate();
    } else if (hooks_.SelectInMainList && !session_.CurrentMission().FlightGroups.empty()) {
        hooks_.SelectInMainList(state_.CurrentFG);
    }
}

void TMapForm::Activate() {
    if (!state_.Activated) {
        FirstActivation();
    } else if (state_.NeedsReset) {
        ResetView();
    }
    const Mission& mission = session_.CurrentMission();
    const int count = static_cast<int>(mission.FlightGroups.size());
    state_.CurrentFG = session_.Select.CurrentFGIndex;
    ClampToCount(state_, count);
    FollowRegion();
    ApplyFilters(state_, mission);
    CaptionChanged();
    listModel_->Refresh();
    boxModel_->Refresh();
    ShowLists();
    ShowButtons();
    ShowView();
    state_.ReadyToPaint = true;
    Repaint();
}

void TMapForm::FirstActivation() {
    state_.Activated = true;
    const Mission& mission = session_.CurrentMission();
    const int count = static_cast<int>(mission.FlightGroups.size());
    ApplyFirstActivationDefaults(state_, session_.RunningSettings);
    state_.CurrentFG = 0;
    state_.CurrentPoint = 1;
    ApplyCurrentOnlyRange(state_, count);
    state_.PaletteIFF = InitialPaletteIFF(mission);
    RebuildPalette();
    controls_.TeamDrop->setEnabled(state_.Toggles.PaletteOn);
    view_ = MapView{};
    view_.Resize(controls_.Canvas->width(), controls_.Canvas->height());
    renderer_.Resize(controls_.Canvas->width(), controls_.Canvas->height());
    FitBattlefield(view_, mission);
    move(x(), y() - 15);
}

void TMapForm::ResetView() {
    const Mission& mission = session_.CurrentMission();
    const int count = static_cast<int>(mission.FlightGroups.size());
    ClampToCount(state_, count);
    ResetForNewMission(state_, count);
    SetViewAndCentre(view_, ViewPlane::XY, AutoCentreFromSetting(session_.RunningSettings.AutoCtr),
                     mission, state_.CurrentFG);
    view_.SetZoom(kInitialZoom);
    FitBattlefield(view_, mission);
}

void TMapForm::MissionChanged() {
    if (!state_.Activated) {
        return;
    }
    ClampToCount(state_, static_cast<int>(session_.CurrentMission().FlightGroups.size()));
    // A new flight group or a load may have moved the main window to another region.
    if (FollowRegion()) {
        ApplyFilters(state_, session_.CurrentMission());
        SetChecked(controls_.Regions->button(state_.Filters.Region), true);
    }
    listModel_->Refresh();
    boxModel_->Refresh();
    ShowLists();
    if (isVisible()) {
        Repaint();
    }
}

void TMapForm::MissionReplaced() {
    CaptionChanged();
    if (!state_.Activated) {
        return;
    }
    state_.NeedsReset = true;
    state_.Drag = MapDrag{};
    paletteFG_.reset();
    // A shown map resets now: it will not be activated again to do it.
    if (isVisible()) {
        Activate();
    } else {
        MissionChanged();
    }
}

void TMapForm::RegionChanged(int region) {
    if (region < 1 || region > 4) {
        return;
    }
    SetChecked(controls_.Regions->button(region - 1), true);
    state_.Filters.Region = region - 1;
    if (state_.Activated) {
        FiltersChanged();
    }
}

bool TMapForm::FollowRegion() {
    const int region = session_.Select.CurrentOrderRegion - 1;
    if (region < 0 || region > 3 || region == state_.Filters.Region) {
        return false;
    }
    state_.Filters.Region = region;
    return true;
}

void TMapForm::CaptionChanged() {
    setWindowTitle(FromMissionText(MapCaption(session_.CurrentMission().MissionFileName)));
}

MapScene TMapForm::Scene() const {
    const Settings& settings = session_.RunningSettings;
    const QScreen* screen = this->screen();
    return MapScene{.Data = session_.CurrentMission(),
                    .View = view_,
                    .State = state_,
                    .GhostGrid = settings.GhostGrid,
                    .GhostText = settings.GhostText,
                    .Region = session_.Select.CurrentOrderRegion,
                    .NarrowScreen = screen != nullptr && screen->size().width() <= 640,
                    .NewFG = paletteFG_.get()};
}

void TMapForm::Repaint() {
    if (!state_.ReadyToPaint) {
        return;
    }
    // The main window may have added, deleted or loaded since the last frame.
    ClampToCount(state_, static_cast<int>(session_.CurrentMission().FlightGroups.size()));
    view_.ComputeVisibleRange();
    renderer_.Repaint(Scene());
    controls_.Canvas->update();
}

void TMapForm::RebuildPalette() {
    renderer_.RebuildPalette(state_.PaletteIFF);
}

void TMapForm::ShowLists() {
    const int count = listModel_->rowCount();
    syncingList_ = true;
    // One selection of runs: ten thousand single selects would each notify the view.
    QItemSelection selection;
    int runStart = -1;
    for (int row = 0; row <= count; ++row) {
        const bool shown = row < count && state_.IsShown(row);
        if (shown && runStart < 0) {
            runStart = row;
        } else if (!shown && runStart >= 0) {
            selection.select(listModel_->index(runStart), listModel_->index(row - 1));
            runStart = -1;
        }
    }
    controls_.MapList->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    syncingList_ = false;
    const QSignalBlocker blocker(controls_.SelectionBox);
    controls_.SelectionBox->setCurrentIndex(count > 0 ? state_.CurrentFG : -1);
}

void TMapForm::ShowButtons() {
    const MapToggles& t = state_.Toggles;
    const MapControls& c = controls_;
    SetChecked(c.NamesOn, t.NamesOn);
    SetChecked(c.AllWPs, t.AllWPs);
    SetChecked(c.CurrWPs, t.CurrWPs);
    SetChecked(c.CurrOnly, t.CurrOnly);
    SetChecked(c.PaletOn, t.PaletteOn);
    SetChecked(c.ShowFGList, t.ShowFGList);
    SetChecked(c.ShowOptions, t.ShowOptions);
    SetChecked(c.WPsOn, t.LinkWPs);
    SetChecked(c.ShowHyp, t.ShowHyp);
    SetChecked(c.ShowTime, t.ShowTime);
    SetChecked(c.ShowDistances, t.ShowDistances);
    SetChecked(c.LockBtn, t.LockStart1);
    SetChecked(c.LockX, t.LockX);
    SetChecked(c.LockY, t.LockY);
    c.ListPanel->setVisible(t.ShowFGList);
    c.Panel1->setVisible(t.ShowOptions);
    const MapFilters& f = state_.Filters;
    for (std::size_t iff = 0; iff < c.IFFButtons.size(); ++iff) {
        SetChecked(c.IFFButtons[iff], f.IFF[iff]);
    }
    SetChecked(c.ShowStartBtn, f.AtStartOnly);
    if (f.Region >= 0 && f.Region < 4) {
        SetChecked(c.Regions->button(f.Region), true);
    }
    const int autoCentre = session_.RunningSettings.AutoCtr;
    for (std::size_t rule = 0; rule < c.AutoCentreButtons.size(); ++rule) {
        SetChecked(c.AutoCentreButtons[rule], static_cast<int>(rule) == autoCentre);
    }
    const auto snapId = [](int snap) {
        const auto* at = std::find(kSnapSteps.begin(), kSnapSteps.end(), snap);
        return at == kSnapSteps.end() ? 0 : static_cast<int>(at - kSnapSteps.begin());
    };
    SetChecked(c.XSnapRadios->button(snapId(view_.SnapH)), true);
    SetChecked(c.YSnapRadios->button(snapId(view_.SnapV)), true);
}

void TMapForm::ShowView() {
    const MapControls& c = controls_;
    SetChecked(c.Views->button(static_cast<int>(view_.View)), true);
    {
        const QSignalBlocker blocker(c.ZoomBar);
        c.ZoomBar->setValue(view_.Zoom);
    }
    c.Label5->setText(QString::number(view_.Zoom));
    view_.ScrollSync = false;
    {
        const QSignalBlocker blockH(c.XScroll);
        const QSignalBlocker blockV(c.YScroll);
        c.XScroll->setValue(view_.ScrollPositionH());
        c.YScroll->setValue(view_.ScrollPositionV());
    }
    view_.ScrollSync = true;
}

}  // namespace vorlan

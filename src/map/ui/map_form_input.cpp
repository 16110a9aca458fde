// The map window's input: the controls, the mouse on the drawing area and the keys. Each
// handler asks the core what to do, sends any change of the mission to the main window as one
// edit, and shows the result.

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSlider>
#include <QToolButton>

#include "edit/edit.h"
#include "edit/map_edits.h"
#include "map/map_centring.h"
#include "map/map_filters.h"
#include "map/map_input.h"
#include "map/map_keys.h"
#include "map/map_palette.h"
#include "map/ui/map_canvas.h"
#include "map/ui/map_form.h"
#include "map/ui/map_list_model.h"
#include "map/zoom_steps.h"
#include "session/new_mission.h"
#include "session/session.h"
#include "text/vocabulary.h"

namespace vorlan {
namespace {

MapKey MapKeyOf(const QKeyEvent& key) {
    const bool keypad = key.modifiers().testFlag(Qt::KeypadModifier);
    const int code = key.key();
    if (code >= Qt::Key_0 && code <= Qt::Key_9) {
        return static_cast<MapKey>(static_cast<int>(MapKey::Digit0) + (code - Qt::Key_0));
    }
    switch (code) {
        case Qt::Key_A:
            return MapKey::A;
        case Qt::Key_C:
            return MapKey::C;
        case Qt::Key_D:
            return MapKey::D;
        case Qt::Key_F:
            return MapKey::F;
        case Qt::Key_G:
            return MapKey::G;
        case Qt::Key_H:
            return MapKey::H;
        case Qt::Key_L:
            return MapKey::L;
        case Qt::Key_N:
            return MapKey::N;
        case Qt::Key_P:
            return MapKey::P;
        case Qt::Key_S:
            return MapKey::S;
        case Qt::Key_T:
            return MapKey::T;
        case Qt::Key_W:
            return MapKey::W;
        case Qt::Key_X:
            return MapKey::X;
        case Qt::Key_Z:
            return MapKey::Z;
        case Qt::Key_F1:
            return MapKey::F1;
        case Qt::Key_F2:
            return MapKey::F2;
        case Qt::Key_F3:
            return MapKey::F3;
        case Qt::Key_Space:
            return MapKey::Space;
        // The main keyboard's "=" key gives "+" with Shift, and its "-" key "_".
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            return keypad ? MapKey::Other : MapKey::Equal;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return keypad ? MapKey::Other : MapKey::Minus;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return MapKey::Enter;
        case Qt::Key_Delete:
            return MapKey::Delete;
        default:
            return MapKey::Other;
    }
}

PointerState PointerOf(const QMouseEvent& event) {
    const Qt::MouseButtons buttons = event.buttons();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    return PointerState{.Left = buttons.testFlag(Qt::LeftButton),
                        .Right = buttons.testFlag(Qt::RightButton),
                        .Middle = buttons.testFlag(Qt::MiddleButton),
                        .Shift = modifiers.testFlag(Qt::ShiftModifier),
                        .Ctrl = modifiers.testFlag(Qt::ControlModifier),
                        .Alt = modifiers.testFlag(Qt::AltModifier)};
}

}  // namespace

void TMapForm::Connect() {
    const MapControls& c = controls_;
    connect(c.Canvas, &MapCanvas::Pressed, this, &TMapForm::Press);
    connect(c.Canvas, &MapCanvas::Moved, this, &TMapForm::Move);
    connect(c.Canvas, &MapCanvas::Released, this, &TMapForm::Release);
    connect(c.Canvas, &MapCanvas::DoubleClicked, this, &TMapForm::DoubleClick);
    connect(c.Canvas, &MapCanvas::Resized, this, [this](int width, int height) {
        view_.Resize(width, height);
        renderer_.Resize(width, height);
        Repaint();
    });
    connect(&zoomTimer_, &QTimer::timeout, this, &TMapForm::HoldZoomTick);

    connect(c.ZoomBar, &QSlider::valueChanged, this, &TMapForm::SetZoom);
    connect(c.ZoomTo16Btn, &QToolButton::clicked, this,
            [this] { RunCommand({.Command = MapCommand::Zoom16}); });
    connect(c.ZoomTo800Btn, &QToolButton::clicked, this,
            [this] { RunCommand({.Command = MapCommand::Zoom800}); });
    connect(c.Views, &QButtonGroup::idClicked, this, &TMapForm::ChangeView);
    connect(c.CtrFGBtn, &QToolButton::clicked, this,
            [this] { RunCommand({.Command = MapCommand::CentreCurrentFG}); });
    connect(c.CentreMapBtn, &QToolButton::clicked, this,
            [this] { RunCommand({.Command = MapCommand::CentreMap}); });
    connect(c.FitBattleBtn, &QToolButton::clicked, this, [this] {
        FitBattlefield(view_, session_.CurrentMission());
        ShowView();
        Repaint();
    });
    connect(c.XScroll, &QScrollBar::valueChanged, this, [this](int position) {
        if (view_.ScrollSync) {
            view_.ScrollH(position);
            Repaint();
        }
    });
    connect(c.YScroll, &QScrollBar::valueChanged, this, [this](int position) {
        if (view_.ScrollSync) {
            view_.ScrollV(position);
            Repaint();
        }
    });
    for (std::size_t rule = 0; rule < c.AutoCentreButtons.size(); ++rule) {
        connect(c.AutoCentreButtons[rule], &QToolButton::clicked, this,
                [this, rule](bool down) { AutoCentreClicked(static_cast<int>(rule), down); });
    }
    connect(c.SelectionBox, &QComboBox::activated, this, &TMapForm::SelectFromBox);
    connect(c.MapList, &QListView::clicked, this,
            [this](const QModelIndex& index) { SelectFromList(index.row()); });
    connect(c.BackToMain, &QToolButton::clicked, this, [this] {
        if (hooks_.BackToMain) {
            hooks_.BackToMain();
        }
    });
    connect(c.TeamDrop, &QToolButton::clicked, this, [this] {
        if (state_.Toggles.PaletteOn) {
            SetPaletteTeam((state_.PaletteTeam + 1) % kPaletteTeams);
        }
    });
    const QList<QAction*> teams = c.TeamMenu->actions();
    for (int team = 0; team < static_cast<int>(teams.size()); ++team) {
        connect(teams[team], &QAction::triggered, this, [this, team] { SetPaletteTeam(team); });
    }
    ConnectToggles();
    ConnectFilters();
    // The window sees the keys before its controls.
    qApp->installEventFilter(this);
}

void TMapForm::ConnectToggles() {
    const MapControls& c = controls_;
    MapToggles& t = state_.Toggles;
    // Buttons that only change what is drawn.
    const std::pair<QAbstractButton*, bool*> redraws[] = {
        {c.NamesOn, &t.NamesOn},
        {c.AllWPs, &t.AllWPs},
        {c.CurrWPs, &t.CurrWPs},
        {c.WPsOn, &t.LinkWPs},
        {c.ShowHyp, &t.ShowHyp},
        {c.ShowTime, &t.ShowTime},
        {c.ShowDistances, &t.ShowDistances},
        {c.LockBtn, &t.LockStart1},
        {c.LockX, &t.LockX},
        {c.LockY, &t.LockY},
    };
    for (const auto& [button, flag] : redraws) {
        connect(button, &QAbstractButton::clicked, this, [this, flag](bool down) {
            *flag = down;
            Repaint();
        });
    }
    connect(c.CurrOnly, &QToolButton::clicked, this, [this](bool down) {
        SetCurrentOnly(view_, state_, session_.CurrentMission(), session_.RunningSettings, down);
        ShowView();
        ShowLists();
        Repaint();
    });
    connect(c.PaletOn, &QToolButton::clicked, this, &TMapForm::SetPaletteOn);
    connect(c.ShowFGList, &QToolButton::clicked, this, [this](bool down) {
        state_.Toggles.ShowFGList = down;
        controls_.ListPanel->setVisible(down);
    });
    connect(c.ShowOptions, &QToolButton::clicked, this, [this](bool down) {
        state_.Toggles.ShowOptions = down;
        controls_.Panel1->setVisible(down);
    });
    connect(c.XSnapRadios, &QButtonGroup::idClicked, this,
            [this](int id) { view_.SnapH = kSnapSteps[static_cast<std::size_t>(id)]; });
    connect(c.YSnapRadios, &QButtonGroup::idClicked, this,
            [this](int id) { view_.SnapV = kSnapSteps[static_cast<std::size_t>(id)]; });
}

void TMapForm::ConnectFilters() {
    const MapControls& c = controls_;
    for (std::size_t iff = 0; iff < c.IFFButtons.size(); ++iff) {
        connect(c.IFFButtons[iff], &QToolButton::clicked, this, [this, iff](bool down) {
            state_.Filters.IFF[iff] = down;
            FiltersChanged();
        });
    }
    connect(c.ShowStartBtn, &QToolButton::clicked, this, [this](bool down) {
        state_.Filters.AtStartOnly = down;
        FiltersChanged();
    });
    connect(c.AllIFF, &QToolButton::clicked, this, &TMapForm::ShowAllFilters);
    connect(c.Regions, &QButtonGroup::idClicked, this, [this](int region) {
        state_.Filters.Region = region;
        // The main window switches regions and tells the map, which filters again.
        if (hooks_.SelectRegion) {
            hooks_.SelectRegion(region + 1);
        } else {
            FiltersChanged();
        }
    });
}

void TMapForm::FiltersChanged() {
    ApplyFilters(state_, session_.CurrentMission());
    listModel_->Refresh();
    boxModel_->Refresh();
    ShowLists();
    Repaint();
}

void TMapForm::ShowAllFilters() {
    ShowAll(state_, static_cast<int>(session_.CurrentMission().FlightGroups.size()));
    ShowButtons();
    ShowLists();
    Repaint();
}

void TMapForm::SetZoom(int zoom) {
    if (view_.SetZoom(zoom)) {
        ShowView();
        Repaint();
    }
}

void TMapForm::ChangeView(int view) {
    static constexpr MapCommand kViews[] = {MapCommand::ViewXY, MapCommand::ViewXZ,
                                            MapCommand::ViewYZ};
    if (view >= 0 && view < 3) {
        RunCommand({.Command = kViews[view]});
    }
}

void TMapForm::AutoCentreClicked(int rule, bool down) {
    // The four buttons are the AutoCtr setting; releasing the one down adjusts nothing.
    session_.RunningSettings.AutoCtr =
        static_cast<std::uint8_t>(down ? rule : static_cast<int>(AutoCentre::None));
    ShowButtons();
}

void TMapForm::SetPaletteOn(bool on) {
    state_.Toggles.PaletteOn = on;
    controls_.TeamDrop->setEnabled(on);
    if (on) {
        const auto& teams = session_.Vocab.table(TableId::TeamList);
        const QList<QAction*> items = controls_.TeamMenu->actions();
        for (int team = 0; team < static_cast<int>(items.size()); ++team) {
            if (static_cast<std::size_t>(team) < teams.size()) {
                items[team]->setText(FromMissionText(teams[static_cast<std::size_t>(team)]));
            }
        }
    }
    Repaint();
}

void TMapForm::SetPaletteTeam(int team) {
    // The same command as the digit keys.
    RunCommand({.Command = MapCommand::PaletteTeam, .Team = team});
}

void TMapForm::SelectFromBox(int index) {
    const Mission& mission = session_.CurrentMission();
    SelectFG(state_, index, static_cast<int>(mission.FlightGroups.size()));
    if (session_.RunningSettings.Centre) {
        CentreOnFG(view_, mission, state_.CurrentFG);
        ShowView();
    }
    Repaint();
}

void TMapForm::SelectFromList(int index) {
    if (syncingList_) {
        return;
    }
    const int count = static_cast<int>(session_.CurrentMission().FlightGroups.size());
    SelectFG(state_, index, count);
    // The list's selection is the set of flight groups shown.
    const QItemSelectionModel* selection = controls_.MapList->selectionModel();
    state_.Shown.assign(static_cast<std::size_t>(count), 0);
    for (const QModelIndex& row : selection->selectedRows()) {
        if (row.row() < count) {
            state_.Shown[static_cast<std::size_t>(row.row())] = 1;
        }
    }
    const QSignalBlocker blocker(controls_.SelectionBox);
    controls_.SelectionBox->setCurrentIndex(state_.CurrentFG);
    Repaint();
}

void TMapForm::Press(QMouseEvent* event) {
    const Mission& mission = session_.CurrentMission();
    ClampToCount(state_, static_cast<int>(mission.FlightGroups.size()));
    const QPoint at = event->position().toPoint();
    const MapPress press = DecidePress(view_, state_, mission, PointerOf(*event), at.x(), at.y());
    switch (press.Kind) {
        case PressKind::Nothing:
            return;
        case PressKind::CentreHere:
            view_.CentreOn(press.Centre[0], press.Centre[1]);
            ShowView();
            Repaint();
            return;
        case PressKind::NewFG:
            StartPaletteDrag(press.CraftType);
            return;
        case PressKind::Locked:
            state_.CurrentFG = press.Hit.FG;
            state_.CurrentPoint = 1;
            ShowLists();
            Repaint();
            renderer_.WriteLocked(at.x() + 15, at.y() - 10);
            return;
        case PressKind::Drag: {
            state_.CurrentFG = press.Hit.FG;
            state_.CurrentPoint = press.Hit.Point;
            const FGObject& fg = *mission.FlightGroups[static_cast<std::size_t>(press.Hit.FG)];
            state_.Drag = MapDrag{.Active = true,
                                  .FG = press.Hit.FG,
                                  .Point = press.Hit.Point,
                                  .Position = PointPosition(fg, press.Hit.Point)};
            ShowLists();
            view_.ComputeVisibleRange();
            renderer_.BuildDragBackground(Scene());
            DragFrame();
            return;
        }
        case PressKind::HoldZoom:
            state_.ZoomTicks = 0;
            zoomTimer_.start();
            return;
    }
}

void TMapForm::StartPaletteDrag(int craftType) {
    const Mission& mission = session_.CurrentMission();
    // The new flight group starts where New FG puts one, and follows the mouse from there.
    const std::array<std::int16_t, 3> start =
        PointPosition(*MakeFGFromTemplate(session_, mission), 1);
    paletteFG_ = MakePaletteFG(session_, MapNewFGEdit{.CraftType = craftType,
                                                      .IFF = state_.PaletteIFF,
                                                      .Team = state_.PaletteTeam,
                                                      .Start1 = start});
    state_.Drag = MapDrag{.Active = true,
                          .FG = static_cast<int>(mission.FlightGroups.size()),
                          .Point = 1,
                          .Position = start,
                          .NewFromPalette = true,
                          .NewCraftType = craftType};
    view_.ComputeVisibleRange();
    renderer_.BuildDragBackground(Scene());
    DragFrame();
}

void TMapForm::DragFrame() {
    renderer_.FastRedraw(Scene());
    controls_.Canvas->update();
}

void TMapForm::Move(QMouseEvent* event) {
    const QPointF at = event->position();
    const MousePositionTexts texts = MousePosition(view_, at.x(), at.y());
    controls_.Label1->setText(QString::fromStdString(texts.Horizontal));
    controls_.Label2->setText(QString::fromStdString(texts.Vertical));
    if (state_.Drag.Active) {
        state_.Drag.Position = DraggedPosition(view_, state_.Toggles, state_.Drag.Point,
                                               state_.Drag.Position, at.x(), at.y());
        DragFrame();
    }
}

void TMapForm::Release() {
    zoomTimer_.stop();
    const MapDrag drag = state_.Drag;
    state_.Drag = MapDrag{};
    const Mission& mission = session_.CurrentMission();
    const int count = static_cast<int>(mission.FlightGroups.size());
    if (drag.Active && drag.NewFromPalette) {
        paletteFG_.reset();
        if (hooks_.Edit) {
            hooks_.Edit(MapNewFGEdit{.CraftType = drag.NewCraftType,
                                     .IFF = state_.PaletteIFF,
                                     .Team = state_.PaletteTeam,
                                     .Start1 = drag.Position});
        }
        const int now = static_cast<int>(mission.FlightGroups.size());
        if (now > count) {
            FollowNewFG(state_, now);
            listModel_->Refresh();
            boxModel_->Refresh();
            ShowLists();
        }
    } else if (drag.Active && drag.FG < count) {
        // The whole drag is one edit; a press that did not move the point changes nothing.
        const FGObject& fg = *mission.FlightGroups[static_cast<std::size_t>(drag.FG)];
        if (drag.Position != PointPosition(fg, drag.Point) && hooks_.Edit) {
            hooks_.Edit(
                MapPointEdit{.FG = drag.FG, .Point = drag.Point, .Position = drag.Position});
        }
    }
    if (drag.Active || state_.Toggles.LockStart1) {
        Repaint();
    }
}

void TMapForm::DoubleClick() {
    const DoubleClickAction action = DoubleClickRule(
        controls_.ZoomBar->value(), session_.RunningSettings.DblClickLink, view_.WasWithinFit);
    if (action.Fit) {
        FitBattlefield(view_, session_.CurrentMission());
    } else {
        view_.SetZoom(action.Zoom);
    }
    ShowView();
    Repaint();
}

void TMapForm::HoldZoomTick() {
    ++state_.ZoomTicks;
    SetZoom(HoldZoomStep(view_.Zoom, state_.ZoomTicks, session_.RunningSettings.ZoomSpeed));
}

bool TMapForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this &&
            HandleKey(static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TMapForm::HandleKey(QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    const MapKeyAction action =
        MapKeyCommand(MapKeyOf(*key), KeyModifiers{.Shift = modifiers.testFlag(Qt::ShiftModifier),
                                                   .Ctrl = modifiers.testFlag(Qt::ControlModifier),
                                                   .Alt = modifiers.testFlag(Qt::AltModifier)});
    if (action.Command == MapCommand::None) {
        return false;
    }
    RunCommand(action);
    return true;
}

void TMapForm::RunCommand(const MapKeyAction& action) {
    Follow(
        RunMapCommand(view_, state_, session_.CurrentMission(), session_.RunningSettings, action));
}

void TMapForm::Follow(const MapCommandEffect& effect) {
    if (effect.DeleteFG) {
        DeleteCurrentFG();
    }
    if (effect.Save && hooks_.Save) {
        hooks_.Save();
    }
    if (effect.SaveAs && hooks_.SaveAs) {
        hooks_.SaveAs();
    }
    if (effect.PaletteChanged) {
        RebuildPalette();
    }
    if (effect.ButtonsChanged) {
        ShowButtons();
        ShowLists();
    }
    if (effect.ViewMoved || effect.ViewChanged) {
        ShowView();
    }
    if (effect.Repaint || effect.ViewMoved || effect.ViewChanged || effect.PaletteChanged) {
        Repaint();
    }
}

void TMapForm::DeleteCurrentFG() {
    const EditResult result = DeleteMapCurrentFG(session_, state_);
    if (hooks_.Apply) {
        hooks_.Apply(result);
    }
    listModel_->Refresh();
    boxModel_->Refresh();
    ShowLists();
    Repaint();
}

}  // namespace vorlan

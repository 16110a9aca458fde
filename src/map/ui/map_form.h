#pragma once
// The map window: the mission's flight groups on a pannable, zoomable plane, with the lists,
// toolbars and options around it. It reads the main window's session; every change it makes to
// the mission goes to the main window as one edit. Created once, hidden on close.

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

#include "edit/ui/control_binding.h"
#include "map/map_commands.h"
#include "map/map_state.h"
#include "map/map_view.h"
#include "map/ui/map_controls.h"
#include "map/ui/map_renderer.h"
#include "session/edit_result.h"

namespace vorlan {

class MapListModel;
class Session;

// What the map asks of the main window.
struct MapWindowHooks {
    // Applies an edit and shows what it changed (the main window's Edit).
    EditSink Edit;
    // Shows what an edit the map ran itself changed (the main window's Apply).
    std::function<void(const EditResult&)> Apply;
    std::function<void()> Save;
    std::function<void()> SaveAs;
    // The region buttons: the main window switches to region 1..4.
    std::function<void(int region)> SelectRegion;
    // Leaving the map: the main window's list selects exactly this flight group.
    std::function<void(int fg)> SelectInMainList;
    std::function<void()> BackToMain;
};

class TMapForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMapForm(Session& session, QWidget* parent = nullptr);
    ~TMapForm() override;

    void SetHooks(MapWindowHooks hooks) { hooks_ = std::move(hooks); }

    // The main window changed the mission: lists, names, points or the current flight group.
    void MissionChanged();
    // A mission was loaded or made: the next showing resets the view.
    void MissionReplaced();
    // The main window switched to region 1..4: the region button and the filters follow.
    void RegionChanged(int region);
    // The mission's file name changed.
    void CaptionChanged();

    const MapView& View() const { return view_; }
    const MapState& State() const { return state_; }
    const MapControls& Controls() const { return controls_; }
    const QImage& Frame() const { return renderer_.Frame(); }

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Connect();
    void ConnectToggles();
    void ConnectFilters();
    // What the platform runs on activation; also on every showing, since a bare display
    // server never activates windows.
    void Activate();
    void FirstActivation();
    void ResetView();
    // The region filter is the main window's current region; true when it changed.
    bool FollowRegion();

    // Drawing.
    MapScene Scene() const;
    void Repaint();
    // The moving flight group over the background cache.
    void DragFrame();
    void ShowLists();
    void ShowButtons();
    void ShowView();
    void RebuildPalette();

    // Input.
    void Press(QMouseEvent* event);
    void Move(QMouseEvent* event);
    void Release();
    void StartPaletteDrag(int craftType);
    void DoubleClick();
    void HoldZoomTick();
    bool HandleKey(QKeyEvent* key);
    void RunCommand(const MapKeyAction& action);
    void Follow(const MapCommandEffect& effect);
    void DeleteCurrentFG();
    void SelectFromBox(int index);
    void SelectFromList(int index);
    void FiltersChanged();
    void ShowAllFilters();
    void SetZoom(int zoom);
    void ChangeView(int view);
    void AutoCentreClicked(int rule, bool down);
    void SetPaletteOn(bool on);
    void SetPaletteTeam(int team);

    Session& session_;
    MapWindowHooks hooks_;
    MapView view_;
    MapState state_;
    MapRenderer renderer_;
    MapControls controls_;
    MapListModel* listModel_ = nullptr;
    MapListModel* boxModel_ = nullptr;
    QTimer zoomTimer_;
    // The flight group a palette press will make, drawn while it is dragged.
    std::unique_ptr<FGObject> paletteFG_;
    // The map list's selection is being set by code.
    bool syncingList_ = false;
};

}  // namespace vorlan

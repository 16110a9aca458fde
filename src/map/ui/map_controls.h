#pragma once
// The map window's controls, by their objectNames: the toolbar, the filter bar, the flight
// group list panel, the options panel, the auto-centre buttons and the scroll bars around the
// drawing area. Building them only lays them out; the window connects them.

#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QListView;
class QMainWindow;
class QMenu;
class QScrollBar;
class QSlider;
class QToolButton;
class QWidget;

namespace vorlan {

class MapCanvas;

struct MapControls {
    // View: XY, XZ, YZ (ids 0..2).
    QButtonGroup* Views = nullptr;
    QSlider* ZoomBar = nullptr;
    QLabel* Label5 = nullptr;
    QToolButton* ZoomTo16Btn = nullptr;
    QToolButton* ZoomTo800Btn = nullptr;
    QToolButton* CtrFGBtn = nullptr;
    QToolButton* CentreMapBtn = nullptr;
    QToolButton* FitBattleBtn = nullptr;
    QToolButton* NamesOn = nullptr;
    QToolButton* AllWPs = nullptr;
    QToolButton* CurrWPs = nullptr;
    QToolButton* CurrOnly = nullptr;
    QToolButton* PaletOn = nullptr;
    QToolButton* TeamDrop = nullptr;
    QMenu* TeamMenu = nullptr;
    QToolButton* ShowFGList = nullptr;
    QToolButton* ShowOptions = nullptr;
    QToolButton* BackToMain = nullptr;
    QComboBox* SelectionBox = nullptr;
    // The mouse position in km.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;

    // Filters: RebIFF, ImpIFF, BluIFF, YellIFF, Red2IFF, PurpIFF (IFF 0..5).
    std::array<QToolButton*, 6> IFFButtons{};
    QToolButton* AllIFF = nullptr;
    QToolButton* ShowStartBtn = nullptr;
    QToolButton* EasyBtn = nullptr;
    QToolButton* MedBtn = nullptr;
    QToolButton* HardBtn = nullptr;
    // ShowR1..ShowR4 (ids 0..3), one always down.
    QButtonGroup* Regions = nullptr;

    // The flight group list panel (ShowFGList) and its list.
    QWidget* ListPanel = nullptr;
    QListView* MapList = nullptr;

    // Panel1, the options panel (ShowOptions).
    QWidget* Panel1 = nullptr;
    // XSnapRadios, YSnapRadios: ids 0..3 are "Off", "0.1 km", "0.2 km", "0.5 km".
    QButtonGroup* XSnapRadios = nullptr;
    QButtonGroup* YSnapRadios = nullptr;
    QCheckBox* WPsOn = nullptr;
    QCheckBox* ShowHyp = nullptr;
    QCheckBox* ShowTime = nullptr;
    QCheckBox* ShowDistances = nullptr;
    QCheckBox* LockBtn = nullptr;
    QCheckBox* LockX = nullptr;
    QCheckBox* LockY = nullptr;

    // LockCtr, LockCurr, LockZero, LockBattleCtr: AutoCtr 0..3; none down is 4.
    std::array<QToolButton*, 4> AutoCentreButtons{};

    MapCanvas* Canvas = nullptr;
    QScrollBar* XScroll = nullptr;
    QScrollBar* YScroll = nullptr;
};

// The snapping in raw units of radio id 0..3.
inline constexpr std::array<int, 4> kSnapSteps = {1, 16, 32, 80};

// Lays the controls out in window (its toolbars and central widget).
MapControls BuildMapControls(QMainWindow& window);

}  // namespace vorlan

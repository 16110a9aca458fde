#include "map/ui/map_controls.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "map/map_view.h"
#include "map/ui/map_canvas.h"
#include "text/row_colors.h"

namespace vorlan {
namespace {

QToolButton* AddButton(QToolBar& bar, const char* name, const QString& hint, const QString& text,
                       bool checkable = false) {
    auto* button = new QToolButton(&bar);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setText(text);
    button->setCheckable(checkable);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar.addWidget(button);
    return button;
}

QCheckBox* AddCheck(QVBoxLayout& layout, const char* name, const QString& text) {
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    layout.addWidget(box);
    return box;
}

QButtonGroup* AddSnapRadios(QVBoxLayout& layout, const char* name, const QString& title) {
    auto* box = new QGroupBox(title);
    box->setObjectName(name);
    auto* column = new QVBoxLayout(box);
    auto* group = new QButtonGroup(box);
    const char* items[] = {"Off", "0.1 km", "0.2 km", "0.5 km"};
    for (int id = 0; id < 4; ++id) {
        auto* radio = new QRadioButton(items[id]);
        radio->setChecked(id == 0);
        column->addWidget(radio);
        group->addButton(radio, id);
    }
    layout.addWidget(box);
    return group;
}

void BuildToolbar(QMainWindow& window, MapControls& c) {
    auto* bar = new QToolBar(&window);
    bar->setObjectName("MapToolbar");
    bar->setMovable(false);
    window.addToolBar(bar);
    c.Views = new QButtonGroup(bar);
    const char* viewNames[] = {"XY", "XZ", "YZ"};
    const char* viewTexts[] = {"X-Y", "X-Z", "Y-Z"};
    for (int view = 0; view < 3; ++view) {
        QToolButton* button = AddButton(*bar, viewNames[view], QString(viewTexts[view]) + " View",
                                        viewTexts[view], true);
        button->setChecked(view == 0);
        c.Views->addButton(button, view);
    }
    bar->addSeparator();
    c.ZoomTo16Btn = AddButton(*bar, "ZoomTo16Btn", "Zoom 16", "16");
    c.ZoomBar = new QSlider(Qt::Horizontal, bar);
    c.ZoomBar->setObjectName("ZoomBar");
    c.ZoomBar->setToolTip("Zoom");
    c.ZoomBar->setRange(kMinZoom, kMaxZoom);
    c.ZoomBar->setPageStep(16);
    c.ZoomBar->setValue(kInitialZoom);
    c.ZoomBar->setMinimumWidth(140);
    bar->addWidget(c.ZoomBar);
    c.ZoomTo800Btn = AddButton(*bar, "ZoomTo800Btn", "Zoom 800", "800");
    c.Label5 = new QLabel(QString::number(kInitialZoom), bar);
    c.Label5->setObjectName("Label5");
    c.Label5->setMinimumWidth(36);
    bar->addWidget(c.Label5);
    bar->addSeparator();
    c.CtrFGBtn = AddButton(*bar, "CtrFGBtn", "Centre on current FG", "Ctr FG");
    c.CentreMapBtn = AddButton(*bar, "CentreMapBtn", "Centre map", "Ctr Map");
    c.FitBattleBtn = AddButton(*bar, "FitBattleBtn", "Fit to battlefield", "Fit");
    bar->addSeparator();
    c.NamesOn = AddButton(*bar, "NamesOn", "Show names", "Names", true);
    c.AllWPs = AddButton(*bar, "AllWPs", "All waypoints (Currently unavailable)", "All WPs", true);
    c.CurrWPs =
        AddButton(*bar, "CurrWPs", "Current waypoints (Currently unavailable)", "Curr WPs", true);
    c.CurrOnly = AddButton(*bar, "CurrOnly", "Current FG only", "Curr FG", true);
    bar->addSeparator();
    c.PaletOn = AddButton(*bar, "PaletOn", "Show icon palette", "Palette", true);
    c.TeamDrop = AddButton(*bar, "TeamDrop", "Cycle palette Teams", "Team");
    c.TeamMenu = new QMenu(c.TeamDrop);
    c.TeamMenu->setObjectName("TeamMenu");
    for (int team = 1; team <= 10; ++team) {
        c.TeamMenu->addAction(QString::number(team));
    }
    c.TeamDrop->setMenu(c.TeamMenu);
    c.TeamDrop->setPopupMode(QToolButton::MenuButtonPopup);
    c.TeamDrop->setEnabled(false);
    c.ShowFGList = AddButton(*bar, "ShowFGList", "Show Shiplist", "List", true);
    c.ShowOptions = AddButton(*bar, "ShowOptions", "Show options", "Options", true);
    bar->addSeparator();
    c.BackToMain = AddButton(*bar, "BackToMain", "Back to Main", "Main");
}

void BuildFilterBar(QMainWindow& window, MapControls& c) {
    window.addToolBarBreak();
    auto* bar = new QToolBar(&window);
    bar->setObjectName("MapFilterBar");
    bar->setMovable(false);
    window.addToolBar(bar);
    // The current flight group and the mouse position lead the second row.
    c.SelectionBox = new QComboBox(bar);
    c.SelectionBox->setObjectName("SelectionBox");
    c.SelectionBox->setMinimumContentsLength(18);
    bar->addWidget(c.SelectionBox);
    c.Label1 = new QLabel("X: ", bar);
    c.Label1->setObjectName("Label1");
    c.Label1->setMinimumWidth(70);
    bar->addWidget(c.Label1);
    c.Label2 = new QLabel("Y: ", bar);
    c.Label2->setObjectName("Label2");
    c.Label2->setMinimumWidth(70);
    bar->addWidget(c.Label2);
    bar->addSeparator();
    c.AllIFF = AddButton(*bar, "AllIFF", "All", "All");
    const char* iffNames[] = {"RebIFF", "ImpIFF", "BluIFF", "YellIFF", "Red2IFF", "PurpIFF"};
    const char* iffTexts[] = {"Reb", "Imp", "Blue", "Yel", "Red", "Purp"};
    for (int iff = 0; iff < 6; ++iff) {
        QToolButton* button =
            AddButton(*bar, iffNames[iff], QString("IFF ") + iffTexts[iff], iffTexts[iff], true);
        const RowColor colour = IFFColor(iff);
        button->setStyleSheet(QString("QToolButton { color: rgb(%1, %2, %3); }")
                                  .arg(colour.R)
                                  .arg(colour.G)
                                  .arg(colour.B));
        button->setChecked(true);
        c.IFFButtons[static_cast<std::size_t>(iff)] = button;
    }
    bar->addSeparator();
    c.ShowStartBtn = AddButton(*bar, "ShowStartBtn", "FGs within 30 seconds", "At start", true);
    bar->addSeparator();
    // The difficulty buttons show what the map filters by; they cannot be changed.
    c.EasyBtn = AddButton(*bar, "EasyBtn", "Easy", "Easy", true);
    c.MedBtn = AddButton(*bar, "MedBtn", "Medium", "Med", true);
    c.HardBtn = AddButton(*bar, "HardBtn", "Hard", "Hard", true);
    c.MedBtn->setChecked(true);
    for (QToolButton* button : {c.EasyBtn, c.MedBtn, c.HardBtn}) {
        button->setEnabled(false);
    }
    bar->addSeparator();
    c.Regions = new QButtonGroup(bar);
    for (int region = 0; region < 4; ++region) {
        const QByteArray name = "ShowR" + QByteArray::number(region + 1);
        QToolButton* button =
            AddButton(*bar, name.constData(), QString("Region %1").arg(region + 1),
                      QString("R%1").arg(region + 1), true);
        button->setChecked(region == 0);
        c.Regions->addButton(button, region);
    }
    bar->addSeparator();
    // The craft categories take no part in the filters yet.
    const char* categoryNames[] = {"FightersOn", "CapShipsOn",  "TransportsOn",
                                   "FRTsOn",     "PlatformsOn", "ObjectsOn"};
    const char* categoryHints[] = {"Fighters",   "Capital ships", "Transports",
                                   "Freighters", "Platforms",     "Objects"};
    const char* categoryTexts[] = {"Ftr", "Cap", "Trn", "Frt", "Plt", "Obj"};
    for (int category = 0; category < 6; ++category) {
        QToolButton* button = AddButton(*bar, categoryNames[category], categoryHints[category],
                                        categoryTexts[category], true);
        button->setChecked(true);
        button->setEnabled(false);
    }
}

QWidget* BuildOptionsPanel(MapControls& c) {
    auto* panel = new QWidget;
    panel->setObjectName("Panel1");
    auto* column = new QVBoxLayout(panel);
    c.XSnapRadios = AddSnapRadios(*column, "XSnapRadios", "X Snap");
    c.YSnapRadios = AddSnapRadios(*column, "YSnapRadios", "Y Snap");
    c.WPsOn = AddCheck(*column, "WPsOn", "Link wps 2-8");
    c.ShowHyp = AddCheck(*column, "ShowHyp", "Link Hyperpt");
    c.ShowTime = AddCheck(*column, "ShowTime", "WP times");
    c.ShowDistances = AddCheck(*column, "ShowDistances", "WP distances");
    c.LockBtn = AddCheck(*column, "LockBtn", "Lock Start 1 waypoint");
    c.LockX = AddCheck(*column, "LockX", "Lock current X coordinate");
    c.LockY = AddCheck(*column, "LockY", "Lock current Y coordinate");
    column->addStretch();
    panel->hide();
    c.Panel1 = panel;
    return panel;
}

QWidget* BuildAutoCentreColumn(MapControls& c) {
    auto* column = new QWidget;
    column->setObjectName("AutoCentrePanel");
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(2, 2, 2, 2);
    const char* names[] = {"LockCtr", "LockCurr", "LockZero", "LockBattleCtr"};
    const char* hints[] = {"AutoCentre: at Map centre", "AutoCentre: on current FG",
                           "AutoCentre: zero vertical axis", "AutoCentre: fit to Battlefield"};
    const char* texts[] = {"Ctr", "FG", "0", "Fit"};
    for (int rule = 0; rule < 4; ++rule) {
        auto* button = new QToolButton;
        button->setObjectName(names[rule]);
        button->setToolTip(hints[rule]);
        button->setText(texts[rule]);
        button->setCheckable(true);
        button->setMinimumWidth(32);
        layout->addWidget(button);
        c.AutoCentreButtons[static_cast<std::size_t>(rule)] = button;
    }
    layout->addStretch();
    return column;
}

QScrollBar* NudgeBar(Qt::Orientation orientation, const char* name) {
    auto* bar = new QScrollBar(orientation);
    bar->setObjectName(name);
    bar->setRange(-kScrollRange, kScrollRange);
    bar->setSingleStep(50);
    bar->setPageStep(100);
    bar->setValue(0);
    return bar;
}

}  // namespace

MapControls BuildMapControls(QMainWindow& window) {
    MapControls c;
    BuildToolbar(window, c);
    BuildFilterBar(window, c);

    auto* central = new QWidget(&window);
    central->setObjectName("MapArea");
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);

    c.ListPanel = new QWidget;
    c.ListPanel->setObjectName("ListPanel");
    auto* listColumn = new QVBoxLayout(c.ListPanel);
    listColumn->setContentsMargins(0, 0, 0, 0);
    c.MapList = new QListView;
    c.MapList->setObjectName("MapList");
    listColumn->addWidget(c.MapList);
    c.ListPanel->setFixedWidth(200);
    c.ListPanel->hide();
    row->addWidget(c.ListPanel);

    auto* mapGrid = new QGridLayout;
    mapGrid->setSpacing(0);
    c.Canvas = new MapCanvas;
    c.XScroll = NudgeBar(Qt::Horizontal, "XScroll");
    c.YScroll = NudgeBar(Qt::Vertical, "YScroll");
    mapGrid->addWidget(c.Canvas, 0, 0);
    mapGrid->addWidget(c.YScroll, 0, 1);
    mapGrid->addWidget(c.XScroll, 1, 0);
    row->addLayout(mapGrid, 1);
    row->addWidget(BuildOptionsPanel(c));
    row->addWidget(BuildAutoCentreColumn(c));
    window.setCentralWidget(central);
    return c;
}

}  // namespace vorlan

#pragma once
// The main window's toolbar: every command button with its hint, the history drop-down of
// "Open Mission", and the region and order toggle buttons.

#include <QToolBar>
#include <array>

class QButtonGroup;
class QMenu;
class QToolButton;

namespace vorlan {

struct MainToolbar {
    QToolButton* NewMissionBut = nullptr;
    QToolButton* LoadBtn = nullptr;
    QToolButton* SaveBtn = nullptr;
    QToolButton* SaveAsBtn = nullptr;
    QToolButton* UndoBtn = nullptr;
    QToolButton* RedoBtn = nullptr;
    QToolButton* NewFGBut = nullptr;
    QToolButton* DeleteBut = nullptr;
    QToolButton* CutBtn = nullptr;
    QToolButton* CopyBtn = nullptr;
    QToolButton* PasteBtn = nullptr;
    QToolButton* UpBtn = nullptr;
    QToolButton* DownBtn = nullptr;
    QToolButton* PrefBut = nullptr;
    QToolButton* MissionBtn = nullptr;
    QToolButton* ShowMap = nullptr;
    QToolButton* AboutBtn = nullptr;
    // R1Btn..R4Btn and Ord1..Ord4; each group has its number (1 to 4) as the button id.
    QButtonGroup* Regions = nullptr;
    QButtonGroup* Orders = nullptr;
    QMenu* HistPopUp = nullptr;
};

// Fills the two bars with the buttons: commands in the first, the region and order selectors
// and the dialogs in the second. The buttons' objectNames are the command names.
MainToolbar BuildMainToolbar(QToolBar& commands, QToolBar& selectors);

}  // namespace vorlan

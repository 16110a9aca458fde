#include "editor/main_toolbar.h"

#include <QButtonGroup>
#include <QMenu>
#include <QStyle>
#include <QToolButton>

namespace vorlan {
namespace {

QToolButton* AddButton(QToolBar& bar, const QString& name, const QString& hint, const QString& text,
                       QStyle::StandardPixmap icon = QStyle::SP_CustomBase) {
    auto* button = new QToolButton(&bar);
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setText(text);
    if (icon != QStyle::SP_CustomBase) {
        button->setIcon(bar.style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    } else {
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    bar.addWidget(button);
    return button;
}

QButtonGroup* AddToggles(QToolBar& bar, const QString& namePattern, const QString& hintPattern,
                         const QString& textPattern) {
    auto* group = new QButtonGroup(&bar);
    group->setExclusive(true);
    for (int n = 1; n <= 4; ++n) {
        QToolButton* button =
            AddButton(bar, namePattern.arg(n), hintPattern.arg(n), textPattern.arg(n));
        button->setCheckable(true);
        button->setChecked(n == 1);
        group->addButton(button, n);
    }
    return group;
}

}  // namespace

MainToolbar BuildMainToolbar(QToolBar& bar, QToolBar& selectors) {
    MainToolbar t;
    bar.setObjectName("MainToolbar");
    bar.setMovable(false);
    selectors.setObjectName("SelectorToolbar");
    selectors.setMovable(false);
    t.NewMissionBut = AddButton(bar, "NewMissionBut", "New Mission", "New", QStyle::SP_FileIcon);
    t.LoadBtn = AddButton(bar, "LoadBtn", "Open Mission", "Open", QStyle::SP_DialogOpenButton);
    t.HistPopUp = new QMenu(t.LoadBtn);
    t.HistPopUp->setObjectName("HistPopUp");
    t.LoadBtn->setMenu(t.HistPopUp);
    t.LoadBtn->setPopupMode(QToolButton::MenuButtonPopup);
    t.SaveBtn = AddButton(bar, "SaveBtn", "Save", "Save", QStyle::SP_DialogSaveButton);
    t.SaveAsBtn = AddButton(bar, "SaveAsBtn", "Save As", "Save As");
    bar.addSeparator();
    t.UndoBtn = AddButton(bar, "UndoBtn", "Undo", "Undo", QStyle::SP_ArrowBack);
    t.RedoBtn = AddButton(bar, "RedoBtn", "Redo", "Redo", QStyle::SP_ArrowForward);
    bar.addSeparator();
    t.NewFGBut =
        AddButton(bar, "NewFGBut", "New FG or Message", "New", QStyle::SP_FileDialogNewFolder);
    t.DeleteBut =
        AddButton(bar, "DeleteBut", "Delete FG or Message", "Delete", QStyle::SP_TrashIcon);
    t.CutBtn = AddButton(bar, "CutBtn", "Cut FG", "Cut");
    t.CopyBtn = AddButton(bar, "CopyBtn", "Copy FG", "Copy");
    t.PasteBtn = AddButton(bar, "PasteBtn", "Paste FG", "Paste");
    t.UpBtn = AddButton(bar, "UpBtn", "Move up (FG or Message)", "Up", QStyle::SP_ArrowUp);
    t.DownBtn =
        AddButton(bar, "DownBtn", "Move Down (FG or Message)", "Down", QStyle::SP_ArrowDown);
    t.Regions = AddToggles(selectors, "R%1Btn", "Region %1", "Region %1");
    selectors.addSeparator();
    t.Orders = AddToggles(selectors, "Ord%1", "Order %1", "Order %1");
    bar.addSeparator();
    t.PrefBut =
        AddButton(bar, "PrefBut", "Preferences", "Preferences", QStyle::SP_FileDialogDetailedView);
    t.MissionBtn = AddButton(bar, "MissionBtn", "Mission parameters", "Mission",
                             QStyle::SP_FileDialogInfoView);
    t.ShowMap = AddButton(bar, "ShowMap", "Map", "Map");
    t.AboutBtn = AddButton(bar, "AboutBtn", "About", "About", QStyle::SP_MessageBoxInformation);
    return t;
}

}  // namespace vorlan

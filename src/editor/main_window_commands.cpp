// The main window's commands: toolbar buttons, context menus and keys.

#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QListView>
#include <QTabWidget>
#include <QToolButton>

#include "edit/ui/global_goals_page.h"
#include "edit/ui/messages_page.h"
#include "edit/ui/orders_page.h"
#include "edit/undo.h"
#include "editor/about_box.h"
#include "editor/header_form.h"
#include "editor/hyper_form.h"
#include "editor/main_window.h"
#include "editor/modal_runner.h"
#include "editor/pages/outer_page_numbers.h"
#include "editor/row_list_model.h"
#include "io/mission_commands.h"
#include "map/ui/map_form.h"
#include "ops/fg_clipboard.h"
#include "text/message_rows.h"

namespace vorlan {

// The list's focused row, which the list operations take as the current entry.
int TForm1::CurrentShipRow() const {
    return shipList_->currentIndex().isValid() ? shipList_->currentIndex().row()
                                               : session_.Select.CurrentFGIndex;
}

int TForm1::CurrentMessageRow() const {
    return msgStrList_->currentIndex().isValid() ? msgStrList_->currentIndex().row()
                                                 : session_.Select.CurrentMessageIndex;
}

void TForm1::ConnectCommands() {
    const MainToolbar& t = toolbar_;
    connect(t.NewMissionBut, &QToolButton::clicked, this, &TForm1::NewMissionCommand);
    connect(t.LoadBtn, &QToolButton::clicked, this, &TForm1::OpenCommand);
    connect(t.SaveBtn, &QToolButton::clicked, this, &TForm1::SaveCommand);
    connect(t.SaveAsBtn, &QToolButton::clicked, this, &TForm1::SaveAsCommand);
    connect(t.UndoBtn, &QToolButton::clicked, this, &TForm1::UndoCommand);
    connect(t.RedoBtn, &QToolButton::clicked, this, &TForm1::RedoCommand);
    connect(t.NewFGBut, &QToolButton::clicked, this, &TForm1::NewFGOrMessage);
    connect(t.DeleteBut, &QToolButton::clicked, this, &TForm1::DeleteFGOrMessage);
    connect(t.CutBtn, &QToolButton::clicked, this, &TForm1::CutFG);
    connect(t.CopyBtn, &QToolButton::clicked, this, &TForm1::CopyFG);
    connect(t.PasteBtn, &QToolButton::clicked, this, &TForm1::PasteFG);
    connect(t.UpBtn, &QToolButton::clicked, this, &TForm1::MoveUp);
    connect(t.DownBtn, &QToolButton::clicked, this, &TForm1::MoveDown);
    connect(t.PrefBut, &QToolButton::clicked, this, &TForm1::ShowPreferences);
    connect(t.MissionBtn, &QToolButton::clicked, this, &TForm1::ShowMissionParameters);
    connect(t.AboutBtn, &QToolButton::clicked, this, &TForm1::ShowAbout);
    connect(t.ShowMap, &QToolButton::clicked, this, &TForm1::ShowMapWindow);
    connect(t.Regions, &QButtonGroup::idClicked, this, &TForm1::SelectRegion);
    connect(t.Orders, &QButtonGroup::idClicked, this, &TForm1::SelectOrder);
    connect(ordersPage_, &OrdersPage::OrderChosen, this, &TForm1::SelectOrder);
    connect(overallPages_, &QTabWidget::currentChanged, this, &TForm1::OuterPageChanged);
    connect(fgPages_, &QTabWidget::currentChanged, this, &TForm1::InnerPageChanged);
    connect(shipList_, &QListView::clicked, this, &TForm1::ShipListClick);
    connect(shipList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
        if (!syncingShipList_) {
            ShipListClick();
        }
    });
    // The selection belongs to the session: edits write to the rows it holds.
    connect(shipList_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!syncingShipList_) {
            session_.Select.SelectedFGs = SelectedRows(*shipList_);
        }
    });
    connect(msgStrList_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { session_.Select.SelectedMessages = SelectedRows(*msgStrList_); });
    // The window's own moves of the focused row block these signals.
    connect(msgStrList_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TForm1::MsgStrListClick);
    // The window sees every key before the control that has the focus.
    qApp->installEventFilter(this);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this &&
            HandleWindowKey(static_cast<QKeyEvent*>(event))) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TForm1::HandleWindowKey(QKeyEvent* key) {
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    // Undo and redo act on the mission wherever the focus is, text fields included.
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && key->key() == Qt::Key_Z) {
        RedoCommand();
        return true;
    }
    if (modifiers == Qt::ControlModifier) {
        switch (key->key()) {
            case Qt::Key_N:
                NewMissionCommand();
                return true;
            case Qt::Key_O:
                OpenCommand();
                return true;
            case Qt::Key_S:
                SaveCommand();
                return true;
            case Qt::Key_A:
                SaveAsCommand();
                return true;
            case Qt::Key_G:
                RedrawFlightGroupList();
                return true;
            case Qt::Key_Z:
                UndoCommand();
                return true;
            case Qt::Key_Y:
                RedoCommand();
                return true;
            default:
                return false;
        }
    }
    QWidget* focus = QApplication::focusWidget();
    if (focus != shipList_ && focus != msgStrList_) {
        return false;
    }
    switch (key->key()) {
        case Qt::Key_C:
            CopyFG();
            return true;
        case Qt::Key_V:
            PasteFG();
            return true;
        case Qt::Key_X:
            CutFG();
            return true;
        case Qt::Key_Insert:
            NewFGOrMessage();
            return true;
        case Qt::Key_Delete:
            DeleteFGOrMessage();
            return true;
        default:
            return false;
    }
}

void TForm1::NewMissionCommand() {
    vorlan::NewMissionCommand(session_, dialogs_);
}

void TForm1::OpenCommand() {
    vorlan::OpenCommand(session_, dialogs_);
}

void TForm1::SaveCommand() {
    vorlan::SaveCommand(session_, dialogs_);
}

void TForm1::SaveAsCommand() {
    vorlan::SaveAsCommand(session_, dialogs_);
}

void TForm1::Reopen(int entry) {
    if (entry >= 0) {
        ReopenCommand(session_, dialogs_, static_cast<std::size_t>(entry));
    }
}

void TForm1::UndoCommand() {
    Apply(UndoLastEdit(session_));
}

void TForm1::RedoCommand() {
    Apply(RedoLastEdit(session_));
}

void TForm1::ShowUndoState() {
    const auto show = [](QToolButton* button, const char* verb, bool can,
                         const std::string& label) {
        button->setEnabled(can);
        button->setToolTip(can ? QString("%1: %2").arg(verb, QString::fromStdString(label))
                               : QString(verb));
    };
    show(toolbar_.UndoBtn, "Undo", session_.Undo.CanUndo(), session_.Undo.UndoLabel());
    show(toolbar_.RedoBtn, "Redo", session_.Undo.CanRedo(), session_.Undo.RedoLabel());
}

void TForm1::Edit(const vorlan::Edit& edit) {
    Apply(ApplyEdit(session_, edit));
}

void TForm1::EditMessageList(MessageListCommand command) {
    // The message page's list is the one place the current message is chosen.
    session_.Select.CurrentMessageIndex = CurrentMessageRow();
    Edit(MessageListEdit{command});
}

void TForm1::NewFGOrMessage() {
    if (OuterPage() == kFlightGroupsPage) {
        Edit(FGListEdit{FGListCommand::New});
    } else if (OuterPage() == kMessagesPage) {
        EditMessageList(MessageListCommand::Add);
    }
}

void TForm1::DeleteFGOrMessage() {
    const bool confirm = session_.RunningSettings.ConfirmDeletes;
    if (OuterPage() == kFlightGroupsPage) {
        if (confirm && dialogs_.Confirm("Delete all selected Flight Groups - Are You Sure?",
                                        ConfirmButtons::YesNo) != Answer::Yes) {
            return;
        }
        Edit(FGListEdit{FGListCommand::Delete});
    } else if (OuterPage() == kMessagesPage && !session_.CurrentMission().Messages.empty()) {
        if (confirm && dialogs_.Confirm("Delete all selected Messages - Are You Sure?",
                                        ConfirmButtons::YesNo) != Answer::Yes) {
            return;
        }
        EditMessageList(MessageListCommand::Delete);
    }
}

void TForm1::CutFG() {
    if (OuterPage() != kFlightGroupsPage || session_.CurrentMission().FlightGroups.empty()) {
        return;
    }
    if (dialogs_.Confirm("Cut this Flight Group. Are You Sure?", ConfirmButtons::YesNo) ==
        Answer::Yes) {
        Edit(FGListEdit{FGListCommand::Cut});
    }
}

void TForm1::CopyFG() {
    if (OuterPage() == kFlightGroupsPage) {
        vorlan::CopyFG(session_, CurrentShipRow());
    }
}

void TForm1::PasteFG() {
    if (OuterPage() == kFlightGroupsPage) {
        Edit(FGListEdit{FGListCommand::Paste});
    }
}

void TForm1::MoveUp() {
    MoveSelection(MoveDirection::Up);
}

void TForm1::MoveDown() {
    MoveSelection(MoveDirection::Down);
}

void TForm1::MoveSelection(MoveDirection direction) {
    const bool up = direction == MoveDirection::Up;
    if (OuterPage() == kFlightGroupsPage) {
        Edit(FGListEdit{up ? FGListCommand::MoveUp : FGListCommand::MoveDown});
    } else if (OuterPage() == kMessagesPage) {
        EditMessageList(up ? MessageListCommand::MoveUp : MessageListCommand::MoveDown);
    }
}

void TForm1::Apply(const EditResult& result) {
    if (!result.Error.empty()) {
        dialogs_.ShowError(result.Error);
    }
    if (!result.Changed) {
        return;
    }
    if (result.RebuildFGList) {
        RefreshShipList();
    }
    if (result.RebuildMessageList) {
        RebuildMessageRows();
    }
    if (result.ShowCurrentFG || result.ReferencesRenumbered) {
        // Renumbered references change the sentences the page shows.
        ShowCurrentFG();
    } else {
        if (!result.RefreshControls.empty()) {
            RefreshShownPage(result.RefreshControls);
        }
        if (result.RefreshFGInfo) {
            ShowFGInfo();
        }
    }
    if (result.ShowCurrentMessage) {
        const FillGuard filling(session_);
        messagesPage_->fill(session_);
    }
    if (result.RefreshVoice || result.ShowCurrentMessage || result.RebuildMessageList) {
        ShowVoice();
    }
    if (result.ShowCurrentFG && OuterPage() == kGlobalGoalsPage) {
        // Undo and redo may have changed the goal shown.
        const FillGuard filling(session_);
        globalGoalsPage_->fill(session_);
    }
    if (result.ShowFirstTrigger) {
        highlightTriggerLabel(1);
    }
    if (result.RebuildTeams) {
        ShowTeamNames();
    }
    if (result.ShowTeamsAndTexts) {
        ShowTeamsAndTexts();
    }
    SaveEnabledChanged(session_.IsModified());
    ShowUndoState();
    // The map draws the same records; it follows every change, from wherever it came.
    if (mapForm_ != nullptr) {
        mapForm_->MissionChanged();
    }
    for (const std::string& warning : result.Warnings) {
        dialogs_.ShowWarning(warning);
    }
}

void TForm1::RefreshShownPage(std::span<const std::string_view> controls) {
    EditorPage* page = OuterPage() == kFlightGroupsPage
                           ? InnerPage()
                           : qobject_cast<EditorPage*>(overallPages_->currentWidget());
    // The outer pages show no flight group and are shown without one.
    if (page != nullptr && (OuterPage() != kFlightGroupsPage || session_.CurrentFG() != nullptr)) {
        const FillGuard filling(session_);
        page->Refresh(session_, controls);
    }
}

void TForm1::RebuildMessageRows() {
    RebuildMessageList(session_.CurrentMission(), messageRows_);
    messageRows_.Selected = session_.Select.SelectedMessages;
    messageRows_.Selected.resize(messageRows_.Rows.size(), false);
    messageModel_->Refresh();
    ShowSelection(*msgStrList_, messageRows_.Selected, session_.Select.CurrentMessageIndex);
}

void TForm1::ShowPreferences() {
    RunPreferences();
}

void TForm1::ShowMissionParameters() {
    THeaderForm form(
        session_, [this](const vorlan::Edit& edit) { Edit(edit); }, this);
    runner_.RunModal(form);
}

void TForm1::AddHyperbuoys() {
    THyperForm form(
        session_, [this](const vorlan::Edit& edit) { Edit(edit); }, this);
    runner_.RunModal(form);
}

void TForm1::ShowAbout() {
    AboutBox box(this);
    runner_.RunModal(box);
}

}  // namespace vorlan

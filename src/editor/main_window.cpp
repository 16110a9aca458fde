#include "editor/main_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QStringDecoder>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <filesystem>
#include <system_error>

#include "edit/team_rules.h"
#include "edit/ui/global_goals_page.h"
#include "edit/ui/messages_page.h"
#include "edit/ui/teams_page.h"
#include "edit/ui/text_pages.h"
#include "editor/history_menus.h"
#include "editor/hyper_form.h"
#include "editor/modal_runner.h"
#include "editor/pages/flight_group_pages.h"
#include "editor/pages/outer_page_numbers.h"
#include "editor/row_list_model.h"
#include "editor/start_up_dialog.h"
#include "editor/trigger_panel.h"
#include "editor/window_placement.h"
#include "io/mission_commands.h"
#include "map/ui/map_form.h"
#include "model/caption.h"
#include "session/new_mission.h"
#include "settings/settings_file.h"
#include "settings/ui/preferences_flow.h"
#include "text/flight_group_rows.h"

namespace vorlan {

TForm1::TForm1(EditorEnvironment environment, QWidget* parent)
    : QMainWindow(parent),
      environment_(std::move(environment)),
      dialogs_(*environment_.Dialogs),
      runner_(*environment_.Runner),
      session_(*this) {
    setObjectName("TForm1");
    BuildWindow();
    BuildContextMenus();
    ConnectCommands();
    BuildVoiceGroup();
    BuildMapWindow();
    SizeForScreen();
    setWindowTitle(QString(" Vorlan ") + kProgramVersion);
    // The mission's lists exist from the start; start-up replaces them with a new mission.
    ResetToNewMission(session_);
    SaveEnabledChanged(false);
}

TForm1::~TForm1() {
    // The widgets outlive the session by a moment; a text field losing the focus as they go
    // must not edit a mission that is gone.
    qApp->removeEventFilter(this);
    for (QWidget* widget : findChildren<QWidget*>()) {
        widget->blockSignals(true);
    }
}

void TForm1::BuildWindow() {
    auto* bar = new QToolBar(this);
    auto* selectors = new QToolBar(this);
    toolbar_ = BuildMainToolbar(*bar, *selectors);
    addToolBar(bar);
    addToolBarBreak();
    addToolBar(selectors);

    overallPages_ = new QTabWidget(this);
    overallPages_->setObjectName("OverallPages");
    setCentralWidget(overallPages_);

    // "Flight Groups": the list on the left, the inner pages on the right.
    auto* splitter = new QSplitter(overallPages_);
    splitter->setObjectName("FlightGroupsPage");
    shipList_ = new QListView(splitter);
    shipList_->setObjectName("ShipList");
    SetUpRowListView(*shipList_);
    shipList_->setContextMenuPolicy(Qt::CustomContextMenu);
    shipModel_ = new RowListModel(
        shipRows_,
        [this](int row) {
            return FlightGroupRowColor(session_.CurrentMission(), session_.RunningSettings.Blacken,
                                       session_.Select.CurrentOrderRegion, row);
        },
        this);
    shipList_->setModel(shipModel_);
    fgPages_ = new QTabWidget(splitter);
    fgPages_->setObjectName("FGPages");
    // Eight tabs fit beside the list with a little less padding.
    fgPages_->setStyleSheet("QTabBar::tab { padding: 4px 7px; }");
    shipPage_ = new ShipPage;
    ordersPage_ = new OrdersPage;
    const std::pair<EditorPage*, const char*> innerPages[] = {
        {shipPage_, "Ship"},           {new OptionsPage, "Options"},
        {new ArrivalPage, "Arrival"},  {new DeparturePage, "Departure"},
        {new FGGoalsPage, "FG Goals"}, {ordersPage_, "Orders"},
        {new WaypointsPage, "WPs"},    {new JumpPage, "Jump"},
    };
    for (const auto& [page, title] : innerPages) {
        fgPages_->addTab(page, title);
        page->SetEditSink([this](const vorlan::Edit& edit) { Edit(edit); });
    }
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({300, 500});
    overallPages_->addTab(splitter, "Flight Groups");

    messagesPage_ = new MessagesPage;
    msgStrList_ = messagesPage_->MsgStrList();
    messageModel_ = new RowListModel(
        messageRows_,
        [this](int row) -> std::optional<RowColor> {
            const auto& messages = session_.CurrentMission().Messages;
            if (row >= static_cast<int>(messages.size())) {
                return std::nullopt;
            }
            return MessageRowColor(*messages[static_cast<std::size_t>(row)]);
        },
        this);
    msgStrList_->setModel(messageModel_);
    descriptionPage_ = new DescriptionPage;
    debriefingsPage_ = new DebriefingsPage;
    globalGoalsPage_ = new GlobalGoalsPage;
    teamsPage_ = new TeamsPage;
    for (EditorPage* page :
         {static_cast<EditorPage*>(messagesPage_), static_cast<EditorPage*>(globalGoalsPage_),
          static_cast<EditorPage*>(descriptionPage_), static_cast<EditorPage*>(debriefingsPage_),
          static_cast<EditorPage*>(teamsPage_)}) {
        page->SetEditSink([this](const vorlan::Edit& edit) { Edit(edit); });
    }
    overallPages_->addTab(messagesPage_, "Messages");
    overallPages_->addTab(globalGoalsPage_, "Global Goals");
    overallPages_->addTab(descriptionPage_, "Description");
    overallPages_->addTab(debriefingsPage_, "Debriefings");
    overallPages_->addTab(teamsPage_, "Teams");

    triggerPanel_ = new TriggerPanel(this);
    triggerPanel_->hide();
    shipList_->installEventFilter(this);
    msgStrList_->installEventFilter(this);
}

void TForm1::BuildContextMenus() {
    shipListPopUp_ = new QMenu(this);
    shipListPopUp_->setObjectName("ShipListPopUp");
    shipListPopUp_->addAction("&New Mission", this, &TForm1::NewMissionCommand);
    shipListPopUp_->addAction("&Open...", this, &TForm1::OpenCommand);
    reopenMenu_ = shipListPopUp_->addMenu("&Reopen");
    reopenMenu_->setObjectName("Reopen1");
    QAction* loadByList = shipListPopUp_->addAction("&Load by lst...");
    loadByList->setObjectName("Loadbylst1");
    loadByList->setEnabled(false);
    shipListPopUp_->addAction("&Save", this, &TForm1::SaveCommand);
    shipListPopUp_->addAction("Save &as...", this, &TForm1::SaveAsCommand);
    shipListPopUp_->addSeparator();
    shipListPopUp_->addAction("Add &FG", this, &TForm1::NewFGOrMessage);
    shipListPopUp_->addAction("&Delete", this, &TForm1::DeleteFGOrMessage);
    shipListPopUp_->addAction("&Copy", this, &TForm1::CopyFG);
    shipListPopUp_->addAction("&Paste", this, &TForm1::PasteFG);
    shipListPopUp_->addAction("Move &up", this, &TForm1::MoveUp);
    shipListPopUp_->addAction("&Move down", this, &TForm1::MoveDown);
    shipListPopUp_->addSeparator();
    shipListPopUp_->addAction("Add Hyperbuoys...", this, &TForm1::AddHyperbuoys)
        ->setObjectName("AddHyperbuoys1");

    msgListPopUp_ = new QMenu(this);
    msgListPopUp_->setObjectName("MsgListPopUp");
    msgListPopUp_->addAction("&Add Message", this, &TForm1::NewFGOrMessage);
    msgListPopUp_->addAction("&Delete", this, &TForm1::DeleteFGOrMessage);
    msgListPopUp_->addAction("Move &Up", this, &TForm1::MoveUp);
    msgListPopUp_->addAction("&Move Down", this, &TForm1::MoveDown);

    historyMenus_ = new HistoryMenus(reopenMenu_, toolbar_.HistPopUp, this);
    connect(historyMenus_, &HistoryMenus::ReopenRequested, this, &TForm1::Reopen);
    historyMenus_->Show({});
    connect(shipList_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { shipListPopUp_->popup(shipList_->mapToGlobal(at)); });
    connect(msgStrList_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { msgListPopUp_->popup(msgStrList_->mapToGlobal(at)); });
}

void TForm1::BuildMapWindow() {
    mapForm_ = std::make_unique<TMapForm>(session_);
    MapWindowHooks hooks;
    hooks.Edit = [this](const vorlan::Edit& edit) { Edit(edit); };
    hooks.Apply = [this](const EditResult& result) { Apply(result); };
    hooks.Save = [this] { SaveCommand(); };
    hooks.SaveAs = [this] { SaveAsCommand(); };
    hooks.SelectRegion = [this](int region) {
        toolbar_.Regions->button(region)->setChecked(true);
        SelectRegion(region);
    };
    hooks.SelectInMainList = [this](int fg) { SelectFlightGroupFromMap(fg); };
    hooks.BackToMain = [this] {
        raise();
        activateWindow();
    };
    mapForm_->SetHooks(std::move(hooks));
}

void TForm1::ShowMapWindow() {
    mapForm_->show();
    mapForm_->raise();
    mapForm_->activateWindow();
}

void TForm1::SelectFlightGroupFromMap(int fg) {
    const int count = static_cast<int>(session_.CurrentMission().FlightGroups.size());
    if (fg < 0 || fg >= count) {
        return;
    }
    session_.Select.SelectedFGs.assign(static_cast<std::size_t>(count), false);
    session_.Select.SelectedFGs[static_cast<std::size_t>(fg)] = true;
    syncingShipList_ = true;
    ShowSelection(*shipList_, session_.Select.SelectedFGs, fg);
    syncingShipList_ = false;
    ShipListClick();
}

void TForm1::SizeForScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available =
        screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const WindowPlacement placement = ChooseWindowPlacement(available.width(), available.height());
    if (placement.Compact) {
        QFont font = overallPages_->font();
        font.setPointSize(9);
        overallPages_->setFont(font);
    }
    resize(placement.Width, placement.Height);
    move(available.center() - rect().center());
    if (placement.Maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Start-up waits for the window to be on screen; activation would never come without a
    // window manager.
    if (firstActivation_) {
        firstActivation_ = false;
        // Posted rather than timed, so that it runs before the first frame is painted.
        QMetaObject::invokeMethod(this, &TForm1::StartUp, Qt::QueuedConnection);
    }
}

void TForm1::StartUp() {
    startUpInProgress_ = true;
    ReadStartUpSettings();
    ResetToNewMission(session_);
    session_.LastOpenDirectory = session_.RunningSettings.Missions;
    session_.History.Load(session_.RunningSettings.Vorlan);
    HistoryChanged();
    session_.BackdropNames = LoadBackdropNames(session_.RunningSettings.Vorlan);
    triggerPanel_->FillSelectorLists(session_.Vocab);
    for (auto& fg : session_.CurrentMission().FlightGroups) {
        fg->AutoIFF = session_.RunningSettings.AutoLink ? 1 : 0;
    }
    shipList_->setFocus();
    fillFlightGroupPage();
    if (const auto path = MissionPathFromArguments(environment_.Arguments)) {
        OpenMissionPath(session_, *path);
    } else {
        StartUpDialog dialog(this);
        if (runner_.RunModal(dialog) == QDialog::Accepted) {
            RunStartUpChoice(session_, dialogs_, dialog.Choice());
        }
    }
    startUpInProgress_ = false;
    startUpDone_ = true;
    emit StartUpFinished();
}

void TForm1::ReadStartUpSettings() {
    std::error_code error;
    if (std::filesystem::exists(environment_.SettingsPath, error)) {
        loadSettings(&session_.RunningSettings, environment_.SettingsPath);
    } else {
        RunPreferences();
    }
    const Settings& settings = session_.RunningSettings;
    if (settings.XWA == kUndefinedDirectory || settings.Vorlan == kUndefinedDirectory) {
        dialogs_.ShowInformation(
            "Your XWingAlliance and/or Vorlan directories are still undefined");
        RunPreferences();
    }
}

bool TForm1::RunPreferences() {
    const bool accepted =
        RunPreferencesDialog(session_, dialogs_, runner_, environment_.SettingsPath, this);
    // Ghosting, the history captions and the pages' auto-link box follow settings the dialog
    // may have changed.
    RedrawFlightGroupList();
    HistoryChanged();
    if (startUpDone_) {
        fillFlightGroupPage();
    }
    return accepted;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (CloseCommand(session_, dialogs_)) {
        mapForm_->hide();
        event->accept();
    } else {
        event->ignore();
    }
}

void TForm1::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Coming back from a dialog or the map: the list's row may have moved meanwhile.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && startUpDone_) {
        ShipListClick();
        // The map moves points; the "WPs" page shows them again.
        if (const EditorPage* page = InnerPage();
            page != nullptr && page->PageNumber() == kWaypointsPage) {
            fillFlightGroupPage();
        }
    }
}

void TForm1::ShowError(const std::string& text) {
    dialogs_.ShowError(text);
}

void TForm1::ShowWarning(const std::string& text) {
    dialogs_.ShowWarning(text);
}

void TForm1::SetCaption(const std::string& caption) {
    // The caption joins a file name (UTF-8 on this system) and the mission's title (one byte
    // per character); a title that is not UTF-8 is shown byte for byte.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(QByteArray::fromStdString(caption));
    setWindowTitle(utf8.hasError()
                       ? QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size()))
                       : text);
    if (mapForm_ != nullptr) {
        mapForm_->CaptionChanged();
    }
}

void TForm1::SaveEnabledChanged(bool enabled) {
    toolbar_.SaveBtn->setEnabled(enabled);
    // Saving and loading move the history's clean point or clear it.
    ShowUndoState();
}

void TForm1::DebriefingsShown(bool shown) {
    debriefingsPage_->ShowDebriefings(shown);
    descriptionPage_->SetMaxLength(static_cast<int>(MissionTextCapacity(!shown)));
}

void TForm1::MissionReplaced() {
    RefreshShipList();
    RebuildMessageRows();
    ShowRegionAndOrderSelectors();
    {
        const FillGuard filling(session_);
        ShowTeamsAndTexts();
        messagesPage_->fill(session_);
        globalGoalsPage_->fill(session_);
    }
    // A new mission has no list (a loaded one's follows from LoadWavList).
    if (!session_.VoiceList.InUse()) {
        player_->Close();
    }
    ShowVoice();
    ShowCurrentFG();
    SaveEnabledChanged(session_.IsModified());
    if (mapForm_ != nullptr) {
        mapForm_->MissionReplaced();
    }
}

void TForm1::HistoryChanged() {
    historyMenus_->Show(session_.History.Captions(session_.RunningSettings.DirInReopen));
}

}  // namespace vorlan

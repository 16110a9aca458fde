#pragma once
// The editor's one window: the mission's pages, the flight group list, the toolbar and context
// menus, the keys, start-up and closing. Handlers read their control and call the core, which
// decides what is written; the window then shows what changed.

#include <QMainWindow>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/edit.h"
#include "editor/main_toolbar.h"
#include "model/mission_ui.h"
#include "model/user_dialogs.h"
#include "ops/block_move.h"
#include "session/session.h"
#include "text/list_rows.h"
#include "wav/audio_player.h"

class QLabel;
class QListView;
class QMenu;
class QTabWidget;

namespace vorlan {

class EditorPage;
class HistoryMenus;
class ModalRunner;
class MessagesPage;
class VoiceGroup;
class GlobalGoalsPage;
class DescriptionPage;
class DebriefingsPage;
class TeamsPage;
class OrdersPage;
class RowListModel;
class ShipPage;
class TMapForm;
class TriggerPanel;

// What the window needs from outside: the dialogs it shows, how modal dialogs run, where the
// settings file is and the command line.
struct EditorEnvironment {
    UserDialogs* Dialogs = nullptr;
    ModalRunner* Runner = nullptr;
    std::string SettingsPath;
    std::vector<std::string> Arguments;
    // Plays the messages' recordings; the window makes its own when none is given.
    AudioPlayer* Player = nullptr;
};

class TForm1 : public QMainWindow, public MissionUi {
    Q_OBJECT

public:
    explicit TForm1(EditorEnvironment environment, QWidget* parent = nullptr);
    ~TForm1() override;

    Session& EditorSession() { return session_; }
    bool StartUpDone() const { return startUpDone_; }
    int LastFGPage() const { return lastFGPage_; }

    // File commands.
    void NewMissionCommand();
    void OpenCommand();
    void SaveCommand();
    void SaveAsCommand();
    void Reopen(int entry);
    // List commands; each acts on the page shown.
    void NewFGOrMessage();
    void DeleteFGOrMessage();
    void CutFG();
    void CopyFG();
    void PasteFG();
    void MoveUp();
    void MoveDown();
    // Undo and redo of the last user action.
    void UndoCommand();
    void RedoCommand();
    // Other toolbar commands.
    void ShowPreferences();
    void ShowMissionParameters();
    void ShowAbout();
    void AddHyperbuoys();
    void SelectRegion(int region);
    void SelectOrder(int order);
    // Rebuilds the flight group rows and repaints the list.
    void RedrawFlightGroupList();
    // The "Map" button: shows the map window, made once and hidden on close.
    void ShowMapWindow();
    TMapForm* MapWindow() const { return mapForm_.get(); }

    // The selected flight groups, in list order: the set the page handlers write to.
    std::vector<int> SelectedFlightGroups() const;

    // Applies one edit through the core and shows what it changed.
    void Edit(const vorlan::Edit& edit);
    // Shows what an edit changed: lists, pages, warnings, the Save button.
    void Apply(const EditResult& result);

    // Selection and page filling.
    void ShipListClick();
    // The message list's focused row becomes the current message and the page shows it.
    void MsgStrListClick();
    void selectFlightGroup(bool fromList);
    void fillFlightGroupPage();
    void highlightTriggerLabel(int n);
    void highlightOrderLabel(int n);

signals:
    // The start-up sequence ran to its end (after the first showing of the window).
    void StartUpFinished();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // MissionUi
    void ShowError(const std::string& text) override;
    void ShowWarning(const std::string& text) override;
    void SetCaption(const std::string& caption) override;
    void SaveEnabledChanged(bool enabled) override;
    void DebriefingsShown(bool shown) override;
    void MissionReplaced() override;
    void HistoryChanged() override;
    void ConfirmSaveWavList() override;
    void LoadWavList(const std::string& missionPath) override;

private:
    void BuildWindow();
    void BuildContextMenus();
    void ConnectCommands();
    // The messages page's voice file group and its player (main_window_voice.cpp).
    void BuildVoiceGroup();
    void ShowVoice();
    // Another message became current: its entry shows, and plays with "Autoplay" on.
    void ShowMessageWav();
    void SizeForScreen();
    void StartUp();
    void ReadStartUpSettings();
    bool RunPreferences();

    bool HandleWindowKey(QKeyEvent* key);
    void MoveSelection(MoveDirection direction);
    void EditMessageList(MessageListCommand command);
    void RefreshShownPage(std::span<const std::string_view> controls);
    void ShowUndoState();
    int CurrentShipRow() const;
    int CurrentMessageRow() const;
    int OuterPage() const;
    EditorPage* InnerPage() const;
    void OuterPageChanged(int index);
    void InnerPageChanged(int index);
    void LeaveOuterPage(int page);
    void PlaceTriggerPanel();
    void BuildMapWindow();
    // The map leaves: the list selects exactly the flight group the map had current.
    void SelectFlightGroupFromMap(int fg);

    void RefreshShipList();
    void RebuildMessageRows();
    // Team names changed: the page shown refills its team lists and trigger sentences.
    void ShowTeamNames();
    // The teams, description and debriefing pages show the mission again (fills never write).
    void ShowTeamsAndTexts();
    void ShowCurrentFG();
    void ShowFGInfo();
    void ShowRegionAndOrderSelectors();

    EditorEnvironment environment_;
    UserDialogs& dialogs_;
    ModalRunner& runner_;
    Session session_;
    // Reads the session, so it goes before it.
    std::unique_ptr<TMapForm> mapForm_;

    ListRows shipRows_;
    ListRows messageRows_;
    RowListModel* shipModel_ = nullptr;
    RowListModel* messageModel_ = nullptr;

    MainToolbar toolbar_;
    QTabWidget* overallPages_ = nullptr;
    QTabWidget* fgPages_ = nullptr;
    QListView* shipList_ = nullptr;
    QListView* msgStrList_ = nullptr;
    ShipPage* shipPage_ = nullptr;
    OrdersPage* ordersPage_ = nullptr;
    MessagesPage* messagesPage_ = nullptr;
    VoiceGroup* voiceGroup_ = nullptr;
    std::unique_ptr<AudioPlayer> ownPlayer_;
    AudioPlayer* player_ = nullptr;
    GlobalGoalsPage* globalGoalsPage_ = nullptr;
    DescriptionPage* descriptionPage_ = nullptr;
    DebriefingsPage* debriefingsPage_ = nullptr;
    TeamsPage* teamsPage_ = nullptr;
    TriggerPanel* triggerPanel_ = nullptr;
    QMenu* shipListPopUp_ = nullptr;
    QMenu* msgListPopUp_ = nullptr;
    QMenu* reopenMenu_ = nullptr;
    HistoryMenus* historyMenus_ = nullptr;

    int lastFGPage_ = 0;
    int shownOuterPage_ = 0;
    bool firstActivation_ = true;
    bool startUpInProgress_ = false;
    bool startUpDone_ = false;
    // Set while the window moves the list's focused row itself.
    bool syncingShipList_ = false;
};

}  // namespace vorlan

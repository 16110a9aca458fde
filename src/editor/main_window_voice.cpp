// The window's part in the voice list: the messages page's voice file group wired to the voice
// commands, and the voice list hooks the core calls when a mission is loaded or saved.

#include <QVBoxLayout>

#include "edit/ui/messages_page.h"
#include "edit/voice_edits.h"
#include "editor/main_window.h"
#include "editor/pages/outer_page_numbers.h"
#include "io/voice_commands.h"
#include "wav/ui/qt_audio_player.h"
#include "wav/ui/voice_group.h"

namespace vorlan {

void TForm1::BuildVoiceGroup() {
    if (environment_.Player != nullptr) {
        player_ = environment_.Player;
    } else {
        ownPlayer_ = std::make_unique<QtAudioPlayer>();
        player_ = ownPlayer_.get();
    }
    voiceGroup_ = new VoiceGroup;
    messagesPage_->VoiceGroupHost()->addWidget(voiceGroup_);

    connect(voiceGroup_, &VoiceGroup::CreateRequested, this, [this] {
        CreateWavList(session_, dialogs_, *player_);
        ShowVoice();
    });
    connect(voiceGroup_, &VoiceGroup::AssignRequested, this, [this] {
        Apply(AssignWavCommand(session_, dialogs_, *player_));
        ShowVoice();  // a list created on the way shows even when nothing was assigned
    });
    connect(voiceGroup_, &VoiceGroup::ClearRequested, this,
            [this] { Apply(ClearWavCommand(session_, *player_)); });
    connect(voiceGroup_, &VoiceGroup::SaveRequested, this, [this] {
        SaveWavList(session_, dialogs_);
        ShowVoice();
    });
    connect(voiceGroup_, &VoiceGroup::PlayRequested, this, [this] { player_->Play(); });
    connect(voiceGroup_, &VoiceGroup::AutoPlayToggled, this,
            [this](bool checked) { AutoPlayChanged(*player_, checked); });
}

void TForm1::ShowVoice() {
    voiceGroup_->Show(session_);
}

void TForm1::ShowMessageWav() {
    ShowVoice();
    if (OuterPage() == kMessagesPage) {
        PlayMessageWav(session_, dialogs_, *player_, voiceGroup_->AutoPlay());
    }
}

void TForm1::ConfirmSaveWavList() {
    vorlan::ConfirmSaveWavList(session_, dialogs_);
}

void TForm1::LoadWavList(const std::string& missionPath) {
    vorlan::LoadWavList(session_, dialogs_, *player_, missionPath);
    ShowVoice();
}

}  // namespace vorlan

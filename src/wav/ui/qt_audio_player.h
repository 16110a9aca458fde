#pragma once
// Plays the messages page's recordings through the system's audio. The media player is made on
// the first play, so that an editor that never plays starts no audio backend; without an audio
// output playing stays silent.

#include <memory>
#include <string>

#include "wav/audio_player.h"

class QAudioOutput;
class QMediaPlayer;

namespace vorlan {

class QtAudioPlayer : public AudioPlayer {
public:
    QtAudioPlayer();
    ~QtAudioPlayer() override;
    QtAudioPlayer(const QtAudioPlayer&) = delete;
    QtAudioPlayer& operator=(const QtAudioPlayer&) = delete;

    void Open(const std::string& path) override;
    void Play() override;
    void Close() override;
    std::string CurrentFile() const override { return file_; }

private:
    bool MakePlayer();

    std::string file_;
    // The output outlives the player that plays into it.
    std::unique_ptr<QAudioOutput> output_;
    std::unique_ptr<QMediaPlayer> player_;
};

}  // namespace vorlan

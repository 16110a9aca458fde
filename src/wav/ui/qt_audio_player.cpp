#include "wav/ui/qt_audio_player.h"

// Before QAudioOutput, whose header uses the device type without defining it.
#include <QAudioDevice>
#include <QAudioOutput>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QUrl>

namespace vorlan {
namespace {

QUrl UrlOf(const std::string& path) {
    return path.empty() ? QUrl() : QUrl::fromLocalFile(QString::fromStdString(path));
}

}  // namespace

QtAudioPlayer::QtAudioPlayer() = default;
QtAudioPlayer::~QtAudioPlayer() = default;

void QtAudioPlayer::Open(const std::string& path) {
    file_ = path;
    if (player_) {
        player_->stop();
        player_->setSource(UrlOf(file_));
    }
}

void QtAudioPlayer::Play() {
    if (file_.empty() || !MakePlayer()) {
        return;
    }
    if (player_->source() != UrlOf(file_)) {
        player_->setSource(UrlOf(file_));
    }
    player_->setPosition(0);
    player_->play();
}

void QtAudioPlayer::Close() {
    file_.clear();
    if (player_) {
        player_->stop();
        player_->setSource(QUrl());
    }
}

bool QtAudioPlayer::MakePlayer() {
    if (player_) {
        return true;
    }
    // A machine without sound (a server, the test runs) keeps working, silently.
    if (QMediaDevices::audioOutputs().isEmpty()) {
        return false;
    }
    output_ = std::make_unique<QAudioOutput>();
    player_ = std::make_unique<QMediaPlayer>();
    player_->setAudioOutput(output_.get());
    return true;
}

}  // namespace vorlan

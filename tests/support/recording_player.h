#pragma once
// An AudioPlayer that plays nothing and records what it was asked, in order.

#include <string>
#include <vector>

#include "wav/audio_player.h"

namespace vorlan::test {

class RecordingPlayer : public AudioPlayer {
public:
    void Open(const std::string& path) override {
        file_ = path;
        Calls.push_back("open " + path);
    }
    void Play() override { Calls.push_back("play " + file_); }
    void Close() override {
        file_.clear();
        Calls.push_back("close");
    }
    std::string CurrentFile() const override { return file_; }

    std::vector<std::string> Calls;

private:
    std::string file_;
};

}  // namespace vorlan::test

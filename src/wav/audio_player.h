#pragma once
// The player of the messages page's recordings, as the voice commands see it. The editor plays
// through the system's audio; tests record what was asked. Without an audio device playing
// stays silent and nothing else changes.

#include <string>

namespace vorlan {

class AudioPlayer {
public:
    virtual ~AudioPlayer() = default;

    // Points the player at a file without playing it.
    virtual void Open(const std::string& path) = 0;
    // Plays the file it points at, from the start; nothing when it points at none.
    virtual void Play() = 0;
    // Stops and lets go of the file.
    virtual void Close() = 0;
    // The file it points at; empty after Close.
    virtual std::string CurrentFile() const = 0;
};

}  // namespace vorlan

#pragma once
#include <QString>
#include <functional>

namespace tidepost {

// Plays sound files without ever blocking the event loop.
class ISoundPlayer {
public:
    virtual ~ISoundPlayer() = default;
    // Starts playing the wave file at path and returns at once. finished, when given, is called
    // once when the sound has ended, or when it could not be played (possibly before Play returns).
    virtual void Play(const QString& path, std::function<void()> finished = {}) = 0;
};

}  // namespace tidepost

#pragma once
#include <QString>
#include <functional>

namespace tidepost {

// Plays sound files without ever blocking the event loop.
class ISoundPlayer {
public:
    // Told once when a sound is over: `played` is true only when the whole sound was played;
    // false when it could not start, the player failed or was ended after running too long.
    using Finished = std::function<void(bool played)>;
    virtual ~ISoundPlayer() = default;
    // Starts playing the wave file at path and returns at once. finished, when given, is called
    // once when the sound has ended, or when it could not be played (possibly before Play returns).
    virtual void Play(const QString& path, Finished finished = {}) = 0;
    // The desktop's bell: the sound of last resort when no file can be played.
    virtual void Beep() = 0;
};

}  // namespace tidepost

#pragma once
#include <QObject>

#include "platform/ISoundPlayer.h"

namespace tidepost {

// Runs the desktop's command-line player (paplay, else aplay) as a child process; plays nothing
// where neither is installed. A player that runs longer than PlayerTimeLimitMs is ended and the
// sound counts as not played, so a hanging sound system cannot silence a repeating alarm.
class ProcessSoundPlayer : public QObject, public ISoundPlayer {
    Q_OBJECT
public:
    explicit ProcessSoundPlayer(QObject* parent = nullptr) : QObject(parent) {}
    void Play(const QString& path, Finished finished = {}) override;
    void Beep() override;
    int PlayerTimeLimitMs = 10000;
};

}  // namespace tidepost

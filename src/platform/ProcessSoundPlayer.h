#pragma once
#include <QObject>

#include "platform/ISoundPlayer.h"

namespace tidepost {

// Runs the desktop's command-line player (paplay, else aplay) as a child process; plays nothing
// where neither is installed.
class ProcessSoundPlayer : public QObject, public ISoundPlayer {
    Q_OBJECT
public:
    explicit ProcessSoundPlayer(QObject* parent = nullptr) : QObject(parent) {}
    void Play(const QString& path, std::function<void()> finished = {}) override;
};

}  // namespace tidepost

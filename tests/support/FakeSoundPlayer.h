#pragma once
#include <QList>
#include <QStringList>
#include <functional>
#include <utility>

#include "platform/ISoundPlayer.h"

namespace tidepost::test {

// Records every sound asked for and plays nothing. A sound "ends" when the test calls FinishAll()
// (played) or FailAll() (not played). With FailAtOnce, every sound fails before Play returns, as
// with a missing player.
class FakeSoundPlayer : public ISoundPlayer {
public:
    void Play(const QString& path, Finished finished = {}) override {
        Played.append(path);
        if (FailAtOnce) {
            if (finished) finished(false);
            return;
        }
        m_pending.append(std::move(finished));
    }
    void Beep() override { ++Beeps; }
    void FinishAll(bool played = true) {
        const auto pending = std::exchange(m_pending, {});
        for (const auto& f : pending)
            if (f) f(played);
    }
    void FailAll() { FinishAll(false); }
    int PendingCount() const { return m_pending.size(); }

    QStringList Played;
    int Beeps = 0;
    bool FailAtOnce = false;

private:
    QList<Finished> m_pending;
};

}  // namespace tidepost::test

#pragma once
#include <QList>
#include <QStringList>
#include <functional>
#include <utility>

#include "platform/ISoundPlayer.h"

namespace tidepost::test {

// Records every sound asked for and plays nothing. A sound "ends" when the test calls FinishAll().
class FakeSoundPlayer : public ISoundPlayer {
public:
    void Play(const QString& path, std::function<void()> finished = {}) override {
        Played.append(path);
        m_pending.append(std::move(finished));
    }
    void FinishAll() {
        const auto pending = std::exchange(m_pending, {});
        for (const auto& f : pending)
            if (f) f();
    }
    int PendingCount() const { return m_pending.size(); }

    QStringList Played;

private:
    QList<std::function<void()>> m_pending;
};

}  // namespace tidepost::test

#include "sim/SimBabble.h"

#include <algorithm>

#include "sim/SimShell.h"

namespace tidepost::sim {

namespace {

// One line of the stream, 72 characters and CR LF.
const QByteArray kLine = "babble babble 0123456789 abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRST\r\n";

}  // namespace

SimBabble::SimBabble(SimShell& shell) : m_shell(shell) {
    m_timer.setInterval(kTickMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Tick(); });
}

void SimBabble::Start(int charactersPerSecond) {
    if (charactersPerSecond < 1) {
        Stop();
        return;
    }
    m_perTick = std::max(1, charactersPerSecond * kTickMs / 1000);
    if (!m_timer.isActive()) m_timer.start();
}

void SimBabble::Stop() { m_timer.stop(); }

void SimBabble::Tick() {
    QByteArray piece;
    piece.reserve(m_perTick);
    while (piece.size() < m_perTick) {
        const qsizetype at = m_sent % kLine.size();
        const qsizetype take = std::min<qsizetype>(kLine.size() - at, m_perTick - piece.size());
        piece += kLine.mid(at, take);
        m_sent += take;
    }
    m_shell.Write(piece);
}

}  // namespace tidepost::sim

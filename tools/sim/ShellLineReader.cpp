#include "sim/ShellLineReader.h"

namespace tidepost::sim {

QList<QByteArray> ShellLineReader::Feed(const QByteArray& bytes) {
    QList<QByteArray> lines;
    for (char c : bytes) {
        if (c == '\n' && m_afterCr) {
            m_afterCr = false;
            continue;
        }
        m_afterCr = c == '\r';
        if (c == '\r' || c == '\n') {
            lines.append(m_partial);
            m_partial.clear();
        } else {
            m_partial.append(c);
        }
    }
    return lines;
}

}  // namespace tidepost::sim

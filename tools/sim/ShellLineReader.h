#pragma once
#include <QByteArray>
#include <QList>

namespace tidepost::sim {

// How the transceiver's shell cuts its input into command lines: a line ends at CR or at LF, and
// an LF right after a CR belongs to that CR. So "a" CR LF is one line, "a" LF then CR LF is the
// line "a" followed by an empty line, and "tr x" CR alone is a whole line.
class ShellLineReader {
public:
    // The lines completed by these bytes, without their line ends.
    QList<QByteArray> Feed(const QByteArray& bytes);
    // Characters of a line not yet ended.
    const QByteArray& Partial() const { return m_partial; }
    // The bytes that follow start a line afresh: an LF among them is no part of an earlier CR's
    // line end (after the raw bytes of an upload, which the caller takes itself).
    void StartAfresh() { m_afterCr = false; }

private:
    QByteArray m_partial;
    bool m_afterCr = false;
};

}  // namespace tidepost::sim

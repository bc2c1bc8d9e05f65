#pragma once
#include <QString>
#include <functional>

namespace tidepost {

struct Link;

// Walks a status-list reply for the transceiver's INFO and ERROR entries: records each in the
// status bar, the info log and its view, raises a box for the numbers that need the operator,
// and runs the reaction that belongs to the number (LinkNotifications.h holds the reactions other
// areas register). A CInfo works for one call on the link it is given.
//
// An entry starts with "INFO " or "ERROR " at the start of a line and runs up to the line end
// before the next entry or before the prompt, so its text may span several lines. The number
// stands between the last blank before the first colon and that colon (it may be padded with
// blanks or zeros); the text starts two characters after the colon.
class CInfo {
public:
    explicit CInfo(Link& link) : m_link(link) {}
    CInfo(const CInfo&) = delete;
    CInfo& operator=(const CInfo&) = delete;

    // Handles every INFO entry of the buffer in order. Always True.
    bool CheckInfos(const QString& buffer);
    // Handles every ERROR entry of the buffer in order. Always True.
    bool CheckErrors(const QString& buffer);

private:
    enum Kind : quint8 { kInfo = 1, kError = 2 };

    void Record(Kind kind, const QString& shownNumber, qint16 number, const QString& text, bool showStatus = true);
    void HandleInfoEntry(const QString& entry, qint16 number, const QString& text);
    // Hands each entry of one kind to `valid` (with m_number and m_text set) or, when its number is
    // not valid, its number text to `invalid`; false when the reply ends inside an entry.
    bool WalkEntries(const QString& buffer, const QString& key, const std::function<void(const QString&)>& valid,
                     const std::function<void(const QString&)>& invalid);
    void RunInfoReaction(const QString& entry, qint16 number);
    void QueueStatusQuery(bool anyCase);
    void HandleInfo132(const QString& entry);
    void HandleError253(const QString& entry);
    void HandleInfo733();
    void HandleInfo803();
    void BalanceInfo552();
    void HideTestModeNotice();
    void ShowTestModeNotice();

    Link& m_link;
    // The entry in hand.
    qint16 m_number = 0;
    QString m_text;
};

// Puts CheckInfos and CheckErrors on the dispatch as its status-list handlers (gInfo.CheckInfos,
// gInfo.CheckErrors).
void RegisterInfoChecks(Link& link);

}  // namespace tidepost

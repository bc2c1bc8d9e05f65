#pragma once
#include <QString>
#include <functional>

namespace tidepost {

struct Link;

// The reactions to the notifications that speak of a message's or a distress alert's delivery.
// They belong to the outbox log, whose area fills them in; one left empty does nothing.
// Each gets the whole entry as cut from the reply, from "INFO " to the end of its text.
struct DeliveryStatusReactions {
    using EntryHandler = std::function<bool(const QString& entry)>;
    EntryHandler HandleInfo20;  // distress alert failed
    EntryHandler HandleInfo21;  // distress alert confirmed
    EntryHandler HandleInfo22;  // distress alert being sent
    EntryHandler HandleInfo80;  // transmission failed
    EntryHandler HandleInfo81;  // transmission delivered
    EntryHandler HandleInfo82;  // the transceiver's own file for the message being sent
    std::function<bool()> HandleInfo130;
    std::function<bool()> HandleInfo131;
    // 140 with confirmed False, 141 with True.
    std::function<bool(const QString& entry, bool confirmed)> HandleInfo140_141;
};

// Walks a status-list reply for the transceiver's INFO and ERROR entries: records each in the
// status bar, the info log and its view, raises a box for the numbers that need the operator,
// and runs the reaction that belongs to the number.
//
// An entry starts with "INFO " or "ERROR " at the start of a line and runs up to the line end
// before the next entry or before the prompt, so its text may span several lines. The number
// stands between the last blank before the first colon and that colon (it may be padded with
// blanks or zeros); the text starts two characters after the colon.
class CInfo {
public:
    // Registers CheckInfos and CheckErrors as the dispatch's status-list handlers.
    explicit CInfo(Link& link);
    CInfo(const CInfo&) = delete;
    CInfo& operator=(const CInfo&) = delete;

    // Handles every INFO entry of the buffer in order. Always True.
    bool CheckInfos(const QString& buffer);
    // Handles every ERROR entry of the buffer in order. Always True.
    bool CheckErrors(const QString& buffer);

    DeliveryStatusReactions DeliveryStatus;
    // The distress area's test-mode flag (it also enables its menu); nothing while empty.
    std::function<void(bool active)> SetDistressTestModeActive;

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
    void HideTestModeNotice();
    void ShowTestModeNotice();

    Link& m_link;
    // The entry in hand.
    qint16 m_number = 0;
    QString m_text;
};

}  // namespace tidepost

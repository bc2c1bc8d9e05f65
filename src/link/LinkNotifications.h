#pragma once
#include <QString>
#include <functional>

#include "link/cInfoLog.h"

namespace tidepost {

struct Foundation;

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

// The transceiver's INFO and ERROR notifications (CInfo.h): the info log, what was shown once,
// and the reactions other areas register.
struct LinkNotifications {
    explicit LinkNotifications(Foundation& f) : gInfoLog(f) {}

    cInfoLog gInfoLog;
    // INFO 116's box was queued in this run; INFO 552s not yet balanced by an INFO 80 or 81.
    bool Info116Shown = false;
    qint16 Info552Count = 0;

    DeliveryStatusReactions DeliveryStatus;
    // The distress area's test-mode flag (it also enables its menu); nothing while empty.
    std::function<void(bool active)> SetDistressTestModeActive;
};

}  // namespace tidepost

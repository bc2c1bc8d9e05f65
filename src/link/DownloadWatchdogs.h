#pragma once

namespace tidepost {

struct Link;

// Ticks of the download watchdogs `EGCTimer` and `MessageTimer` (60 s after a download began):
// the download counts as ended and the timer stops.
void EGCTimer_Timer(Link& link);
void MessageTimer_Timer(Link& link);

}  // namespace tidepost

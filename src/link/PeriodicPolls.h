#pragma once

namespace tidepost {

struct Link;

// Queues the status query set at the end of the command queue, each query under its own
// condition of the session (see the table in PeriodicPolls.cpp).
void QueueStatusPoll(Link& link);

// Forgets the transceiver last seen, so that the first identity replies count as a change.
void ResetSessionSnapshot(Link& link);

// One tick of the main window's `Timer2` (10 s): the status list, then the status poll while
// the transceiver answers, otherwise (and while the terminal window is shown) a reopen of the
// serial port in serial mode.
void Timer2_Timer(Link& link);

// One tick of `Timer_60S` (60 s): the position query and the free-space check of the EGC folder.
void Timer_60S_Timer(Link& link);

// One tick of `EventTimer` (100 ms): reacts to another transceiver, and asks the first-time
// question about the PC clock while it is unanswered.
void EventTimer_Timer(Link& link);

// EventTimer has work: another transceiver has answered and is not yet taken in, or the question
// about the PC clock waits for its answer. New work for the dialogue, a reply dealt with and a
// change of the transceiver's answering wake the timer.
bool EventTimerHasWork(Link& link);

}  // namespace tidepost

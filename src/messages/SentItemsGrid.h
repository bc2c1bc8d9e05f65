#pragma once
#include <QObject>
#include <QString>
#include <QStringView>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "foundation/FlexRow.h"

namespace tidepost {

struct Foundation;
struct Messages;

// The grid row of one log line: ten cells (file name, aliases, destination, LES, type, date and
// time, time, size, reference, status in the user's language), red for an alert to search and
// rescue.
FlexRow SentItemsRowOf(const Foundation& f, QStringView line);

// A log line's text before and after a rewrite changed it.
struct SentItemsLineChange {
    QString Before;
    QString After;
};
// Shows the changed lines of the log: a sent-items view on screen changes their rows in place; a
// view behind another is left alone (it is built afresh when it is shown); without a main window
// the grid is loaded again. Throws RuntimeError as LoadSentItemsGrid does.
void ShowChangedSentItems(Messages& m, const std::vector<SentItemsLineChange>& changes);
// Shows a line just appended to the log, alike: a view on screen takes its one row.
void ShowNewSentItem(Messages& m, const QString& line);

// Fills the registered sent-items grid from the outbox log: below the caption row one row per
// line that is not empty, ten columns (file name, aliases, destination, LES, type, date and time,
// time, size, reference, status in the user's language), alerts to search and rescue in red,
// sorted by file name, newest first. A missing log is created empty first; when even that fails,
// the sent-items folder cannot be used: a warning box says so (queued while a timer tick runs)
// and the grid keeps only its caption row. Without a grid nothing is read. An existing log that cannot be read throws RuntimeError.
// A load still running on the worker of SentItemsLoad is dropped: this one is newer.
void LoadSentItemsGrid(Messages& m);

// The sent-items view's load of a long log: the lines are cut into rows and put in the view's
// order (by file name, then by date, newest first) on a worker thread, and the rows are swapped
// into the grid at once when they are ready, so the window stays responsive. A log of up to
// BackgroundLines lines loads at once through LoadSentItemsGrid. Only the latest load's rows are
// taken.
class SentItemsLoad {
public:
    explicit SentItemsLoad(Messages& m) : m_m(m) {}
    // Waits for a running worker: its rows would come back to a view that is gone.
    ~SentItemsLoad();
    SentItemsLoad(const SentItemsLoad&) = delete;
    SentItemsLoad& operator=(const SentItemsLoad&) = delete;

    // Loads the grid as LoadSentItemsGrid does; `done` runs once the rows are in (at once for a
    // short log, from the event loop for a long one; never for a load a newer one replaced).
    // Throws RuntimeError as LoadSentItemsGrid does.
    void Start(const std::function<void()>& done);
    // True from the start of a load on the worker until its rows are in or a newer load came.
    bool Pending() const { return m_pending; }
    // True while the rows last swapped in came from the worker, in the view's order (by file
    // name, then by date, newest first); false from the start of the next load.
    bool RowsInViewOrder() const { return m_rowsInViewOrder; }
    // A newer load takes the grid: the running one's rows are dropped.
    void Drop();
    // The log changed while a load was on the worker: it starts again with the same `done`.
    void Restart();

    int BackgroundLines = 5000;

private:
    void Finish(int generation, const std::function<void()>& done, std::vector<FlexRow> rows);

    Messages& m_m;
    std::thread m_worker;
    int m_generation = 0;
    bool m_pending = false;
    std::function<void()> m_done;
    bool m_rowsInViewOrder = false;
    QObject m_context;
};

// The message area's one SentItemsLoad, created on first use.
SentItemsLoad& GetSentItemsLoad(Messages& m);

}  // namespace tidepost

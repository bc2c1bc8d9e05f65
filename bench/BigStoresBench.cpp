// What the operator meets with the stores of a ship that has kept years of traffic (30,000 lines
// in in.idx, OUT.IDX and egc.idx, 30,000 address-book entries), each figure against its goal:
//   - opening the sent-items view, the inbox view and the address-book dialog, Return on an
//     unread inbox message, and a delivery status changing one line of OUT.IDX while the
//     sent-items view is shown: the longest time a 10 ms heartbeat of the event loop waited
//     (LongestStallMs, goal 50 ms), and OpenMs until the rows were in;
//   - the program's start with the four stores, one submission left unfinished in OUT.IDX: the
//     main window's load (StartMs, goal 500 ms) against the same start with empty stores in the
//     same run (RatioToEmptyStores);
//   - resident memory with the four stores loaded and every view opened once (AllViewsMiB, goal
//     80 MiB for the whole program), after the start alone (StartedMiB), and the same program
//     with empty stores (EmptyStoresAllViewsMiB, StoresAddMiB), each program in a process of its own.
// The program-level ones build the real main window; run the start-up one alone
// (--benchmark_filter=BigStores.*Program). The memory figures each come from a fresh process.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "AddressBook30000.h"
#include "BenchApplication.h"
#include "FolderViewsWorld.h"
#include "BenchProgram.h"
#include "BigStores.h"
#include "StallMeter.h"
#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "editor/MessageIndexMark.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "messages/AddressBookForm.h"
#include "messages/AddressBookWindows.h"
#include "messages/IMessagesWindow.h"
#include "messages/SentItemsGrid.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"
#include "platform/QtSettingsStore.h"

using namespace tidepost;
using namespace tidepost::bench;

namespace {

constexpr double kStallGoalMs = 50.0;
constexpr double kStartGoalMs = 500.0;
constexpr double kMemoryGoalMiB = 80.0;

struct StallFigures {
    double LongestMs = 0;
    double OpenMs = 0;
    bool Done = false;
};

// Runs `act` from the event loop with a 10 ms heartbeat beating, until `done` and one more beat.
StallFigures MeasureStall(const std::function<void()>& act, const std::function<bool()>& done) {
    StallFigures figures;
    StallMeter meter(10);
    QEventLoop loop;
    QElapsedTimer clock;
    bool acted = false;
    int beatsAfter = 0;
    meter.OnBeat = [&] {
        if (!acted || !done()) return;
        if (beatsAfter++ == 0) figures.OpenMs = double(clock.nsecsElapsed()) / 1e6;
        if (beatsAfter > 1) {
            figures.Done = true;
            loop.quit();
        }
    };
    meter.Start();
    QTimer::singleShot(30, [&] {
        clock.start();
        act();
        acted = true;
    });
    QTimer::singleShot(20000, &loop, &QEventLoop::quit);
    loop.exec();
    meter.OnBeat = {};
    figures.LongestMs = meter.LongestMs();
    return figures;
}

void ReportStall(benchmark::State& state, const StallFigures& worst, double openMs) {
    state.counters["LongestStallMs"] = worst.LongestMs;
    state.counters["StallFractionOfGoal50Ms"] = worst.LongestMs / kStallGoalMs;
    state.counters["OpenMs"] = openMs;
    if (!worst.Done) state.SkipWithError("the view did not come in");
}

// The folder views over the inbox and the sent items, their grids shown.
struct ShownFolders : bench::FolderViewsWorld {
    ShownFolders() {
        WriteInbox();
        WriteBytes(f->gOutboxDir + "OUT.IDX", OutboxLogText(false));
        for (FlexGrid* grid : {&inbox, &sent}) {
            grid->resize(900, 600);
            grid->show();
        }
    }
    void WriteInbox() const { WriteBytes(f->gInboxDir + "/in.idx", InboxIndexText()); }
};

// Opens one folder view again and again (its grid emptied first) until all its rows are in, and
// reports the longest stall and the mean time to the rows.
template <typename Open, typename Grid>
void ViewOpen(benchmark::State& state, Open open, Grid& grid) {
    StallFigures worst;
    worst.Done = true;
    double openMs = 0;
    for (auto _ : state) {
        grid.SetRows(1);
        const StallFigures f = MeasureStall(open, [&] { return grid.Rows() == kStoreLines + 1; });
        worst.LongestMs = std::max(worst.LongestMs, f.LongestMs);
        worst.Done = worst.Done && f.Done;
        openMs += f.OpenMs;
    }
    ReportStall(state, worst, openMs / double(state.iterations()));
}

void SentItemsViewOpen_StallGoal50ms(benchmark::State& state) {
    if (!CanBuildWindows()) return state.SkipWithError("needs a QApplication");
    ShownFolders folders;
    ViewOpen(state, [&] { folders.views->OutboxButton_Click(); }, folders.sent);
}
BENCHMARK(SentItemsViewOpen_StallGoal50ms)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void InboxViewOpen_StallGoal50ms(benchmark::State& state) {
    if (!CanBuildWindows()) return state.SkipWithError("needs a QApplication");
    ShownFolders folders;
    ViewOpen(state, [&] { folders.views->InboxButton_Click(); }, folders.inbox);
}
BENCHMARK(InboxViewOpen_StallGoal50ms)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Return on an unread message of the inbox view: the viewer marks it read in in.idx (the viewer's
// own reading of the message file is left out) and the row loses its bold.
void InboxReturnOnUnread_StallGoal50ms(benchmark::State& state) {
    if (!CanBuildWindows()) return state.SkipWithError("needs a QApplication");
    ShownFolders folders;
    Foundation& f = *folders.f;
    folders.views->Seams.LoadText = [&f](const QString& folder, const QString& file, bool, bool, int) {
        return bool(MarkMessageRead(f, folder, file, StoredMessageType::Received));
    };
    folders.views->InboxButton_Click();
    while (folders.views->InboxLoadPending()) RunFor(10);
    StallFigures worst;
    worst.Done = true;
    double openMs = 0;
    int i = 0;
    for (auto _ : state) {
        // Every third message is unread; one from the middle of the index each time.
        const QString name = InboxFileName((kStoreLines / 2 / 3 + i++) * 3);
        folders.inbox.SetRow(folders.inbox.FindRow(0, name));
        if (!folders.inbox.RowBold(folders.inbox.Row())) return state.SkipWithError("the message was not unread");
        const StallFigures fig = MeasureStall([&] { folders.views->OpenSelectedInboxMessage(); },
                                              [&] { return !folders.inbox.RowBold(folders.inbox.Row()); });
        worst.LongestMs = std::max(worst.LongestMs, fig.LongestMs);
        worst.Done = worst.Done && fig.Done;
        openMs += fig.OpenMs;
    }
    ReportStall(state, worst, openMs / double(state.iterations()));
}
BENCHMARK(InboxReturnOnUnread_StallGoal50ms)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The main window as the message area sees it, with the sent-items view on screen.
class SentItemsShownWindow : public IMessagesWindow {
public:
    explicit SentItemsShownWindow(FolderViews& views) : m_views(views) {}
    int MessageLogShown() const override { return 2; }
    void InboxMSGrid_AddRow(const QStringList&, int) override {}
    void InBox_SetAllColumnsSelected() override {}
    void ChangeViewEditor() override {}
    void OutboxButton_Click() override { m_views.OutboxButton_Click(); }
    void OutBox_SetAllColumnsSelected() override { m_views.OutBox_SetAllColumnsSelected(); }
    void RestoreSentItemsGridWidths() override { m_views.RestoreSentItemsGridWidths(); }
    void UpdateElectronicFormsMenu() override {}
    bool ChangeSentItemsRows(const std::vector<SentItemsRowChange>& changes) override {
        return m_views.ChangeSentItemsRows(changes);
    }
    bool AddSentItemsRow(const FlexRow& row) override { return m_views.AddSentItemsRow(row); }

private:
    FolderViews& m_views;
};

// A delivery status for one submission in the middle of a 30,000-line OUT.IDX while the sent-items
// view shows it: the log is rewritten and the view shows the new status. For comparison in the same
// run, FullReloadStallMs: the same change where the view is loaded again from the log.
void SentItemsStatusRewriteShown_StallGoal50ms(benchmark::State& state) {
    if (!CanBuildWindows()) return state.SkipWithError("needs a QApplication");
    ShownFolders folders;
    SentItemsShownWindow window(*folders.views);
    folders.m->Window = &window;
    folders.views->OutboxButton_Click();
    while (GetSentItemsLoad(*folders.m).Pending()) RunFor(10);
    // What the opening left to the event loop (drawing the rows) is the opening's, not the change's.
    RunFor(300);
    cOutBox& outBox = GetOutBox(*folders.m);
    int i = 0;
    // One change, measured; true when the view shows it.
    const auto change = [&] {
        const int line = kStoreLines / 2 + i++;
        const QString status = i % 2 ? QStringLiteral("Failed") : QStringLiteral("Delivered");
        const QString file = QString("26%1.out").arg(line, 8, 10, QLatin1Char('0'));
        int changed = 0;
        const StallFigures fig = MeasureStall(
            [&] { changed = outBox.UpdateOutBox("112", QString::number(line), "", "", status, false); },
            [&] {
                const int row = folders.sent.FindRow(0, file);
                return row > 0 && folders.sent.TextMatrix(row, 9) == status;
            });
        return changed == 1 ? fig : StallFigures{};
    };
    StallFigures worst;
    worst.Done = true;
    double openMs = 0;
    for (auto _ : state) {
        const StallFigures fig = change();
        worst.LongestMs = std::max(worst.LongestMs, fig.LongestMs);
        worst.Done = worst.Done && fig.Done;
        openMs += fig.OpenMs;
    }
    // The view loaded again for the change instead (no main window to change the row in place).
    folders.m->Window = nullptr;
    const StallFigures reload = change();
    ReportStall(state, worst, openMs / double(state.iterations()));
    state.counters["FullReloadStallMs"] = reload.LongestMs;
    state.counters["RatioToFullReload"] = reload.LongestMs > 0 ? worst.LongestMs / reload.LongestMs : 0;
}
BENCHMARK(SentItemsStatusRewriteShown_StallGoal50ms)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void AddressBookDialogOpen_StallGoal50ms(benchmark::State& state) {
    if (!CanBuildWindows()) return state.SkipWithError("needs a QApplication");
    AddressBook30000 book;
    StallFigures worst;
    worst.Done = true;
    double openMs = 0;
    for (auto _ : state) {
        const StallFigures f = MeasureStall([&] { ShowAddressBookDialog(book.m, QStringLiteral("TO")); }, [&] {
            const AddressBookForm* dialog = book.m.AddressBookForms.AddressBookForm.loaded();
            return dialog && dialog->isVisible() && dialog->List1->count() == AddressBook30000::kEntries;
        });
        book.m.AddressBookForms.AddressBookForm.unload();
        worst.LongestMs = std::max(worst.LongestMs, f.LongestMs);
        worst.Done = worst.Done && f.Done;
        openMs += f.OpenMs;
    }
    ReportStall(state, worst, openMs / double(state.iterations()));
}
BENCHMARK(AddressBookDialogOpen_StallGoal50ms)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Opens the inbox, sent-items and EGC views and the address-book dialog of the running program.
void OpenEveryView(Program& p) {
    FolderViews* views = p.form->Folders();
    if (!views) return;
    views->InboxButton_Click();
    views->OutboxButton_Click();
    views->EGCButton_Click();
    QElapsedTimer waited;
    waited.start();
    while ((views->EgcLoadPending() || views->InboxLoadPending()) && waited.elapsed() < 10000) RunFor(10);
    p.form->ShowAddressBookDialog(QStringLiteral("TO"));
    RunFor(200);
    p.messages.AddressBookForms.AddressBookForm.unload();
}

struct ProgramFigures {
    double StartMs = 0;
    double StartedMiB = 0;
    double AllViewsMiB = 0;
};

ProgramFigures RunProgram(bool withStores) {
    ProgramOptions options;
    options.WithMessages = true;
    if (withStores) options.PrepareData = [](const QString& data) { WriteFourStores(data, true); };
    ProgramFigures figures;
    Program p(Far::TransceiverAnswering, options);
    figures.StartMs = p.LoadMs;
    RunFor(1000);
    figures.StartedMiB = ResidentMiB();
    OpenEveryView(p);
    figures.AllViewsMiB = ResidentMiB();
    return figures;
}

void BigStoresStartUpProgram_Goal500ms(benchmark::State& state) {
    Application();
    if (!CanBuildWindows()) return state.SkipWithError("needs a QApplication; run this one alone");
    double empty = 0, stores = 0;
    for (auto _ : state) {
        empty += RunProgram(false).StartMs;
        stores += RunProgram(true).StartMs;
    }
    const double n = double(state.iterations());
    state.counters["StartMs"] = stores / n;
    state.counters["EmptyStoresStartMs"] = empty / n;
    state.counters["RatioToEmptyStores"] = empty > 0 ? stores / empty : 0;
    state.counters["FractionOfGoal500Ms"] = stores / n / kStartGoalMs;
}
BENCHMARK(BigStoresStartUpProgram_Goal500ms)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Each figure comes from a program of its own, this benchmark run again with kFigureVariable set
// to "empty:<file>" or "stores:<file>": a process keeps much of the heap it has freed, so a figure
// measured after another run in the same process would count what that run left.
constexpr char kFigureVariable[] = "TIDEPOST_BENCH_MEMORY_FIGURE";

// Runs the program once in a child process and reads back its figures.
ProgramFigures FiguresOfChild(bool withStores) {
    ProgramFigures figures;
    QTemporaryDir dir;
    const QString file = dir.path() + "/figures";
    const QByteArray setting = QByteArray(kFigureVariable) + '=' + (withStores ? "stores:" : "empty:") + QFile::encodeName(file);
    std::vector<QByteArray> env{setting};
    for (char** e = environ; *e; ++e)
        if (!QByteArray(*e).startsWith(QByteArray(kFigureVariable) + '=')) env.emplace_back(*e);
    std::vector<char*> envp;
    for (QByteArray& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    QByteArray exe("/proc/self/exe"), filter("--benchmark_filter=^BigStoresMemoryProgram_Goal80MiB/");
    char* argv[] = {exe.data(), filter.data(), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, exe.constData(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return figures;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {}
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) return figures;
    const QList<QByteArray> values = in.readAll().split(' ');
    if (values.size() == 3) {
        figures.StartMs = values[0].toDouble();
        figures.StartedMiB = values[1].toDouble();
        figures.AllViewsMiB = values[2].toDouble();
    }
    return figures;
}

// The child's part: one run of the program, its figures written to the file it was given.
void MeasureInThisProcess(benchmark::State& state, const QByteArray& asked) {
    Application();
    const qsizetype colon = asked.indexOf(':');
    for (auto _ : state) {
        if (!CanBuildWindows()) continue;
        const ProgramFigures figures = RunProgram(asked.left(colon) == "stores");
        QFile out(QFile::decodeName(asked.mid(colon + 1)));
        if (out.open(QIODevice::WriteOnly))
            out.write(QByteArray::number(figures.StartMs) + ' ' + QByteArray::number(figures.StartedMiB) + ' ' +
                      QByteArray::number(figures.AllViewsMiB));
    }
}

void BigStoresMemoryProgram_Goal80MiB(benchmark::State& state) {
    if (const QByteArray asked = qgetenv(kFigureVariable); !asked.isEmpty()) return MeasureInThisProcess(state, asked);
    ProgramFigures empty, stores;
    for (auto _ : state) {
        empty = FiguresOfChild(false);
        stores = FiguresOfChild(true);
    }
    if (empty.AllViewsMiB <= 0 || stores.AllViewsMiB <= 0) return state.SkipWithError("a measuring run failed");
    state.counters["EmptyStoresAllViewsMiB"] = empty.AllViewsMiB;
    state.counters["StartedMiB"] = stores.StartedMiB;
    state.counters["AllViewsMiB"] = stores.AllViewsMiB;
    state.counters["StoresAddMiB"] = stores.AllViewsMiB - empty.AllViewsMiB;
    state.counters["FractionOfGoal80MiB"] = stores.AllViewsMiB / kMemoryGoalMiB;
}
BENCHMARK(BigStoresMemoryProgram_Goal80MiB)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace

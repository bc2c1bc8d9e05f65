// The inbox view over an in.idx of 30,000 lines and the sent-items view over an OUT.IDX of as many:
// loading each grid and one mark-unread rewrite of the inbox index, each within 100 ms; and
// loading the info-log list from a full log of 500 entries.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <chrono>

#include "BenchApplication.h"
#include "FolderViewsWorld.h"
#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "link/cInfoLog.h"
#include "mainwindow/InfoLogView.h"
#include "messages/Messages.h"
#include "messages/SentItemsGrid.h"
#include "platform/QtSettingsStore.h"

using namespace tidepost;

namespace {

constexpr int kLines = 30000;
constexpr double kBudgetMs = 100;

QString FileName(int i) { return QString("26%1.txt").arg(i, 8, 10, QLatin1Char('0')); }

QByteArray InboxText() {
    QByteArray text;
    for (int i = 0; i < kLines; ++i)
        text += QString("MSG%1:112:%2:0:26-12-%3 14:%4: 512:%5:Direct:%6:%7\r\n")
                    .arg(i)
                    .arg(i % 4)
                    .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                    .arg(i % 60, 2, 10, QLatin1Char('0'))
                    .arg(100000 + i)
                    .arg(i % 3 ? "Yes" : "No")
                    .arg(FileName(i))
                    .toLatin1();
    return text;
}

QByteArray OutboxText() {
    QByteArray text;
    for (int i = 0; i < kLines; ++i)
        text += QString("26%1.out;alice@example.org;112;E-Mail 7 Bit;12-07-03;09:05; 12;%2;Delivered;0;0;0;0;03;07;"
                        "09;05;Alice;;;Hello\r\n")
                    .arg(i, 8, 10, QLatin1Char('0'))
                    .arg(i)
                    .toLatin1();
    return text;
}

struct Folders : bench::FolderViewsWorld {
    Folders() {
        Write(f->gInboxDir + "/in.idx", InboxText());
        Write(f->gOutboxDir + "OUT.IDX", OutboxText());
    }
    static void Write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }
};

double Ms(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void InboxViewLoad(benchmark::State& state) {
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    Folders folders;
    double ms = 0;
    // Until the rows are in: a long index comes from a worker.
    for (auto _ : state)
        ms += Ms([&] {
            folders.views->InboxButton_Click();
            while (folders.views->InboxLoadPending()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        });
    if (folders.inbox.Rows() != kLines + 1) state.SkipWithError("not every line was loaded");
    state.counters["LoadMs"] = ms / double(state.iterations());
    state.counters["FractionOfBudget"] = ms / double(state.iterations()) / kBudgetMs;
}
BENCHMARK(InboxViewLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

void SentItemsViewLoad(benchmark::State& state) {
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    Folders folders;
    double ms = 0;
    // Until the rows are in: a long log comes from a worker.
    for (auto _ : state)
        ms += Ms([&] {
            folders.views->OutboxButton_Click();
            while (GetSentItemsLoad(*folders.m).Pending()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        });
    if (folders.sent.Rows() != kLines + 1) state.SkipWithError("not every line was loaded");
    state.counters["LoadMs"] = ms / double(state.iterations());
    state.counters["FractionOfBudget"] = ms / double(state.iterations()) / kBudgetMs;
}
BENCHMARK(SentItemsViewLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

// The index rewrite alone: the reload that follows it is the load measured above.
void InboxMarkUnreadRewrite(benchmark::State& state) {
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    Folders folders;
    folders.views->InboxButton_Click();
    while (folders.views->InboxLoadPending()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    double ms = 0;
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const QString name = FileName(kLines / 2 + i++);
        Folders::Write(folders.f->gInboxDir + "/" + name, "text");
        folders.inbox.SetRow(folders.inbox.FindRow(0, name));
        folders.views->Seams.SetMessageLogShown = {};
        state.ResumeTiming();
        ms += Ms([&] { folders.views->MarkInboxMessageUnread(); });
    }
    state.counters["MarkUnreadWithReloadMs"] = ms / double(state.iterations());
}
BENCHMARK(InboxMarkUnreadRewrite)->Unit(benchmark::kMillisecond)->Iterations(5);

void InfoLogLoad(benchmark::State& state) {
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    QList<InfoLogEntry> entries;
    for (int i = 0; i < cInfoLog::kMaxLines; ++i) {
        InfoLogEntry e;
        e.oDate = QDateTime::currentDateTime().addSecs(-i);
        e.InfoType = quint8(1 + i % 2);
        e.InfoNumber = qint16(i);
        e.InfoMessage = QString("Notice %1 from the LES").arg(i);
        entries.append(e);
    }
    QTreeWidget list;
    InfoLogView view(&list);
    view.Shown = [] { return true; };
    double ms = 0;
    for (auto _ : state)
        ms += Ms([&] {
            view.SetUpInfoLogGridColumns();
            view.LoadInfoLogGrid(entries);
            view.SetTag(1, "DESC");
            view.MessageGrid_HeaderClick(1);
        });
    state.counters["LoadMs"] = ms / double(state.iterations());
}
BENCHMARK(InfoLogLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

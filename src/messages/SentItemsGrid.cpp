#include "messages/SentItemsGrid.h"

#include <QStringList>
#include <algorithm>
#include <iterator>
#include <utility>

#include "foundation/DataFileText.h"
#include "foundation/Definitions.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/IFlexGrid.h"
#include "foundation/IndexLines.h"
#include "foundation/MlText.h"
#include "foundation/RuntimeError.h"
#include "foundation/UsefullRoutines.h"
#include "messages/IMessagesWindow.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"
#include "platform/AtomicFile.h"
#include "platform/HeapTuning.h"

namespace tidepost {

namespace {

constexpr int kColumns = 10;
constexpr int kSentItemsView = 2;
constexpr int kDateColumn = 5;
constexpr int kRed = 255;
constexpr int kBlack = 0;

// The statuses shown in the user's language, by their string ids 3001 to 3009.
struct StatusText {
    const char* stored;
    int id;
};
constexpr StatusText kStatusTexts[] = {
    {"Initiated", 3001}, {"Sending", 3002},    {"Delivered", 3003},   {"ConfReq", 3004}, {"Conf.Ok", 3005},
    {"Failed", 3006},    {"PC Cleared", 3007}, {"MES Cleared", 3008}, {"<None>", 3009},
};

// Looked up on the GUI thread, then usable on any.
class StatusTranslation {
public:
    explicit StatusTranslation(const Foundation& f) {
        for (const StatusText& s : kStatusTexts) {
            const QString stored = QString::fromLatin1(s.stored);
            m_pairs.append({stored, MlText(f, s.id, stored)});
        }
    }
    QString operator()(const QString& stored) const {
        for (const auto& [from, to] : m_pairs)
            if (from == stored) return to;
        return stored;
    }

private:
    QList<std::pair<QString, QString>> m_pairs;
};

// The sent-items folder cannot be used at all. The program goes on without it, with an empty view.
void ShowSentItemsWarning(Messages& m) {
    Foundation& f = m.F;
    const QString d = AddBackslash(f.gConfiguration.DataPath);
    const QString p = f.gProductName;
    MessageBoxRequest box;
    box.text = "Default Sent Items Directory (" + d + "SentItems\\ and index file not found!\r\n\r\n" +
               "This might be because the " + p + ".ini file is from an older " + p + " installation.\r\n\r\n" +
               "Please delete " + (d + p + ".ini").toUpper() + " and restart " + p + ".";
    box.title = QStringLiteral("Sent Items directory warning!");
    box.buttons = MsgButtons::Ok;
    box.icon = MsgIcon::Critical;
    ShowFileErrorBox(f, box);
    if (IFlexGrid* grid = m.OutboxMSGrid) {
        grid->SetRows(1);
        grid->SetRedraw(true);
    }
}

// The text without any `c`; a copy in `holder` only when there is one to take out.
QStringView Without(QStringView text, QChar c, QString& holder) {
    if (!text.contains(c)) return text;
    holder = text.toString();
    holder.remove(c);
    return holder;
}

FlexRow SentItemsRow(QStringView line, const StatusTranslation& translate) {
    const OutboxFields fields = SplitOutboxLine(line);
    const auto field = [&fields](int i) { return i < fields.size() ? fields[i] : QStringView(); };

    // The cells are packed straight from the line where they are the field as it is.
    QString held[8];
    const QStringView to = Without(field(17), u':', held[0]);
    QString aliases;
    for (const QStringView alias : {to, Without(field(18), u':', held[1]), Without(field(19), u':', held[2])}) {
        if (alias.isEmpty()) continue;
        if (!aliases.isEmpty()) aliases += u',';
        aliases += alias;
    }
    QString when;
    when.reserve(field(4).size() + 1 + field(5).size());
    when.append(field(4)).append(u' ').append(field(5));
    const QString status = translate(field(8).toString());
    const QStringView cells[] = {
        Without(field(0), u':', held[3]), aliases, Without(field(1), u':', held[4]), Without(field(2), u' ', held[5]),
        field(3), when, field(5), Without(field(6), u' ', held[6]), Without(field(7), u' ', held[7]), status,
    };
    return FlexRow::FromViews(cells, std::size(cells), to == kSearchAndRescue ? kRed : kBlack, false);
}

// One row per line that is not empty, in the log's order.
std::vector<FlexRow> SentItemsRows(const QByteArray& bytes, const AnsiCodec& codec, const StatusTranslation& translate) {
    std::vector<FlexRow> rows;
    rows.reserve(static_cast<size_t>(bytes.count('\n') + 1));
    ForEachFileLine(bytes, [&](QByteArrayView line) {
        if (!line.isEmpty()) rows.push_back(SentItemsRow(codec.Decode(line), translate));
    });
    return rows;
}

// The log's bytes and number of lines; false when there is nothing to show (no grid, or the
// folder is unusable and the operator has been told). A missing log is created empty first. The
// bytes come from the program's copy of the log while the file is as it was.
bool ReadSentItemsLog(Messages& m, QByteArray& bytes, int& lines) {
    Foundation& f = m.F;
    const QString path = ResolvePath(AddBackslash(f.gOutboxDir) + "OUT.IDX");
    bool created = false;
    if (!CheckFileExists(f, path)) {
        created = true;
        // An empty folder setting would put the log in the file system's root.
        if (f.gOutboxDir.isEmpty() || AppendToFile(path, {})) {
            ShowSentItemsWarning(m);
            return false;
        }
    }
    if (m.OutboxMSGrid == nullptr) return false;
    const IndexLines* log = nullptr;
    if (const FileError err = GetOutBox(m).LogCopy().Current(path, log)) {
        if (created) {
            ShowSentItemsWarning(m);
            return false;
        }
        throw RuntimeError(err.number, QStringLiteral("LoadSentItemsGrid"), err.description);
    }
    bytes = log->Bytes();
    lines = log->Count();
    return true;
}

// Puts the rows into the grid (an empty log leaves the grid as it is) and draws it.
void FillGrid(Messages& m, IFlexGrid& grid, std::vector<FlexRow> rows) {
    grid.SetRedraw(false);
    if (!rows.empty()) {
        grid.SetCols(kColumns);
        grid.SetAllRows(std::move(rows));
    }
    if (m.Window) m.Window->RestoreSentItemsGridWidths();
    grid.SetRedraw(true);
}

}  // namespace

void LoadSentItemsGrid(Messages& m) {
    if (m.SentItemsLoading) m.SentItemsLoading->Drop();
    QByteArray bytes;
    int lines = 0;
    if (!ReadSentItemsLog(m, bytes, lines)) return;
    IFlexGrid* grid = m.OutboxMSGrid;
    FillGrid(m, *grid, SentItemsRows(bytes, m.F.Os.Codec, StatusTranslation(m.F)));

    grid->SetRow(grid->Rows() - 1);
    grid->SetCol(0);
    grid->SetSort(kFlexSortStringNoCaseDescending);
    if (m.Window) m.Window->OutBox_SetAllColumnsSelected();
}

SentItemsLoad::~SentItemsLoad() {
    if (m_worker.joinable()) m_worker.join();
}

void SentItemsLoad::Drop() {
    ++m_generation;
    m_pending = false;
}

void SentItemsLoad::Restart() {
    const std::function<void()> done = m_done;
    Start(done);
}

void SentItemsLoad::Start(const std::function<void()>& done) {
    const auto finished = [&done] {
        if (done) done();
    };
    // This load replaces any still on the worker, also when it fails.
    Drop();
    m_done = done;
    m_rowsInViewOrder = false;
    QByteArray bytes;
    int lines = 0;
    if (!ReadSentItemsLog(m_m, bytes, lines)) {
        finished();
        return;
    }
    if (lines <= BackgroundLines) {
        LoadSentItemsGrid(m_m);
        finished();
        return;
    }

    const int generation = m_generation;
    m_pending = true;
    // The worker decodes with a copy of the code page of now.
    const AnsiCodec codec = m_m.F.Os.Codec;
    const StatusTranslation translate(m_m.F);
    if (m_worker.joinable()) m_worker.join();
    m_worker = std::thread([this, bytes, codec, translate, generation, done] {
        auto rows = std::make_shared<std::vector<FlexRow>>(SentItemsRows(bytes, codec, translate));
        // The view's order: by file name, then by date, each newest first.
        SortFlexRows(*rows, 0, 0, true, true);
        SortFlexRows(*rows, kDateColumn, kDateColumn, true, true);
        QMetaObject::invokeMethod(
            &m_context, [this, generation, done, rows] { Finish(generation, done, std::move(*rows)); },
            Qt::QueuedConnection);
    });
}

void SentItemsLoad::Finish(int generation, const std::function<void()>& done, std::vector<FlexRow> rows) {
    IFlexGrid* grid = m_m.OutboxMSGrid;
    if (generation != m_generation || !grid) return;
    m_pending = false;
    FillGrid(m_m, *grid, std::move(rows));
    // The load's temporaries and the rows replaced are gone now.
    ReturnFreedHeapSoon();
    m_rowsInViewOrder = true;
    grid->SetRow(grid->Rows() - 1);
    grid->SetCol(0);
    if (m_m.Window) m_m.Window->OutBox_SetAllColumnsSelected();
    if (done) done();
}

FlexRow SentItemsRowOf(const Foundation& f, QStringView line) { return SentItemsRow(line, StatusTranslation(f)); }

namespace {
// Whether a change of the log is shown now (true), left for the view's next opening (false), or
// needs the whole grid loaded again (no main window to ask).
enum class SentItemsShown { Now, Later, Reload };
SentItemsShown HowSentItemsShow(const Messages& m) {
    if (m.OutboxMSGrid == nullptr) return SentItemsShown::Later;
    if (m.Window == nullptr) return SentItemsShown::Reload;
    return m.Window->MessageLogShown() == kSentItemsView ? SentItemsShown::Now : SentItemsShown::Later;
}
}  // namespace

void ShowChangedSentItems(Messages& m, const std::vector<SentItemsLineChange>& changes) {
    const SentItemsShown how = HowSentItemsShow(m);
    if (how == SentItemsShown::Later || changes.empty()) return;
    if (how == SentItemsShown::Now) {
        const StatusTranslation translate(m.F);
        std::vector<SentItemsRowChange> rows;
        rows.reserve(changes.size());
        for (const SentItemsLineChange& c : changes)
            rows.push_back({SentItemsRow(c.Before, translate).Cells(), SentItemsRow(c.After, translate).Cells()});
        if (m.Window->ChangeSentItemsRows(rows)) return;
    }
    LoadSentItemsGrid(m);
}

void ShowNewSentItem(Messages& m, const QString& line) {
    const SentItemsShown how = HowSentItemsShow(m);
    if (how == SentItemsShown::Later || line.isEmpty()) return;
    if (how == SentItemsShown::Now && m.Window->AddSentItemsRow(SentItemsRowOf(m.F, line))) return;
    LoadSentItemsGrid(m);
}

SentItemsLoad& GetSentItemsLoad(Messages& m) {
    if (!m.SentItemsLoading) m.SentItemsLoading = std::make_unique<SentItemsLoad>(m);
    return *m.SentItemsLoading;
}

}  // namespace tidepost

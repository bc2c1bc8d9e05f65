#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <unistd.h>

#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "editor/InboxIndexLine.h"
#include "foundation/DataFileText.h"
#include "foundation/CSession.h"
#include "foundation/ErrorHandling.h"
#include "foundation/FileErrorBox.h"
#include "foundation/IndexLines.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/RuntimeError.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cMsgLog.h"
#include "messages/MessageFileNames.h"
#include "messages/SentItemsGrid.h"
#include "platform/FileLookup.h"
#include "platform/HeapTuning.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kInboxColumns = 9;
constexpr int kSentColumns = 10;
constexpr int kDateColumn = 5;
constexpr int kInboxViewMode = 1;
constexpr int kSentViewMode = 2;
constexpr int kInboxMenuId = 2003;
constexpr int kSentMenuId = 2004;
constexpr quint8 kSortAscending = 5;
constexpr quint8 kSortDescending = 6;
const QString kNoFile = QStringLiteral("<Unknown file name>");

constexpr GridHeader kInboxHeaders[kInboxColumns] = {
    {2666, "Disk Filename"}, {2667, "Modem Filename"}, {306, "LES"},       {300, "Priority"}, {307, "Bits"},
    {2668, "Date & Time"},   {305, "Size"},            {2669, "Ref.No."}, {321, "Routing"},
};
constexpr GridHeader kSentHeaders[kSentColumns] = {
    {2886, "Filename"}, {2982, "Address"}, {2983, "Destination"}, {306, "LES"},     {307, "Bits"},
    {323, "Date"},      {2887, "Time"},    {305, "Size"},         {2669, "Ref.No."}, {318, "Status"},
};

QString ErrorTitle(const Foundation& f, int number) {
    return MlText(f, 2546, QStringLiteral("Error")) + QString::number(number);
}

// What differs between the inbox and the sent items when rows are deleted.
struct DeleteTarget {
    QString folder;
    QString indexType;
    const char* routine;
    const char* validPath;
};

DeleteTarget TargetOf(const Foundation& f, FolderGridKind kind) {
    if (kind == FolderGridKind::SentItems)
        return {f.gOutboxDir, QStringLiteral("out"), "MainForm.OutMsgDelete_Click",
                "Please set a valid Sent Items path in Options->Configuration->Routing and make sure you have write "
                "access."};
    return {f.gInboxDir, QStringLiteral("in"), "MainForm.InMsgDelete_Click",
            "Please set a valid path for Inbox in Options->Configuration->Routing and make sure you have write "
            "access."};
}

FileError DeleteFileIfThere(Foundation& f, const QString& path) {
    if (!CheckFileExists(f, path)) return {};
    if (::unlink(QFile::encodeName(ResolvePath(path)).constData()) != 0) return FileErrorFromErrno(errno);
    return {};
}

// The file names of the selected data rows, the bottom row first.
QStringList SelectedNamesBottomUp(const FlexGrid& grid) {
    QStringList names;
    for (int row = grid.SelBottom(); row >= std::max(grid.SelTop(), 1); --row) names.append(grid.TextMatrix(row, 0));
    return names;
}

// The grid rows of an index, newest first: the date texts have one fixed form, so plain text
// order is time order. Usable on any thread.
std::vector<FlexRow> RowsOfInboxIndex(const QByteArray& bytes, const AnsiCodec& codec) {
    // Each row with its date text, unpacked for the sort only.
    std::vector<std::pair<QString, FlexRow>> dated;
    dated.reserve(static_cast<size_t>(bytes.count('\n') + 1));
    ForEachFileLine(bytes, [&](QByteArrayView line) {
        if (std::optional<FlexRow> row = InboxRowFromIndexLine(codec.Decode(line))) {
            QString date = row->Cell(kDateColumn);
            dated.emplace_back(std::move(date), std::move(*row));
        }
    });
    std::stable_sort(dated.begin(), dated.end(), [](const auto& a, const auto& b) {
        return a.first.compare(b.first, Qt::CaseInsensitive) > 0;
    });
    std::vector<FlexRow> rows;
    rows.reserve(dated.size());
    for (auto& [date, row] : dated) rows.push_back(std::move(row));
    return rows;
}

}  // namespace

qint32 FolderViews::InboxGridIndex(qint16 row, qint16 col) const {
    return InboxMSGrid ? qint32(row) * InboxMSGrid->Cols() + col : 0;
}
qint32 FolderViews::OutboxGridIndex(qint16 row, qint16 col) const {
    return OutboxMSGrid ? qint32(row) * OutboxMSGrid->Cols() + col : 0;
}
qint32 FolderViews::EGCGridIndex(qint16 row, qint16 col) const {
    return EGCMSGrid ? qint32(row) * EGCMSGrid->Cols() + col : 0;
}

void FolderViews::InboxLoadFailed(int number, const QString& description) {
    MessageBoxRequest box;
    box.text = FormatErrorText(F, 2709, QStringLiteral("(MainForm.InboxButton_Click) Error '%0': %1."), number,
                               description) +
               "\r\n" + GetFileErrorText(F, number, kNoFile);
    if (number == kErrPathNotFound)
        box.text += MlText(F, 2710,
                           QStringLiteral("Please set a valid Inbox path in Options->Configuration->Routing and make "
                                          "sure you have write access."));
    box.title = ErrorTitle(F, number);
    ShowFileErrorBox(F, box);
}

void FolderViews::InboxButton_Click() { LoadInboxView(true); }

void FolderViews::LoadInboxView(bool mayUseWorker) {
    FlexGrid* grid = InboxMSGrid;
    if (!grid) return;
    // This load replaces any still on its worker, also when it fails.
    const int generation = ++m_inboxGeneration;
    m_inboxLoadPending = false;
    grid->SetRows(1);
    grid->SetCols(kInboxColumns);

    if (F.gInboxDir.isEmpty() || !QFileInfo(NormalizeSeparators(F.gInboxDir)).isDir()) {
        InboxLoadFailed(kErrPathNotFound, QStringLiteral("Path not found"));
        return;
    }
    const QString path = ResolvePath(AddBackslash(F.gInboxDir) + "in.idx");
    QByteArray bytes;
    if (const FileError err = ReadOrCreateIndex(F, path, bytes)) {
        InboxLoadFailed(err.number, err.description);
        return;
    }

    ShowFolderView(kInboxViewMode);
    SetGridHeaders(F, *grid, kInboxHeaders, kInboxColumns);

    grid->SetRedraw(false);
    if (m_inboxLoader.joinable()) m_inboxLoader.join();
    if (!mayUseWorker || bytes.count('\n') <= InboxBackgroundLoadLines) {
        FinishInboxLoad(generation, RowsOfInboxIndex(bytes, F.Os.Codec));
        return;
    }
    m_inboxLoadPending = true;
    // The worker decodes with a copy of the code page of now.
    m_inboxLoader = std::thread([this, bytes, codec = F.Os.Codec, generation] {
        auto rows = std::make_shared<std::vector<FlexRow>>(RowsOfInboxIndex(bytes, codec));
        QMetaObject::invokeMethod(
            &m_context, [this, generation, rows] { FinishInboxLoad(generation, std::move(*rows)); },
            Qt::QueuedConnection);
    });
}

void FolderViews::FinishInboxLoad(int generation, std::vector<FlexRow> rows) {
    FlexGrid* grid = InboxMSGrid;
    if (generation != m_inboxGeneration || !grid) return;
    m_inboxLoadPending = false;
    grid->SetAllRows(std::move(rows));
    // The load's temporaries and the rows replaced are gone now.
    ReturnFreedHeapSoon();
    RestoreInboxGridWidths();
    grid->SetRedraw(true);

    if (grid->Rows() > 1) grid->SetRow(1);
    grid->SetCol(0);
    InBox_SetAllColumnsSelected();
    if (grid->isVisible()) grid->setFocus();
    if (Seams.HotListAdd) Seams.HotListAdd(kInboxMenuId, 0);
}

void FolderViews::SortByColumn(FolderGridKind kind, quint8& order) {
    FlexGrid* grid = Grid(kind);
    order = order == kSortAscending ? kSortDescending : kSortAscending;
    if (!grid) return;
    grid->SetSort(order);
}

void FolderViews::InSortColumn_Click() { SortByColumn(FolderGridKind::Inbox, InboxSortOrder); }

void FolderViews::SentItemsSortColumn_Click() { SortByColumn(FolderGridKind::SentItems, SentItemsSortOrder); }

void FolderViews::OutboxButton_Click() {
    FlexGrid* grid = OutboxMSGrid;
    if (!grid) return;
    grid->SetRows(1);
    grid->SetCols(kSentColumns);
    ShowFolderView(kSentViewMode);
    SetGridHeaders(F, *grid, kSentHeaders, kSentColumns);
    try {
        // A long log comes in from a worker; the view is finished once its rows are in.
        GetSentItemsLoad(M).Start([this] { ShowSentItemsByDate(); });
    } catch (const RuntimeError& e) {
        QString text = FormatErrorText(F, 2714, QStringLiteral("(MainForm.OutboxButton_Click) Error '%0': %1."),
                                       e.Number, e.Description) +
                       "\r\n" + GetFileErrorText(F, e.Number, kNoFile);
        if (e.Number == kErrPathNotFound)
            text += MlText(F, 2715,
                           QStringLiteral("Please set a valid Sent Items path in Options->Configuration->Routing and "
                                          "make sure you have write access."));
        MessageBoxRequest box;
        box.text = text;
        box.title = ErrorTitle(F, e.Number);
        ShowFileErrorBox(F, box);
    }
}

void FolderViews::ShowSentItemsByDate() {
    FlexGrid* grid = OutboxMSGrid;
    if (!grid) return;
    grid->SetRow(0);
    grid->SetCol(kDateColumn);
    // Rows from the worker come in this order already; sorting them again would only hold the window.
    if (!GetSentItemsLoad(M).RowsInViewOrder()) grid->SetSort(kFlexSortStringNoCaseDescending);
    if (grid->Rows() > 1) grid->SetRow(1);
    grid->SetCol(0);
    OutBox_SetAllColumnsSelected();
    if (grid->isVisible()) grid->setFocus();
    if (Seams.HotListAdd) Seams.HotListAdd(kSentMenuId, 0);
}

void FolderViews::InboxDeleteMessage_Click() { DeleteSelectedRows(FolderGridKind::Inbox); }

void FolderViews::SentItemsDeleteMessage_Click() { DeleteSelectedRows(FolderGridKind::SentItems); }

int FolderViews::DeleteSelectedInboxMessages(bool bAsk) { return DeleteSelectedRow(FolderGridKind::Inbox, bAsk); }

int FolderViews::DeleteSelectedSentItems(bool bAsk) { return DeleteSelectedRow(FolderGridKind::SentItems, bAsk); }

void FolderViews::DeleteSelectedRows(FolderGridKind kind) {
    FlexGrid* grid = Grid(kind);
    if (!grid) return;
    grid->SetRedraw(false);
    if (grid->Rows() > 1) {
        // Names, not row numbers: a message may arrive and push the rows down while a question is open.
        bool ask = true;
        for (const QString& name : SelectedNamesBottomUp(*grid)) {
            const int row = grid->FindRow(0, name);
            if (row < 1) continue;
            grid->SetRow(row);
            SetAllColumnsSelected(*grid, kind);
            const int answer = DeleteSelectedRow(kind, ask);
            if (answer == kAnswerNoToAll) break;
            if (answer == kAnswerYesToAll) ask = false;
        }
    }
    grid->SetRedraw(true);
}

int FolderViews::DeleteSelectedRow(FolderGridKind kind, bool bAsk) {
    FlexGrid* grid = Grid(kind);
    if (!grid || grid->Rows() < 2) return 0;
    const DeleteTarget target = TargetOf(F, kind);
    const int row = grid->Row(), col = grid->Col();
    const QString file = grid->TextMatrix(row, 0);

    int answer = bAsk ? AskDelete(target.folder, file) : kAnswerYesToAll;
    if (answer == kAnswerNoToAll) return answer;
    if (const FileError err = DeleteFileIfThere(F, AddBackslash(target.folder) + file)) {
        QueueMessageBox(F,
                        WithFileErrorText(F, ComposeErrorText(QString::fromLatin1(target.routine), err.number,
                                                              err.description),
                                          err.number, kNoFile) +
                            QString::fromLatin1(target.validPath),
                        MlText(F, 2673, QStringLiteral("Error '%0'")).replace("%0", QString::number(err.number)), 3);
        answer = 0;
    } else {
        cMsgLog(F).DeleteFromMsgLog(file, target.folder, target.indexType);
        // The row that shows the file, wherever a newly arrived message has moved it.
        const int shown = grid->FindRow(0, file);
        if (shown >= 1) grid->RemoveItem(shown);
    }
    grid->SetCol(std::min(col, grid->Cols() - 1));
    grid->SetRow(std::min(row, grid->Rows() - 1));
    SetAllColumnsSelected(*grid, kind);
    return answer;
}

void FolderViews::InboxMarkUnread_Click() {
    FlexGrid* grid = InboxMSGrid;
    if (!grid || grid->Rows() < 2) return;
    // By name: each mark reloads the view in its default order, which may not be the order shown.
    for (const QString& name : SelectedNamesBottomUp(*grid)) {
        const int row = grid->FindRow(0, name);
        if (row < 1) continue;
        grid->SetRow(row);
        grid->SetFillStyle(0);
        grid->SetCellFontBold(true);
        InBox_SetAllColumnsSelected();
        MarkInboxMessageUnread();
    }
}

void FolderViews::MarkInboxMessageUnread() {
    FlexGrid* grid = InboxMSGrid;
    if (!grid) return;
    const int row = grid->Row();
    const QString file = grid->TextMatrix(row, 0);
    if (row < 1 || !CheckFileExists(F, AddBackslash(F.gInboxDir) + file)) return;

    const QString index = ResolvePath(AddBackslash(F.gInboxDir) + "in.idx");
    QByteArray bytes;
    FileError err = ReadFileBytes(index, bytes);
    if (!err) {
        const IndexLines lines(std::move(bytes));
        // A name of ASCII characters can only end lines whose last bytes are those letters in
        // either case, so the other lines are not decoded at all.
        const QByteArray name = F.Os.Codec.Encode(file);
        bool ascii = F.Os.Codec.Decode(name) == file;
        for (const char c : name) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
        std::vector<IndexLines::Edit> edits;
        for (int i = 0; i < lines.Count(); ++i) {
            const QByteArrayView text = lines.Text(i);
            if (ascii && !EndsWithAsciiNoCase(text, name)) continue;
            const QString line = F.Os.Codec.Decode(text.toByteArray());
            if (!line.endsWith(file, Qt::CaseInsensitive)) continue;
            if (const std::optional<QString> marked = InboxLineMarkedUnread(line)) {
                QByteArray encoded = F.Os.Codec.Encode(*marked);
                if (encoded != text) edits.push_back({i, std::move(encoded)});
            }
        }
        if (!edits.empty())
            err = WriteFileAtomic(index, lines.Edited(edits), ResolvePath(AddBackslash(F.gInboxDir) + "In.bak"));
    }
    if (err) {
        // The index stays as it was; the operator learns why the mark did not hold.
        QueueMessageBox(F,
                        WithFileErrorText(F,
                                          ComposeErrorText(QStringLiteral("MainForm.InboxMarkUnread_Click"),
                                                           err.number, err.description),
                                          err.number, kNoFile) +
                            QString::fromLatin1(TargetOf(F, FolderGridKind::Inbox).validPath),
                        MlText(F, 2673, QStringLiteral("Error '%0'")).replace("%0", QString::number(err.number)), 3);
        grid->SetRow(row);
        InBox_SetAllColumnsSelected();
        return;
    }
    // At once: the row of the file is chosen in the reloaded view.
    LoadInboxView(false);
    const int shown = grid->FindRow(0, file);
    grid->SetRow(shown >= 1 ? shown : std::min(row, grid->Rows() - 1));
    InBox_SetAllColumnsSelected();
}

}  // namespace tidepost

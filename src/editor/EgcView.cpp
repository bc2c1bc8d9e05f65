#include <QFile>
#include <cerrno>
#include <unistd.h>

#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "egc/EgcIndexLine.h"
#include "foundation/DataFileText.h"
#include "foundation/CSession.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cMsgLog.h"
#include "messages/MessageFileNames.h"
#include "platform/HeapTuning.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kEgcColumns = 10;
constexpr int kEgcViewMode = 3;
constexpr int kEgcMenuId = 2005;
const QString kNoFile = QStringLiteral("<Unknown file name>");

constexpr GridHeader kHeaders[kEgcColumns] = {
    {2666, "Disk Filename"}, {2667, "Modem Filename"}, {306, "LES"},      {320, "Service"}, {300, "Priority"},
    {307, "Bits"},           {2668, "Date & Time"},    {305, "Size"},     {2669, "Ref.No."}, {321, "Routing"},
};

QString ErrorBoxTitle(const Foundation& f, int number) {
    return MlText(f, 2673, QStringLiteral("Error '%0'")).replace(QStringLiteral("%0"), QString::number(number));
}

QString ValidPathText(const Foundation& f) {
    return MlText(f, 2672,
                  QStringLiteral("Please set a valid path for EGC's in Options->Configuration->Routing and make sure "
                                 "you have write access."));
}

std::optional<FlexRow> EgcFlexRow(QStringView line) {
    std::optional<EgcGridRow> egc = EgcRowFromIndexLine(line);
    if (!egc) return std::nullopt;
    return FlexRow{std::move(egc->Cells), egc->Urgent ? kGridRed : kGridBlack, egc->Unread};
}

// The grid rows of an index, newest first (by disk file name, letter case ignored).
std::vector<FlexRow> RowsOfEgcIndex(const QByteArray& bytes, const AnsiCodec& codec) {
    std::vector<FlexRow> rows;
    rows.reserve(static_cast<size_t>(bytes.count('\n') + 1));
    ForEachFileLine(bytes, [&](QByteArrayView line) {
        if (std::optional<FlexRow> row = EgcFlexRow(codec.Decode(line))) rows.push_back(std::move(*row));
    });
    SortFlexRows(rows, 0, 0, true, true);
    return rows;
}

}  // namespace

void FolderViews::EgcLoadFailed(int number, const QString& description) {
    QString text = FormatErrorText(F, 2671, QStringLiteral("(MainForm.EGCButton_Click) Error '%0': %1."), number,
                                   description) +
                   "\r\n" + GetFileErrorText(F, number, kNoFile);
    if (number == kErrPathNotFound) text += ValidPathText(F);
    QueueMessageBox(F, text, ErrorBoxTitle(F, number));
}

void FolderViews::EGCButton_Click() {
    FlexGrid* grid = EGCMSGrid;
    if (!grid) return;
    grid->SetRows(1);
    grid->SetCols(kEgcColumns);

    const QString path = ResolvePath(AddBackslash(F.gEgcDir) + "EGC.IDX");
    if (F.gEgcDir.isEmpty()) {
        EgcLoadFailed(kErrPathNotFound, QStringLiteral("Path not found"));
        return;
    }
    QByteArray bytes;
    if (const FileError err = ReadOrCreateIndex(F, path, bytes)) {
        EgcLoadFailed(err.number, err.description);
        return;
    }

    ShowFolderView(kEgcViewMode);
    SetGridHeaders(F, *grid, kHeaders, kEgcColumns);

    grid->SetRedraw(false);
    const int generation = ++m_egcGeneration;
    m_egcLoadPending = true;
    if (m_egcLoader.joinable()) m_egcLoader.join();
    if (bytes.count('\n') <= EgcBackgroundLoadLines) {
        FinishEgcLoad(generation, RowsOfEgcIndex(bytes, F.Os.Codec));
        return;
    }
    // The worker decodes with a copy of the code page of now.
    m_egcLoader = std::thread([this, bytes, codec = F.Os.Codec, generation] {
        auto rows = std::make_shared<std::vector<FlexRow>>(RowsOfEgcIndex(bytes, codec));
        QMetaObject::invokeMethod(
            &m_context, [this, generation, rows] { FinishEgcLoad(generation, std::move(*rows)); },
            Qt::QueuedConnection);
    });
}

void FolderViews::FinishEgcLoad(int generation, std::vector<FlexRow> rows) {
    FlexGrid* grid = EGCMSGrid;
    if (generation != m_egcGeneration || !grid) return;
    m_egcLoadPending = false;
    grid->SetAllRows(std::move(rows));
    // The load's temporaries and the rows replaced are gone now.
    ReturnFreedHeapSoon();
    RestoreEgcGridWidths();
    grid->SetRedraw(true);

    if (grid->Rows() > 1) grid->SetRow(1);
    grid->SetCol(0);
    EgcBox_SetAllColumnsSelected();
    if (!grid->isEnabled()) grid->setEnabled(true);
    if (grid->isVisible()) grid->setFocus();
    if (Seams.HotListAdd) Seams.HotListAdd(kEgcMenuId, 0);
}

void FolderViews::AddEgcRow(const QString& indexLine) {
    FlexGrid* grid = EGCMSGrid;
    if (!grid) return;
    if (m_egcLoadPending) {
        EGCButton_Click();
        return;
    }
    std::optional<FlexRow> row = EgcFlexRow(indexLine);
    if (!row) return;
    const int current = grid->Row();
    if (grid->Cols() < kEgcColumns) grid->SetCols(kEgcColumns);
    grid->AddItem(1, std::move(*row));
    grid->SetRow(std::min(current + 1, grid->Rows() - 1));
    EgcBox_SetAllColumnsSelected();
}

bool FolderViews::IsEgcViewShown() const {
    const FlexGrid* grid = EGCMSGrid;
    return grid && grid->isVisibleTo(grid->window());
}

void FolderViews::EGCDelete_Click() {
    FlexGrid* grid = EGCMSGrid;
    if (!grid) return;
    grid->SetRedraw(false);
    if (grid->Rows() > 1) {
        // Names, not row numbers: an EGC may arrive and push the rows down while a question is open.
        QStringList names;
        for (int row = grid->SelBottom(); row >= std::max(grid->SelTop(), 1); --row)
            names.append(grid->TextMatrix(row, 0));
        bool ask = true;
        for (const QString& name : names) {
            const int row = grid->FindRow(0, name);
            if (row < 1) continue;
            grid->SetRow(row);
            EgcBox_SetAllColumnsSelected();
            const int answer = DeleteSelectedEgcs(ask);
            if (answer == kAnswerNoToAll) break;
            if (answer == kAnswerYesToAll) ask = false;
        }
    }
    grid->SetRedraw(true);
}

bool FolderViews::DeleteEgcFile(const QString& file, int& number, QString& description) {
    const QString path = ResolvePath(AddBackslash(F.gEgcDir) + file);
    if (!CheckFileExists(F, path)) return true;
    if (::unlink(QFile::encodeName(path).constData()) != 0) {
        const FileError err = FileErrorFromErrno(errno);
        number = err.number;
        description = err.description;
        return false;
    }
    return true;
}

int FolderViews::DeleteSelectedEgcs(bool bAsk) {
    FlexGrid* grid = EGCMSGrid;
    if (!grid || grid->Rows() < 2) return 0;
    const int row = grid->Row(), col = grid->Col();
    const QString file = grid->TextMatrix(row, 0);

    int answer = bAsk ? AskDelete(F.gEgcDir, file) : kAnswerYesToAll;
    if (answer == kAnswerNoToAll) return answer;
    if (answer == kAnswerYes || answer == kAnswerYesToAll) {
        int number = 0;
        QString description;
        if (!DeleteEgcFile(file, number, description)) {
            QueueMessageBox(F,
                            FormatErrorText(F, 2677, QStringLiteral("(MainForm.EGCDelete_Click) Error '%0': %1."),
                                            number, description) +
                                "\r\n" + GetFileErrorText(F, number, kNoFile) + ValidPathText(F),
                            ErrorBoxTitle(F, number));
            answer = 0;
        } else {
            cMsgLog(F).DeleteFromMsgLog(file, F.gEgcDir, QStringLiteral("egc"));
            // The row that shows the file, wherever a newly arrived EGC has moved it.
            const int shown = grid->FindRow(0, file);
            if (shown >= 1) grid->RemoveItem(shown);
        }
    }
    grid->SetCol(std::min(col, grid->Cols() - 1));
    grid->SetRow(std::min(row, grid->Rows() - 1));
    EgcBox_SetAllColumnsSelected();
    return answer;
}

void FolderViews::EGCMarkUnread_Click() {
    FlexGrid* grid = EGCMSGrid;
    if (!grid || grid->Rows() < 2) return;
    const int top = std::max(grid->SelTop(), 1), bottom = grid->SelBottom();
    for (int row = bottom; row >= top; --row) {
        grid->SetRow(row);
        grid->SetFillStyle(0);
        grid->SetCellFontBold(true);
        EgcBox_SetAllColumnsSelected();
        MarkEgcUnread();
    }
}

bool FolderViews::RewriteEgcReadFlag(const QString& file, int& number, QString& description) {
    const QString index = ResolvePath(AddBackslash(F.gEgcDir) + "egc.idx");
    QByteArray bytes;
    if (const FileError err = ReadFileBytes(index, bytes)) {
        number = err.number;
        description = err.description;
        return false;
    }
    QByteArray out;
    out.reserve(bytes.size() + 16);
    bool changed = false;
    // Only a line that holds the name somewhere is split into its fields.
    const QByteArray wanted = F.Os.Codec.Encode(file).toLower();
    for (const QByteArray& raw : SplitKeepingEnds(bytes)) {
        if (!raw.toLower().contains(wanted)) {
            out += raw;
            continue;
        }
        const QByteArray end = LineEndOf(raw);
        QStringList parts = F.Os.Codec.Decode(raw.left(raw.size() - end.size())).split(u':');
        // The file name is the twelfth part, and the last one unless something follows it.
        if (parts.size() >= 12 && (parts[11].compare(file, Qt::CaseInsensitive) == 0 ||
                                   parts.last().compare(file, Qt::CaseInsensitive) == 0)) {
            parts[10] = QStringLiteral("No");
            out += F.Os.Codec.Encode(parts.join(u':')) + end;
            changed = true;
        } else {
            out += raw;
        }
    }
    if (!changed) return true;
    if (const FileError err = WriteFileAtomic(index, out, ResolvePath(AddBackslash(F.gEgcDir) + "egc.bak"))) {
        number = err.number;
        description = err.description;
        return false;
    }
    return true;
}

void FolderViews::MarkEgcUnread() {
    FlexGrid* grid = EGCMSGrid;
    if (!grid) return;
    const int row = grid->Row();
    const QString file = grid->TextMatrix(row, 0);
    if (row >= 1 && CheckFileExists(F, ResolvePath(AddBackslash(F.gEgcDir) + file))) {
        int number = 0;
        QString description;
        if (!RewriteEgcReadFlag(file, number, description)) {
            QString text = FormatErrorText(F, 2678, QStringLiteral("(MainForm.EGCMarkUnread_Click) Error '%0': %1."),
                                           number, description) +
                           "\r\n" + GetFileErrorText(F, number, kNoFile);
            if (number == kErrPathNotFound) text += "\r\n" + ValidPathText(F);
            QueueMessageBox(F, text, ErrorBoxTitle(F, number));
        }
    }
    grid->SetRow(row);
    EgcBox_SetAllColumnsSelected();
}

}  // namespace tidepost

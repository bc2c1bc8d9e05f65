#include "messages/SentItemsGrid.h"

#include <QStringList>
#include <utility>

#include "foundation/DataFileText.h"
#include "foundation/Definitions.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/IFlexGrid.h"
#include "foundation/MlText.h"
#include "foundation/RuntimeError.h"
#include "foundation/UsefullRoutines.h"
#include "messages/IMessagesWindow.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"
#include "platform/AtomicFile.h"

namespace tidepost {

namespace {

constexpr int kColumns = 10;
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

void FillRow(IFlexGrid& grid, int row, const QString& line, const StatusTranslation& translate) {
    const OutboxFields fields = SplitOutboxLine(line);
    const auto field = [&fields](int i) { return i < fields.size() ? fields[i].toString() : QString(); };

    const QString to = RemoveColons(field(17));
    QStringList aliases;
    for (const QString& alias : {to, RemoveColons(field(18)), RemoveColons(field(19))})
        if (!alias.isEmpty()) aliases.append(alias);
    const QString cells[kColumns] = {
        RemoveColons(field(0)),          aliases.join(u','),         RemoveColons(field(1)), RemoveSpaces(field(2)),
        field(3),                        field(4) + " " + field(5), field(5),               RemoveSpaces(field(6)),
        RemoveSpaces(field(7)),          translate(field(8)),
    };
    const int colour = to == kSearchAndRescue ? kRed : kBlack;

    grid.SetCols(kColumns);
    grid.SetRows(row + 1);
    grid.SetRow(row);
    for (int col = 0; col < kColumns; ++col) {
        grid.SetCol(col);
        grid.SetCellAlignment(kFlexAlignLeftCenter);
        grid.SetCellForeColor(colour);
        grid.SetText(cells[col]);
    }
}

}  // namespace

void LoadSentItemsGrid(Messages& m) {
    Foundation& f = m.F;
    const QString path = ResolvePath(AddBackslash(f.gOutboxDir) + "OUT.IDX");
    bool created = false;
    if (!CheckFileExists(f, path)) {
        created = true;
        // An empty folder setting would put the log in the file system's root.
        if (f.gOutboxDir.isEmpty() || AppendToFile(path, {})) {
            ShowSentItemsWarning(m);
            return;
        }
    }
    IFlexGrid* grid = m.OutboxMSGrid;
    if (grid == nullptr) return;

    QByteArray bytes;
    if (const FileError err = ReadFileBytes(path, bytes)) {
        if (created) {
            ShowSentItemsWarning(m);
            return;
        }
        throw RuntimeError(err.number, QStringLiteral("LoadSentItemsGrid"), err.description);
    }
    const QStringList lines = SplitFileLines(f.Os.Codec.Decode(bytes));
    const StatusTranslation translate(f);

    grid->SetRedraw(false);
    int filled = 0;
    for (const QString& line : lines) {
        if (line.isEmpty()) continue;
        FillRow(*grid, filled + 1, line, translate);
        ++filled;
    }
    if (m.Window) m.Window->RestoreSentItemsGridWidths();
    grid->SetRedraw(true);

    grid->SetRow(grid->Rows() - 1);
    grid->SetCol(0);
    grid->SetSort(kFlexSortStringNoCaseDescending);
    if (m.Window) m.Window->OutBox_SetAllColumnsSelected();
}

}  // namespace tidepost

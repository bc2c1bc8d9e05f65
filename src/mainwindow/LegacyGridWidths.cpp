#include "mainwindow/LegacyGridWidths.h"

#include <QFile>
#include <QFileInfo>

#include "foundation/AppSettings.h"
#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "foundation/LogFiles.h"
#include "foundation/RuntimeError.h"
#include "platform/AtomicFile.h"

namespace tidepost {

namespace {

struct Header {
    const char* line;
    const char* key;
    const char* suffix;
};
constexpr Header kHeaders[] = {
    {"[INBOXGRID]", "INBOXGRID", ":1000"},
    {"[EGCGRID]", "EGCGRID", ""},
    {"[SENTITEMSGRID]", "SENTITEMSGRID", ""},
};

const Header* HeaderOf(const QString& line) {
    const QString upper = line.toUpper();
    for (const Header& h : kHeaders)
        if (upper == QLatin1String(h.line)) return &h;
    return nullptr;
}

}  // namespace

void MigrateLegacyGridWidths(Foundation& f) {
    const QString path = DataFilePath(f, f.gProductName + QStringLiteral(".dat"));
    if (path.isEmpty() || !QFileInfo(path).isFile()) return;
    QByteArray bytes;
    if (const FileError err = ReadFileBytes(path, bytes))
        throw RuntimeError(err.number, QStringLiteral("MainForm.Load"), err.description);

    const QStringList lines = SplitFileLines(f.Os.Codec.Decode(bytes));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const Header* header = HeaderOf(lines[i]);
        if (header == nullptr) continue;
        ++i;
        SaveAppSetting(f, f.gProductName, QStringLiteral("Config"), QLatin1String(header->key),
                       lines[i] + QLatin1String(header->suffix));
    }
    QFile::remove(path);
}

}  // namespace tidepost

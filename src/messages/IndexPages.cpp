#include "messages/IndexPages.h"

#include <algorithm>

#include "foundation/Array2D.h"
#include "foundation/DataFileText.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/HtmlText.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "foundation/TimerTick.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/UsefullRoutines.h"
#include "link/UploadChecks.h"
#include "messages/MessageFileNames.h"

namespace tidepost {

namespace {

// The longest name a Linux file system gives a file.
constexpr qsizetype kLongestFileName = 255;

bool IsLinkCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
           c == '-';
}

// Pages are made while the forms server answers a request: like a timer tick, that must not
// stop in a modal box, so a file error met on the way is queued for the operator instead.
class AnsweringRequest {
public:
    explicit AnsweringRequest(Foundation& f) : m_tick(f, m_running) {}

private:
    bool m_running = false;
    TimerTick m_tick;
};

}  // namespace

bool ReadIndexLines(Foundation& f, const QString& folder, const QString& name, const QString& routine,
                    QStringList& lines) {
    lines.clear();
    if (folder.isEmpty()) return false;
    const AnsweringRequest answering(f);
    const QString path = AddBackslash(folder) + name;
    QByteArray bytes;
    if (const FileError err = ReadOrCreateIndex(f, path, bytes)) {
        const QString text = ComposeErrorText(routine, err.number, err.description);
        QueueMessageBox(f, WithFileErrorText(f, text, err.number, path), ErrorTitle(err.number));
        return false;
    }
    lines = SplitFileLines(f.Os.Codec.Decode(bytes));
    return true;
}

QList<int> PageRowOrder(const IndexPageTable& table, int nameColumn, int items, int sortColumn, bool ascending) {
    const int rows = table.Rows();
    QList<int> order(rows);
    QList<QStringView> keys(rows);
    for (int row = 0; row < rows; ++row) {
        order[row] = row;
        keys[row] = table.Cell(nameColumn, row);
    }
    SortRowsByText(keys, order, false);
    order.resize(std::clamp<qsizetype>(items, 0, order.size()));
    keys.resize(order.size());
    for (qsizetype i = 0; i < order.size(); ++i) keys[i] = table.Cell(sortColumn, order[i]);
    SortRowsByText(keys, order, ascending);
    return order;
}

void AppendHtml(QString& html, QStringView text) {
    const bool plain = std::none_of(text.cbegin(), text.cend(), [](QChar c) {
        return c == u'&' || c == u'<' || c == u'>' || c == u'"';
    });
    if (plain) html += text;
    else html += text.toString().toHtmlEscaped();
}

void AppendLinkId(QString& html, const Foundation& f, QStringView name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto isLinkCharacter = [](QChar c) { return c.unicode() < 0x80 && IsLinkCharacter(char(c.unicode())); };
    if (std::all_of(name.cbegin(), name.cend(), isLinkCharacter)) {
        html += name;
        return;
    }
    for (const char c : f.Os.Codec.Encode(name.toString())) {
        if (IsLinkCharacter(c)) {
            html += QLatin1Char(c);
        } else {
            const auto byte = static_cast<unsigned char>(c);
            html += u'%';
            html += QLatin1Char(kHex[byte >> 4]);
            html += QLatin1Char(kHex[byte & 0xF]);
        }
    }
}

void GetStoredMessage(Foundation& f, const QString& folder, QString& strFileName, QString& strMessage) {
    const AnsweringRequest answering(f);
    const QString name = strFileName;
    strFileName = AddBackslash(folder) + name;
    // A request names the file: anything but a plain name of the folder's own could lead out of it.
    const bool readable = !folder.isEmpty() && IsPlainFileName(name) && name.size() <= kLongestFileName &&
                          CheckFileExists(f, strFileName);
    if (readable) {
        strMessage = TextToHtml(NormalizeCrLf(GetFileContent(f, strFileName)));
        return;
    }
    const QString missing = FormatMlString(MlText(f, 2574, QStringLiteral("'%0' Does not exist!")), {strFileName});
    const QString deleted = MlText(f, 2575, QStringLiteral("The file might have been manually deleted by operator."));
    strMessage = missing.toHtmlEscaped() + QStringLiteral("\r\n") + deleted.toHtmlEscaped();
}

}  // namespace tidepost

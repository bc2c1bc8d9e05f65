#include "messages/IndexPages.h"

#include <algorithm>
#include <utility>

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
#include "platform/AnsiCodec.h"

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

bool ReadIndexText(Foundation& f, const QString& folder, const QString& name, const QString& routine, QString& text) {
    text.clear();
    if (folder.isEmpty()) return false;
    const AnsweringRequest answering(f);
    const QString path = AddBackslash(folder) + name;
    QByteArray bytes;
    if (const FileError err = ReadOrCreateIndex(f, path, bytes)) {
        const QString message = ComposeErrorText(routine, err.number, err.description);
        QueueMessageBox(f, WithFileErrorText(f, message, err.number, path), ErrorTitle(err.number));
        return false;
    }
    text = f.Os.Codec.Decode(bytes);
    return true;
}

int CutFields(QStringView line, char16_t separator, QStringView* fields, int count) {
    if (count < 1) return 0;
    const char16_t* chars = line.utf16();
    const qsizetype size = line.size();
    int found = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (chars[i] != separator) continue;
        fields[found++] = line.sliced(start, i - start);
        if (found == count) return found;
        start = i + 1;
    }
    fields[found++] = line.sliced(start);
    return found;
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

PageWriter::PageWriter(qsizetype expected) { Grow(std::max<qsizetype>(expected, 16)); }

void PageWriter::Grow(qsizetype n) {
    m_page.resize(std::max(m_used + n, m_page.size() * 2));
    m_begin = reinterpret_cast<char16_t*>(m_page.data());
}

void PageWriter::Markup(QStringView markup) {
    char16_t* to = Room(markup.size());
    std::copy(markup.utf16(), markup.utf16() + markup.size(), to);
    m_used += markup.size();
}

void PageWriter::Text(QStringView text) {
    const char16_t* from = text.utf16();
    const qsizetype size = text.size();
    char16_t* to = Room(size);
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = from[i];
        const char* entity = nullptr;
        if (c <= u'>') {
            switch (c) {
            case u'&': entity = "&amp;"; break;
            case u'<': entity = "&lt;"; break;
            case u'>': entity = "&gt;"; break;
            case u'"': entity = "&quot;"; break;
            default: break;
            }
        }
        if (!entity) {
            *to++ = c;
            continue;
        }
        // The rest of the field still needs its room after the entity.
        m_used = to - m_begin;
        to = Room(6 + size - i - 1);
        while (*entity) *to++ = static_cast<char16_t>(*entity++);
    }
    m_used = to - m_begin;
}

void PageWriter::LinkId(const AnsiCodec& codec, QStringView name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    const auto isLinkCharacter = [](char16_t c) { return c < 0x80 && IsLinkCharacter(static_cast<char>(c)); };
    const char16_t* from = name.utf16();
    const qsizetype size = name.size();
    if (std::all_of(from, from + size, isLinkCharacter)) {
        Markup(name);
        return;
    }
    char16_t* to = Room(3 * size);
    for (qsizetype i = 0; i < size; ++i) {
        const int byte = codec.ByteOf(QChar(from[i]));
        const char c = static_cast<char>(byte < 0 ? '?' : byte);
        if (IsLinkCharacter(c)) {
            *to++ = static_cast<unsigned char>(c);
        } else {
            const auto b = static_cast<unsigned char>(c);
            *to++ = u'%';
            *to++ = static_cast<char16_t>(kHex[b >> 4]);
            *to++ = static_cast<char16_t>(kHex[b & 0xF]);
        }
    }
    m_used = to - m_begin;
}

void PageWriter::LinkCell(const AnsiCodec& codec, QLatin1String request, QStringView name) {
    Markup(QLatin1String("<td><a href="));
    Markup(request);
    Markup(QLatin1String("?ID="));
    LinkId(codec, name);
    Markup(QLatin1String(">"));
    Text(name);
    Markup(QLatin1String("</a></td>"));
}

QString PageWriter::Take() {
    m_page.truncate(m_used);
    m_used = 0;
    m_begin = nullptr;
    return std::exchange(m_page, QString());
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

// in.idx and OUT.IDX as the forms server's pages show them, and a requested message ID: any
// index gives a table with one row per line and no markup but the table's own; any ID reads
// only a file of its store's folder.
//
// Input: one byte for the row count, one for the column, then the index text; the index's first
// line is also the requested ID.
#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include "FuzzWorld.h"
#include "foundation/DataFileText.h"
#include "link/Link.h"
#include "messages/CInbox.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"

TIDEPOST_FUZZ_START_QT

namespace {

// The markup the tables are made of; anything else that starts with "<" came from the index.
bool OnlyOwnMarkup(QString html) {
    static const char* own[] = {"<style type=\"text/css\">", "</style>", "<!--", "<table>", "</table>",
                                "<tr>", "<tr bgcolor=#EEEEEE", "<tr ", "</tr>", "<td>", "</td>", "<b>", "</b>", "</th>",
                                "<a href=REQUESTRXMSG?ID=", "<a href=REQUESTTXMSG?ID=", "</a>"};
    for (const char* tag : own) html.remove(QLatin1String(tag));
    return !html.contains(u'<');
}

bool LinksArePlain(const QString& html) {
    static const QRegularExpression link(QStringLiteral("ID=([^>]*)>"));
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._%-]*$"));
    for (auto it = link.globalMatch(html); it.hasNext();)
        if (!plain.match(it.next().captured(1)).hasMatch()) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    if (size < 2) return 0;
    fuzz::FuzzWorld w;
    Link link{w.f};
    Messages m{w.f, link};
    const QString inbox = w.platform.DataFolder() + "/Inbox";
    const QString outbox = w.platform.DataFolder() + "/sent items";
    QDir().mkpath(inbox);
    QDir().mkpath(outbox);
    w.f.gInboxDir = inbox;
    w.f.gOutboxDir = outbox + "/";
    w.platform.WriteDataFile("secret.txt", "SECRET");
    w.platform.WriteDataFile("Inbox/26010101.in", "stored");

    const int items = data[0] * 130 - 64;  // below 1 up to beyond the lines there are
    const int sortBy = static_cast<std::int8_t>(data[1]) % 12;
    const bool ascending = data[1] & 0x80;
    w.WriteFile("Inbox/in.idx", data + 2, size - 2);
    w.WriteFile("sent items/OUT.IDX", data + 2, size - 2);
    const QByteArray bytes(reinterpret_cast<const char*>(data + 2), static_cast<qsizetype>(size - 2));
    const QStringList lines = SplitFileLines(w.f.Os.Codec.Decode(bytes));
    const int rows = std::clamp(items, 0, static_cast<int>(lines.size()));

    for (const QString& html : {GetInbox(m).LoadIndexHTML(items, sortBy, ascending, false),
                                GetOutBox(m).LoadIndexHTML(items, sortBy, ascending)}) {
        if (html.count(QStringLiteral("</tr>\r\n")) != rows + 1) fuzz::Broken("a table does not list one row per line");
        if (!OnlyOwnMarkup(html)) fuzz::Broken("text of the index became markup");
        if (!LinksArePlain(html)) fuzz::Broken("a row's link can be ended or extended by its file name");
    }
    if (GetInbox(m).LoadIndexHTML(items, sortBy, ascending, true).count(QStringLiteral("</tr>\r\n")) > rows + 1)
        fuzz::Broken("the unread rows outnumber the rows");

    const QString id = lines.isEmpty() ? QString() : lines.first();
    for (bool sent : {false, true}) {
        QString name = id, text;
        if (sent) GetOutBox(m).GetOutBoxMessage(name, text);
        else GetInbox(m).GetInBoxMessage(name, text);
        if (text.contains(QLatin1String("SECRET"))) fuzz::Broken("a message ID read a file outside its folder");
        if (QString(text).remove(QLatin1String("<br>")).contains(u'<')) fuzz::Broken("a message page holds markup");
    }
    return 0;
}

// The files of the forms folder and their template tags.
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/ILog.h"
#include "foundation/IniFile.h"
#include "foundation/UsefullRoutines.h"
#include "messages/CInbox.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"
#include "platform/FileLookup.h"
#include "platform/IClock.h"
#include "remote/HttpServerProcessing.h"

namespace tidepost {

namespace {

const QString kNoPosition = QStringLiteral("255,255.255N , 255,255.255E");

QString TagTime(const QDateTime& t) { return t.toString(QStringLiteral("yyyy-MM-dd HH:mm")); }

// Replaces every `tag` (any letter case) by `value`, going on after each inserted value so that
// a value holding its own tag cannot make the replacement endless. The number of replacements.
int ReplaceTag(QString& page, QLatin1String tag, const QString& value) {
    int count = 0;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = page.indexOf(tag, from, Qt::CaseInsensitive);
        if (at < 0) break;
        page.replace(at, tag.size(), value);
        from = at + value.size();
        ++count;
    }
    return count;
}

// A table tag's argument: the number it begins with, held to 16 bits.
int TagArgument(const QStringList& args, int index, int fallback) {
    if (index >= args.size()) return fallback;
    return static_cast<int>(std::clamp<qint64>(LeadingNumber(args[index]), -32768, 32767));
}

// Where a table lies in a page, [Begin, End).
struct TableSpan {
    qsizetype Begin = 0;
    qsizetype End = 0;
};

// The first `text` in `page` from `from` on, not looking inside `tables` (in page order). A table
// is field text escaped between markup of its own, so it holds neither "<%" nor "%>", starts with
// "<" and ends with "</table>": no tag or tag end lies inside one or across its edge, and the
// search need not read the largest part of a page of tables.
qsizetype FindOutsideTables(QStringView page, QLatin1String text, qsizetype from, const QList<TableSpan>& tables,
                            Qt::CaseSensitivity cs) {
    for (const TableSpan& table : tables) {
        if (table.End <= from) continue;
        if (table.Begin > from) {
            const qsizetype at = page.sliced(from, table.Begin - from).indexOf(text, 0, cs);
            if (at >= 0) return from + at;
        }
        from = table.End;
    }
    if (from >= page.size()) return -1;
    const qsizetype at = page.sliced(from).indexOf(text, 0, cs);
    return at < 0 ? -1 : from + at;
}

// Replaces every table tag `name` … "%>" by the table `make` gives for its arguments, searching
// outside the tables `tables` already put in. A tag without a "%>" after it stays as text. The page
// is put together once, after all its tables are made. The places of the new tables.
template <typename Make>
QList<TableSpan> ReplaceTableTag(QString& page, QLatin1String name, const QList<TableSpan>& tables, Make&& make) {
    struct Piece {
        QStringView before;  // of the page as it was
        QString table;
    };
    QList<Piece> pieces;
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = FindOutsideTables(page, name, from, tables, Qt::CaseInsensitive);
        if (at < 0) break;
        const qsizetype close = FindOutsideTables(page, QLatin1String("%>"), at + name.size(), tables, Qt::CaseSensitive);
        if (close < 0) break;
        const QString inside = page.mid(at + name.size(), close - at - name.size()).simplified();
        const QStringList args = inside.isEmpty() ? QStringList() : inside.split(u' ');
        pieces.append({QStringView(page).sliced(from, at - from), make(args)});
        from = close + 2;
    }
    QList<TableSpan> made;
    if (pieces.isEmpty()) return made;
    const QStringView rest = QStringView(page).sliced(from);
    qsizetype size = rest.size();
    for (const Piece& piece : std::as_const(pieces)) size += piece.before.size() + piece.table.size();
    QString filled;
    if (pieces.size() == 1 && pieces.first().before.isEmpty() && rest.isEmpty()) {
        filled = std::move(pieces.first().table);  // a page of one tag: the table itself
        if (!filled.isEmpty()) made.append({0, filled.size()});
    } else {
        filled.reserve(size);
        for (const Piece& piece : std::as_const(pieces)) {
            filled += piece.before;
            if (!piece.table.isEmpty()) made.append({filled.size(), filled.size() + piece.table.size()});
            filled += piece.table;
        }
        filled += rest;
    }
    page = std::move(filled);
    return made;
}

bool HasControlCharacter(const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 0x20 || c.unicode() == 0x7f) return true;
    return false;
}

}  // namespace

QString cHttpServerProcessing::FormsFolder() const {
    return AddBackslash(m_f.gConfiguration.DataPath).replace(u'\\', u'/') +
           GetAppSetting(m_f, m_f.gProductName, "ElectronicForms", "Dir", "html");
}

bool cHttpServerProcessing::LoadStaticFile(const QString& path, QString& result) {
    const QString trimmed = path.trimmed();
    QString name;
    if (trimmed.isEmpty() || trimmed == u"/" || !path.contains(u'/')) name = QStringLiteral("index.htm");
    else name = path.mid(path.indexOf(u'/') + 1);

    // The name as the browser meant it, then piece by piece: nothing that climbs out of the
    // folder or that no file name holds.
    const QString decoded = QString::fromUtf8(QByteArray::fromPercentEncoding(name.toUtf8()));
    const QString folder = FormsFolder();
    const QString shownName = folder + u'/' + decoded;
    bool refused = false;
    QStringList pieces;
    for (const QString& piece : QString(decoded).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts)) {
        if (piece == u"." || piece == u".." || HasControlCharacter(piece)) refused = true;
        pieces.append(piece);
    }
    if (pieces.isEmpty()) refused = true;
    QString full;
    if (!refused) {
        full = FindFileNoCase(folder, pieces.join(u'/'));
        const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
        const QString canonical = QFileInfo(full).canonicalFilePath();
        refused = canonicalFolder.isEmpty() || canonical.isEmpty() ||
                  !canonical.startsWith(canonicalFolder + u'/') || !QFileInfo(canonical).isFile();
        full = canonical;
    }
    if (refused) {
        result = QStringLiteral("404: File ") + shownName.toHtmlEscaped() + QStringLiteral(" not found");
        return false;
    }
    QFile file(full);
    if (!file.open(QIODevice::ReadOnly)) {
        result = QStringLiteral("404: Error loading file ") + shownName.toHtmlEscaped();
        return false;
    }
    result = m_f.Os.Codec.Decode(file.readAll());
    ServedFile = full;
    return true;
}

QString cHttpServerProcessing::ReplaceTemplateTags(QString page) {
    CSession& s = m_f.gSession;
    if (ReplaceTag(page, QLatin1String("<%=REQUESTPOSITION%>"), s.GetPosStr()) > 0)
        page.replace(kNoPosition, QStringLiteral("No position available"));
    ReplaceTag(page, QLatin1String("<%=REQUESTSPEED%>"), s.GetSpeedStr());
    ReplaceTag(page, QLatin1String("<%=REQUESTCOURSE%>"), s.GetCourseStr());
    ReplaceTag(page, QLatin1String("<%=REQUESTMOBILENO%>"), QString::number(s.MobileNumber()));
    ReplaceTag(page, QLatin1String("<%=REQUESTUTCTIME%>"), TagTime(s.SystemTime()));
    ReplaceTag(page, QLatin1String("<%=REQUESTLOCALTIME%>"), TagTime(m_f.Os.Clock->Now()));
    ReplaceTag(page, QLatin1String("<%=REQUESTSIGNATURE%>"), GetIniValue(m_f, "[Signature]"));
    ReplaceTag(page, QLatin1String("<%=REQUESTSHIPNAME%>"),
               GetAppSetting(m_f, m_f.gProductName, "Settings", "VesselName", QString()));
    ReplaceTag(page, QLatin1String("<%=REQUESTSERVERIP%>"), ServerIP);
    ReplaceTag(page, QLatin1String("<%=REQUESTSERVERPORT%>"), ServerPort);
    const QList<TableSpan> sentItems = ReplaceTableTag(page, QLatin1String("<%=REQUESTOUTBOX"), {}, [this](const QStringList& args) {
        const int items = TagArgument(args, 0, 1024);
        if (items < 1) return QString();
        return GetOutBox(m_m).LoadIndexHTML(items, TagArgument(args, 1, 0), TagArgument(args, 2, 0) != 0);
    });
    ReplaceTableTag(page, QLatin1String("<%=REQUESTINBOX"), sentItems, [this](const QStringList& args) {
        const int items = TagArgument(args, 0, 1024);
        if (items < 1) return QString();
        return GetInbox(m_m).LoadIndexHTML(items, TagArgument(args, 2, 0), TagArgument(args, 3, 0) != 0,
                                           TagArgument(args, 1, 0) != 0);
    });
    return page;
}

QString cHttpServerProcessing::LoadDecodeScript() {
    const QString full = FindFileNoCase(AddBackslash(m_f.gConfiguration.DataPath).replace(u'\\', u'/') + "html",
                                        QStringLiteral("decode.js"));
    if (!QFileInfo(full).isFile()) {
        m_log->Log(QStringLiteral("LoadOutBoxHeader:Error, file 'decode.js' not found"));
        return QString();
    }
    QFile file(full);
    if (!file.open(QIODevice::ReadOnly)) {
        m_log->Log(QStringLiteral("LoadOutBoxHeader:Error '") + QString::number(static_cast<int>(file.error())) +
                   QStringLiteral("' ") + file.errorString());
        return QString();
    }
    return m_f.Os.Codec.Decode(file.readAll());
}

}  // namespace tidepost

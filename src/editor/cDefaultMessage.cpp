#include "editor/cDefaultMessage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <cerrno>

#include "foundation/Foundation.h"
#include "foundation/RuntimeError.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/UsefullRoutines.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"

namespace tidepost {

namespace {

const QString kFolderName = QStringLiteral("DefaultMessages");

QString FileName(int n) { return QStringLiteral("DefaultMsg%1.txt").arg(n); }

QString Escape(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (const QChar c : value) {
        if (c == u'&') out += QStringLiteral("&amp;");
        else if (c == u'<') out += QStringLiteral("&lt;");
        else if (c == u'>') out += QStringLiteral("&gt;");
        else out += c;
    }
    return out;
}

// A control character other than tab, CR and LF may not stand in an XML document, yet the writer
// stores any value as it is. Such characters are moved into the private-use area for the parser
// and moved back in the values, so that a stored message stays readable.
constexpr char16_t kMaskBase = 0xE000;
bool NeedsMask(QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\r' && c != u'\n'; }

QString MaskControls(QString text) {
    for (QChar& c : text)
        if (NeedsMask(c)) c = QChar(char16_t(kMaskBase + c.unicode()));
    return text;
}

QString UnmaskControls(QString text) {
    for (QChar& c : text)
        if (c.unicode() >= kMaskBase && c.unicode() < kMaskBase + 0x20) c = QChar(char16_t(c.unicode() - kMaskBase));
    return text;
}

}  // namespace

cDefaultMessage::cDefaultMessage(Foundation& f)
    : m_f(f),
      m_tagNames{"Message", "Version", "Header", "Name", "To", "Cc", "Bcc", "Subject", "BodyText"} {
    m_values[kVersion] = QStringLiteral("2");
    m_folder = AddBackslash(f.gConfiguration.DataPath) + kFolderName;
}

void cDefaultMessage::Init(std::int16_t n) {
    m_messageNumber = QString::number(n);
    m_filePath = AddBackslash(m_folder) + FileName(n);
}

QString cDefaultMessage::BuildFileText() const {
    const QString crlf = QStringLiteral("\r\n");
    auto element = [this](Tag tag, const QString& value) {
        return "<" + m_tagNames[tag] + ">" + Escape(value) + "</" + m_tagNames[tag] + ">";
    };
    return "<" + m_tagNames[kMessage] + ">" + crlf + element(kVersion, QStringLiteral("2")) + crlf + "<" +
           m_tagNames[kHeader] + ">" + crlf + element(kName, m_values[kName]) + crlf + element(kTo, m_values[kTo]) +
           crlf + element(kCc, m_values[kCc]) + crlf + element(kBcc, m_values[kBcc]) + crlf +
           element(kSubject, m_values[kSubject]) + crlf + "</" + m_tagNames[kHeader] + ">" + crlf +
           element(kBodyText, NormalizeCrLf(m_values[kBodyText])) + crlf + "</" + m_tagNames[kMessage] + ">";
}

bool cDefaultMessage::CreateMessage(const QString& name, const QString& body, const QString& subject,
                                    const QString& to, const QString& cc, const QString& bcc) {
    m_lastError = {};
    if (m_messageNumber == u"0") return false;
    m_values[kName] = name.isEmpty() ? "Default message " + m_messageNumber : name;
    m_values[kBodyText] = body;
    m_values[kSubject] = subject;
    m_values[kTo] = to;
    m_values[kCc] = cc;
    m_values[kBcc] = bcc;
    m_values[kVersion] = QStringLiteral("2");
    m_fileText = BuildFileText();

    const QString folder = NormalizeSeparators(m_folder);
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
        m_lastError = {kErrPathNotFound, QStringLiteral("Path not found")};
        return false;
    }
    m_lastError = WriteFileAtomic(ResolvePath(m_filePath), m_f.Os.Codec.Encode(m_fileText));
    return !m_lastError;
}

bool cDefaultMessage::Delete() {
    if (m_filePath.isEmpty()) return false;
    const QString path = ResolvePath(m_filePath);
    if (!QFileInfo(path).isFile()) return false;
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return file.remove();
}

bool cDefaultMessage::ExistsFile() { return !m_filePath.isEmpty() && CheckFileExists(m_f, m_filePath); }

void cDefaultMessage::Upgrade() {
    const QString drafts = NormalizeSeparators(m_f.gDraftsDir);
    if (drafts.isEmpty() || !QFileInfo(drafts).isDir()) return;
    const QString folder = NormalizeSeparators(m_folder);
    if (!QFileInfo(folder).isDir() && !QDir().mkdir(folder)) {
        const int err = errno;
        const FileError e = FileErrorFromErrno(err ? err : EACCES);
        throw RuntimeError(kErrPathNotFound, QStringLiteral("cDefaultMessage.Upgrade"),
                           e.description.isEmpty() ? QStringLiteral("Path not found") : e.description);
    }
    for (int n = 1; n <= 8; ++n) {
        const QString from = FindFileNoCase(drafts, FileName(n));
        if (!QFileInfo(from).isFile()) continue;
        const QString to = FindFileNoCase(folder, FileName(n));
        if (QFileInfo::exists(to)) continue;
        if (const FileError e = RenameNoReplace(from, to))
            throw RuntimeError(e.number, QStringLiteral("cDefaultMessage.Upgrade"), e.description);
    }
}

bool cDefaultMessage::LoadMessage(std::int16_t n) {
    Init(n);
    m_fileText.clear();
    for (Tag tag : {kVersion, kName, kBodyText, kSubject, kTo, kCc, kBcc}) m_values[tag].clear();

    const QString path = ResolvePath(m_filePath);
    if (!QFileInfo(path).isFile()) return false;
    QByteArray bytes;
    if (ReadFileBytes(path, bytes) || bytes.isEmpty()) return false;
    m_fileText = m_f.Os.Codec.Decode(bytes);

    if (m_fileText.startsWith(u'[')) return ParseOlderFormat();
    return ParseXml();
}

bool cDefaultMessage::ParseOlderFormat() {
    const qsizetype close = m_fileText.indexOf(u']');
    if (close < 0) return false;
    const qsizetype lineEnd = m_fileText.indexOf(QStringLiteral("\r\n"), close);
    if (lineEnd < 0) return false;
    m_values[kName] = m_fileText.mid(1, close - 1);
    m_values[kBodyText] = m_fileText.mid(lineEnd + 2);
    return true;
}

bool cDefaultMessage::ParseXml() {
    QXmlStreamReader xml(MaskControls(m_fileText));
    auto text = [&xml] { return UnmaskControls(xml.readElementText(QXmlStreamReader::IncludeChildElements)); };
    // The document's first node must be the element "Message".
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartDocument) continue;
        if (token == QXmlStreamReader::Characters && xml.isWhitespace()) continue;
        if (token != QXmlStreamReader::StartElement || xml.name() != m_tagNames[kMessage]) return false;
        break;
    }
    if (xml.hasError() || xml.atEnd()) return false;

    bool bodyFound = false;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == m_tagNames[kVersion]) {
            m_values[kVersion] = text();
        } else if (name == m_tagNames[kHeader]) {
            while (xml.readNextStartElement()) {
                bool known = false;
                for (Tag tag : {kName, kTo, kCc, kBcc, kSubject}) {
                    if (xml.name() == m_tagNames[tag]) {
                        m_values[tag] = text();
                        known = true;
                        break;
                    }
                }
                if (!known) xml.skipCurrentElement();
            }
        } else if (name == m_tagNames[kBodyText]) {
            m_values[kBodyText] = text();
            bodyFound = true;
        } else {
            xml.skipCurrentElement();
        }
    }
    // The rest of the document must be well-formed too.
    while (!xml.atEnd()) xml.readNext();
    if (xml.hasError()) return false;
    return bodyFound;
}

}  // namespace tidepost

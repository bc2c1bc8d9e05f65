#include "foundation/Definitions.h"
#include "foundation/IniFile.h"

#include "foundation/DataFileText.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"

namespace tidepost {

namespace {

const QString kSignatureKey = QStringLiteral("[Signature]");
const QString kSignatureEnd = QStringLiteral("[End Of Signature]");
const QString kEndOfFile = QStringLiteral("[End Of File]");
constexpr int kErrInputPastEndOfFile = 62;

bool IsKeyLine(const QString& trimmed) {
    return trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']' && trimmed != kEndOfFile;
}

// A value must stay on its one line: a line break inside it would turn the rest into lines of
// their own, which read back as other keys or are lost.
QString OneLine(const QString& value) {
    QString v = value;
    v.replace(kCrLf, QStringLiteral(" "));
    v.replace('\r', ' ');
    v.replace('\n', ' ');
    return v;
}

bool EndsSignature(QStringView line) { return TrimBlanks(line) == kSignatureEnd; }

// The signature's lines as the reader will split them (at CR LF, CR or LF), each ended by CR LF.
// A line that would end the block early is defused, so that the lines after it cannot become
// keys of their own (a signature could otherwise set the TCU's address).
QString SignatureLines(const QString& value) {
    QStringList lines = SplitFileLines(value);
    // A value ending in a line break has an empty last line the splitter does not return.
    if (value.endsWith('\r') || value.endsWith('\n')) lines.append(QString());
    if (lines.isEmpty()) lines.append(QString());
    QString text;
    for (QString& line : lines) {
        if (EndsSignature(line)) line.replace('[', '(').replace(']', ')');
        text += line + kCrLf;
    }
    return text;
}

// Reports the first failure of the settings file in this run; later ones would only repeat it.
void ReportIniFileError(Foundation& f, const QString& routine, int number, const QString& description,
                        const QString& path) {
    if (f.gIniEntries.ErrorReported) return;
    f.gIniEntries.ErrorReported = true;
    ShowFileErrorBox(f, routine, number, description, path);
}

}  // namespace

QString GetIniFilePath(const Foundation& f) {
    return FindFileNoCase(f.gConfiguration.DataPath, f.gProductName + ".ini");
}

QList<KeyValuePair> ParseIniFileText(const QString& text, bool* complete) {
    const QStringList lines = SplitFileLines(text);
    QList<KeyValuePair> entries;
    if (complete) *complete = true;
    qsizetype i = 0;
    while (i < lines.size()) {
        const QString line = TrimBlanks(lines.at(i++)).toString();
        if (!IsKeyLine(line)) continue;
        entries.append({line, QString()});
        QString& value = entries.last().Value;
        if (line == kSignatureKey) {
            bool ended = false;
            while (i < lines.size()) {
                const QString raw = lines.at(i++);
                if (TrimBlanks(raw) == kSignatureEnd) {
                    ended = true;
                    break;
                }
                value += raw + kCrLf;
            }
            if (!ended) {
                if (complete) *complete = false;
                return entries;
            }
            if (value.size() > 1) value.chop(kCrLf.size());
        } else if (i < lines.size()) {
            value = TrimBlanks(lines.at(i++)).toString();
        }
    }
    return entries;
}

QString IniFileText(const QList<KeyValuePair>& entries) {
    QString text;
    for (const KeyValuePair& e : entries) {
        if (e.Key == kSignatureKey)
            text += e.Key + kCrLf + SignatureLines(e.Value) + kSignatureEnd + kCrLf + kCrLf;
        else
            text += e.Key + kCrLf + OneLine(e.Value) + kCrLf + kCrLf;
    }
    return text;
}

QString DefaultIniFileText(const QString& dataPath) {
    const QString d = AddBackslash(dataPath);
    const QStringList lines = {
        "[Version]", "1. 0. 4",
        "[Default ISP]", "",
        "[AS IS Accepted?]", "NO", "",
        "[COM port]", "1", "",
        "[COM Settings]", "115200,n,8,1", "",
        "[HOST Interface]", "LAN", "",
        "[working dir]", d, "",
        "[egc]", d + "egc/", "",
        "[inbox]", d + "inbox/", "",
        "[outbox]", d + "sent items/", "",
        "[addressbook]", d + "addressbook/", "",
        "[Default LES East]", "000", "",
        "[Default LES Pacific]", "000", "",
        "[Default LES Indian]", "000", "",
        "[Default LES West]", "000", "",
        "[Preferred Ocean]", "None", "",
        "[Signature]", "[End Of Signature]",
        "", "[End Of File]",
    };
    return lines.join(kCrLf) + kCrLf;
}

void CreateIniFile104(Foundation& f) {
    const QString path = GetIniFilePath(f);
    const FileError err = WriteFileAtomic(path, f.Os.Codec.Encode(DefaultIniFileText(f.gConfiguration.DataPath)));
    if (err) ReportIniFileError(f, "CreateIniFile104", err.number, err.description, path);
}

void ReadIniFile(Foundation& f) {
    // Marked before anything can show a box: the box's event loop runs timer ticks that read
    // settings, and they must not start a load of their own.
    f.gIniEntries.LoadTried = true;
    const QString path = GetIniFilePath(f);
    if (!CheckFileExists(f, path)) CreateIniFile104(f);

    QByteArray bytes;
    const FileError err = ReadFileBytes(path, bytes);
    if (err) {
        // Nothing was read: the list keeps its state, and reads answer from it.
        ReportIniFileError(f, "ReadIniFile", err.number, err.description, path);
        return;
    }
    bool complete = true;
    f.gIniEntries.Items = ParseIniFileText(f.Os.Codec.Decode(bytes), &complete);
    f.gIniEntries.Loaded = true;
    if (!complete) ReportIniFileError(f, "ReadIniFile", kErrInputPastEndOfFile, "Input past end of file", path);
}

bool WriteIniFile(Foundation& f) {
    if (!f.gIniEntries.Loaded) return false;
    return cFile(f).Save(GetIniFilePath(f), IniFileText(f.gIniEntries.Items), true);
}

FileError WriteIniFileChecked(Foundation& f) {
    if (!f.gIniEntries.Loaded) return {kErrPathFileAccess, QStringLiteral("Path/File access error")};
    return WriteFileAtomic(GetIniFilePath(f), f.Os.Codec.Encode(IniFileText(f.gIniEntries.Items)));
}

QString GetIniValue(Foundation& f, const QString& key) {
    if (!f.gIniEntries.LoadTried) ReadIniFile(f);
    for (const KeyValuePair& e : f.gIniEntries.Items)
        if (e.Key == key) return e.Value;
    return {};
}

std::uint8_t SetIniValue(Foundation& f, const QString& key, const QString& value, bool save) {
    if (!f.gIniEntries.LoadTried) ReadIniFile(f);
    // Writing a list that was never read would replace the user's settings with this one key.
    if (!f.gIniEntries.Loaded) return 1;
    bool found = false;
    for (KeyValuePair& e : f.gIniEntries.Items) {
        if (e.Key == key) {
            e.Value = value;
            found = true;
            break;
        }
    }
    if (!found) f.gIniEntries.Items.append({key, value});
    if (save) WriteIniFile(f);
    return 1;
}

}  // namespace tidepost

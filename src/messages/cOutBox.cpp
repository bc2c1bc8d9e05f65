#include "messages/cOutBox.h"

#include "foundation/DataFileText.h"
#include "foundation/Definitions.h"
#include "foundation/ErrorHandling.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/RuntimeError.h"
#include "foundation/UsefullRoutines.h"
#include "messages/DeliveryStatus.h"
#include "messages/IMessagesWindow.h"
#include "messages/MessageFileNames.h"
#include "messages/Messages.h"
#include "messages/SentItemsGrid.h"
#include "platform/AtomicFile.h"
#include "platform/IClock.h"

namespace tidepost {

namespace {

constexpr int kMinUpdateFields = 10;
constexpr int kMinLookupFields = 8;
constexpr int kRefField = 7;
constexpr int kStatusField = 8;
constexpr int kSentItemsView = 2;
constexpr char kCrLfBytes[] = "\r\n";

QString StatusOfAlert(int status) {
    switch (status) {
    case 1: return DeliveryStatus::Sending;
    case 2: return DeliveryStatus::ConfOkAlert;
    case 3: return DeliveryStatus::Failed;
    default: return DeliveryStatus::Unknown;
    }
}

// Field `n` of a line's bytes cut at ";"; null when the line has fewer fields.
QByteArrayView FieldOf(QByteArrayView line, int n) {
    qsizetype start = 0;
    for (int i = 0; i < n; ++i) {
        const qsizetype semicolon = line.indexOf(';', start);
        if (semicolon < 0) return {};
        start = semicolon + 1;
    }
    const qsizetype end = line.indexOf(';', start);
    return line.sliced(start, (end < 0 ? line.size() : end) - start);
}

// A quick test on a line's bytes that field `n` is `text`, so that only such lines are decoded
// and cut up. A text the code page cannot write as it is lets every line through.
cOutBox::BytesMayMatch FieldIs(const AnsiCodec& codec, int n, const QString& text) {
    QByteArray bytes = codec.Encode(text);
    if (codec.Decode(bytes) != text) return {};
    return [n, bytes = std::move(bytes)](QByteArrayView line) {
        const QByteArrayView field = FieldOf(line, n);
        return !field.isNull() && field == bytes;
    };
}

}  // namespace

OutboxFields SplitOutboxLine(QStringView line) {
    constexpr qsizetype kFullLine = 21;
    OutboxFields fields;
    fields.reserve(kFullLine);
    qsizetype start = 0;
    for (qsizetype semicolon; (semicolon = line.indexOf(u';', start)) >= 0; start = semicolon + 1)
        fields.append(line.mid(start, semicolon - start));
    fields.append(line.mid(start));
    return fields;
}

cOutBox::cOutBox(Messages& m) : m_m(m) {
    MlStrings& strings = m.F.Strings;
    m_languageChanged = QObject::connect(&strings.Notifier, &LanguageNotifier::LanguageChanged,
                                         [&strings](int id, const QString& name) { strings.SetMlLanguage(id, name); });
}

cOutBox::~cOutBox() { QObject::disconnect(m_languageChanged); }

int cOutBox::UpdateOutBox(const QString& strLesNo, const QString& strRefNo, const QString& strStatus,
                          const QString& strNewRefNo, const QString& strNewStatus, bool bUpdateAll) {
    const bool anyLes = strLesNo.isEmpty();
    const qint64 les = LeadingNumber(strLesNo);
    const LineMatch match = [&](const OutboxFields& x) {
        if (x[kRefField] != strRefNo) return false;
        if (!anyLes && LeadingNumber(x[2]) != les) return false;
        return strStatus.isEmpty() || x[kStatusField] == strStatus;
    };
    return Rewrite(Routine::UpdateOutBox, match, strNewRefNo, strNewStatus, bUpdateAll,
                   FieldIs(m_m.F.Os.Codec, kRefField, strRefNo));
}

int cOutBox::UpdateOutBoxFile(const QString& strFileName, const QString& strNewRefNo, const QString& strNewStatus,
                              bool bUpdateAll) {
    const LineMatch match = [&](const OutboxFields& x) { return x[0] == strFileName; };
    return Rewrite(Routine::UpdateOutBoxFile, match, strNewRefNo, strNewStatus, bUpdateAll,
                   FieldIs(m_m.F.Os.Codec, 0, strFileName));
}

int cOutBox::UpdateOutBoxWhere(const LineMatch& match, const QString& strNewRefNo, const QString& strNewStatus,
                               bool bUpdateAll) {
    return Rewrite(Routine::UpdateOutBox, match, strNewRefNo, strNewStatus, bUpdateAll);
}

int cOutBox::Rewrite(Routine routine, const LineMatch& match, const QString& newRef, const QString& newStatus,
                     bool updateAll, const BytesMayMatch& mayMatch) {
    Foundation& f = m_m.F;
    const QString folder = AddBackslash(f.gOutboxDir);
    const QString path = ResolvePath(folder + "OUT.IDX");
    const IndexLines* log = nullptr;
    if (const FileError err = m_log.Current(path, log)) {
        ShowUpdateError(routine, err.number, err.description, path);
        return 0;
    }

    // The log is written back with every line ended by CR LF, so only the changed lines are cut
    // into fields; the others are copied as bytes (one character per byte either way).
    const AnsiCodec& codec = f.Os.Codec;
    QByteArray text;
    text.reserve(log->Bytes().size() + log->Count() + 256);
    std::vector<SentItemsLineChange> changes;
    int count = 0;
    for (int i = 0; i < log->Count(); ++i) {
        const QByteArrayView bytes = log->Text(i);
        if (bytes.isEmpty() && routine == Routine::UpdateOutBox) continue;
        if ((count == 0 || updateAll) && (!mayMatch || mayMatch(bytes)) && bytes.count(';') >= kMinUpdateFields - 1) {
            const QString line = codec.Decode(QByteArray::fromRawData(bytes.data(), bytes.size()));
            const OutboxFields fields = SplitOutboxLine(line);
            if (match(fields)) {
                QString changed;
                changed.reserve(line.size() + newRef.size() + newStatus.size());
                for (qsizetype k = 0; k < fields.size(); ++k) {
                    if (k > 0) changed += u';';
                    if (k == kRefField && !newRef.isEmpty()) changed += newRef;
                    else if (k == kStatusField) changed += newStatus;
                    else changed += fields[k];
                }
                text += codec.Encode(changed);
                text += kCrLfBytes;
                changes.push_back({line, changed});
                ++count;
                continue;
            }
        }
        text += bytes;
        text += kCrLfBytes;
    }
    if (count == 0) return 0;

    // The new log is complete and flushed in OUT.BAK before it takes OUT.IDX's place, so a failure
    // at any step leaves the old log whole.
    if (const FileError err = WriteFileAtomic(path, text, ResolvePath(folder + "OUT.BAK"))) {
        m_log.Forget();
        ShowUpdateError(routine, err.number, err.description, path);
        return count;
    }
    m_log.Replaced(path, std::move(text));
    try {
        ShowChangedSentItems(m_m, changes);
    } catch (const RuntimeError& e) {
        ShowUpdateError(routine, e.Number, e.Description, path);
    }
    return count;
}

void cOutBox::ShowUpdateError(Routine routine, int number, const QString& description, const QString& path) {
    Foundation& f = m_m.F;
    MessageBoxRequest box;
    if (routine == Routine::UpdateOutBox) {
        box.text = FormatErrorText(f, 2578, "(UpdateOutBox) Error '%0': %1.", number, description);
        box.title = ErrorTitle(number);
    } else {
        box.text = FormatErrorText(f, 2576, "(UpdateOutBoxFile) Error '%0': %1.", number, description);
        box.title = MlErrorTitle(f, number);
    }
    box.text = WithFileErrorText(f, box.text, number, path);
    box.buttons = MsgButtons::Ok;
    ShowFileErrorBox(f, box);
}

bool cOutBox::SaveMessage(const QString& strMsg, const QString& DiskFileName) {
    Foundation& f = m_m.F;
    const QString folder = GetIniValue(f, "[outbox]");
    // Without a folder the name would land in the file system's root.
    const FileError err =
        folder.isEmpty() ? FileError{kErrPathNotFound, QStringLiteral("Path not found")}
                         : WriteFileAtomic(ResolvePath(AddBackslash(folder) + DiskFileName), f.Os.Codec.Encode(strMsg));
    if (!err) return true;
    if (err.number == kErrDiskFull) {
        QueueMessageBox(f,
                        MlText(f, 2577, "(OutBox.SaveMessage) Error: Not enough disk space.") + kCrLf +
                            MlText(f, 2563, "Due to this error, Tidepost can not save the message."),
                        MlText(f, 2544, "Error"));
    } else {
        const QString text = FormatErrorText(f, 2579, "(Outbox.SaveMessage) Error '%0': %1.", err.number, err.description);
        QueueMessageBox(f, WithFileErrorText(f, text, err.number), MlErrorTitle(f, err.number));
    }
    return false;
}

bool cOutBox::AddDistressAlert(int status) {
    Foundation& f = m_m.F;
    const qint16 les = f.gConfiguration.GetDistressGenLes(f.gConfiguration.LastOcean());
    if (!SaveMessage(QStringLiteral("Distress Alert"), kDistressReference)) return false;
    const bool written = AppendDistressLine(les == 0 ? QStringLiteral("Auto") : QString::number(les), StatusOfAlert(status));
    if (m_m.Window && m_m.Window->MessageLogShown() == kSentItemsView) m_m.Window->OutboxButton_Click();
    return written;
}

bool cOutBox::AppendDistressLine(const QString& les, const QString& status) {
    Foundation& f = m_m.F;
    const QString folder = GetIniValue(f, "[outbox]");
    if (folder.isEmpty()) return false;
    const QDateTime now = f.Os.Clock->Now();
    const QString line = "-;MRCC;" + les + ";Distress Alert;" + now.toString(QStringLiteral("yy-MM-dd")) + ";" +
                         now.toString(QStringLiteral("hh:mm")) + ";-;-;" + status + ";" + QString("0;").repeated(8) +
                         kSearchAndRescue + ";;;" + kSearchAndRescue;
    return AppendLogLine(AddBackslash(folder) + "Out.idx", line);
}

bool cOutBox::AppendLogLine(const QString& path, const QString& line) {
    return !m_log.AppendLine(ResolvePath(path), m_m.F.Os.Codec.Encode(line));
}

int cOutBox::GetIndexValue(int RefIndex, const QString& RefNo, int field, QString& strData) {
    Foundation& f = m_m.F;
    const QString folder = GetIniValue(f, "[outbox]");
    if (folder.isEmpty()) return 0;
    const QString base = AddBackslash(folder);
    if (CheckFileExists(f, base + "Outbox.idx")) return 0;
    QByteArray bytes;
    if (const FileError err = ReadFileBytes(ResolvePath(base + "out.idx"), bytes))
        throw RuntimeError(err.number, QStringLiteral("cOutBox"), err.description);

    for (const QString& line : SplitFileLines(f.Os.Codec.Decode(bytes))) {
        const OutboxFields fields = SplitOutboxLine(line);
        if (fields.size() < kMinLookupFields) continue;
        const QStringView key = RefIndex >= 0 && RefIndex < fields.size() ? fields[RefIndex] : QStringView();
        if (TrimBlanks(key) != RefNo) continue;
        if (field >= 0 && field < fields.size()) {
            strData = TrimBlanks(fields[field]).toString();
            return 0;
        }
        break;
    }
    strData = QStringLiteral("not found");
    return 0;
}

cOutBox& GetOutBox(Messages& m) {
    if (!m.OutBoxInstance) m.OutBoxInstance = std::make_unique<cOutBox>(m);
    return *m.OutBoxInstance;
}

}  // namespace tidepost

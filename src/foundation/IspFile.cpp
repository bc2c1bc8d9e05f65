#include "foundation/Definitions.h"
#include "foundation/IspFile.h"

#include <QFileInfo>
#include <QRegularExpression>

#include "foundation/DataFileText.h"
#include "foundation/FileErrorBox.h"
#include "foundation/IniFile.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kIspFileVersion = 100;
constexpr int kTextStartField = 10;
constexpr int kDelimiterField = 13;
constexpr int kErrInvalidArgument = 5;
const QString kEscapedCrLf = QStringLiteral("<CRLF>");

// Field `number` (file numbering 1..16) of a provider; nullptr outside.
QString* FieldOf(IspRecord& r, int number) {
    switch (number) {
    case 1: return &r.Name;
    case 2: return &r.LesAorW;
    case 3: return &r.LesAorE;
    case 4: return &r.LesPor;
    case 5: return &r.LesIor;
    case 6: return &r.ToPrefix;
    case 7: return &r.CcPrefix;
    case 8: return &r.BccPrefix;
    case 9: return &r.SubjectPrefix;
    case 10: return &r.TextStartPrefix;
    case 11: return &r.AddressType;
    case 12: return &r.Address;
    case 13: return &r.Delimiter;
    case 14: return &r.SmsPrefix;
    case 15: return &r.SmsPostfix;
    case 16: return &r.SmsSac;
    default: return nullptr;
    }
}

const QString& FieldOf(const IspRecord& r, int number) { return *FieldOf(const_cast<IspRecord&>(r), number); }

bool IsMultiLineField(int number) { return number == kTextStartField || number == kDelimiterField; }

// The version of the file from its first line: its last three characters when they form a
// number, else the current version.
double VersionOfLine(const QString& firstLine) {
    static const QRegularExpression number(QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)\s*$)"));
    const QString tail = TrimBlanks(firstLine).right(3).toString();
    if (!number.match(tail).hasMatch()) return kIspFileVersion;
    return tail.trimmed().toDouble();
}

// A field the file format can hold: no "|", and no line break other than the CR LF pairs that
// the two multi-line fields escape.
bool FitsTheFile(const QString& value, int number) {
    if (value.contains('|')) return false;
    if (!IsMultiLineField(number)) return !value.contains('\r') && !value.contains('\n');
    QString rest = value;
    rest.remove(kCrLf);
    return !rest.contains('\r') && !rest.contains('\n');
}

QString IspToLine(const IspRecord& r) {
    QString line;
    for (int number = 1; number <= kIspFieldCount; ++number) {
        const QString& value = FieldOf(r, number);
        line += (IsMultiLineField(number) ? EscapeCrLf(value) : value) + "|";
    }
    return line;
}

}  // namespace

QString IspFilePath(const Foundation& f) {
    return FindFileNoCase(AddBackslash(f.gConfiguration.DataPath), QString::fromLatin1(kIspFileName));
}

QString EscapeCrLf(const QString& text) {
    QString result = text;
    result.replace(kCrLf, kEscapedCrLf);
    return result;
}

QString UnescapeCrLf(const QString& text) {
    QString result = text;
    result.replace(kEscapedCrLf, kCrLf, Qt::CaseSensitive);
    return result;
}

QStringList DefaultIspLines() {
    // Field 12 of the X.25 provider is its network address.
    return {
        "CTTC China|||211|311|TO:|CC:||SUBJECT:|STX:|SAC|EMAIL|;||||",
        "KDDI SatMail-C Japan|003|103|203|303|TO:|CC:||SUBJECT:|STX:|SAC|28|;||||",
        "Morsviazsputnik Russia||117||317|TO:|CC:||SUBJECT:|STX:|SAC|28|;||||",
        "OTE Greece||120||305|TO:|CC:||SUBJECT:|STX:|SAC|28|;||||",
        "SingTel Mail65 (SAC65)|002|102|210|328|to+|cc+||subject:||SAC|65|;|sms+||65|",
        "SingTel Mail65 (SAC6500)|002|102|210|328|to+|cc+||subject:||SAC|6500|;||||",
        "SingTel Mail65 (SAC6599)|002|102|210|328|to+|cc+||subject:||SAC|6599|;||||",
        "Stratos Global C-email 02|002|102|202|302|TO+|CC+||SU+|STX:|SAC|63|<CR><LF>CC+||||",
        "Stratos Global C-email 12|012|112|212|312|TO:|CC:||SU:|STX:|SAC|28|;|| |SMS|",
        "Telemar X25|004|104|204|304|To:|||Su:|Stx:|X.25|2502781234500|;||||",
        "Vizada SkyFile C 01|001|101|201|301|TO:|CC:||SUBJECT:<CR><LF>|STX:|SAC|28|;||#|66|",
        "Vizada SkyFile C 04|004|104|204|304|TO:|CC:||SUBJECT:<CR><LF>|STX:|SAC|28|;||#|66|",
        "Vizada SkyFile C 21|021|121|221|321|TO+|CC+|BCC+|SUBJ+||SAC|28|,|SMS+ ||28|",
    };
}

void ReadDefaultIspData(Foundation& f) {
    const QStringList lines = DefaultIspLines();
    f.gIspList.clear();
    f.gIspList.resize(lines.size());
    for (int i = 0; i < lines.size(); ++i) LineToIsp(f, lines.at(i), i);
}

void LineToIsp(Foundation& f, const QString& line, int index) {
    if (index < 0 || index >= f.gIspList.size()) {
        ShowFileErrorBox(f, "LineToIsp", kErrSubscriptOutOfRange, "Subscript out of range");
        return;
    }
    IspRecord& record = f.gIspList[index];
    int number = 0;
    QString field;
    for (const QChar c : line) {
        if (c != '|' && c != '\r') {
            field += c;
            continue;
        }
        ++number;
        if (number <= kIspFieldCount) *FieldOf(record, number) = IsMultiLineField(number) ? UnescapeCrLf(field) : field;
        field.clear();
    }
}

FileError ReadIspFile(Foundation& f, bool* declined) {
    if (declined) *declined = false;
    f.IspFileKept = false;
    f.gIspList.clear();
    f.gIspList.append(IspRecord{});
    const QString path = IspFilePath(f);
    if (!CheckFileExists(f, path) || QFileInfo(path).size() == 0) {
        ReadDefaultIspData(f);
        WriteIspFile(f);
        return {};
    }
    QByteArray bytes;
    if (const FileError err = ReadFileBytes(path, bytes)) return err;
    const QStringList lines = SplitFileLines(f.Os.Codec.Decode(bytes));

    if (VersionOfLine(lines.value(0)) < kIspFileVersion) {
        MessageBoxRequest box;
        box.title = MlText(f, 2814, "Update confirmation!");
        box.text = MlText(f, 2812,
                          "The isp.dat file version is old and needs to be updated. The default e-mail service "
                          "provider data will be loaded,") +
                   kCrLf +
                   MlText(f, 2813,
                          "but all user defined service providers will be lost. This is recommended. Do you want "
                          "to update ?");
        box.buttons = MsgButtons::OkCancel;
        if (f.Os.Boxes && f.Os.Boxes->Show(box) == MsgAnswer::Ok) {
            ReadDefaultIspData(f);
            WriteIspFile(f);
        } else {
            f.IspFileKept = true;
            if (declined) *declined = true;
        }
        return {};
    }
    for (int i = 1; i < lines.size(); ++i) {
        const int index = i - 1;
        if (index > 0) f.gIspList.append(IspRecord{});
        LineToIsp(f, TrimBlanks(lines.at(i)).toString(), index);
    }
    return {};
}

bool WriteIspFile(Foundation& f) {
    if (f.IspFileKept) {
        QueueMessageBox(f,
                        MlText(f, 3191,
                               "isp.dat was not updated and keeps its old version: the e-mail service providers "
                               "can not be saved until it is updated."),
                        "Error");
        return false;
    }
    QString text = QStringLiteral("VERSION ") + QString::number(kIspFileVersion) + kCrLf;
    for (const IspRecord& r : f.gIspList)
        if (!r.Name.isEmpty()) text += IspToLine(r) + kCrLf;
    const QString path = IspFilePath(f);
    const FileError err = WriteFileAtomic(path, f.Os.Codec.Encode(text));
    if (!err) return true;
    if (err.number == kErrDiskFull) {
        QueueMessageBox(f,
                        MlText(f, 2816, "(FileHandling.WriteIspFile) Error: Not enough disk space.") + kCrLf +
                            MlText(f, 2815, "Due to this error, the file isp.dat can not be saved."),
                        "Error");
    } else {
        ShowFileErrorBox(f, "WriteIspFile", err, path);
    }
    return false;
}

int GetISPData(Foundation& f, const QString& name) {
    for (int i = 0; i < f.gIspList.size(); ++i)
        if (f.gIspList.at(i).Name == name) return i;
    return -1;
}

QString GetISPElement(Foundation& f, const QString& name, int element) {
    const int index = GetISPData(f, name);
    if (index < 0 || element < 1 || element > kIspFieldCount) return {};
    return FieldOf(f.gIspList.at(index), element);
}

int SetISPData(Foundation& f, const QString& name, const QString& lesAorW, const QString& lesAorE,
               const QString& lesPor, const QString& lesIor, const QString& toPrefix, const QString& ccPrefix,
               const QString& bccPrefix, const QString& subjectPrefix, const QString& textStartPrefix,
               const QString& addressType, const QString& address, const QString& delimiter,
               const QString& smsPrefix, const QString& smsPostfix, const QString& smsSac) {
    const QString values[kIspFieldCount] = {name,          lesAorW,       lesAorE,     lesPor,
                                            lesIor,        toPrefix,      ccPrefix,    bccPrefix,
                                            subjectPrefix, UnescapeCrLf(textStartPrefix), addressType, address,
                                            UnescapeCrLf(delimiter), smsPrefix, smsPostfix, smsSac};
    // A "|" or a stray line break would shift or split the provider's line when the file is read.
    for (int number = 1; number <= kIspFieldCount; ++number) {
        if (!FitsTheFile(values[number - 1], number)) {
            ShowFileErrorBox(f, "SetISPData", kErrInvalidArgument,
                             "Invalid procedure call or argument (a field holds \"|\" or a line break that "
                             "isp.dat cannot keep)");
            return -1;
        }
    }
    int index = GetISPData(f, name);
    if (index < 0) {
        f.gIspList.append(IspRecord{});
        index = static_cast<int>(f.gIspList.size()) - 1;
    }
    for (int number = 1; number <= kIspFieldCount; ++number) *FieldOf(f.gIspList[index], number) = values[number - 1];
    return index;
}

int DeleteIsp(Foundation& f, const QString& name) {
    const int index = GetISPData(f, name);
    if (index < 0) return -1;
    f.gIspList.removeAt(index);
    return 1;
}

void SetDefaultIspLesFromProvider(Foundation& f, const QString& providerName) {
    for (int ocean = 0; ocean < kOceanCount; ++ocean)
        f.gConfiguration.SetDefaultISPLes(static_cast<OceanIndex>(ocean), GetISPElement(f, providerName, 2 + ocean));
}

void ApplyDefaultIsp(Foundation& f) { SetDefaultIspLesFromProvider(f, GetIniValue(f, "[Default ISP]")); }

}  // namespace tidepost

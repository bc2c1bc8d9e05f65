#include "reporting/cDnid.h"

#include <limits>

#include "foundation/Foundation.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cErrorLog.h"
#include "link/Link.h"

namespace tidepost {

namespace {

constexpr int kLineLength = 58;

// The number in columns from..to (1-based) when it lies in lo..hi.
template <typename T>
bool Field(const QString& line, int from, int to, T& value) {
    const qint64 n = LeadingNumber(QStringView(line).mid(from - 1, to - from + 1));
    if (n < std::numeric_limits<T>::min() || n > std::numeric_limits<T>::max()) return false;
    value = static_cast<T>(n);
    return true;
}

}  // namespace

bool ReadDnidLine(const QString& line, DnidRecord& record) {
    DnidRecord r;
    r.Provider = TrimBlanks(QStringView(line).left(27)).toString();
    const bool ok = Field(line, 28, 29, r.Status) && Field(line, 31, 33, r.LES) && Field(line, 35, 40, r.DNID) &&
                    Field(line, 43, 45, r.Member) && Field(line, 49, 49, r.SubAdr) && Field(line, 55, 55, r.Channel) &&
                    Field(line, 58, 58, r.Random);
    if (ok) record = r;
    return ok;
}

cDnid::cDnid(Foundation& f, const Link& link) : m_f(f), m_link(link) {
    // The store has no texts of its own; it only follows the language as every object does.
    MlStrings* strings = &f.Strings;
    m_language = QObject::connect(&f.Strings.Notifier, &LanguageNotifier::LanguageChanged,
                                  [strings](int id, const QString& name) { strings->SetMlLanguage(id, name); });
}

cDnid::~cDnid() { QObject::disconnect(m_language); }

void cDnid::SaveData(const QString& buffer) {
    m_records = {DnidRecord{}};
    m_CountDnids = 0;
    m_IsLoaded = false;
    const QString& end = m_link.Dialogue.EchoTerminator;
    QList<DnidRecord> found;
    const qsizetype header = end.isEmpty() ? -1 : buffer.indexOf("Rd" + end, 0, Qt::CaseInsensitive);
    if (header >= 0) {
        qsizetype at = header + 2 + end.size();
        while (found.size() < std::numeric_limits<qint16>::max()) {
            const qsizetype next = buffer.indexOf(end, at);
            if (next - at != kLineLength) break;
            DnidRecord record;
            if (!ReadDnidLine(buffer.mid(at, kLineLength), record)) {
                ErrorLog(m_f).AddLine(QString("(cDnid.SaveData) Error '6': Overflow. The DNID list ends before line %1.")
                                          .arg(found.size() + 1));
                break;
            }
            found.append(record);
            at = next + end.size();
        }
    }
    if (found.isEmpty()) return;
    m_records = found;
    m_CountDnids = static_cast<qint16>(found.size());
    m_IsLoaded = true;
}

}  // namespace tidepost

#include "foundation/StringTable.h"

#include <QFile>

#include <algorithm>

namespace tidepost {

namespace {

int LanguageIndex(int languageId) {
    for (size_t i = 0; i < StringTable::Languages.size(); ++i)
        if (StringTable::Languages[i] == languageId) return static_cast<int>(i);
    return -1;
}

}  // namespace

QString StringTable::Unescape(QStringView field) {
    QString out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c != u'\\' || i + 1 == field.size()) {
            out += c;
            continue;
        }
        const QChar next = field[i + 1];
        if (next == u'\\') out += u'\\';
        else if (next == u't') out += u'\t';
        else if (next == u'r') out += u'\r';
        else if (next == u'n') out += u'\n';
        else {
            out += c;
            continue;
        }
        ++i;
    }
    return out;
}

void StringTable::Load(const QByteArray& text) {
    m_texts.clear();
    m_badLines.clear();
    const QString all = QString::fromUtf8(text);
    const QList<QStringView> lines = QStringView(all).split(u'\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        QStringView line = lines[n];
        if (line.endsWith(u'\r')) line.chop(1);  // tolerate a table saved with CR LF line ends
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QList<QStringView> fields = line.split(u'\t');
        bool ok = false;
        const int id = fields[0].toInt(&ok);
        // A line with more columns than languages, a bad id or an id seen before is not trusted.
        if (!ok || id <= 0 || fields.size() > 1 + static_cast<qsizetype>(Languages.size()) ||
            m_texts.contains(id)) {
            m_badLines.append(static_cast<int>(n + 1));
            continue;
        }
        std::array<QString, 3> texts;
        for (qsizetype f = 1; f < fields.size(); ++f) texts[f - 1] = Unescape(fields[f]);
        m_texts.insert(id, texts);
    }
}

bool StringTable::LoadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Load({});
        return false;
    }
    Load(file.readAll());
    return true;
}

QString StringTable::GetString(int stringId, int languageId) const {
    const int index = LanguageIndex(languageId);
    if (index < 0) return {};
    const auto it = m_texts.constFind(stringId);
    return it == m_texts.constEnd() ? QString() : (*it)[index];
}

int StringTable::Count(int languageId) const {
    const int index = LanguageIndex(languageId);
    if (index < 0) return 0;
    int count = 0;
    for (const auto& texts : m_texts)
        if (!texts[index].isEmpty()) ++count;
    return count;
}

QList<int> StringTable::Ids() const {
    QList<int> ids = m_texts.keys();
    std::sort(ids.begin(), ids.end());
    return ids;
}

}  // namespace tidepost

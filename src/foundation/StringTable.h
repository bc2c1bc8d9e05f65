#pragma once
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <array>

namespace tidepost {

// The program's texts by string id and language, read from a tab-separated table:
// id, then the texts in 1033, 1036 and 1049. See resources/strings/strings.tsv for the format.
class StringTable {
public:
    static constexpr std::array<int, 3> Languages{1033, 1036, 1049};

    // Replaces the content with the table in `text` (UTF-8). Lines that cannot be read are left
    // out and their numbers (from 1) kept in BadLines().
    void Load(const QByteArray& text);
    // Reads the table file at `path`; false when it cannot be read (the table is then empty).
    bool LoadFile(const QString& path);

    // The text of the id in the language; "" for an unknown id or language, or when the language
    // has no text for the id.
    QString GetString(int stringId, int languageId) const;
    // How many ids have a non-empty text in the language.
    int Count(int languageId) const;
    QList<int> Ids() const;
    const QList<int>& BadLines() const { return m_badLines; }

    // "\\", "\t", "\r" and "\n" inside a text; a backslash before anything else stays as it is.
    static QString Unescape(QStringView field);

private:
    QHash<int, std::array<QString, 3>> m_texts;
    QList<int> m_badLines;
};

}  // namespace tidepost

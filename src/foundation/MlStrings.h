#pragma once
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <utility>

#include "foundation/StringTable.h"

class QWidget;

namespace tidepost {

// The one language-changed notifier: every window and object that shows text connects to its
// signal; only the language dialog announces.
class LanguageNotifier : public QObject {
    Q_OBJECT
public:
    void AnnounceLanguage(int languageId, const QString& language) { emit LanguageChanged(languageId, language); }
signals:
    void LanguageChanged(int languageId, const QString& language);
};

// The current language and the string table.
class MlStrings {
public:
    // The table built into the program.
    static inline const QString BuiltInTable = QStringLiteral(":/strings/strings.tsv");
    // Name of the dynamic property in which ApplyLanguageCharset leaves the character set.
    static constexpr const char* CharsetProperty = "LanguageCharset";

    explicit MlStrings(QString tablePath = BuiltInTable) : m_tablePath(std::move(tablePath)) {}

    int CurrentLanguageId = 1033;
    LanguageNotifier Notifier;

    // Loads the string table the first time; later calls load nothing. False when the table
    // could not be read: every lookup then gives "" and captions keep their design texts.
    bool InitMlStrings();
    // The text of the id in CurrentLanguageId; "" when the table has none in that language.
    // `english` documents the call site and is not used by the lookup.
    QString GetMlString(int stringId, const QString& english = {}) const;
    // The text of the id in a given language; "" when it has none.
    QString GetString(int stringId, int languageId) const;
    // CurrentLanguageId becomes the id when it is offered to the user, otherwise 1033.
    void SetMlLanguage(int languageId, const QString& languageName = {});
    // The font character set of CurrentLanguageId: 204 for 1049, 0 for every other id.
    int GetLanguageCharset() const;
    // Gives every control of the form the character set of the current language. Qt chooses the
    // glyphs of each script through font fallback, so fonts are left as they are; the set is
    // recorded in the property CharsetProperty. A null form is ignored.
    void ApplyLanguageCharset(QWidget* form) const;

    const StringTable& Table() const;

private:
    bool LoadOnce() const;

    QString m_tablePath;
    // Filled on first use, which may be a lookup made before InitMlStrings.
    mutable StringTable m_table;
    mutable bool m_loaded = false;
    mutable bool m_loadOk = false;
};

// Fills "%0", "%1" … in order of the values' indices; numbers are written in plain decimal.
QString FormatMlString(const QString& text, const QVariantList& values);
// The languages offered to the user, in the order offered: 1033, 1049.
QList<int> GetSupportedLanguages();
// The English name of the language, or "Invalid Language Index".
QString GetLanguageName(int languageId);
// The name of the language written in that language; "" for an id the program does not know.
QString GetNativeLanguageName(int languageId);

}  // namespace tidepost

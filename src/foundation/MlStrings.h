#pragma once
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

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
    int CurrentLanguageId = 1033;
    LanguageNotifier Notifier;

    void InitMlStrings();
    // The text of the id in CurrentLanguageId; "" when the table has none in that language.
    // `english` documents the call site and is not used by the lookup.
    QString GetMlString(int stringId, const QString& english = {}) const;
    // The text of the id in a given language; "" when it has none.
    QString GetString(int stringId, int languageId) const;
    void SetMlLanguage(int languageId, const QString& languageName = {});
    int GetLanguageCharset() const;

private:
    bool m_loaded = false;
};

// Fills "%0", "%1" … in order of the values' indices.
QString FormatMlString(const QString& text, const QVariantList& values);
QList<int> GetSupportedLanguages();
QString GetLanguageName(int languageId);
QString GetNativeLanguageName(int languageId);

}  // namespace tidepost

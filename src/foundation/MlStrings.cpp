#include "foundation/MlStrings.h"

#include <QLocale>
#include <QWidget>

// The resource of a static library must be registered by hand; this is done once per process.
static void RegisterStringTableResource() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(StringTable);
        return true;
    }();
    (void)registered;
}

namespace tidepost {

namespace {

QString ValueToText(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        // Plain decimal, never an exponent: 1e20 is written out in full.
        return QLocale::c().toString(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    default:
        return value.toString();
    }
}

}  // namespace

bool MlStrings::LoadOnce() const {
    if (!m_loaded) {
        m_loaded = true;
        RegisterStringTableResource();
        m_loadOk = m_table.LoadFile(m_tablePath);
    }
    return m_loadOk;
}

bool MlStrings::InitMlStrings() { return LoadOnce(); }

const StringTable& MlStrings::Table() const {
    LoadOnce();
    return m_table;
}

QString MlStrings::GetMlString(int stringId, const QString&) const { return GetString(stringId, CurrentLanguageId); }

QString MlStrings::GetString(int stringId, int languageId) const {
    LoadOnce();
    return m_table.GetString(stringId, languageId);
}

void MlStrings::SetMlLanguage(int languageId, const QString&) {
    CurrentLanguageId = 1033;
    for (int supported : GetSupportedLanguages()) {
        if (supported == languageId) {
            CurrentLanguageId = supported;
            break;
        }
    }
}

int MlStrings::GetLanguageCharset() const { return CurrentLanguageId == 1049 ? 204 : 0; }

void MlStrings::ApplyLanguageCharset(QWidget* form) const {
    if (!form) return;
    const int charset = GetLanguageCharset();
    for (QWidget* control : form->findChildren<QWidget*>()) control->setProperty(CharsetProperty, charset);
}

QString FormatMlString(const QString& text, const QVariantList& values) {
    QString result = text;
    for (qsizetype i = 0; i < values.size(); ++i)
        result.replace(QLatin1Char('%') + QString::number(i), ValueToText(values[i]));
    return result;
}

QList<int> GetSupportedLanguages() { return {1033, 1049}; }

QString GetLanguageName(int languageId) {
    switch (languageId) {
    case 1033: return QStringLiteral("English (United States)");
    case 1036: return QStringLiteral("French");
    case 1049: return QStringLiteral("Russian");
    default: return QStringLiteral("Invalid Language Index");
    }
}

QString GetNativeLanguageName(int languageId) {
    switch (languageId) {
    case 1033: return QLocale(QLocale::English, QLocale::UnitedStates).nativeLanguageName();
    case 1036: return QLocale(QLocale::French, QLocale::France).nativeLanguageName();
    case 1049: return QLocale(QLocale::Russian, QLocale::Russia).nativeLanguageName();
    default: return {};
    }
}

}  // namespace tidepost

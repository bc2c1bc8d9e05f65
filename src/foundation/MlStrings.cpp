#include "foundation/MlStrings.h"

// Placeholder until the string table is loaded from resources.
namespace tidepost {

void MlStrings::InitMlStrings() { m_loaded = true; }
QString MlStrings::GetMlString(int stringId, const QString&) const { return GetString(stringId, CurrentLanguageId); }
QString MlStrings::GetString(int, int) const { return {}; }
void MlStrings::SetMlLanguage(int languageId, const QString&) {
    CurrentLanguageId = GetSupportedLanguages().contains(languageId) ? languageId : 1033;
}
int MlStrings::GetLanguageCharset() const { return CurrentLanguageId == 1049 ? 204 : 0; }
QString FormatMlString(const QString& text, const QVariantList&) { return text; }
QList<int> GetSupportedLanguages() { return {1033, 1049}; }
QString GetLanguageName(int) { return {}; }
QString GetNativeLanguageName(int) { return {}; }

}  // namespace tidepost

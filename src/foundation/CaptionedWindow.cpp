#include "foundation/CaptionedWindow.h"

#include "foundation/Foundation.h"

namespace tidepost {

CaptionedWindow::CaptionedWindow(Foundation& f, const char* name, Qt::WindowFlags flags)
    : QWidget(nullptr, flags), m_f(f) {
    setObjectName(name);
    connect(&f.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &CaptionedWindow::ml_RuntimeSupport_LanguageChanged);
}

void CaptionedWindow::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
    m_f.Strings.ApplyLanguageCharset(this);
}

void CaptionedWindow::FinishLoad() {
    ApplyCaptions();
    m_f.Strings.ApplyLanguageCharset(this);
}

void CaptionedWindow::ApplyCaptions() { ApplyCaptionList(m_f, m_captions); }

void ApplyCaptionList(const Foundation& f, const CaptionList& captions) {
    for (const auto& [id, set] : captions) {
        const QString text = f.Strings.GetMlString(id);
        if (!text.isEmpty()) set(text);
    }
}

}  // namespace tidepost

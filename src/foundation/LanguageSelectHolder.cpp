#include "foundation/LanguageSelectHolder.h"

#include "foundation/LanguageSelect.h"
#include "platform/OpenBoxes.h"

namespace tidepost {

LanguageSelectHolder::LanguageSelectHolder(Foundation& f) : m_f(f) {}

LanguageSelectHolder::~LanguageSelectHolder() = default;

void LanguageSelectHolder::ShowDialog(bool IsStartup) {
    if (!m_form) m_form = std::make_unique<LanguageSelect>(m_f, IsStartup);
    // The dialog may unload itself while it is shown: use nothing of m_form afterwards.
    m_form->ShowDialog(IsStartup);
}

void LanguageSelectHolder::unload() {
    if (!m_form) return;
    LanguageSelect* form = m_form.release();
    // Not under a box of its own: that box's answer is still awaited by the dialog's code.
    WhenNoBoxOpen(form, [form] {
        form->Form_Unload();
        form->hide();
        form->deleteLater();
    });
}

}  // namespace tidepost

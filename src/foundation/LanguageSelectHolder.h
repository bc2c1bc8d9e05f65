#pragma once
#include <functional>
#include <memory>

namespace tidepost {

struct Foundation;
class LanguageSelect;

// The one language dialog, created on first use. "Loaded" and "not loaded" differ: a dialog
// loaded at start-up but not shown stays loaded (and hidden) until it is unloaded.
class LanguageSelectHolder {
public:
    explicit LanguageSelectHolder(Foundation& f);
    ~LanguageSelectHolder();
    LanguageSelectHolder(const LanguageSelectHolder&) = delete;
    LanguageSelectHolder& operator=(const LanguageSelectHolder&) = delete;

    // Loads the dialog when it is not loaded, then runs its ShowDialog.
    void ShowDialog(bool IsStartup);

    // The loaded dialog, or null.
    LanguageSelect* get() const { return m_form.get(); }
    bool isLoaded() const { return m_form != nullptr; }
    // Runs the dialog's unload (which stores the language choice) and lets it go. Safe to call
    // from the dialog's own handlers: the window object itself is deleted once control is back
    // in the event loop. Nothing happens when it is not loaded.
    void unload();

    // How the dialog is shown modal; empty: QDialog::exec. Tests put their own here so that a
    // modal show does not block them.
    std::function<void(LanguageSelect&)> ShowModal;

private:
    Foundation& m_f;
    std::unique_ptr<LanguageSelect> m_form;
};

}  // namespace tidepost

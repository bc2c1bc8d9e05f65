#pragma once
#include <QPointer>
#include <functional>
#include <memory>

#include "platform/OpenBoxes.h"

namespace tidepost {

// The one instance of a window, created ("loaded") on first use and let go on unload, so the
// next use loads a fresh one. Unloading is safe from the window's own handlers (its timer, its
// keys, its buttons): the object is deleted once control is back in the event loop. A window with
// a box open over it (a question its own code waits for) closes only once that box has returned.
template <typename Form>
class FormHolder {
public:
    using Factory = std::function<Form*()>;
    explicit FormHolder(Factory make) : m_make(std::move(make)) {}
    ~FormHolder() { delete m_form.data(); }
    FormHolder(const FormHolder&) = delete;
    FormHolder& operator=(const FormHolder&) = delete;

    Form& get() {
        if (!m_form) m_form = m_make();
        return *m_form;
    }
    bool isLoaded() const { return !m_form.isNull(); }
    // The loaded window, or null.
    Form* loaded() const { return m_form.data(); }
    void unload() {
        Form* form = m_form.data();
        m_form.clear();
        if (!form) return;
        WhenNoBoxOpen(form, [form] {
            form->hide();
            form->deleteLater();
        });
    }

private:
    Factory m_make;
    QPointer<Form> m_form;
};

}  // namespace tidepost

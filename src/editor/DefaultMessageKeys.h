#pragma once
#include <functional>

#include "editor/FunctionKeyForm.h"
#include "foundation/FormHolder.h"

namespace tidepost {

struct Foundation;

// The function keys F1 to F8 of the main window and the dialog that sets them up.
struct DefaultMessageKeys {
    explicit DefaultMessageKeys(Foundation& f) : m_f(f) {}

    FunctionKeyLinks Links;
    FormHolder<FunctionKeyForm> Form{[this] { return new FunctionKeyForm(m_f, Links, [this] { Form.unload(); }); }};
    // Puts the stored message of key n into the editor (asking first), or opens the dialog on
    // that key when it has none.
    std::function<void(int n)> LoadDefaultMessage;
    // Counts one use of a command in the hot list.
    std::function<void(int id, int parentId)> HotListAdd;

    // The main window's key map: F1 to F8 without Shift, Ctrl or Alt load a default message.
    void HandleFunctionKey(int& keyCode, int shift);
    // "Set up function keys...": the dialog, modeless, and one use of "Default messages".
    void mnuFunctionKeySetup_Click();

private:
    Foundation& m_f;
};

}  // namespace tidepost

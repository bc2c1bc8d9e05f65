#include "editor/DefaultMessageKeys.h"

namespace tidepost {

void DefaultMessageKeys::HandleFunctionKey(int& keyCode, int shift) {
    if (keyCode < 112 || keyCode > 119 || shift != 0) return;
    const int n = keyCode - 111;
    // One press, one message: the key goes no further, or a control that leaves it would hand it
    // to its parents and each would ask again.
    keyCode = 0;
    if (LoadDefaultMessage) LoadDefaultMessage(n);
}

void DefaultMessageKeys::mnuFunctionKeySetup_Click() {
    Form.get().ShowForm();
    if (HotListAdd) HotListAdd(2015, 0);
}

}  // namespace tidepost

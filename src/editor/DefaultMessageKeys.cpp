#include "editor/DefaultMessageKeys.h"

namespace tidepost {

void DefaultMessageKeys::HandleFunctionKey(int& keyCode, int shift) {
    if (keyCode < 112 || keyCode > 119 || shift != 0) return;
    if (LoadDefaultMessage) LoadDefaultMessage(keyCode - 111);
}

void DefaultMessageKeys::mnuFunctionKeySetup_Click() {
    Form.get().ShowForm();
    if (HotListAdd) HotListAdd(2015, 0);
}

}  // namespace tidepost

#include "config/SetupDialogs.h"

#include "config/DefineSignatureForm.h"
#include "config/PasswordChangeForm.h"
#include "config/PasswordVerifyForm.h"
#include "config/SetLocalTimeForm.h"
#include "config/SetTimeForm.h"
#include "config/VesselDataForm.h"

namespace tidepost {

SetupDialogs::SetupDialogs(Config& c)
    : ConfigPasswordForm([&c] { return new tidepost::ConfigPasswordForm(c); }),
      TransmitPasswordForm([&c] { return new tidepost::TransmitPasswordForm(c); }),
      VerifyConfigPasswordForm([&c] { return new tidepost::VerifyConfigPasswordForm(c); }),
      VerifyTransmitPasswordForm([&c] { return new tidepost::VerifyTransmitPasswordForm(c); }),
      SetTimeForm([&c] { return new tidepost::SetTimeForm(c); }),
      SetLocalTimeForm([&c] { return new tidepost::SetLocalTimeForm(c); }),
      VesselDataForm([&c] { return new tidepost::VesselDataForm(c); }),
      DefineSignatureForm([&c] { return new tidepost::DefineSignatureForm(c); }) {}

SetupDialogs::~SetupDialogs() = default;

void SetupDialogs::UnloadAll() {
    ConfigPasswordForm.unload();
    TransmitPasswordForm.unload();
    VerifyConfigPasswordForm.unload();
    VerifyTransmitPasswordForm.unload();
    SetTimeForm.unload();
    SetLocalTimeForm.unload();
    VesselDataForm.unload();
    DefineSignatureForm.unload();
}

}  // namespace tidepost

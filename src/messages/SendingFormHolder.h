#pragma once
#include "foundation/FormHolder.h"

namespace tidepost {

struct Messages;
class SendingForm;

// The send dialogue, created on first use and let go when it closes.
class SendingFormHolder {
public:
    explicit SendingFormHolder(Messages& m);
    ~SendingFormHolder();
    FormHolder<tidepost::SendingForm> SendingForm;
};

}  // namespace tidepost

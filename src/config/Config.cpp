#include "config/Config.h"

#include "config/DefaultISPForm.h"
#include "config/DefaultLESForm.h"
#include "config/EMailServicesForm.h"
#include "config/LESConfigForm.h"
#include "config/LesEditForm.h"
#include "config/LesServicesForm.h"
#include "config/Routing.h"
#include "config/RoutingForm.h"
#include "config/SettingsForm.h"
#include "config/SetupDialogs.h"
#include "config/StatusDialogs.h"
#include "config/PcClock.h"
#include "link/Link.h"

namespace tidepost {

Config::Config(Foundation& foundation, Link& link, Messages& messages)
    : F(foundation),
      L(link),
      M(messages),
      LESConfigForm([this] { return new tidepost::LESConfigForm(*this); }),
      LesEditForm([this] { return new tidepost::LesEditForm(*this); }),
      LesServicesForm([this] { return new tidepost::LesServicesForm(*this); }),
      DefaultLESForm([this] { return new tidepost::DefaultLESForm(*this); }),
      DefaultISPForm([this] { return new tidepost::DefaultISPForm(*this); }),
      EMailServicesForm([this] { return new tidepost::EMailServicesForm(*this); }),
      SettingsForm([this] { return new tidepost::SettingsForm(*this); }),
      RoutingForm([this] { return new tidepost::RoutingForm(*this); }),
      Status(std::make_unique<StatusDialogs>(*this)),
      Setup(std::make_unique<SetupDialogs>(*this)) {}

Config::~Config() = default;

void RegisterConfigHandlers(Config& c) {
    c.L.Dispatch.HandleLesServicesReply = [&c](const QString& reply) { HandleLesServicesReply(c, reply); };
    c.L.Dispatch.HandlePrinterRoutingReply = [&c](const QString& reply) { HandlePrinterRoutingReply(c, reply); };
    c.L.Dispatch.HandleRoutingMenuReply = [&c](const QString& reply) { HandleRoutingMenuReply(c, reply); };
    RegisterStatusWindows(c);
    c.L.Dispatch.SetPcClockFromTransceiver = [&c](const QString& reply) { SetPcClockFromTransceiver(c, reply); };
}

}  // namespace tidepost

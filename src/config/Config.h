#pragma once
#include <memory>

#include "foundation/FormHolder.h"

namespace tidepost {

struct Foundation;
struct Link;
struct Messages;
class IConfigMainWindow;
class LESConfigForm;
class LesEditForm;
class LesServicesForm;
class DefaultLESForm;
class DefaultISPForm;
class EMailServicesForm;
class SettingsForm;
class RoutingForm;
struct StatusDialogs;
struct SetupDialogs;

// The configuration area's state: its dialogs, each created on first use and let go when it
// closes. One instance per program run, owned by the application object.
struct Config {
    Config(Foundation& foundation, Link& link, Messages& messages);
    ~Config();
    Config(const Config&) = delete;
    Config& operator=(const Config&) = delete;

    Foundation& F;
    Link& L;
    Messages& M;
    // The main window, once the application has set it; null in tests without one.
    IConfigMainWindow* MainWindow = nullptr;

    FormHolder<tidepost::LESConfigForm> LESConfigForm;
    FormHolder<tidepost::LesEditForm> LesEditForm;
    FormHolder<tidepost::LesServicesForm> LesServicesForm;
    FormHolder<tidepost::DefaultLESForm> DefaultLESForm;
    FormHolder<tidepost::DefaultISPForm> DefaultISPForm;
    FormHolder<tidepost::EMailServicesForm> EMailServicesForm;
    FormHolder<tidepost::SettingsForm> SettingsForm;
    FormHolder<tidepost::RoutingForm> RoutingForm;
    // The status windows, the mobile number, the sound test and the command line.
    std::unique_ptr<StatusDialogs> Status;
    // The passwords, the PC clock, the vessel data and the signature.
    std::unique_ptr<SetupDialogs> Setup;
};

// Registers the area's reply handlers ("status -n", "set -z", "ro", the PC clock's "ti -u") and its
// status windows' seams.
void RegisterConfigHandlers(Config& c);

}  // namespace tidepost

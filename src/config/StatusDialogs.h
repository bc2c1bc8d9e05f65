#pragma once
#include "foundation/FormHolder.h"

namespace tidepost {

struct Config;
class SystemInfoForm;
class TransceiverStatusForm;
class GPSStatusForm;
class LinkTestForm;
class MobileNoChangeForm;
class TestSoundForm;
class CommandForm;

// The status windows and the small tools of the Setup and Test menus, each created on first use
// and let go when it closes.
struct StatusDialogs {
    explicit StatusDialogs(Config& c);
    ~StatusDialogs();
    StatusDialogs(const StatusDialogs&) = delete;
    StatusDialogs& operator=(const StatusDialogs&) = delete;

    FormHolder<tidepost::SystemInfoForm> SystemInfoForm;
    FormHolder<tidepost::TransceiverStatusForm> TransceiverStatusForm;
    FormHolder<tidepost::GPSStatusForm> GPSStatusForm;
    FormHolder<tidepost::LinkTestForm> LinkTestForm;
    FormHolder<tidepost::MobileNoChangeForm> MobileNoChangeForm;
    FormHolder<tidepost::TestSoundForm> TestSoundForm;
    FormHolder<tidepost::CommandForm> CommandForm;

    // Lets every one of them go (the application's end, a test's end).
    void UnloadAll();
};

// Gives the link's seams of the status windows and of the system information to these windows.
void RegisterStatusWindows(Config& c);

// The openers of the main window's commands.
void ShowSystemInfoForm(Config& c);
void ShowMobileNoChangeForm(Config& c);
void ShowTestSoundForm(Config& c);
void ShowCommandForm(Config& c);

}  // namespace tidepost

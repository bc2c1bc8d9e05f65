#pragma once
#include <QtGlobal>

#include "foundation/FormHolder.h"

namespace tidepost {

struct Config;
class ConfigPasswordForm;
class TransmitPasswordForm;
class VerifyConfigPasswordForm;
class VerifyTransmitPasswordForm;
class SetTimeForm;
class SetLocalTimeForm;
class VesselDataForm;
class DefineSignatureForm;

// What has been told about the pending PC clock request, so that a request that keeps failing at
// every poll is told once: the transceiver refusing "ti -u", and the system refusing the time.
struct PcClockReports {
    bool CommandRefusalLogged = false;
    bool SystemRefusalReported = false;
};

// The password, PC clock, vessel data and signature dialogs, each created on first use and let go
// when it closes, and the state they share.
struct SetupDialogs {
    explicit SetupDialogs(Config& c);
    ~SetupDialogs();
    SetupDialogs(const SetupDialogs&) = delete;
    SetupDialogs& operator=(const SetupDialogs&) = delete;

    FormHolder<tidepost::ConfigPasswordForm> ConfigPasswordForm;
    FormHolder<tidepost::TransmitPasswordForm> TransmitPasswordForm;
    FormHolder<tidepost::VerifyConfigPasswordForm> VerifyConfigPasswordForm;
    FormHolder<tidepost::VerifyTransmitPasswordForm> VerifyTransmitPasswordForm;
    FormHolder<tidepost::SetTimeForm> SetTimeForm;
    FormHolder<tidepost::SetLocalTimeForm> SetLocalTimeForm;
    FormHolder<tidepost::VesselDataForm> VesselDataForm;
    FormHolder<tidepost::DefineSignatureForm> DefineSignatureForm;

    // The guarded command whose action the configuration password dialog runs after the right
    // password; written by each guarded command, never reset. -1: none yet (runs nothing).
    qint32 ConfigPasswordPurpose = -1;
    PcClockReports ClockReports;

    // Lets every one of them go (the application's end, a test's end).
    void UnloadAll();
};

}  // namespace tidepost

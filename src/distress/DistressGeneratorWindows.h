#pragma once

#include "foundation/FormHolder.h"

namespace tidepost {

struct Distress;
class DistressInfoForm;
class DistressGeneratorForm;
class Option112Form;

// The windows of the distress alert generator: the notice, the maritime dialog and the land
// mobile alert settings, each created when first used and let go when closed.
struct DistressGeneratorWindows {
    explicit DistressGeneratorWindows(Distress& d);
    ~DistressGeneratorWindows();
    DistressGeneratorWindows(const DistressGeneratorWindows&) = delete;
    DistressGeneratorWindows& operator=(const DistressGeneratorWindows&) = delete;
    FormHolder<DistressInfoForm> DistressInfoForms;
    FormHolder<DistressGeneratorForm> DistressGeneratorForms;
    FormHolder<Option112Form> Option112Forms;
};

// Puts these windows behind the distress area's window hooks (the replies open, fill and close
// them through those).
void ConnectDistressGeneratorWindows(Distress& d);

// The menu "Distress Alert setup...": the notice, or for land mobile and aero units the reads of
// their land-mobile settings.
void OpenDistressGenerator(Distress& d);
// The menu "Landmobile Alert settings...": while the unit answers, fresh lists in the settings
// window (loaded hidden) and the reads whose reply shows it.
void OpenLmAlertSettings(Distress& d);

}  // namespace tidepost

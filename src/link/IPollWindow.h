#pragma once
#include <QString>

namespace tidepost {

// What the periodic polls ask of the main window beyond ILinkWindow: the poll ticker of the debug
// display and the first-time question whether the PC clock is to follow the transceiver, whose
// windows belong to later areas. The main window implements it and registers itself in
// Link::Windows.PollWindow; while the pointer is null the ticker is not shown and the question is not asked.
class IPollWindow {
public:
    virtual ~IPollWindow() = default;
    // `Label11`: the ticker of the 10-s poll on the debug display.
    virtual QString Label11Caption() const = 0;
    virtual void SetLabel11Caption(const QString& caption) = 0;
    // The disclaimer window `ASISForm` is visible.
    virtual bool IsASISFormVisible() const = 0;
    // Shows `SetTimeForm` modeless (again, when it is already shown).
    virtual void ShowSetTimeForm() = 0;
};

}  // namespace tidepost

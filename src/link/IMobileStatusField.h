#pragma once
#include <QString>

namespace tidepost {

// The two looks of the main window's mobile status field `MobileStatusField`.
enum class StatusFieldColours {
    Normal,  // background 0xF0BDA8 (RGB 168, 189, 240), text in the system's button-text colour
    Alarm,   // background 0x0000FF (red), text 0xFFFFFF (white)
};

// What the status replies paint on the main window beyond the mobile status code (which goes
// through ILinkWindow::SetMobileStatus). The main window implements it and registers itself in
// Link::Windows.StatusField; while that is null nothing is painted.
class IMobileStatusField {
public:
    virtual ~IMobileStatusField() = default;
    virtual void PaintMobileStatusField(StatusFieldColours colours) = 0;
    // The test-mode notice: `Infofield` gets the caption, `InfoBox` is shown, and the window is
    // laid out again (MainFormSetUp).
    virtual void ShowTestModeNotice(const QString& caption) = 0;
};

}  // namespace tidepost

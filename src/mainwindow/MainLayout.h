#pragma once
#include <optional>

namespace tidepost {

// A control's place in twips, in the main window's work area.
struct TwipsRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TwipsRect&) const = default;
};

// What the main window's layout depends on, in twips. Width and Height are the window's frame,
// ScaleWidth and ScaleHeight its client area, Caption the height of a title bar.
struct MainLayoutInput {
    int View = 0;  // MessageLogShown: 0 editor, 1 inbox, 2 sent items, 3 EGC, 4 info log, 5 form
    bool InfoBoxVisible = false;
    int InfoBoxHeight = 600;
    // The default provider's Cc and Bcc prefixes allow those rows (editor view only).
    bool CcAllowed = false;
    bool BccAllowed = false;
    bool Compact = false;  // mnuCompactMode is checked
    int LogFrameHeight = 5145;
    // The "Views:" column's width: the design width, or wider where its captions need more.
    int ColumnWidth = 1185;
    int Width = 0;
    int Height = 0;
    int ScaleWidth = 0;
    int ScaleHeight = 0;
    int Caption = 0;
};

// The rows and the view control's place as MainFormSetUp and Form_Resize leave them.
struct MainLayout {
    int RowTops[5] = {};
    // The row-wanted flags after the view and compact rules.
    bool ToFieldVisible = false;
    bool CcFieldVisible = false;
    bool BCcFieldVisible = false;
    bool SubjectFieldVisible = false;
    bool LogFrameVisible = false;
    // Text box tops of the shown rows (buttons 20 lower, the Subject label 30 lower); -1 hidden.
    int ToTop = -1;
    int CcTop = -1;
    int BccTop = -1;
    int SubjectTop = -1;
    int HeaderWidth = 0;  // the four header text boxes
    int HeaderLeft = 0;   // their left: beside the column, however wide it is
    // The current view's control; no view shown for a view outside 0..5.
    bool ViewShown = false;
    TwipsRect ViewControl;
    // The "Views:" frame's top, only set while the frame is shown.
    std::optional<int> LogFrameTop;
    int InfoBoxWidth = 0;
    int StatusBarTop = 0;
    int PanelWidths[3] = {};
};

// Design places of the controls that the layout moves.
constexpr int kHeaderTextLeft = 1260;  // ToFieldText.Left
constexpr int kHeaderButtonLeft = 30;  // ToButton.Left
constexpr int kLogFrameWidth = 1185;
constexpr int kFirstRowTop = 960;
constexpr int kRowStep = 375;

// The whole layout for one state of the window: the row tops and which rows are shown, the view
// control's place and size, the widths of the header rows, the information box and the status
// panels. The window applies it; nothing here touches a widget.
MainLayout ComputeMainLayout(const MainLayoutInput& in);

// The "Views:" column's buttons in twips inside the frame, stacked from the last shown one.
struct ViewButtonsInput {
    bool DistressEditorButtonVisible = false;
    bool Compact = false;
    bool FormsMenuVisible = false;
    int EditorHeight = 800, DistressHeight = 800, InboxHeight = 800, OutboxHeight = 800, EGCHeight = 800,
        FormsHeight = 800;
};
struct ViewButtonsLayout {
    bool Arranged = false;  // hidden distress button in compact mode: nothing moves
    int InboxTop = 0, OutboxTop = 0, EGCTop = 0, FormsTop = 0;
    bool FormsVisible = false;
    int FrameHeight = 0;
};
constexpr int kEditorButtonTop = 240;
constexpr int kDistressEditorButtonTop = 1035;
ViewButtonsLayout ArrangeViewButtons(const ViewButtonsInput& in);

// The automatic compact rule of a resize: when the column does not fit below the rows, compact
// mode is switched on (and back off once it fits again), but only while the operator's choice
// ("[Compact Mode]") is "0"; the menu item is enabled exactly when the column fits.
struct AutoCompactDecision {
    std::optional<bool> SetCompact;  // switch without recording the choice
    bool MenuEnabled = true;
};
AutoCompactDecision AutoCompact(int logFrameTop, int logFrameHeight, int windowHeight, int caption,
                                bool compactOn, bool choiceIsOff);

// The window's own rules for its size and place, in pixels: at least 640 x 480; in the normal
// state a window whose caption is above the screen, that lies wholly left of it or that is larger
// than the screen comes back as 640 x 480 centred.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const PixelRect&) const = default;
};
PixelRect LimitWindow(PixelRect frame, int screenWidth, int screenHeight, int captionPx, bool normalState);

}  // namespace tidepost

#include "mainwindow/MainLayout.h"

#include <algorithm>

namespace tidepost {

namespace {
constexpr int kInfoBoxGap = 75;
constexpr int kRightMargin = 90;
constexpr int kHeaderRightMargin = 1430 - kHeaderTextLeft;
constexpr int kStatusBarLift = 95;
constexpr int kGridAllowance = 1680;
constexpr int kInfoLogAllowance = 930;
constexpr int kPanel1Width = kHeaderTextLeft;
constexpr int kPanel2Margin = 1000;
constexpr int kPanel3Width = 600;
constexpr int kButtonOverlap = 5;
constexpr int kFrameAllowance = 380;
constexpr int kColumnBottomMargin = 700;
constexpr int kMinWidthPx = 640;
constexpr int kMinHeightPx = 480;
}  // namespace

MainLayout ComputeMainLayout(const MainLayoutInput& in) {
    MainLayout out;
    const int base = in.InfoBoxVisible ? in.InfoBoxHeight + kFirstRowTop + kInfoBoxGap : kFirstRowTop;
    for (int i = 0; i < 5; ++i) out.RowTops[i] = base + i * kRowStep;

    out.ToFieldVisible = out.CcFieldVisible = out.BCcFieldVisible = out.SubjectFieldVisible = out.LogFrameVisible =
        true;
    if (in.View == 0) {
        out.CcFieldVisible = in.CcAllowed;
        out.BCcFieldVisible = in.BccAllowed;
    } else {
        // The folder views and the form have no header rows.
        out.ToFieldVisible = out.CcFieldVisible = out.BCcFieldVisible = out.SubjectFieldVisible = false;
    }
    if (in.Compact) out.LogFrameVisible = out.CcFieldVisible = out.BCcFieldVisible = false;

    int g = 0;
    const auto place = [&](bool wanted, int& top) {
        if (!wanted) return;
        top = out.RowTops[g];
        ++g;
    };
    place(out.ToFieldVisible, out.ToTop);
    place(out.CcFieldVisible, out.CcTop);
    place(out.BCcFieldVisible, out.BccTop);
    place(out.SubjectFieldVisible, out.SubjectTop);

    const int areaTop = out.RowTops[g];
    const int columnWidth = std::max(in.ColumnWidth, kLogFrameWidth);
    out.HeaderLeft = kHeaderTextLeft + (columnWidth - kLogFrameWidth);
    const int areaLeft = out.LogFrameVisible ? out.HeaderLeft : kHeaderButtonLeft;
    if (out.LogFrameVisible) out.LogFrameTop = areaTop;

    const int dh = in.Height - in.ScaleHeight;
    const int dw = in.Width - in.ScaleWidth;
    const int infoAllowance = in.InfoBoxVisible ? in.InfoBoxHeight + kInfoBoxGap : 0;
    const int editorWidth = in.Width - (out.LogFrameVisible ? columnWidth : 0) - dw - kRightMargin;
    out.StatusBarTop = in.Height - kStatusBarLift;
    out.HeaderWidth = in.Width - out.HeaderLeft - kHeaderRightMargin;
    if (in.InfoBoxVisible) out.InfoBoxWidth = in.Width - 200;

    out.ViewShown = in.View >= 0 && in.View <= 5;
    out.ViewControl = {areaLeft, areaTop, editorWidth, 0};
    switch (in.View) {
        case 0: out.ViewControl.Height = out.StatusBarTop - areaTop; break;
        case 4: out.ViewControl.Height = in.Height - in.Caption - infoAllowance - dh - kInfoLogAllowance; break;
        default: out.ViewControl.Height = in.Height - in.Caption - infoAllowance - kGridAllowance; break;
    }

    out.PanelWidths[0] = kPanel1Width;
    out.PanelWidths[1] = in.Width - kPanel1Width - kPanel2Margin;
    out.PanelWidths[2] = kPanel3Width;
    return out;
}

ViewButtonsLayout ArrangeViewButtons(const ViewButtonsInput& in) {
    ViewButtonsLayout out;
    int frame = 0;
    int nextTop = 0;
    if (in.DistressEditorButtonVisible) {
        nextTop = kDistressEditorButtonTop + in.DistressHeight - kButtonOverlap;
        frame = in.EditorHeight + in.DistressHeight;
    } else if (!in.Compact) {
        nextTop = kEditorButtonTop + in.EditorHeight - kButtonOverlap;
        frame = in.EditorHeight;
    } else {
        return out;
    }
    out.Arranged = true;
    out.InboxTop = nextTop;
    out.OutboxTop = out.InboxTop + in.InboxHeight - kButtonOverlap;
    out.EGCTop = out.OutboxTop + in.OutboxHeight - kButtonOverlap;
    frame += in.InboxHeight + in.OutboxHeight + in.EGCHeight + kFrameAllowance;
    if (in.FormsMenuVisible) {
        out.FormsTop = out.EGCTop + in.EGCHeight - kButtonOverlap;
        out.FormsVisible = true;
        frame += in.FormsHeight;
    }
    out.FrameHeight = frame;
    return out;
}

AutoCompactDecision AutoCompact(int logFrameTop, int logFrameHeight, int windowHeight, int caption,
                                bool compactOn, bool choiceIsOff) {
    AutoCompactDecision out;
    const bool fits = logFrameTop + logFrameHeight <= windowHeight - caption - kColumnBottomMargin;
    if (!fits) {
        if (choiceIsOff && !compactOn) out.SetCompact = true;
        out.MenuEnabled = false;
    } else {
        if (choiceIsOff && compactOn) out.SetCompact = false;
        out.MenuEnabled = true;
    }
    return out;
}

PixelRect LimitWindow(PixelRect frame, int screenWidth, int screenHeight, int captionPx, bool normalState) {
    if (frame.Width < kMinWidthPx) frame.Width = kMinWidthPx;
    if (frame.Height < kMinHeightPx) frame.Height = kMinHeightPx;
    if (!normalState) return frame;
    if (frame.Top < -captionPx || frame.Left + frame.Width < 0 || frame.Height > screenHeight ||
        frame.Width > screenWidth) {
        frame.Width = kMinWidthPx;
        frame.Height = kMinHeightPx;
        frame.Top = (screenHeight - frame.Height) / 2;
        frame.Left = (screenWidth - frame.Width) / 2;
    }
    return frame;
}

}  // namespace tidepost

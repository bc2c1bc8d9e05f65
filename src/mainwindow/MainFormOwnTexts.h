#pragma once
#include <QString>

class QWidget;

namespace tidepost {

struct Foundation;

// What the main window shows or speaks beyond the captions of its string-table list, in the
// language in use: the distress editor button's caption, the names a screen reader reads for the
// fields, grids and bars; then access keys for its buttons that clash with none of the window.
// Run after the captions, at load and on every language change.
void ApplyMainFormOwnTexts(QWidget& form, const Foundation& f);

// The engine's activity word ("Idle", "Receiving", "Processing", "Message to mobile") in the
// language in use; any other text comes back as it is.
QString ActivityText(const Foundation& f, const QString& english);

// Design sizes, in twips, of what the texts' widths move.
inline constexpr int kIndicatorCaptionWidth = 1380;
inline constexpr int kIndicatorFrameWidth = 2415;
inline constexpr int kActivityLeft = 8760;
inline constexpr int kViewButtonWidth = 900;
inline constexpr int kViewColumnWidth = 1185;
inline constexpr int kViewColumnMargin = 45;

// The indicator captions' width and how far the bars beside them move: the design width while the
// widest caption fits it, else what that caption needs.
struct IndicatorColumns {
    int CaptionWidth = 0;
    int Shift = 0;
    bool operator==(const IndicatorColumns&) const = default;
};
IndicatorColumns IndicatorRowsFor(int widestCaptionPx, int designCaptionPx);
// The "Views:" column's width: the design width, or the widest caption and the margins.
int ViewColumnWidth(int widestCaptionPx, int designPx, int marginPx);
// A view button's width: what its caption needs, at least the design width, at most what the
// column holds inside its margins.
int ViewButtonWidth(int captionPx, int designPx, int columnPx, int marginPx);

}  // namespace tidepost

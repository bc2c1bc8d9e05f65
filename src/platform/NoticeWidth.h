#pragma once
#include <QString>

class QFontMetrics;

namespace tidepost {

// How wide a message box's text may lie so that no line the text breaks itself is wrapped again
// and the title bar shows its whole title: the widest of the text's lines, at least the title's
// width (with room for the title bar's buttons), at most `limitPx`.
int NoticeTextWidth(const QFontMetrics& text, const QString& body, const QFontMetrics& title,
                    const QString& caption, int limitPx);

}  // namespace tidepost

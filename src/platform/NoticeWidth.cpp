#include "platform/NoticeWidth.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace tidepost {

namespace {
// The title bar's buttons and icon, and a window manager's bolder title font.
constexpr int kTitleBarRoom = 160;
}  // namespace

int NoticeTextWidth(const QFontMetrics& text, const QString& body, const QFontMetrics& title, const QString& caption,
                    int limitPx) {
    int widest = 0;
    for (QString line : body.split(u'\n')) {
        line.remove(u'\r');
        widest = std::max(widest, text.horizontalAdvance(line));
    }
    if (!caption.isEmpty()) widest = std::max(widest, title.horizontalAdvance(caption) * 6 / 5 + kTitleBarRoom);
    return std::clamp(widest, 0, std::max(limitPx, 0));
}

}  // namespace tidepost

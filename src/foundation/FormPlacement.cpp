#include "foundation/FormPlacement.h"

#include <QWidget>

#include "foundation/AppSettings.h"

namespace tidepost {

namespace {
QString InTwips(int pixels) { return QString::number(static_cast<float>(pixels) * kTwipsPerPixel); }
}  // namespace

void SaveFormPlacement(Foundation& f, const QString& appName, const QWidget& window) {
    const QString section = window.objectName();
    const QRect frame = window.frameGeometry();
    const int state = window.isMinimized() ? 1 : window.isMaximized() ? 2 : 0;
    SaveAppSetting(f, appName, section, "Left", InTwips(frame.left()));
    SaveAppSetting(f, appName, section, "Top", InTwips(frame.top()));
    SaveAppSetting(f, appName, section, "Width", InTwips(frame.width()));
    SaveAppSetting(f, appName, section, "Height", InTwips(frame.height()));
    SaveAppSetting(f, appName, section, "WindowState", QString::number(state));
}

}  // namespace tidepost

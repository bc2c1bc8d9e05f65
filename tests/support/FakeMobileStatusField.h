#pragma once
#include <QList>
#include <QStringList>

#include "link/IMobileStatusField.h"

namespace tidepost::test {

// Records how the main window's status field was painted and which test-mode notices it showed.
class FakeMobileStatusField : public IMobileStatusField {
public:
    void PaintMobileStatusField(StatusFieldColours colours) override { Paints.append(colours); }
    void ShowTestModeNotice(const QString& caption) override { Notices.append(caption); }
    QList<StatusFieldColours> Paints;
    QStringList Notices;
};

}  // namespace tidepost::test

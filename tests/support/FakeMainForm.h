#pragma once
#include <QMap>
#include <QString>

#include "foundation/IMainForm.h"

namespace tidepost::test {

// Stands in for the main window: remembers what was put on it.
class FakeMainForm : public IMainForm {
public:
    void SetStatusPanelText(int panel, const QString& text) override { StatusPanels[panel] = text; }
    int DisplayColorBits() const override { return ColorBits; }

    QMap<int, QString> StatusPanels;
    int ColorBits = 24;
};

}  // namespace tidepost::test

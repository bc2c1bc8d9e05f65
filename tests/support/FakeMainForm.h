#pragma once
#include <QMap>
#include <QString>
#include <functional>

#include "foundation/IMainForm.h"

namespace tidepost::test {

// Stands in for the main window: remembers what was put on it.
class FakeMainForm : public IMainForm {
public:
    void SetStatusPanelText(int panel, const QString& text) override { StatusPanels[panel] = text; }
    int DisplayColorBits() const override { return ColorBits; }
    QWidget* Form() override { return Window; }
    void mnuExit_Click() override {
        ++ExitClicks;
        if (OnExit) OnExit();
    }

    QMap<int, QString> StatusPanels;
    int ColorBits = 24;
    QWidget* Window = nullptr;  // the window others centre over; none by default
    int ExitClicks = 0;
    std::function<void()> OnExit;
};

}  // namespace tidepost::test

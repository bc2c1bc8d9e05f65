#pragma once
#include <QString>

#include "link/IPollWindow.h"

namespace tidepost::test {

// The main window's part of the periodic polls: the poll ticker and the clock question.
class FakePollWindow : public IPollWindow {
public:
    QString Label11Caption() const override { return Label11; }
    void SetLabel11Caption(const QString& caption) override { Label11 = caption; }
    bool IsASISFormVisible() const override { return ASISFormVisible; }
    void ShowSetTimeForm() override { ++SetTimeFormShown; }

    QString Label11 = "T2: ";
    bool ASISFormVisible = false;
    int SetTimeFormShown = 0;
};

}  // namespace tidepost::test

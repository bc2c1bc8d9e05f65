#pragma once
#include <QList>

#include "link/INotificationsWindow.h"

namespace tidepost::test {

// Stands in for the main window's info-log view, test-mode notice and distress test window.
class FakeNotificationsWindow : public INotificationsWindow {
public:
    struct Row {
        QDateTime Date;
        quint8 Type = 0;
        qint16 Number = 0;
        QString Text;
    };
    void AddMessageGridInfoEntry(const QDateTime& oDate, quint8 InfoType, qint16 InfoNumber,
                                 const QString& InfoMessage) override {
        Rows.append({oDate, InfoType, InfoNumber, InfoMessage});
    }
    void HideTestModeNotice() override { ++NoticeHidden; }
    void ShowDistressButtonsTestWindow() override { ++DistressTestWindowRequests; }

    QList<Row> Rows;  // every entry added, in order
    int NoticeHidden = 0;
    int DistressTestWindowRequests = 0;
};

}  // namespace tidepost::test

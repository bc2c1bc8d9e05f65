#pragma once
#include <QString>

#include "foundation/CaptionedWindow.h"

class QLabel;
class QPushButton;

namespace tidepost {

struct Foundation;
struct Link;

// "Latest distress info": the outcome of the transceiver's latest distress alert and test.
class LatestDistressForm : public CaptionedWindow {
    Q_OBJECT
public:
    LatestDistressForm(Foundation& f, std::function<void()> okClicked);

    QLabel* LatestDistressLabel = nullptr;
    QLabel* LatestDistressField = nullptr;
    QLabel* LatestDistressTestLabel = nullptr;
    QLabel* LatestDistressTestField = nullptr;
    QLabel* InfoLabel = nullptr;
    QLabel* InfoLabel2 = nullptr;
    QPushButton* OkButton = nullptr;
};

// The two values of an "st -a" reply, as shown (translated, or as the transceiver wrote them).
struct LatestDistressValues {
    QString Alert;
    QString Test;
};
LatestDistressValues ReadLatestDistressReply(const Foundation& f, const QString& reply);

}  // namespace tidepost

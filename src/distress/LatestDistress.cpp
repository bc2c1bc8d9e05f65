#include "distress/LatestDistress.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

namespace {

constexpr int kValueOffset = 23;
const QChar kEtx(3);

// The text from offset 23 of the label up to the next ETX, trimmed; "" without the label or
// without an ETX at or after that offset.
QString ValueAfter(const QString& reply, const QString& label) {
    const qsizetype a = reply.indexOf(label, 0, Qt::CaseInsensitive);
    if (a < 0) return {};
    const qsizetype e = reply.indexOf(kEtx, a);
    if (e < a + kValueOffset) return {};
    return reply.mid(a + kValueOffset, e - a - kValueOffset).trimmed();
}

QString Translate(const Foundation& f, const QString& value, int acceptedId, const char* accepted) {
    const QString lower = value.toLower();
    if (lower == QLatin1String("none")) return f.Strings.GetMlString(2332, "none");
    if (lower == QLatin1String("accepted")) return f.Strings.GetMlString(acceptedId, QString::fromLatin1(accepted));
    if (lower == QLatin1String("rejected")) return f.Strings.GetMlString(2948, "rejected");
    return value;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(name);
    return label;
}

}  // namespace

LatestDistressValues ReadLatestDistressReply(const Foundation& f, const QString& reply) {
    return {Translate(f, ValueAfter(reply, QStringLiteral("Latest Distress  ")), 2848, "received by MRCC"),
            Translate(f, ValueAfter(reply, QStringLiteral("Latest Distress test")), 2849, "successful")};
}

LatestDistressForm::LatestDistressForm(Foundation& f, std::function<void()> okClicked)
    : CaptionedWindow(f, "LatestDistressForm", kFixedDialog) {
    setWindowTitle(QStringLiteral("Latest distress info"));
    auto* grid = new QGridLayout(this);
    InfoLabel = MakeLabel(this, "InfoLabel",
                          "This window displays information on the latest Distress Alert and latest Distress test.");
    InfoLabel->setWordWrap(true);
    LatestDistressLabel = MakeLabel(this, "LatestDistressLabel", "Latest Distress Alert:");
    LatestDistressField = MakeLabel(this, "LatestDistressField", "none");
    LatestDistressTestLabel = MakeLabel(this, "LatestDistressTestLabel", "Latest Distress test:");
    LatestDistressTestField = MakeLabel(this, "LatestDistressTestField", "none");
    InfoLabel2 = MakeLabel(this, "InfoLabel2",
                           "The status of the latest Distress test is the result of the last Link/PVT test performed.");
    InfoLabel2->setWordWrap(true);
    for (QLabel* field : {LatestDistressField, LatestDistressTestField}) {
        QFont bold = field->font();
        bold.setBold(true);
        field->setFont(bold);
        field->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        field->setFocusPolicy(Qt::StrongFocus);
    }
    // Each value is read out with its label.
    LatestDistressField->setAccessibleName(LatestDistressLabel->text());
    LatestDistressTestField->setAccessibleName(LatestDistressTestLabel->text());
    OkButton = new QPushButton(QStringLiteral("Ok"), this);
    OkButton->setObjectName("OkButton");
    OkButton->setDefault(true);
    grid->addWidget(InfoLabel, 0, 0, 1, 2);
    grid->addWidget(LatestDistressLabel, 1, 0);
    grid->addWidget(LatestDistressField, 1, 1);
    grid->addWidget(LatestDistressTestLabel, 2, 0);
    grid->addWidget(LatestDistressTestField, 2, 1);
    grid->addWidget(InfoLabel2, 3, 0, 1, 2);
    grid->addWidget(OkButton, 4, 0, 1, 2, Qt::AlignHCenter);
    setTabOrder(LatestDistressField, LatestDistressTestField);
    setTabOrder(LatestDistressTestField, OkButton);
    connect(OkButton, &QPushButton::clicked, this, [okClicked = std::move(okClicked)] {
        if (okClicked) okClicked();
    });

    AddCaption(400, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(2333, [this](const QString& t) { InfoLabel->setText(t); });
    AddCaption(2331, [this](const QString& t) { InfoLabel2->setText(t); });
    AddCaption(2332, [this](const QString& t) { LatestDistressField->setText(t); });
    AddCaption(403, [this](const QString& t) {
        LatestDistressLabel->setText(t);
        LatestDistressField->setAccessibleName(t);
    });
    AddCaption(2332, [this](const QString& t) { LatestDistressTestField->setText(t); });
    AddCaption(2334, [this](const QString& t) {
        LatestDistressTestLabel->setText(t);
        LatestDistressTestField->setAccessibleName(t);
    });
    AddCaption(2187, [this](const QString& t) { OkButton->setText(t); });
    FinishLoad();
    // The window opens with OK ready, not with a caret in a value.
    OkButton->setFocus();
    setMinimumWidth(420);
    adjustSize();
    CentreOverMainWindow(*this, f.Windows.MainForm ? f.Windows.MainForm->Form() : nullptr);
}

}  // namespace tidepost

#include "mainwindow/AboutTidepost.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSysInfo>
#include <QVBoxLayout>

#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/ProgramVersion.h"
#include "mainwindow/ProductPictures.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

// A value beside its caption: the caption names the value for a screen reader.
QLabel* MakeValue(QWidget* parent, const char* name, const QString& text, QLabel* caption) {
    QLabel* value = MakeLabel(parent, name, text);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    value->setAccessibleName(caption->text());
    return value;
}

}  // namespace

QString AboutTidepost::SupportedPlatform() {
#if defined(Q_OS_LINUX)
    const QString system = QStringLiteral("Linux");
#else
    const QString system = QSysInfo::kernelType();
#endif
    return system + QStringLiteral(" (") + QSysInfo::buildCpuArchitecture() + QLatin1Char(')');
}

AboutTidepost::AboutTidepost(Foundation& f, const QWidget* mainWindow, std::function<void()> unload)
    : QDialog(nullptr, kFixedDialog), m_f(f), m_unload(std::move(unload)) {
    setObjectName("AboutTidepost");
    setWindowTitle("About Tidepost");
    setModal(false);

    Picture2 = MakeLabel(this, "Picture2", QString());
    Picture2->setPixmap(DrawProductScene(QSize(Twips(3600), Twips(2175))));
    Picture2->setAccessibleName("Tidepost");
    Picture3 = MakeLabel(this, "Picture3", QString());
    Picture3->setPixmap(DrawTransceiverBox(QSize(Twips(1800), Twips(1200))));
    Picture3->setAccessibleName("KV-570");

    Label2 = MakeLabel(this, "Label2", "Kalvenor & Kalvenor Tidepost");
    Label2->setTextFormat(Qt::PlainText);
    QFont big = Label2->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    Label2->setFont(big);
    Label3 = MakeLabel(this, "Label3", "A graphical terminal for Kalvenor & Kalvenor Inmarsat-C transceivers");
    Label3->setTextFormat(Qt::PlainText);
    Label3->setWordWrap(true);
    Label6 = MakeLabel(this, "Label6", "Other supported transceivers:");
    Label7 = MakeLabel(this, "Label7", "OEM brands of KV-570");

    OsLabel = MakeLabel(this, "OsLabel", "Supported OS:");
    OsValueLabel = MakeValue(this, "OsValueLabel", SupportedPlatform(), OsLabel);
    VersionLabel = MakeLabel(this, "VersionLabel", "Version:");
    VersionValueLabel = MakeValue(this, "VersionValueLabel", f.VersionText, VersionLabel);
    BuildLabel = MakeLabel(this, "BuildLabel", "Build:");
    BuildValueLabel = MakeValue(this, "BuildValueLabel", FormatRevision(GetProgramVersion()), BuildLabel);
    BuildDateLabel = MakeLabel(this, "BuildDateLabel", "Date:");
    BuildDateValueLabel = MakeValue(this, "BuildDateValueLabel", "7/3/2012", BuildDateLabel);

    lblDisclaimer = MakeLabel(this, "lblDisclaimer", QString());
    lblDisclaimer->setTextFormat(Qt::PlainText);
    lblDisclaimer->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    DisclaimerField = new QPlainTextEdit(this);
    DisclaimerField->setObjectName("DisclaimerField");
    DisclaimerField->setReadOnly(true);
    DisclaimerField->setTabChangesFocus(true);
    DisclaimerField->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    DisclaimerField->setPlainText(GetDisclaimerText(f));
    DisclaimerField->setAccessibleName("Disclaimer");

    cmdOK = new QPushButton("&OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    cmdOK->setAutoDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &AboutTidepost::cmdOK_Click);

    auto* facts = new QGridLayout;
    const std::pair<QLabel*, QLabel*> rows[] = {{OsLabel, OsValueLabel},
                                                {VersionLabel, VersionValueLabel},
                                                {BuildLabel, BuildValueLabel},
                                                {BuildDateLabel, BuildDateValueLabel}};
    int row = 0;
    for (const auto& [caption, value] : rows) {
        facts->addWidget(caption, row, 0);
        facts->addWidget(value, row, 1);
        ++row;
    }
    facts->setColumnStretch(1, 1);

    auto* text = new QVBoxLayout;
    text->addWidget(Label2);
    text->addWidget(Label3);
    text->addSpacing(6);
    text->addWidget(Label6);
    text->addWidget(Label7);
    text->addSpacing(6);
    text->addLayout(facts);
    text->addStretch();

    auto* pictures = new QVBoxLayout;
    pictures->addWidget(Picture2);
    pictures->addWidget(Picture3, 0, Qt::AlignHCenter);
    pictures->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(pictures);
    top->addLayout(text, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblDisclaimer);
    layout->addWidget(DisclaimerField, 1);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
    setTabOrder(cmdOK, DisclaimerField);
    setTabOrder(DisclaimerField, lblDisclaimer);

    connect(&f.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &AboutTidepost::ml_RuntimeSupport_LanguageChanged);
    m_captions = {
        {2126, [this](const QString& t) { setWindowTitle(t); }},
        {2133, [this](const QString& t) { Label3->setText(QString(t).replace("&&", "&")); }},
        {2130, [this](const QString& t) { Label6->setText(t); }},
        {2129, [this](const QString& t) { Label7->setText(t); }},
        {3033, [this](const QString& t) { OsLabel->setText(t); }},
        {3034, [this](const QString& t) { VersionLabel->setText(t); }},
        {3031, [this](const QString& t) { BuildLabel->setText(t); }},
        {2445, [this](const QString& t) { BuildDateLabel->setText(t); }},
        {2136, [this](const QString& t) { lblDisclaimer->setText(t + QLatin1String(kMakerAddress)); }},
        {3, [this](const QString& t) { cmdOK->setText(t); }},
    };
    lblDisclaimer->setText(QStringLiteral("For further info please visit: ") + QLatin1String(kMakerAddress));
    ApplyCaptions();
    const QString caption = f.Strings.GetMlString(2580);
    setWindowTitle((caption.isEmpty() ? QStringLiteral("About Kalvenor & Kalvenor ") : caption) + f.gProductName);

    setFixedSize(Twips(9600), Twips(7800));
    CentreOverMainWindow(*this, mainWindow);
    cmdOK->setFocus();
}

void AboutTidepost::ApplyCaptions() {
    ApplyCaptionList(m_f, m_captions);
    // A value names its caption for a screen reader, in the current language.
    for (auto [caption, value] : {std::pair{OsLabel, OsValueLabel}, std::pair{VersionLabel, VersionValueLabel},
                                  std::pair{BuildLabel, BuildValueLabel}, std::pair{BuildDateLabel, BuildDateValueLabel}})
        value->setAccessibleName(caption->text());
    m_f.Strings.ApplyLanguageCharset(this);
}

void AboutTidepost::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
}

void AboutTidepost::cmdOK_Click() {
    hide();
    if (m_unload) m_unload();
}

void AboutTidepost::cmdOK_KeyPress(int KeyAscii) {
    if (KeyAscii == 27) cmdOK_Click();
}

void AboutTidepost::reject() { cmdOK_Click(); }

}  // namespace tidepost

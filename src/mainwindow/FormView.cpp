#include "mainwindow/FormView.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/Captions.h"
#include "foundation/MlStrings.h"

namespace tidepost {

FormView::FormView(const MlStrings& strings, QWidget* parent)
    : QFrame(parent),
      m_strings(strings),
      m_title(new QLabel(this)),
      m_addressLabel(new QLabel(QStringLiteral("Address:"), this)),
      m_address(new QLineEdit(this)),
      m_open(new QPushButton(QStringLiteral("&Open in web browser"), this)),
      m_noBrowser(new QLabel(QStringLiteral("No web browser was started. Open the address above in a web browser."), this)) {
    setObjectName("oWebBrowser");
    setFrameShape(QFrame::StyledPanel);
    m_title->setObjectName("FormTitle");
    m_title->setTextFormat(Qt::PlainText);
    m_title->setWordWrap(true);
    QFont big = m_title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_title->setFont(big);
    m_addressLabel->setObjectName("FormAddressLabel");
    m_address->setObjectName("FormAddress");
    m_address->setReadOnly(true);
    m_addressLabel->setBuddy(m_address);
    m_open->setObjectName("OpenInBrowserButton");
    m_noBrowser->setObjectName("NoBrowserLabel");
    m_noBrowser->setTextFormat(Qt::PlainText);
    m_noBrowser->setWordWrap(true);
    m_noBrowser->hide();

    auto* addressRow = new QHBoxLayout;
    addressRow->addWidget(m_addressLabel);
    addressRow->addWidget(m_address, 1);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(m_open);
    buttonRow->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addLayout(addressRow);
    layout->addLayout(buttonRow);
    layout->addWidget(m_noBrowser);
    layout->addStretch();
    setTabOrder(m_address, m_open);
    connect(m_open, &QPushButton::clicked, this, [this] {
        if (OpenInBrowser) OpenInBrowser();
    });
    ApplyCaptions();
}

void FormView::ApplyCaptions() {
    SetCaption(m_strings, m_addressLabel, 3600);
    SetCaption(m_strings, m_open, 3601);
    SetCaption(m_strings, m_noBrowser, 3602);
    const QString name = m_strings.GetMlString(3603, "Electronic form");
    setAccessibleName(name.isEmpty() ? QStringLiteral("Electronic form") : name);
    QString addressName = m_addressLabel->text();
    addressName.remove(u'&');
    if (addressName.endsWith(u':')) addressName.chop(1);
    m_address->setAccessibleName(addressName);
    m_title->setAccessibleName(m_title->text());
}

void FormView::SetForm(const QString& title, const QString& address) {
    QString plain = title;
    plain.replace(QLatin1String("&&"), QLatin1String("&"));
    m_title->setText(plain);
    m_title->setAccessibleName(plain);
    m_address->setText(address);
    m_address->setCursorPosition(0);
}

void FormView::SetBrowserStarted(bool started) { m_noBrowser->setVisible(!started); }

}  // namespace tidepost

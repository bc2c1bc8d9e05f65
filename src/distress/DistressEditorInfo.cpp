#include "distress/DistressEditorInfo.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

DistressEditorInfo::DistressEditorInfo(Foundation& f, Kind kind, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_f(f),
      m_kind(kind) {
    setObjectName(kind == Kind::Question ? "DistressEditorInfo1" : "DistressEditorInfo2");
    setWindowTitle("Customize caption text");
    QFont arial("Arial");
    setFont(arial);
    DistressEditorInfoText = new QLabel("Customize label text", this);
    DistressEditorInfoText->setObjectName("DistressEditorInfoText");
    DistressEditorInfoText->setWordWrap(true);
    DistressEditorInfoText->setAlignment(Qt::AlignCenter);
    DistressEditorInfoText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont big = arial;
    big.setPointSize(10);
    DistressEditorInfoText->setFont(big);
    QPalette red = DistressEditorInfoText->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    red.setColor(QPalette::Text, Qt::red);
    DistressEditorInfoText->setPalette(red);

    OKButton = new QPushButton(kind == Kind::Question ? "Yes" : "OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &DistressEditorInfo::OKButton_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    if (kind == Kind::Question) {
        CancelButton = new QPushButton("No", this);
        CancelButton->setObjectName("CancelButton");
        connect(CancelButton, &QPushButton::clicked, this, &DistressEditorInfo::CancelButton_Click);
        buttons->addWidget(CancelButton);
    }
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DistressEditorInfoText);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    DistressEditorInfoText->setFixedWidth(360);

    ApplyCaptions();
    connect(&m_f.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            [this](int languageId, const QString& language) {
                m_f.Strings.SetMlLanguage(languageId, language);
                ApplyCaptions();
            });
}

void DistressEditorInfo::ApplyCaptions() {
    const auto caption = [this](QPushButton* button, int id) {
        const QString text = m_f.Strings.GetMlString(id, QString());
        if (button && !text.isEmpty()) button->setText(text);
    };
    if (m_kind == Kind::Question) {
        caption(CancelButton, 2206);
        caption(OKButton, 2207);
    } else {
        caption(OKButton, 1906);
    }
    m_f.Strings.ApplyLanguageCharset(this);
}

void DistressEditorInfo::SetInfo(const QString& caption, const QString& text) {
    setWindowTitle(caption);
    DistressEditorInfoText->setText(text);
    DistressEditorInfoText->setAccessibleName(text);
    // Screen readers read the question with the window; the keyboard starts on the default button.
    setAccessibleDescription(text);
    OKButton->setFocus();
}

void DistressEditorInfo::OKButton_Click() {
    ButtonClicked = 1;
    accept();
}

void DistressEditorInfo::CancelButton_Click() {
    ButtonClicked = 2;
    reject();
}

namespace {

quint8 ShowInfo(Foundation& f, DistressEditorInfo::Kind kind, QWidget* owner, const QString& caption,
                const QString& text) {
    DistressEditorInfo dialog(f, kind, owner);
    dialog.SetInfo(caption, text);
    dialog.setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    if (f.Os.Boxes) f.Os.Boxes->ShowDialog(dialog);
    return dialog.ButtonClicked;
}

}  // namespace

bool AskDistressEditorQuestion(Foundation& f, QWidget* owner, const QString& caption, const QString& text) {
    return ShowInfo(f, DistressEditorInfo::Kind::Question, owner, caption, text) == 1;
}

void ShowDistressEditorNotice(Foundation& f, QWidget* owner, const QString& caption, const QString& text) {
    ShowInfo(f, DistressEditorInfo::Kind::Notice, owner, caption, text);
}

}  // namespace tidepost

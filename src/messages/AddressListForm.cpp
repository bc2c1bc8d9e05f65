#include "messages/AddressListForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/Captions.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "messages/Messages.h"

namespace tidepost {

AddressListForm::AddressListForm(Messages& m, QWidget* parent) : QDialog(parent), m_m(m) {
    setObjectName("AddressListForm");
    setWindowTitle("Matching addresses");

    AddressList = new QListWidget(this);
    AddressList->setObjectName("AddressList");
    AddressList->setSelectionMode(QAbstractItemView::SingleSelection);
    AddressText = new QLabel(this);
    AddressText->setObjectName("AddressText");
    AddressText->setWordWrap(true);
    AddressText->setBuddy(AddressList);
    OKButton = new QPushButton("&Ok", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("&Cancel", this);
    CancelButton->setObjectName("CancelButton");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(AddressText);
    layout->addWidget(AddressList, 1);
    layout->addLayout(buttons);

    connect(AddressList, &QListWidget::itemSelectionChanged, this, &AddressListForm::AddressList_Click);
    connect(AddressList, &QListWidget::itemDoubleClicked, this, &AddressListForm::AddressList_DblClick);
    connect(OKButton, &QPushButton::clicked, this, &AddressListForm::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &AddressListForm::CancelButton_Click);

    ApplyCaptions();
    m_m.F.Strings.ApplyLanguageCharset(this);
    ml_RuntimeSupport = connect(&m_m.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
                                &AddressListForm::ml_RuntimeSupport_LanguageChanged);
    resize(Twips(4500), Twips(3000));
    IMainForm* main = m_m.F.Windows.MainForm;
    CentreOverMainWindow(*this, main ? main->Form() : nullptr);
    OKButton->setEnabled(false);
}

AddressListForm::~AddressListForm() { disconnect(ml_RuntimeSupport); }

void AddressListForm::ApplyCaptions() {
    const MlStrings& s = m_m.F.Strings;
    SetWindowCaption(s, this, 2165);
    SetCaption(s, OKButton, 2166);
    SetCaption(s, CancelButton, 4);
    // The list speaks the window's title; the prompt above it changes with every name.
    AddressList->setAccessibleName(windowTitle());
}

void AddressListForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_m.F.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
    m_m.F.Strings.ApplyLanguageCharset(this);
}

void AddressListForm::Fill(int nameIndex) {
    Tag = QString::number(nameIndex);
    AddressList->clear();
    AddressList->addItems(m_m.LastSearchResult.Names);
    AddressText->setText(FormatMlString(MlText(m_m.F, 2591, "Choose one of the matching addresses for '%0'"),
                                        {m_m.ResolveNames.value(nameIndex)}));
    m_chosen.clear();
    OKButton->setEnabled(false);
}

void AddressListForm::AddressList_Click() {
    if (!AddressList->selectedItems().isEmpty()) OKButton->setEnabled(true);
}

void AddressListForm::AddressList_DblClick() {
    AddressList_Click();
    OKButton_Click();
}

void AddressListForm::OKButton_Click() {
    const QList<QListWidgetItem*> selected = AddressList->selectedItems();
    m_chosen = selected.isEmpty() ? QString() : selected.first()->text();
    hide();
}

// A cancelled choice delivers no name, whatever is selected: the operator did not pick it.
void AddressListForm::CancelButton_Click() {
    m_chosen.clear();
    hide();
}

void AddressListForm::reject() { CancelButton_Click(); }

}  // namespace tidepost

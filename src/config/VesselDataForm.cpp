#include "config/VesselDataForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "config/Config.h"
#include "config/IConfigMainWindow.h"
#include "foundation/OkCancelButtons.h"
#include "config/SetupDialogs.h"
#include "foundation/AppSettings.h"
#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

QString Get(Foundation& f, const char* key) { return GetAppSetting(f, f.gProductName, "Settings", key, QString()); }
bool Put(Foundation& f, const char* key, const QString& value) {
    return SaveAppSetting(f, f.gProductName, "Settings", key, value);
}

// The comment box shows line breaks as LF; the store keeps the CR LF the rest of the program uses.
QString ToBox(const QString& stored) {
    QString text = stored;
    return text.replace(kCrLf, QStringLiteral("\n"));
}
QString FromBox(const QString& box) {
    QString text = box;
    return text.replace(QLatin1Char('\n'), kCrLf);
}

}  // namespace

VesselData ReadVesselData(Foundation& f) {
    return {Get(f, "VesselName"), Get(f, "VesselType"),  Get(f, "VesselFlag"),
            Get(f, "VesselDestination"), Get(f, "VesselCargo"), Get(f, "VesselComment")};
}

bool StoreVesselData(Foundation& f, const VesselData& d) {
    bool stored = true;
    stored = Put(f, "VesselName", d.Name) && stored;
    stored = Put(f, "VesselComment", d.Comment) && stored;
    stored = Put(f, "VesselType", d.Type) && stored;
    stored = Put(f, "VesselFlag", d.Flag) && stored;
    stored = Put(f, "VesselDestination", d.Destination) && stored;
    stored = Put(f, "VesselCargo", d.Cargo) && stored;
    return stored;
}

VesselDataForm::VesselDataForm(Config& c) : CaptionedWindow(c.F, "VesselDataForm", kFixedDialog), m_c(c) {
    setWindowTitle("Vessel data");
    LabelDescription = new QLabel(
        "Here you can enter a description of the vessel. The vessel name can be easily inserted in messages and the "
        "description will also be automatically inserted in distress priority messages.",
        this);
    LabelDescription->setObjectName("LabelDescription");
    LabelDescription->setWordWrap(true);
    struct Row {
        QLineEdit** field;
        const char* name;
        int id;
        const char* label;
    };
    const Row rows[] = {{&VesselName, "VesselName", 2528, "Name of vessel:"},
                        {&VesselType, "VesselType", 2525, "Vessel type:"},
                        {&Flag, "Flag", 2522, "Flag:"},
                        {&Destination, "Destination", 2524, "Destination"},
                        {&Cargo, "Cargo", 2523, "Cargo:"}};
    auto* grid = new QGridLayout(this);
    grid->addWidget(LabelDescription, 0, 0, 1, 2);
    int line = 1;
    QWidget* previous = nullptr;
    for (const Row& row : rows) {
        auto* label = new QLabel(row.label, this);
        auto* field = new QLineEdit(this);
        field->setObjectName(row.name);
        field->setAccessibleName(row.label);
        label->setBuddy(field);
        *row.field = field;
        grid->addWidget(label, line, 0);
        grid->addWidget(field, line, 1);
        AddCaption(row.id, [label, field](const QString& t) {
            label->setText(t);
            field->setAccessibleName(t);
        });
        if (previous) setTabOrder(previous, field);
        previous = field;
        ++line;
    }
    auto* commentLabel = new QLabel("Comment:", this);
    Comment = new QPlainTextEdit(this);
    Comment->setObjectName("Comment");
    Comment->setAccessibleName(commentLabel->text());
    Comment->setTabChangesFocus(true);
    commentLabel->setBuddy(Comment);
    grid->addWidget(commentLabel, line, 0, Qt::AlignTop);
    grid->addWidget(Comment, line, 1);
    AddCaption(2526, [this, commentLabel](const QString& t) {
        commentLabel->setText(t);
        Comment->setAccessibleName(t);
    });
    // No default button: Enter in the comment starts a new line.
    const OkCancelButtons buttons =
        AddOkCancelButtons(*this, [this] { OKButton_Click(); }, [this] { CancelButton_Click(); }, false);
    OKButton = buttons.OKButton;
    CancelButton = buttons.CancelButton;
    grid->addLayout(buttons.Row, line + 1, 0, 1, 2);
    grid->setColumnMinimumWidth(1, Twips(4200));
    setTabOrder(previous, Comment);
    setTabOrder(Comment, OKButton);
    setTabOrder(OKButton, CancelButton);

    AddCaption(2521, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(2527, [this](const QString& t) { LabelDescription->setText(t); });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    FinishLoad();

    const VesselData data = ReadVesselData(m_f);
    VesselName->setText(data.Name);
    VesselType->setText(data.Type);
    Flag->setText(data.Flag);
    Destination->setText(data.Destination);
    Cargo->setText(data.Cargo);
    Comment->setPlainText(ToBox(data.Comment));
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void VesselDataForm::ShowForm() {
    show();
    raise();
    activateWindow();
    VesselName->setFocus();
}

void VesselDataForm::OKButton_Click() {
    const VesselData data{VesselName->text(), VesselType->text(),   Flag->text(),
                          Destination->text(), Cargo->text(), FromBox(Comment->toPlainText())};
    const bool stored = StoreVesselData(m_f, data);
    if (m_c.MainWindow) m_c.MainWindow->UpdateMnuInsertVesselName();
    if (!stored) {
        // Closing would let the operator believe the data were kept.
        MessageBoxRequest box;
        box.text = MlText(m_f, 3541, "(VesselDataForm) Error: the settings store could not be written.") + kCrLf +
                   MlText(m_f, 3542, "The vessel data might not have been saved.");
        box.title = MlText(m_f, 2546, "Error");
        box.buttons = MsgButtons::Ok;
        box.icon = MsgIcon::Critical;
        if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
        return;
    }
    m_c.Setup->VesselDataForm.unload();
}

void VesselDataForm::CancelButton_Click() { m_c.Setup->VesselDataForm.unload(); }

void VesselDataForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.Setup->VesselDataForm.unload();
}

}  // namespace tidepost

#include "reporting/MessageReportingForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "foundation/OkCancelButtons.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/WindowPlacement.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "messages/AddressBookFile.h"
#include "platform/IMessageBoxes.h"
#include "reporting/MessageReportingSetup.h"
#include "reporting/Reporting.h"

namespace tidepost {

namespace {

QLabel* Label(const QString& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(name);
    return label;
}

// A caption as a screen reader says a field's name: without an access-key mark.
QString Spoken(const QString& caption) { return QString(caption).remove(u'&').trimmed(); }

QLineEdit* Box(QWidget* parent, const char* name, const QString& allowed, QLabel* label) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    // Typed and pasted text alike: a character outside the set never reaches the box.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(allowed), box));
    label->setBuddy(box);
    box->setAccessibleName(Spoken(label->text()));
    return box;
}

// The lines of address.dat; none when it is missing or cannot be read.
QStringList AddressBookLines(Foundation& f) {
    const QString path = AddressBookFilePath(f);
    if (!CheckFileExists(f, path)) return {};
    QByteArray bytes;
    if (ReadFileBytes(path, bytes)) return {};
    return SplitFileLines(f.Os.Codec.Decode(bytes));
}

}  // namespace

MessageReportingForm::MessageReportingForm(Reporting& r) : QDialog(nullptr, kFixedDialog), m_f(r.F), m_r(r) {
    setObjectName("MessageReportingForm");
    setWindowTitle("Message Reporting Setup");

    rsFunctionCheck = new QCheckBox("Enable", this);
    rsFunctionCheck->setObjectName("rsFunctionCheck");

    ScheduleFrame = new QGroupBox("Repeat the reports at UTC time:", this);
    ScheduleFrame->setObjectName("ScheduleFrame");
    const QString schedule = QStringLiteral("[0-9,*-]*");
    m_monthLabel = Label("Month", ScheduleFrame, "MonthLabel");
    m_dayOfMonthLabel = Label("Day of Month", ScheduleFrame, "DayOfMonthLabel");
    m_dayOfWeekLabel = Label("Day of Week", ScheduleFrame, "DayOfWeekLabel");
    m_hourLabel = Label("Hour", ScheduleFrame, "HourLabel");
    m_minuteLabel = Label("Minute", ScheduleFrame, "MinuteLabel");
    MonthText = Box(ScheduleFrame, "MonthText", schedule, m_monthLabel);
    DayOfMonthText = Box(ScheduleFrame, "DayOfMonthText", schedule, m_dayOfMonthLabel);
    DayOfWeekText = Box(ScheduleFrame, "DayOfWeekText", schedule, m_dayOfWeekLabel);
    HourOfDayText = Box(ScheduleFrame, "HourOfDayText", schedule, m_hourLabel);
    MinuteOfDayText = Box(ScheduleFrame, "MinuteOfDayText", schedule, m_minuteLabel);
    auto* scheduleGrid = new QGridLayout(ScheduleFrame);
    QLabel* labels[] = {m_monthLabel, m_dayOfMonthLabel, m_dayOfWeekLabel, m_hourLabel, m_minuteLabel};
    QLineEdit* boxes[] = {MonthText, DayOfMonthText, DayOfWeekText, HourOfDayText, MinuteOfDayText};
    for (int i = 0; i < 5; ++i) {
        scheduleGrid->addWidget(labels[i], 0, i);
        scheduleGrid->addWidget(boxes[i], 1, i);
    }

    NoPrintCopyCheck = new QCheckBox("Print upon send", this);
    NoPrintCopyCheck->setObjectName("NoPrintCopyCheck");
    ConfirmationCheck = new QCheckBox("Confirmation Request", this);
    ConfirmationCheck->setObjectName("ConfirmationCheck");
    m_pinLabel = Label("Password:", this, "PINCodeLabel");
    PINCodeText = Box(this, "PINCodeText", QStringLiteral("[0-9A-Za-z]*"), m_pinLabel);
    m_addressLabel = Label("Address", this, "AddressLabel");
    rsDestinationAddressText = new QComboBox(this);
    rsDestinationAddressText->setObjectName("rsDestinationAddressText");
    rsDestinationAddressText->setEditable(true);
    rsDestinationAddressText->setInsertPolicy(QComboBox::NoInsert);
    rsDestinationAddressText->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    rsDestinationAddressText->setMinimumContentsLength(20);
    m_addressLabel->setBuddy(rsDestinationAddressText);
    rsDestinationAddressText->setAccessibleName(m_addressLabel->text());

    const OkCancelButtons okCancel =
        AddOkCancelButtons(*this, [this] { OKButton_Click(); }, [this] { CancelButton_Click(); }, true);
    OKButton = okCancel.OKButton;
    CancelButton = okCancel.CancelButton;

    auto* checks = new QHBoxLayout;
    checks->addWidget(NoPrintCopyCheck);
    checks->addWidget(ConfirmationCheck);
    checks->addStretch();
    auto* fields = new QGridLayout;
    fields->addWidget(m_pinLabel, 0, 0);
    fields->addWidget(PINCodeText, 0, 1);
    fields->addWidget(m_addressLabel, 1, 0);
    fields->addWidget(rsDestinationAddressText, 1, 1);
    fields->setColumnStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(rsFunctionCheck);
    layout->addWidget(ScheduleFrame);
    layout->addLayout(checks);
    layout->addLayout(fields);
    layout->addLayout(okCancel.Row);

    QWidget* order[] = {rsFunctionCheck,  MonthText,        DayOfMonthText,    DayOfWeekText,
                        HourOfDayText,    MinuteOfDayText,  NoPrintCopyCheck,  ConfirmationCheck,
                        PINCodeText,      rsDestinationAddressText, OKButton,  CancelButton};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    const auto caption = [this](int id, QLabel* label, QWidget* field) {
        m_captions.append({id, [label, field](const QString& t) {
                               label->setText(t);
                               field->setAccessibleName(Spoken(t));
                           }});
    };
    m_captions.append({2364, [this](const QString& t) { setWindowTitle(t); }});
    m_captions.append({2369, [this](const QString& t) { ScheduleFrame->setTitle(t); }});
    caption(2375, m_monthLabel, MonthText);
    caption(2376, m_dayOfMonthLabel, DayOfMonthText);
    caption(2377, m_dayOfWeekLabel, DayOfWeekText);
    caption(2229, m_hourLabel, HourOfDayText);
    caption(2378, m_minuteLabel, MinuteOfDayText);
    m_captions.append({2981, [this](const QString& t) { rsFunctionCheck->setText(t); }});
    m_captions.append({2368, [this](const QString& t) { NoPrintCopyCheck->setText(t); }});
    m_captions.append({2366, [this](const QString& t) { ConfirmationCheck->setText(t); }});
    caption(2381, m_pinLabel, PINCodeText);
    caption(2380, m_addressLabel, rsDestinationAddressText);
    m_captions.append({1906, [this](const QString& t) { OKButton->setText(t); }});
    m_captions.append({9, [this](const QString& t) { CancelButton->setText(t); }});
    const std::pair<int, QWidget*> tips[] = {{2370, MonthText},      {2371, DayOfMonthText}, {2372, DayOfWeekText},
                                             {2373, HourOfDayText},  {2374, MinuteOfDayText}, {2367, PINCodeText},
                                             {2365, rsDestinationAddressText}};
    for (const auto& tip : tips) {
        QWidget* control = tip.second;
        m_captions.append({tip.first, [control](const QString& t) { control->setToolTip(t); }});
    }
    ApplyCaptions();
    connect(&r.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &MessageReportingForm::ml_RuntimeSupport_LanguageChanged);

    adjustSize();
    CentreOverMainWindow(*this, ReportingMainWindow(r));
    rsFunctionCheck->setFocus();
}

void MessageReportingForm::Fill(const MessageReportingReply& reply) {
    const MessageReportingSettings& s = reply.Settings;
    QLineEdit* schedule[] = {MonthText, DayOfMonthText, DayOfWeekText, HourOfDayText, MinuteOfDayText};
    const QString* values[] = {&s.Month, &s.DayOfMonth, &s.DayOfWeek, &s.Hour, &s.Minute};
    int row = 0;
    for (; row < 5 && row < reply.Read; ++row) schedule[row]->setText(*values[row]);
    if (row++ < reply.Read) NoPrintCopyCheck->setChecked(s.Print);
    if (row++ < reply.Read) ConfirmationCheck->setChecked(s.Confirmation);
    if (row++ < reply.Read) PINCodeText->setText(s.PinCode);
    ++row;  // the address chooses the destination, which the address book names
    if (row++ < reply.Read) rsFunctionCheck->setChecked(s.Enabled);
}

void MessageReportingForm::SetDestinations(const MessageReportingDestinations& destinations) {
    rsDestinationAddressText->clear();
    rsDestinationAddressText->addItems(destinations.Names);
    rsDestinationAddressText->setCurrentIndex(-1);
    rsDestinationAddressText->setEditText(destinations.Destination);
}

MessageReportingSettings MessageReportingForm::Settings() const {
    MessageReportingSettings s;
    s.Month = MonthText->text();
    s.DayOfMonth = DayOfMonthText->text();
    s.DayOfWeek = DayOfWeekText->text();
    s.Hour = HourOfDayText->text();
    s.Minute = MinuteOfDayText->text();
    s.Print = NoPrintCopyCheck->isChecked();
    s.Confirmation = ConfirmationCheck->isChecked();
    s.PinCode = PINCodeText->text();
    s.Enabled = rsFunctionCheck->isChecked();
    return s;
}

void MessageReportingForm::Refuse(const QString& text, QWidget* focus) {
    MessageBoxRequest box;
    box.text = text;
    box.title = m_f.gProductName;
    box.buttons = MsgButtons::Ok;
    box.icon = MsgIcon::Information;
    QPointer<MessageReportingForm> guard(this);
    if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
    if (guard && focus && focus->isEnabled()) focus->setFocus();
}

void MessageReportingForm::OKButton_Click() {
    const QString destination = rsDestinationAddressText->currentText().trimmed();
    if (destination.isEmpty() || !m_f.gSession.MesConnected()) {
        CancelButton_Click();
        return;
    }
    // What reaches the transceiver came from its own reply or from the boxes; either way only the
    // characters the command allows go out, and no schedule option goes empty (the next option
    // would be taken for its value).
    const std::pair<int, QLineEdit*> schedule[] = {{2370, MonthText},     {2371, DayOfMonthText}, {2372, DayOfWeekText},
                                                   {2373, HourOfDayText}, {2374, MinuteOfDayText}};
    static const char* const kTips[] = {
        "Months to transmit position report, Use '0' to '9'  ','  '-' and '*'",
        "Days of month to transmit position report, Use '0' to '9'  ','  '-' and '*'",
        "Days to transmit position report, Use '0' to '9'  ','  '-' and '*'. (0=Sunday)",
        "Hours to transmit position report, Use '0' to '9'  ','  '-' and '*'",
        "Minutes to transmit position report, Use '0' to '9'  ','  '-' and '*'"};
    for (int i = 0; i < 5; ++i) {
        QLineEdit* box = schedule[i].second;
        if (box->text().isEmpty() || !IsScheduleText(box->text())) {
            Refuse(MlText(m_f, schedule[i].first, kTips[i]), box);
            return;
        }
    }
    if (!IsPinCodeText(PINCodeText->text())) {
        Refuse(MlText(m_f, 2367,
                      "Use '0' to '9' and 'A' to 'Z'. Password must start with a digit. Password to remote poll for "
                      "position. Poll message must contain following text: Position request <Password>"),
               PINCodeText);
        return;
    }
    const std::optional<MessageReportingEntry> entry = FindMessageReportingEntry(AddressBookLines(m_f), destination);
    if (!entry) {
        Refuse(FormatMlString(MlText(m_f, 3560, "'%0' is not in the address book. Choose a destination from the list."),
                              {destination}),
               rsDestinationAddressText);
        return;
    }
    std::array<QString, 4> defaultLes;
    for (int ocean = 0; ocean < 4; ++ocean) defaultLes[ocean] = m_f.gConfiguration.DefaultLes(OceanIndex(ocean));
    const MessageReportingBatch batch = BuildMessageReportingBatch(m_f, Settings(), destination, *entry, defaultLes);
    if (batch.Batch.isEmpty()) {
        Refuse(batch.Refusal, rsDestinationAddressText);
        return;
    }
    ILinkWindow* window = m_r.L.Windows.Window;
    if (window) window->ShowPleaseWait(QStringLiteral("Saving Message Reporting Setup in Modem."));
    QueueCommand(m_r.L, batch.Batch, true, false);
    if (window && window->IsPleaseWaitVisible()) window->HidePleaseWait();
    CancelButton_Click();
}

void MessageReportingForm::CancelButton_Click() { m_r.MessageReportingForms.unload(); }

void MessageReportingForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
}

void MessageReportingForm::ApplyCaptions() {
    ApplyCaptionList(m_f, m_captions);
    m_f.Strings.ApplyLanguageCharset(this);
}

void MessageReportingForm::closeEvent(QCloseEvent* event) {
    event->accept();
    CancelButton_Click();
}

void MessageReportingForm::reject() { CancelButton_Click(); }

NoMsgRepForm::NoMsgRepForm(Reporting& r) : QDialog(nullptr, kFixedDialog), m_f(r.F), m_r(r) {
    setObjectName("NoMsgRepForm");
    setWindowTitle("Message Reporting");
    Label1 = Label("Message Reporting Not Supported!", this, "Label1");
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(Label1);
    layout->addLayout(buttons);
    m_captions = {
        {2395, [this](const QString& t) { setWindowTitle(t); }},
        {2396, [this](const QString& t) { Label1->setText(t); }},
        {1906, [this](const QString& t) { OKButton->setText(t); }},
    };
    ApplyCaptionList(m_f, m_captions);
    m_f.Strings.ApplyLanguageCharset(this);
    connect(&r.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            &NoMsgRepForm::ml_RuntimeSupport_LanguageChanged);
    adjustSize();
    CentreOverMainWindow(*this, ReportingMainWindow(r));
    OKButton->setFocus();
}

void NoMsgRepForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptionList(m_f, m_captions);
    m_f.Strings.ApplyLanguageCharset(this);
}

void NoMsgRepForm::OKButton_Click() { m_r.NoMsgRepForms.unload(); }

void NoMsgRepForm::closeEvent(QCloseEvent* event) {
    event->accept();
    OKButton_Click();
}

void NoMsgRepForm::reject() { OKButton_Click(); }

void HandleMessageReportingReply(Reporting& r, const QString& reply) {
    const MessageReportingReply read = ReadMessageReportingReply(reply);
    if (read.Unsupported) {
        UnloadWaitForm(r.L);
        ShowReportingWindow(r, r.NoMsgRepForms.get());
        return;
    }
    if (read.Read == 0) return;
    MessageReportingForm& form = r.MessageReportingForms.get();
    form.Fill(read);
    if (!read.Complete()) return;
    form.SetDestinations(FindMessageReportingDestinations(AddressBookLines(r.F), read.Settings.Address));
    UnloadWaitForm(r.L);
    ShowReportingWindow(r, form);
}

}  // namespace tidepost

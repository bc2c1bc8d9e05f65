// The send dialogue's work: presetting and showing it, and turning the editor's message into one
// submission per recipient group when OK is pressed.
#include "messages/SendDialogue.h"

#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QVariantList>
#include <array>
#include <exception>
#include <optional>
#include <utility>

#include "foundation/AppSettings.h"
#include "foundation/Definitions.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/IniFile.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "foundation/RuntimeError.h"
#include "foundation/UsefullFileRoutines.h"
#include "link/Link.h"
#include "messages/AddressSearch.h"
#include "messages/CMessage.h"
#include "messages/CTransmission.h"
#include "messages/GroupLes.h"
#include "messages/IMessageEditor.h"
#include "messages/IMessagesWindow.h"
#include "messages/MessageFileNames.h"
#include "messages/Messages.h"
#include "messages/PrintFetchedFile.h"
#include "messages/SendingForm.h"
#include "messages/SentItemsGrid.h"
#include "platform/AnsiCodec.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr quint8 kNoFurtherGroup = 32;
constexpr int kFileNotFound = 53;
constexpr int kFileAccessError = 75;

void Box(Messages& m, QWidget* owner, const QString& text, const QString& title, MsgIcon icon = MsgIcon::None) {
    if (!m.F.Os.Boxes) return;
    MessageBoxRequest box;
    box.text = text;
    box.title = title;
    box.icon = icon;
    m.F.Os.Boxes->Show(box, owner);
}

QString Info(Messages& m) { return MlText(m.F, 12, "Info"); }

// The names of an address field: it holds each name followed by ";".
QStringList FieldNames(const QString& field) {
    QString text = field;
    if (text.endsWith(u';')) text.chop(1);
    return text.split(u';');
}

// The three address fields of the editor, To, Cc and Bcc; a field the editor does not show is
// empty, whatever it holds: nobody is sent what the user cannot see.
std::array<QString, 3> AddressFields(Messages& m) {
    std::array<QString, 3> fields;
    if (m.Editor)
        for (int list = 0; list < 3; ++list)
            if (m.Editor->AddressFieldShown(list)) fields[list] = m.Editor->AddressFieldText(list);
    return fields;
}

// The first name of the fields that the address book does not hold; none when every name is
// there (and for a distress message, which goes to the rescue centre whatever the fields say).
std::optional<QString> NameNotInBook(Messages& m, const std::array<QString, 3>& fields) {
    for (std::uint8_t list = 0; list < 3; ++list) {
        if (fields[list].isEmpty()) continue;
        for (const QString& name : FieldNames(fields[list])) {
            RecipientMatrix scratch;
            if (!NamesToRecipientMatrix(m, {name}, scratch, list)) return name;
        }
    }
    return std::nullopt;
}

// How many submissions the recipients make: one per group, one for a distress message.
int CountGroups(Messages& m, const RecipientMatrix& names) {
    const quint8 priority = m.F.gSession.MessagePriority();
    RecipientMatrix rest = names;
    int groups = 0;
    for (;;) {
        CTransmission scratch(m);
        scratch.Priority = priority;
        rest = scratch.SortRecipients(rest);
        if (!scratch.AddressesFound()) return groups;
        ++groups;
        if (priority == kDistressPriority) return groups;
    }
}

// The first character of `text` that the ANSI code page cannot carry, written as itself and its
// Unicode number; none when every character has its byte.
std::optional<std::pair<QString, QString>> CharacterNotInCodePage(const AnsiCodec& codec, const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (codec.ByteOf(text.at(i)) >= 0) continue;
        const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        const QString character = text.mid(i, pair ? 2 : 1);
        const char32_t code = pair ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1)) : text.at(i).unicode();
        return std::pair{character, "U+" + QString::number(code, 16).toUpper().rightJustified(4, u'0')};
    }
    return std::nullopt;
}

// Why the file chosen to send cannot be read: the error number, 0 when it can.
int UnreadableFile(const QString& fileName) {
    if (fileName.trimmed().isEmpty()) return kFileNotFound;
    const QString path = ResolvePath(fileName);
    if (!QFileInfo(path).isFile()) return kFileNotFound;
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? 0 : kFileAccessError;
}

// The end of a send that went wrong: the editor keeps its message for another try.
SendEnd CommonErrorEnd(Messages& m, QWidget* owner) {
    Box(m, owner, MlText(m.F, 2772, "An error occurred sending the message"), MlText(m.F, 2544, "Error"));
    return SendEnd::Failed;
}

enum class PassEnd { Next, Done, Failed };

// The sent-items grid from the outbox log, once after the submissions of a send.
void ReloadSentItems(Messages& m) {
    try {
        LoadSentItemsGrid(m);
    } catch (const RuntimeError&) {
        // The log stays as written; the view shows it when it is opened next.
    }
}

// One recipient group: its transmission grouped, converted, formatted, saved, uploaded, submitted
// and logged. `names` loses the names sent.
PassEnd SendOneGroup(Messages& m, const SendingChoices& choices, CMessage& message, RecipientMatrix& names,
                     int& logged, QWidget* owner) {
    Foundation& f = m.F;
    const quint8 priority = f.gSession.MessagePriority();
    CTransmission tx(m);
    tx.DeferSentItemsReload = true;
    // A distress message always asks for a delivery confirmation.
    const bool confirmation = choices.Confirmation || priority == kDistressPriority;
    if (!tx.SetParameters(GetIniValue(f, QStringLiteral("[Default ISP]")), confirmation, choices.Print,
                          choices.DESEncrypted)) {
        Box(m, owner, MlText(f, 2766, "A SetParameters error occurred"), QStringLiteral("Info"));
        return PassEnd::Next;
    }
    tx.Priority = priority;
    names = tx.SortRecipients(names);
    if (!tx.AddressesFound()) {
        message.Status = kNoFurtherGroup;
        return PassEnd::Done;
    }
    const auto [type, format] = tx.CurrentGroup();
    tx.LESUsed = GroupLes(f, type);
    if (tx.LESUsed.isEmpty()) {
        const QString text =
            IsProviderType(type)
                ? MlText(f, 1001, "Inmarsat Service Provider does not exist in this ocean, please choose another ISP "
                                  "or log into another ocean.")
                : MlText(f, 1002, "Land Earth Station does not exist in this ocean, please choose another LES or log "
                                  "into another ocean.");
        Box(m, owner, text, Info(m), MsgIcon::Information);
        return PassEnd::Failed;
    }
    tx.Message().Subject = message.Subject;
    tx.Message().TextField = message.TextField;
    tx.SetOutFileName(GetNewMessageFileName(f, f.gOutboxDir, QStringLiteral("out")));

    QString aliases[3];
    if (priority == kDistressPriority) {
        aliases[0] = kSearchAndRescue;
    } else {
        for (quint8 list = 0; list < 3; ++list) aliases[list] = message.GetFieldAliases(type, format, list);
    }

    auto fail = [&](int id, const QString& english) {
        Box(m, owner, id ? MlText(f, id, english) : english, Info(m));
        return PassEnd::Failed;
    };
    if (!tx.ConvertAddresses()) return fail(0, QStringLiteral("A ConvertAddresses error occurred"));
    if (!tx.FormatMessage(type, format)) return fail(2767, QStringLiteral("A FormatMessage error occurred"));
    if (!tx.SaveFileInOutBox())
        Box(m, owner, MlText(f, 2768, "The message might not have been saved in the Outbox"), Info(m));
    if (!tx.TransferMessage()) return fail(2769, QStringLiteral("A TransferMessage error occurred"));
    if (!tx.SendMessage()) return fail(2770, QStringLiteral("A SendMessage error occurred"));
    if (!tx.WriteOutLog(type, format, aliases[0], aliases[1], aliases[2]))
        return fail(2771, QStringLiteral("A WriteOutlog error occurred"));
    ++logged;
    // A distress message makes one submission.
    if (priority == kDistressPriority) message.Status = kNoFurtherGroup;
    return PassEnd::Next;
}

SendEnd Send(Messages& m, const SendingChoices& choices, QWidget* owner) {
    Foundation& f = m.F;
    const std::array<QString, 3> fields = AddressFields(m);
    if (const std::optional<QString> missing = NameNotInBook(m, fields)) {
        Box(m, owner, MlText(f, 2582, "Entry was not found in Address Book") + ": " + *missing, Info(m));
        return SendEnd::NotInBook;
    }
    // The fields may have been emptied since the dialogue opened (it does not block the editor),
    // or hold only separators: then nothing would go out, and the message must stay.
    RecipientMatrix names;
    for (std::uint8_t list = 0; list < 3; ++list)
        if (!fields[list].isEmpty()) NamesToRecipientMatrix(m, FieldNames(fields[list]), names, list);
    const int groups = CountGroups(m, names);
    if (groups == 0) {
        Box(m, owner, MlText(f, 2823, "You have to select minimum one destination address!"), f.gProductName,
            MsgIcon::Information);
        return SendEnd::NoRecipient;
    }
    // Each submission takes one of the day's outbox names. Running out half-way would leave part
    // of the groups queued and the message in the editor, so that Send again duplicates them.
    if (const int left = FreeMessageFileNames(f, f.gOutboxDir, QStringLiteral("out"), groups); left < groups) {
        Box(m, owner,
            FormatMlString(MlText(f, 3391,
                                  "This message makes %0 submissions, but only %1 more can be sent today. Nothing has "
                                  "been sent: send it to fewer recipients, or again tomorrow."),
                           QVariantList{groups, left}),
            Info(m), MsgIcon::Information);
        return SendEnd::TooManyGroups;
    }
    if (choices.FromFile) {
        if (const int error = UnreadableFile(choices.FileName)) {
            const QString description =
                error == kFileNotFound ? QStringLiteral("File not found") : QStringLiteral("Path/File access error");
            const QString name = choices.FileName.trimmed().isEmpty() ? QStringLiteral("<Unknown file name>")
                                                                       : choices.FileName.trimmed();
            Box(m, owner,
                WithFileErrorText(f, ComposeErrorText(QStringLiteral("SendingForm.OKButton_Click"), error, description),
                                  error, name),
                ErrorTitle(error));
            return SendEnd::KeptOpen;
        }
    }

    IMessageEditor* editor = m.Editor;
    CMessage message;
    message.Subject = editor ? editor->SubjectFieldText() : QString();
    if (choices.FromFile) message.TextField = GetFileContent(f, ResolvePath(choices.FileName.trimmed()));
    else if (editor) message.TextField = editor->EditorText();

    // A character the code page lacks would reach the transceiver and the outbox as "?".
    if (const auto lacking = CharacterNotInCodePage(f.Os.Codec, message.Subject + message.TextField)) {
        Box(m, owner,
            FormatMlString(MlText(f, 3392,
                                  "The character '%0' (%1) cannot be sent in the code page %2. Nothing has been sent: "
                                  "remove or replace it, then send again."),
                           QVariantList{lacking->first, lacking->second, f.Os.Codec.CodePage()}),
            Info(m), MsgIcon::Information);
        return SendEnd::CannotEncode;
    }

    if (choices.CodePage >= 0) m.L.Transfer.SendCodePage = static_cast<quint8>(choices.CodePage);
    SaveAppSetting(f, f.gProductName, QStringLiteral("Settings"), QStringLiteral("MsgConfirmation"),
                   choices.Confirmation ? QStringLiteral("1") : QStringLiteral("0"));

    message.SetAddressMatrix(names);
    message.SetAliasMatrix(names);

    int logged = 0;
    while (message.Status < kNoFurtherGroup) {
        if (SendOneGroup(m, choices, message, names, logged, owner) == PassEnd::Failed) {
            // The groups sent before stay queued and logged: the view shows them.
            if (logged > 0) ReloadSentItems(m);
            return CommonErrorEnd(m, owner);
        }
    }

    if (choices.Print && editor) {
        const QString subject = editor->SubjectFieldText();
        QString printed = (subject.isEmpty() ? QString() : subject + kCrLf) + editor->EditorText();
        Print_Fetched_File(m, printed, PrintedText::Body);
    }
    f.gSession.SetMessagePriority(0);
    if (editor) {
        editor->SetEditorText(QString());
        for (int list = 0; list < 3; ++list) editor->SetAddressFieldText(list, QString());
        editor->SetSubjectFieldText(QString());
    }
    // Showing the sent items loads them again; without the view the grid is loaded here, once.
    if (m.Window) m.Window->OutboxButton_Click();
    else ReloadSentItems(m);
    return SendEnd::Sent;
}

QWidget* MainWindow(Messages& m) {
    IMainForm* main = m.F.Windows.MainForm;
    return main ? main->Form() : nullptr;
}

}  // namespace

SendEnd SendEditorMessage(Messages& m, const SendingChoices& choices, QWidget* owner) {
    try {
        return Send(m, choices, owner);
    } catch (const RuntimeError&) {
        return CommonErrorEnd(m, owner);
    } catch (const std::exception&) {
        return CommonErrorEnd(m, owner);
    }
}

void ShowSendingForm(Messages& m) {
    Foundation& f = m.F;
    const std::array<QString, 3> fields = AddressFields(m);
    if (fields[0].isEmpty() && fields[1].isEmpty() && fields[2].isEmpty()) {
        Box(m, MainWindow(m), MlText(f, 2823, "You have to select minimum one destination address!"), f.gProductName,
            MsgIcon::Information);
        return;
    }
    SendingForm& form = m.SendingForms.SendingForm.get();
    form.TextInEditorOption->setChecked(true);
    form.FileFromDiskOption->setChecked(false);
    form.PrintCheck->setChecked(false);
    if (form.ConfirmationCheckTag == QStringLiteral("Checked")) form.ConfirmationCheck->setChecked(true);
    else if (form.ConfirmationCheckTag == QStringLiteral("UnChecked")) form.ConfirmationCheck->setChecked(false);
    const QString config = QStringLiteral("Config");
    form.ConfirmationCheck->setChecked(
        GetAppSetting(f, f.gProductName, config, QStringLiteral("ConfirmationRequest"), QStringLiteral("1")) ==
        QStringLiteral("1"));
    form.PrintCheck->setChecked(GetAppSetting(f, f.gProductName, config, QStringLiteral("PrintMessage"), QString()) ==
                                QStringLiteral("1"));
    form.FillLesLabels();

    // The operator's last choice of confirmation stands over the preset, once per showing, so a
    // click in the open dialogue is not undone.
    const QString last =
        GetAppSetting(f, f.gProductName, QStringLiteral("Settings"), QStringLiteral("MsgConfirmation"), "1").trimmed();
    bool numeric = false;
    const double value = last.toDouble(&numeric);
    form.ConfirmationCheck->setChecked(!(numeric && value == 0));
    const bool distress = f.gSession.MessagePriority() == kDistressPriority;
    if (distress) form.ConfirmationCheck->setChecked(true);
    form.ConfirmationCheck->setEnabled(!distress);

    form.show();
    form.raise();
    form.activateWindow();
}

void UnloadSendingForm(Messages& m) {
    if (!m.SendingForms.SendingForm.isLoaded()) return;
    // However the dialogue closes, the editor no longer holds an unchanged default message.
    if (m.Editor) m.Editor->SetLoadedDefaultMessage(0);
    m.SendingForms.SendingForm.unload();
}

}  // namespace tidepost

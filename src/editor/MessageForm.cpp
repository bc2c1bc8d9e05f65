#include "editor/MessageForm.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <cmath>
#include <optional>

#include "editor/FormPlacementRestore.h"
#include "editor/MessageIndexMark.h"
#include "foundation/AccessKeys.h"
#include "foundation/AppSettings.h"
#include "foundation/Captions.h"
#include "foundation/Definitions.h"
#include "foundation/ErrorHandling.h"
#include "foundation/FormPlacement.h"
#include "foundation/Foundation.h"
#include "foundation/TextTabKeys.h"
#include "foundation/IMainForm.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullCodePages.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/WordWrapText.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"
#include "platform/IMessageBoxes.h"
#include "platform/ITrayIcon.h"

namespace tidepost {

namespace {
const QString kSection = QStringLiteral("MessageForm");
constexpr int kDefaultFontSize = 10;
long HalfEven(double value) { return std::lrint(value); }

// Two panes, the viewer's drawn filled: stacked for `Qt::Vertical`, side by side otherwise.
QIcon TilePicture(Qt::Orientation stacked) {
    QPixmap picture(20, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    const QColor ink = QApplication::palette().color(QPalette::ButtonText);
    p.setPen(ink);
    const QRect main = stacked == Qt::Vertical ? QRect(1, 1, 17, 7) : QRect(1, 1, 11, 13);
    const QRect viewer = stacked == Qt::Vertical ? QRect(1, 9, 17, 5) : QRect(13, 1, 5, 13);
    p.drawRect(main);
    p.fillRect(viewer, ink);
    return QIcon(picture);
}
}  // namespace

MessageForm::MessageForm(Foundation& f, MessageFormLinks& links, std::function<void()> unload, QWidget* parent)
    : QWidget(parent, Qt::Window), m_f(f), m_links(links), m_unload(std::move(unload)) {
    setObjectName("MessageForm");
    setWindowTitle("Message");
    BuildControls();
    Form_Load();
}

MessageForm::~MessageForm() = default;

void MessageForm::BuildControls() {
    auto button = [this](const char* name, const QString& text) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        return b;
    };
    auto picture = [this](const char* name, QStyle::StandardPixmap icon, Qt::ArrowType arrow) {
        auto* b = new QToolButton(this);
        b->setObjectName(name);
        if (arrow != Qt::NoArrow) b->setArrowType(arrow);
        else b->setIcon(style()->standardIcon(icon));
        b->setFocusPolicy(Qt::StrongFocus);
        return b;
    };
    PrintButton = button("PrintButton", "&Print...");
    SaveButton = button("SaveButton", "&Save...");
    ForwardButton = button("ForwardButton", "&Forward");
    CheckWrap = new QCheckBox("Wrap text", this);
    CheckWrap->setObjectName("CheckWrap");
    VTileButton = picture("VTileButton", QStyle::SP_CustomBase, Qt::NoArrow);
    HTileButton = picture("HTileButton", QStyle::SP_CustomBase, Qt::NoArrow);
    // Each shows the arrangement it makes: the viewer below the main window, or beside it.
    VTileButton->setIcon(TilePicture(Qt::Vertical));
    HTileButton->setIcon(TilePicture(Qt::Horizontal));
    // Back to the older message on the left, on to the newer one on the right.
    PrevButton = picture("PrevButton", QStyle::SP_ArrowLeft, Qt::LeftArrow);
    NextButton = picture("NextButton", QStyle::SP_ArrowRight, Qt::RightArrow);
    SelectCodePage = new QComboBox(this);
    SelectCodePage->setObjectName("SelectCodePage");
    SelectCodePage->setAccessibleName("Code page");
    OKButton = button("OKButton", "&OK");
    CancelButton = button("CancelButton", "&Cancel");
    MessageText = new QPlainTextEdit(this);
    MessageText->setObjectName("MessageText");
    MessageText->setReadOnly(true);
    MessageText->setLineWrapMode(QPlainTextEdit::NoWrap);
    MessageText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    MessageText->setAccessibleName("Message text");
    LetTabLeaveText(MessageText, false);
    QFont font("Courier New");
    font.setStyleHint(QFont::Monospace);
    MessageText->setFont(font);
    MessageText->installEventFilter(this);

    // Reading order: the text first, then the commands along the top, then along the bottom.
    setTabOrder(MessageText, PrintButton);
    setTabOrder(PrintButton, SaveButton);
    setTabOrder(SaveButton, ForwardButton);
    setTabOrder(ForwardButton, CheckWrap);
    setTabOrder(CheckWrap, VTileButton);
    setTabOrder(VTileButton, HTileButton);
    setTabOrder(HTileButton, PrevButton);
    setTabOrder(PrevButton, NextButton);
    setTabOrder(NextButton, SelectCodePage);
    setTabOrder(SelectCodePage, OKButton);
    setTabOrder(OKButton, CancelButton);

    connect(PrintButton, &QPushButton::clicked, this, [this] { PrintButton_Click(); });
    connect(SaveButton, &QPushButton::clicked, this, [this] { SaveButton_Click(); });
    connect(ForwardButton, &QPushButton::clicked, this, [this] { ForwardButton_Click(); });
    connect(CheckWrap, &QCheckBox::toggled, this, [this] { CheckWrap_Click(); });
    connect(VTileButton, &QToolButton::clicked, this, [this] { VTileButton_Click(); });
    connect(HTileButton, &QToolButton::clicked, this, [this] { HTileButton_Click(); });
    connect(NextButton, &QToolButton::clicked, this, [this] { NextButton_Click(); });
    connect(PrevButton, &QToolButton::clicked, this, [this] { PrevButton_Click(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    connect(SelectCodePage, &QComboBox::activated, this, [this] { SelectCodePage_Change(); });
    connect(MessageText, &QPlainTextEdit::textChanged, this, [this] { MessageText_Change(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });

    const ScreenMetrics screen = Screen();
    setMinimumSize(screen.ToPixels(kMinWidth), screen.ToPixels(kMinHeight));
    if (!screen.screen.isEmpty()) setMaximumSize(screen.screen);
    resize(screen.ToPixels(9270), screen.ToPixels(8520));
}

void MessageForm::Form_Load() {
    connect(&m_f.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
            [this](int languageId, const QString& language) {
                m_f.Strings.SetMlLanguage(languageId, language);
                ApplyCaptions();
                m_f.Strings.ApplyLanguageCharset(this);
                Form_Resize();  // the buttons take the width of their new captions
            });
    ApplyCaptions();
    m_f.Strings.ApplyLanguageCharset(this);
    if (m_f.Strings.CurrentLanguageId == 1049) {
        SelectCodePage->addItems({"Windows 1251 Cyrillic", "IBM/DOS 866 Cyrillic"});
        SelectCodePage->setCurrentIndex(0);
        SelectCodePage->show();
    } else {
        SelectCodePage->setCurrentIndex(-1);
        SelectCodePage->hide();
    }
    const QSignalBlocker block(CheckWrap);
    CheckWrap->setChecked(GetAppSetting(m_f, m_f.gProductName, kSection, "WrapText", "0").trimmed().toDouble() == 1);
    ApplyTextSize(m_links.FontSize ? m_links.FontSize() : kDefaultFontSize);
}

void MessageForm::ApplyTextSize(int pointSize) {
    QFont font = MessageText->font();
    font.setPointSize(pointSize);
    MessageText->setFont(font);
}

void MessageForm::ApplyCaptions() {
    const MlStrings& s = m_f.Strings;
    SetWindowCaption(s, this, 2353);
    SetCaption(s, CancelButton, 4);
    SetToolTip(s, CancelButton, 9);
    SetCaption(s, CheckWrap, 2358);
    SetCaption(s, ForwardButton, 2359);
    SetToolTip(s, ForwardButton, 2360);
    SetToolTip(s, HTileButton, 2354);
    SetToolTip(s, NextButton, 2357);
    SetCaption(s, OKButton, 3);
    SetToolTip(s, OKButton, 1906);
    SetToolTip(s, PrevButton, 2356);
    SetCaption(s, PrintButton, 2362);
    SetToolTip(s, PrintButton, 2363);
    SetCaption(s, SaveButton, 1980);
    SetToolTip(s, SaveButton, 2361);
    SetToolTip(s, VTileButton, 2355);
    MessageText->setAccessibleName(MlText(m_f, 3626, QStringLiteral("Message text")));
    SelectCodePage->setAccessibleName(MlText(m_f, 3014, QStringLiteral("Select Code Page")));
    AssignAccessKeys(this, {PrintButton, SaveButton, ForwardButton, CheckWrap, OKButton, CancelButton});
    // The picture buttons speak their tool tips.
    for (QToolButton* b : {VTileButton, HTileButton, NextButton, PrevButton}) {
        if (b->toolTip().isEmpty()) continue;
        b->setAccessibleName(b->toolTip());
    }
    if (VTileButton->toolTip().isEmpty()) VTileButton->setAccessibleName("Tile vertical");
    if (HTileButton->toolTip().isEmpty()) HTileButton->setAccessibleName("Tile horizontal");
    if (NextButton->toolTip().isEmpty()) NextButton->setAccessibleName("Next message");
    if (PrevButton->toolTip().isEmpty()) PrevButton->setAccessibleName("Previous message");
}

ScreenMetrics MessageForm::Screen() const {
    return m_links.Screen ? m_links.Screen(this) : CurrentScreenMetrics(this);
}

bool MessageForm::WrapChecked() const { return CheckWrap->isChecked(); }

void MessageForm::ShowText(bool bWrap) {
    const QString& text = bWrap ? strWrappedText : strUnwrappedText;
    if (m_textShown && text == m_shownText) return;
    m_textShown = true;
    m_shownText = text;
    MessageText->setPlainText(text);
}

void MessageForm::ErrorPath(int number, const QString& description) {
    const QString text = ComposeErrorText("MessageForm.LoadText", number, description);
    QueueMessageBox(m_f,
                    WithFileErrorText(m_f, text, number, m_strFilePath) + kCrLf +
                        MlText(m_f, 2755, "Due to this error, Tidepost could not open the message."),
                    ErrorTitle(number), 0);
}

bool MessageForm::LoadText(const QString& strFilePath, const QString& strFileName, bool bNextMessage,
                           bool bPrevMessage, long MessageType) {
    m_messageType = MessageType;
    m_strFilePath = AddBackslash(strFilePath) + strFileName;
    if (m_f.Os.Tray) m_f.Os.Tray->RemoveIcon();
    m_f.Windows.TrayIconShown = false;

    bool result = false;
    if (CheckFileExists(m_f, m_strFilePath)) {
        QByteArray bytes;
        if (const FileError err = ReadFileBytes(ResolvePath(m_strFilePath), bytes)) {
            ErrorPath(err.number, err.description);
            return true;
        }
        strRawText = NormalizeCrLf(m_f.Os.Codec.Decode(bytes));
        // While hidden the window's decorations are not known yet: the frame placed now is put
        // back once it is shown, so that a window does not grow by its borders at each opening.
        std::optional<QRectF> placed;
        if (!isVisible()) {
            RestoreFormPlacement(m_f, m_f.gProductName, *this, Screen(), [this] { SetDefaultPlacement(); });
            if (windowState() == Qt::WindowNoState) placed = FrameInTwips(*this, Screen());
        }
        PrepareText(strRawText, WrapChecked(), SelectCodePage->isHidden() ? -1 : SelectCodePage->currentIndex());
        setWindowTitle(MlText(m_f, 2955, "Message") + ": " + strFileName);
        ForwardButton->setText(MessageType == 1 ? MlText(m_f, 2954, "&Reply") : MlText(m_f, 2359, "&Forward"));
        if (windowState() & Qt::WindowMinimized) setWindowState(windowState() & ~Qt::WindowMinimized);
        if (MessageType >= 1 && MessageType <= 3) {
            const auto type = static_cast<StoredMessageType>(MessageType);
            if (const FileError err = MarkMessageRead(m_f, strFilePath, strFileName, type)) {
                if (err.number != kErrDiskFull) {
                    ErrorPath(err.number, err.description);
                    return true;
                }
                // The message itself was read: it is shown, and the operator learns that its
                // read mark could not be stored.
                QueueMessageBox(m_f,
                                ComposeErrorText("MessageForm.LoadText", err.number, err.description) + kCrLf +
                                    MlText(m_f, 2807, "Could not save the file '") +
                                    FindFileNoCase(NormalizeSeparators(strFilePath), IndexExtension(type) + ".idx") +
                                    "'." + kCrLf +
                                    MlText(m_f, 2809,
                                           "Please provide more space on the disk drive immediately by removing "
                                           "unused files."),
                                ErrorTitle(err.number), 0);
            }
        }
        show();
        if (placed && frameGeometry().size() != size()) SetFrameInTwips(*this, *placed, Screen());
        raise();
        activateWindow();
    } else {
        QueueMessageBox(m_f,
                        "'" + m_strFilePath + MlText(m_f, 2754, "' Does not exist!") + kCrLf +
                            MlText(m_f, 2575, "The file might have been manually deleted by operator."),
                        "Information!", 64);
        result = true;
    }
    NextButton->setEnabled(bNextMessage);
    PrevButton->setEnabled(bPrevMessage);
    return result;
}

QString MessageForm::ConvertCodePage(const QString& text, int codePageIndex) const {
    return codePageIndex == 1 ? Cp866ToCp1251(text) : text;
}

void MessageForm::PrepareText(const QString& text, bool bWrap, int codePageIndex) {
    strUnwrappedText = ConvertCodePage(text, codePageIndex);
    strWrappedText = WordWrapText(strUnwrappedText, 71);
    m_wrapColumns = -1;
    ShowText(bWrap);
}

void MessageForm::CalcNewTextWidth() {
    const ScreenMetrics screen = Screen();
    const double widthTwips = screen.ToTwips(MessageText->width());
    const int fontSize = std::max(1, MessageText->font().pointSize());
    const int columns = static_cast<int>(HalfEven(widthTwips / (fontSize * 13.0)));
    if (columns != m_wrapColumns) {
        strWrappedText = WordWrapText(strUnwrappedText, columns);
        m_wrapColumns = columns;
    }
    ApplyWrapChoice();
}

void MessageForm::ApplyWrapChoice() {
    ShowText(WrapChecked());
    SaveAppSetting(m_f, m_f.gProductName, kSection, "WrapText", WrapChecked() ? "1" : "0");
}

void MessageForm::CheckWrap_Click() { ApplyWrapChoice(); }

void MessageForm::SelectCodePage_Change() {
    PrepareText(strRawText, WrapChecked(), SelectCodePage->isHidden() ? -1 : SelectCodePage->currentIndex());
}

void MessageForm::MessageText_Change() {
    if (!m_unloaded) CalcNewTextWidth();
}

bool MessageForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == MessageText && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        return MessageText_KeyDown(key->key(), key->modifiers() & ~Qt::KeypadModifier);
    }
    return QWidget::eventFilter(watched, event);
}

bool MessageForm::MessageText_KeyDown(int keyCode, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers mask = modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    const bool ctrlOnly = mask == Qt::ControlModifier;
    if (keyCode == Qt::Key_A && (mask & Qt::ControlModifier)) {
        if (ctrlOnly) MessageText->selectAll();
        return true;  // with Shift or Alt as well, nothing happens
    }
    if (ctrlOnly && keyCode == Qt::Key_F1) {
        if (m_links.mnuMsgTextSizeDec_Click) m_links.mnuMsgTextSizeDec_Click();
        return true;
    }
    if (ctrlOnly && keyCode == Qt::Key_F2) {
        if (m_links.mnuMsgTextSizeInc_Click) m_links.mnuMsgTextSizeInc_Click();
        return true;
    }
    return false;
}

void MessageForm::NextButton_Click() {
    const std::function<void()>* step = m_messageType == 1   ? &m_links.GetNextInboxMessage
                                        : m_messageType == 2 ? &m_links.GetNextOutboxMessage
                                        : m_messageType == 3 ? &m_links.GetNextEgcMessage
                                                             : nullptr;
    if (step && *step) (*step)();
}

void MessageForm::PrevButton_Click() {
    const std::function<void()>* step = m_messageType == 1   ? &m_links.GetPrevInboxMessage
                                        : m_messageType == 2 ? &m_links.GetPrevOutboxMessage
                                        : m_messageType == 3 ? &m_links.GetPrevEgcMessage
                                                             : nullptr;
    if (step && *step) (*step)();
}

void MessageForm::ForwardButton_Click() {
    const QString editorText = m_links.EditorText ? m_links.EditorText() : QString();
    if (!editorText.isEmpty() && m_f.Os.Boxes) {
        MessageBoxRequest box;
        box.title = MlText(m_f, 2751, "Replace text in Editor ?");
        box.text = MlText(m_f, 2749,
                          "The Editor is not empty. Do you want to replace the text in the Editor with the message "
                          "text ? This will delete the text already in the Editor.") +
                   kCrLf + MlText(m_f, 2750, "Remember you can save the editor by clicking the save draft button.");
        box.buttons = MsgButtons::YesNoCancel;
        box.icon = MsgIcon::Question;
        if (m_f.Os.Boxes->Show(box, this) != MsgAnswer::Yes) return;
    }
    if (m_links.SetEditorText) m_links.SetEditorText(MessageText->toPlainText());
    if (m_links.EditorButton_Click) m_links.EditorButton_Click();
    OKButton_Click();
}

void MessageForm::PrintButton_Click() {
    if (m_links.PrintText) m_links.PrintText(this, MessageText->toPlainText(), 0);
}

void MessageForm::SaveButton_Click() {
    MessageSaveRequest request;
    request.filters = {"Text Files (*.txt)", "In Files (*.in)", "Out Files (*.out)", "EGC Files (*.egc)",
                       "All Files (*.*)"};
    request.proposedName = "message.txt";
    request.defaultSuffix = "txt";
    request.folder = NormalizeSeparators(m_f.gDraftsDir);
    request.title = "Save message to file";
    const QString path =
        m_links.GetSaveFileName ? m_links.GetSaveFileName(this, request) : ShowMessageSaveDialog(this, request);
    if (path.isEmpty()) return;
    const FileError err = WriteFileAtomic(NormalizeSeparators(path), m_f.Os.Codec.Encode(strUnwrappedText));
    if (!err) return;
    if (err.number == kErrDiskFull) {
        QueueMessageBox(m_f,
                        MlText(m_f, 2752, "(MessageForm.SaveButton) Error: Not enough disk space.") + kCrLf +
                            MlText(m_f, 2753, "Due to this error, the message can not be saved."),
                        MlText(m_f, 2544, "Error"), 0);
        return;
    }
    ErrorQueue(m_f).Enqueue("Error '" + QString::number(err.number) + "': " + err.description + "." + kCrLf +
                            GetFileErrorText(m_f, err.number, path));
}

void MessageForm::OKButton_Click() { CancelButton_Click(); }

void MessageForm::CancelButton_Click() {
    if (m_unloaded) return;
    Form_Unload();
    if (m_unload) m_unload();
    else hide();
}

void MessageForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    CancelButton_Click();
}

void MessageForm::Form_Unload() {
    m_unloaded = true;
    disconnect(&m_f.Strings.Notifier, nullptr, this, nullptr);
    SaveFormPlacement(m_f, m_f.gProductName, *this);
    // The window counts as gone at once, even while its deletion waits for the event loop.
    setObjectName(QString());
}

void MessageForm::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void MessageForm::Form_Resize() {
    if (!MessageText) return;
    const ScreenMetrics s = Screen();
    const double innerW = s.ToTwips(width());
    const double innerH = s.ToTwips(height());
    auto place = [&s](QWidget* w, double left, double top, double wTwips, double hTwips) {
        w->setGeometry(s.ToPixels(left), s.ToPixels(top), std::max(1, s.ToPixels(wTwips)),
                       std::max(1, s.ToPixels(hTwips)));
    };
    const double buttonH = 375, pictureH = 435, buttonW = 1095, pictureW = 495, stepW = 510;
    const double top = 120;
    const double okTop = innerH - buttonH - 120;
    const double prevTop = okTop + buttonH - pictureH;
    const double cancelLeft = innerW - 120 - buttonW;
    const double hTileLeft = innerW - 120 - pictureW;
    // The command buttons take the width their captions need in the language shown, at least
    // the designed width, one after the other.
    const auto wide = [&s](const QWidget* w, double designTwips) {
        return std::max(designTwips, s.ToTwips(w->sizeHint().width()));
    };
    double left = 120;
    for (QWidget* command : {static_cast<QWidget*>(PrintButton), static_cast<QWidget*>(SaveButton),
                             static_cast<QWidget*>(ForwardButton)}) {
        const double w = wide(command, buttonW);
        place(command, left, top, w, buttonH);
        left += w + 105;
    }
    place(CheckWrap, std::max(3705.0, left), top + 85, wide(CheckWrap, 1725), 300);
    place(HTileButton, hTileLeft, top, pictureW, buttonH);
    place(VTileButton, hTileLeft - pictureW - 100, top, pictureW, buttonH);
    place(PrevButton, 120, prevTop, stepW, pictureH);
    place(NextButton, 120 + stepW, prevTop, stepW, pictureH);
    place(SelectCodePage, 120 + 2 * stepW + 120, okTop, wide(SelectCodePage, 1950), 315);
    place(CancelButton, cancelLeft, okTop, buttonW, buttonH);
    place(OKButton, cancelLeft - buttonW - 100, okTop, buttonW, buttonH);
    place(MessageText, 120, buttonH + 240, innerW - 240, innerH - 360 - buttonH - buttonH - 200);
    CalcNewTextWidth();
}

void MessageForm::GetScreenSize() { m_workArea = Screen().workArea; }

void MessageForm::SetDefaultPlacement() {
    const ScreenMetrics s = Screen();
    SetFrameInTwips(*this, QRectF(FrameInTwips(*this, s).topLeft(), QSizeF(9390, 8430)), s);
    const QRectF frame = FrameInTwips(*this, s);
    SetFrameInTwips(*this,
                    QRectF((s.ScreenWidth() - frame.width()) / 2, (s.ScreenHeight() - frame.height()) / 2,
                           frame.width(), frame.height()),
                    s);
}

void MessageForm::FocusStepButton() {
    if (NextButton->isEnabled()) NextButton->setFocus();
    else if (PrevButton->isEnabled()) PrevButton->setFocus();
}

void MessageForm::HTileButton_Click() {
    GetScreenSize();
    const ScreenMetrics s = Screen();
    if (windowState() & Qt::WindowMaximized) setWindowState(Qt::WindowNoState);
    const double workBottom = s.ToTwips(m_workArea.bottom() + 1);
    const double height = s.ScreenHeight() >= kMinHeight ? workBottom : kMinHeight;
    const double w = static_cast<double>(HalfEven(s.ScreenWidth() * 0.3));
    const double width = w < kMinWidth ? kMinWidth : w;
    SetFrameInTwips(*this, QRectF(s.ScreenWidth() - width, 0, width, height), s);
    if (IMainForm* main = m_f.Windows.MainForm; main && main->Form()) {
        QWidget& form = *main->Form();
        form.setWindowState(Qt::WindowNoState);
        SetFrameInTwips(form, QRectF(0, 0, s.ScreenWidth() - width, height), s);
    }
    FocusStepButton();
}

void MessageForm::VTileButton_Click() {
    GetScreenSize();
    const ScreenMetrics s = Screen();
    if (windowState() & Qt::WindowMaximized) setWindowState(Qt::WindowNoState);
    const double workBottom = s.ToTwips(m_workArea.bottom() + 1);
    const double width = s.ScreenWidth() >= kMinWidth ? s.ScreenWidth() : kMinWidth;
    const double h = static_cast<double>(HalfEven(s.ScreenHeight() * 0.4));
    const double height = h < kMinHeight ? kMinHeight : static_cast<double>(HalfEven(workBottom * 0.4));
    SetFrameInTwips(*this, QRectF(0, workBottom - height, width, height), s);
    if (IMainForm* main = m_f.Windows.MainForm; main && main->Form()) {
        QWidget& form = *main->Form();
        form.setWindowState(Qt::WindowNoState);
        SetFrameInTwips(form, QRectF(0, 0, width, workBottom - height), s);
    }
    FocusStepButton();
}

}  // namespace tidepost

#include "mainwindow/MainFormControls.h"

#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>

#include "foundation/Captions.h"
#include "foundation/Foundation.h"
#include "foundation/TextTabKeys.h"
#include "mainwindow/FormView.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/ProductPictures.h"

namespace tidepost {

namespace {

// The mobile status field's normal background, 0x00BBGGRR.
constexpr int kMobileStatusBackColor = 0xF0BDA8;

QProgressBar* MakeBar(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    bar->setAccessibleName(accessibleName);
    return bar;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

QLineEdit* MakeField(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    return field;
}

// A place the view's own area fills later; until then an empty, named panel.
QWidget* MakeViewPlaceholder(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setAccessibleName(accessibleName);
    panel->hide();
    return panel;
}

}  // namespace

QColor FromBgr(int bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

void PaintBar(QProgressBar* bar, int bgr) {
    if (bar->property("FillColor").toInt() == bgr && !bar->styleSheet().isEmpty()) return;
    bar->setProperty("FillColor", bgr);
    bar->setStyleSheet(QString("QProgressBar::chunk { background-color: %1; }").arg(FromBgr(bgr).name()));
}

QWidget* MainFormControls::ViewControl(long view) const {
    switch (view) {
        case 0: return Editor;
        case 1: return InboxMSGrid;
        case 2: return OutboxMSGrid;
        case 3: return EGCMSGrid;
        case 4: return MessageGrid;
        case 5: return oWebBrowser;
        default: return nullptr;
    }
}

void MainForm::BuildControls() {
    m_controls = std::make_unique<MainFormControls>();
    auto* central = new QWidget(this);
    central->setObjectName("MainArea");
    setCentralWidget(central);
    BuildStatusStrip(central);
    BuildWorkArea(central);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName("MainFormStatusBar");
    for (int i = 0; i < 3; ++i) {
        m_statusPanels[i] = MakeLabel(statusBar, qPrintable(QString("Panel%1").arg(i + 1)), QString());
        statusBar->addPermanentWidget(m_statusPanels[i], i == 1 ? 1 : 0);
        WatchClicks(m_statusPanels[i], [this, i] { StatusBarPanel_Click(i + 1); });
    }
    setStatusBar(statusBar);
}

void MainForm::BuildStatusStrip(QWidget* area) {
    MainFormControls& c = *m_controls;
    const MlStrings& strings = m_foundation.Strings;
    const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    const auto place = [tx, ty](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(qRound(left / tx), qRound(top / ty), qRound(width / tx), qRound(height / ty));
    };

    c.InHarbourButton = MakeButton(area, "InHarbourButton", "Harbour");
    SetCaption(strings, c.InHarbourButton, 1914);
    place(c.InHarbourButton, 1845, 60, 900, 825);

    c.StatusFrame = new QGroupBox("Mobile status:", area);
    c.StatusFrame->setObjectName("StatusFrame");
    SetCaption(strings, c.StatusFrame, 1921);
    place(c.StatusFrame, 2730, -30, 3525, 930);
    c.PictureBackground = MakeLabel(c.StatusFrame, "PictureBackground", QString());
    place(c.PictureBackground, 105, 240, 720, 600);
    const auto picture = [&](const char* name, const QString& family, int width) {
        QLabel* label = MakeLabel(c.StatusFrame, name, QString());
        place(label, 120, 240, width, 600);
        label->setPixmap(DrawFamilyPicture(family, label->size()));
        label->setAccessibleName(family);
        label->hide();
        return label;
    };
    c.Picture510 = picture("Picture510", "510", 720);
    c.Picture530A = picture("Picture530A", "530A", 720);
    c.Picture560 = picture("Picture560", "560", 720);
    c.Picture570 = picture("Picture570", "570", 735);
    c.MobileNumberLabel = MakeLabel(c.StatusFrame, "MobileNumberLabel", "IMN:");
    SetCaption(strings, c.MobileNumberLabel, 1923);
    place(c.MobileNumberLabel, 915, 210, 2475, 255);
    m_mobileStatusField = MakeLabel(c.StatusFrame, "MobileStatusField", QString());
    m_mobileStatusField->setProperty("Tag", QString("0"));
    m_mobileStatusField->setAutoFillBackground(true);
    m_mobileStatusField->setProperty("BackColor", kMobileStatusBackColor);
    PaintMobileStatusField(StatusFieldColours::Normal);
    place(m_mobileStatusField, 900, 525, 2475, 255);

    c.Frame1 = new QFrame(area);
    c.Frame1->setObjectName("Frame1");
    place(c.Frame1, 6240, -30, 2415, 930);
    QLabel* antennaLabel = MakeLabel(c.Frame1, "Label15", "Antenna signal");
    SetCaption(strings, antennaLabel, 1918);
    SetToolTip(strings, antennaLabel, 1919);
    QLabel* gpsLabel = MakeLabel(c.Frame1, "Label16", "GPS");
    SetCaption(strings, gpsLabel, 1917);
    SetToolTip(strings, gpsLabel, 1916);
    QLabel* connectionLabel = MakeLabel(c.Frame1, "Label9", "PC connection");
    SetCaption(strings, connectionLabel, 1920);
    place(antennaLabel, 60, 165, 1380, 210);
    place(gpsLabel, 60, 420, 1380, 210);
    place(connectionLabel, 60, 660, 1380, 210);
    m_antenneBar = MakeBar(c.Frame1, "AntenneBar", antennaLabel->text());
    c.GPSBar = MakeBar(c.Frame1, "GPSBar", gpsLabel->text());
    m_tcuConnBar = MakeBar(c.Frame1, "TCUConnBar", "TCU connection");
    m_pcConnBar = MakeBar(c.Frame1, "PCConnBar", connectionLabel->text());
    place(m_antenneBar, 1455, 210, 900, 120);
    place(c.GPSBar, 1455, 465, 900, 120);
    place(m_tcuConnBar, 1455, 705, 480, 120);
    place(m_pcConnBar, 1875, 705, 480, 120);
    // The GPS bar shows a state, not an amount: always full, its colour tells.
    c.GPSBar->setValue(100);
    m_tcuConnBar->setValue(100);
    m_pcConnBar->setValue(100);
    PaintBar(c.GPSBar, kRed);
    PaintBar(m_pcConnBar, kRed);
    PaintBar(m_tcuConnBar, kRed);

    // The engine's activity and the developer's display, right of the strip.
    m_label1 = MakeLabel(area, "Label1", "Idle");
    m_label1->setProperty("Activity", QStringLiteral("Idle"));
    // It changes with every step of the dialogue: painting its own background keeps each change
    // to its own rectangle instead of repainting the window behind it.
    m_label1->setAutoFillBackground(true);
    m_label4 = MakeLabel(area, "Label4", QString());
    m_label10 = MakeLabel(area, "Label10", "T1: ");
    m_label11 = MakeLabel(area, "Label11", "T2: ");
    c.Label6 = MakeLabel(area, "Label6", " , ");
    c.Label12 = MakeLabel(area, "Label12", "Progr: ");
    place(m_label1, 8760, 60, 2400, 255);
    place(m_label4, 8760, 330, 4800, 255);
    place(m_label10, 8760, 600, 1500, 255);
    place(m_label11, 10320, 600, 1500, 255);
    place(c.Label6, 11880, 600, 600, 255);
    place(c.Label12, 12540, 600, 1500, 255);
    for (QLabel* debug : {m_label4, m_label10, m_label11, c.Label6, c.Label12}) debug->hide();

    WatchClicks(c.MobileNumberLabel, [this] {
        if (m_foundation.gSession.MesConnected() && StatusCommands.mobileNoMenu_Click) StatusCommands.mobileNoMenu_Click();
    });
    const auto transceiverStatus = [this] {
        if (m_foundation.gSession.MesConnected() && StatusCommands.TransceiverStatusMenu_Click)
            StatusCommands.TransceiverStatusMenu_Click();
    };
    WatchClicks(m_mobileStatusField, transceiverStatus);
    WatchClicks(m_antenneBar, transceiverStatus);
    WatchClicks(c.GPSBar, [this] {
        if (m_foundation.gSession.MesConnected() && StatusCommands.GPSStatusMenu_Click)
            StatusCommands.GPSStatusMenu_Click();
    });
    for (QLabel* picture : {c.Picture510, c.Picture560, c.Picture570})
        WatchClicks(picture, [this] {
            if (StatusCommands.SystemInfoMenu_Click) StatusCommands.SystemInfoMenu_Click();
        });
}

void MainForm::BuildWorkArea(QWidget* area) {
    MainFormControls& c = *m_controls;
    const MlStrings& strings = m_foundation.Strings;
    const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    const auto place = [tx, ty](QWidget* w, int left, int top, int width, int height) {
        w->setGeometry(qRound(left / tx), qRound(top / ty), qRound(width / tx), qRound(height / ty));
    };

    // The test-mode notice above the header rows.
    m_infoBox = new QFrame(area);
    m_infoBox->setObjectName("InfoBox");
    m_infoBox->setFrameShape(QFrame::Box);
    place(m_infoBox, 30, 975, 7755, 600);
    m_infofield = MakeLabel(m_infoBox, "Infofield", QString());
    m_infofield->setWordWrap(true);
    m_infofield->setStyleSheet("QLabel#Infofield { color: red; }");
    place(m_infofield, 15, 15, 7680, 525);
    m_infoBox->hide();

    const auto row = [&](QPushButton*& button, const char* buttonName, const QString& caption, int captionId,
                         int tipId, QLineEdit*& field, const char* fieldName, const QString& accessible) {
        button = MakeButton(area, buttonName, caption);
        SetCaption(strings, button, captionId);
        SetToolTip(strings, button, tipId);
        field = MakeField(area, fieldName, accessible);
    };
    row(c.ToButton, "ToButton", "To...", 1945, 1946, c.ToFieldText, "ToFieldText", "To");
    row(c.CCButton, "CCButton", "Cc...", 1943, 1944, c.CCFieldText, "CCFieldText", "Cc");
    row(c.BccButton, "BccButton", "Bcc...", 1941, 1942, c.BccFieldText, "BccFieldText", "Bcc");
    place(c.ToButton, 30, 975, 1185, 285);
    place(c.ToFieldText, 1260, 960, 8640, 300);
    place(c.CCButton, 30, 1350, 1185, 285);
    place(c.CCFieldText, 1260, 1335, 8640, 300);
    place(c.BccButton, 30, 1725, 1185, 285);
    place(c.BccFieldText, 1260, 1710, 8640, 285);
    c.SubjectLabel = MakeLabel(area, "SubjectLabel", "Subject:");
    SetCaption(strings, c.SubjectLabel, 1948);
    c.SubjectFieldText = MakeField(area, "SubjectFieldText", "Subject");
    c.SubjectLabel->setBuddy(c.SubjectFieldText);
    place(c.SubjectLabel, 45, 2115, 1155, 255);
    place(c.SubjectFieldText, 1260, 2070, 8640, 300);
    c.SendButton = MakeButton(area, "SendButton", "Send");
    SetCaption(strings, c.SendButton, 1939);
    SetToolTip(strings, c.SendButton, 1400);
    place(c.SendButton, 8700, 2070, 1200, 300);

    c.Editor = new QPlainTextEdit(area);
    c.Editor->setObjectName("Editor");
    c.Editor->setAccessibleName("Message text");
    // A telex cannot carry a tab: Tab moves on, Ctrl+Tab still puts one in when wanted.
    LetTabLeaveText(c.Editor, true);
    QFont editorFont("Courier New");
    editorFont.setStyleHint(QFont::TypeWriter);
    if (!QFontDatabase::families().contains(editorFont.family()))
        editorFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    c.Editor->setFont(editorFont);
    place(c.Editor, 1260, 2445, 6270, 1995);
    c.InboxMSGrid = MakeViewPlaceholder(area, "InboxMSGrid", "Inbox");
    c.OutboxMSGrid = MakeViewPlaceholder(area, "OutboxMSGrid", "Sent items");
    c.EGCMSGrid = MakeViewPlaceholder(area, "EGCMSGrid", "EGC");
    c.MessageGrid = MakeViewPlaceholder(area, "MessageGrid", "Info log");
    c.oWebBrowser = new FormView(strings, area);
    c.oWebBrowser->hide();

    c.LogFrame = new QGroupBox("Views:", area);
    c.LogFrame->setObjectName("LogFrame");
    SetCaption(strings, c.LogFrame, 1926);
    place(c.LogFrame, 30, 2460, 1185, 5145);
    const auto viewButton = [&](const char* name, const QString& caption, int captionId, int tipId, int top) {
        QPushButton* button = MakeButton(c.LogFrame, name, caption);
        if (captionId) SetCaption(strings, button, captionId);
        SetToolTip(strings, button, tipId);
        place(button, 150, top, 900, 800);
        return button;
    };
    c.EditorButton = viewButton("EditorButton", "Editor", 1930, 1931, 240);
    c.DistressEditorButton = viewButton("DistressEditorButton", "Distress", 0, 1929, 1035);
    c.DistressEditorButton->setAccessibleName("Distress Editor");
    c.DistressEditorButton->setStyleSheet("QPushButton#DistressEditorButton { color: #c00000; font-weight: bold; }");
    c.InboxButton = viewButton("InboxButton", "Inbox", 1932, 1933, 1830);
    c.OutboxButton = viewButton("OutboxButton", "Outbox", 1934, 1935, 2625);
    c.EGCButton = viewButton("EGCButton", "EGC", 1936, 1937, 3420);
    c.FormsButton = viewButton("FormsButton", "Forms", 1927, 1928, 4215);
    c.FormsButton->hide();

    connect(c.EditorButton, &QPushButton::clicked, this, [this] {
        if (EditorButton_Click) EditorButton_Click();
    });
    connect(c.DistressEditorButton, &QPushButton::clicked, this, [this] {
        if (DistressEditorButton_Click) DistressEditorButton_Click();
    });
    connect(c.InboxButton, &QPushButton::clicked, this, [this] {
        if (InboxButton_Click) InboxButton_Click();
    });
    connect(c.OutboxButton, &QPushButton::clicked, this, [this] {
        if (OutboxButton_Click) OutboxButton_Click();
    });
    connect(c.EGCButton, &QPushButton::clicked, this, [this] {
        if (EGCButton_Click) EGCButton_Click();
    });
    connect(c.FormsButton, &QPushButton::clicked, this, &MainForm::FormsButton_Click);

    // Tab order: the header rows top to bottom, the text, then the view buttons.
    QWidget* order[] = {c.ToButton,    c.ToFieldText,          c.CCButton,    c.CCFieldText,  c.BccButton,
                        c.BccFieldText, c.SubjectFieldText,     c.SendButton, c.Editor,      c.EditorButton, c.DistressEditorButton,
                        c.InboxButton, c.OutboxButton,         c.EGCButton,   c.FormsButton};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace tidepost

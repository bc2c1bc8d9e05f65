#include <QAction>
#include <algorithm>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "editor/IEditorHost.h"
#include "editor/MessageEditor.h"
#include "foundation/AppSettings.h"
#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullCodePages.h"
#include "foundation/UsefullRoutines.h"
#include "link/CommonDialogs.h"
#include "messages/Messages.h"
#include "platform/IClipboard.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {


// Hundredths follow a decimal point, so they take two digits: 7.03' is not 7.3'.
QString Hundredths(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

}  // namespace

void MessageEditor::mnuNewMessage_Click() {
    Foundation& f = m_m.F;
    ChangeViewEditor();
    m_host.HotListAdd(2013, 0);
    if (BodyText(c).isEmpty() || f.Os.Boxes == nullptr) return;
    MessageBoxRequest ask;
    ask.text = MlText(f, 2871, "Clear Editor?");
    ask.title = MlText(f, 2872, "Confirm!");
    ask.buttons = MsgButtons::YesNo;
    ask.icon = MsgIcon::Question;
    if (f.Os.Boxes->Show(ask, m_host.Owner()) != MsgAnswer::Yes) return;
    SetBodyText(c, QString());
    for (int list = 0; list < 3; ++list) SetAddressFieldText(list, QString());
    if (c.SubjectFieldText) c.SubjectFieldText->clear();
}

void MessageEditor::ClipboardFailed(const QString& title) {
    QueueMessageBox(m_m.F,
                    MlText(m_m.F, 2690, "Error occurred getting Clipboard. Another program may be accessing it."),
                    title, 0);
}

void MessageEditor::mnuCut_Click() {
    IClipboard* clipboard = m_m.F.Os.Clipboard;
    if (clipboard == nullptr || !clipboard->SetText(SelectedBodyText(c))) return ClipboardFailed(MlText(m_m.F, 2544, "Error"));
    if (c.Editor) {
        QTextCursor cursor = c.Editor->textCursor();
        cursor.removeSelectedText();
        c.Editor->setTextCursor(cursor);
    }
    m_host.HotListAdd(986, 0);
}

void MessageEditor::mnuCopy_Click() {
    IClipboard* clipboard = m_m.F.Os.Clipboard;
    if (clipboard == nullptr || !clipboard->SetText(SelectedBodyText(c))) return ClipboardFailed(MlText(m_m.F, 2544, "Error"));
    m_host.HotListAdd(987, 0);
}

void MessageEditor::mnuPaste_Click() {
    IClipboard* clipboard = m_m.F.Os.Clipboard;
    QString text;
    if (clipboard == nullptr || !clipboard->Text(text)) return ClipboardFailed("Error");
    tidepost::InsertToEditor(c, text);
    m_host.HotListAdd(988, 0);
}

void MessageEditor::InsertSpeedCourseText() {
    Foundation& f = m_m.F;
    const PositionRecord p = f.gSession.GetPos();
    if (p.Valid)
        tidepost::InsertToEditor(c, MlText(f, 2898, "Speed: ") + QString::number(p.Speed) + MlText(f, 2899, " knots, Course: ") +
                              QString::number(p.Course) + MlText(f, 2900, " deg.") + kCrLf);
    else
        tidepost::InsertToEditor(c, MlText(f, 2901, "Speed: not available") + kCrLf);
}

void MessageEditor::InsertPositionText() {
    Foundation& f = m_m.F;
    const PositionRecord p = f.gSession.GetPos();
    if (!p.Valid) {
        tidepost::InsertToEditor(c, MlText(f, 2897, "Position: not available") + kCrLf);
        return;
    }
    const QString lat = QString::number(p.LatDeg) + "," + QString::number(p.LatMin) + "." + Hundredths(p.LatHund) +
                        (p.South ? MlText(f, 2893, "S") : MlText(f, 2892, "N"));
    const QString lon = QString::number(p.LonDeg) + "," + QString::number(p.LonMin) + "." + Hundredths(p.LonHund) +
                        (p.West ? MlText(f, 2895, "W") : MlText(f, 2894, "E"));
    tidepost::InsertToEditor(c, MlText(f, 2896, "Position: ") + lat + " , " + lon + kCrLf);
}

void MessageEditor::mnuInsertSpeedCourse_Click() {
    InsertSpeedCourseText();
    m_host.HotListAdd(1991, 1989);
}

void MessageEditor::mnuInsertVesselName_Click() {
    Foundation& f = m_m.F;
    const QString name = GetAppSetting(f, f.gProductName, "Settings", "VesselName", "");
    if (!name.isEmpty()) tidepost::InsertToEditor(c, MlText(f, 2873, "Vessel name: ") + name + kCrLf);
    m_host.HotListAdd(1996, 1989);
}

void MessageEditor::mnuInsertVesselData_Click() {
    Foundation& f = m_m.F;
    static const struct {
        const char* key;
        int id;
        const char* label;
    } rows[] = {
        {"VesselName", 2873, "Vessel name: "}, {"VesselType", 2874, "Vessel type: "},
        {"VesselFlag", 2875, "Flag: "},        {"VesselDestination", 2876, "Destination: "},
        {"VesselCargo", 2877, "Cargo: "},      {"VesselComment", 2878, "Comment: "},
    };
    QString text;
    for (const auto& row : rows) {
        const QString value = GetAppSetting(f, f.gProductName, "Settings", row.key, "");
        if (!value.isEmpty()) text += MlText(f, row.id, row.label) + value + kCrLf;
    }
    if (!text.isEmpty()) tidepost::InsertToEditor(c, text);
    m_host.HotListAdd(1997, 1989);
}

void MessageEditor::ChooseCodePage(bool to866) {
    Foundation& f = m_m.F;
    // Qt has already flipped the item's check mark on the click: the stored choice says what was
    // in force.
    const bool was866 = GetIniValue(f, "[CodePage]") == QLatin1String("866");
    if (c.mnuDos866Cyrillic) c.mnuDos866Cyrillic->setChecked(to866);
    if (c.mnuWindows1251Cyrillic) c.mnuWindows1251Cyrillic->setChecked(!to866);
    if (was866 == to866) return;
    const QString body = BodyText(c);
    SetBodyText(c, to866 ? Cp866ToCp1251(body) : Cp1251ToCp866(body));
    SetIniValue(f, "[CodePage]", to866 ? "866" : "1251", true);
}

void MessageEditor::mnuDos866Cyrillic_Click() { ChooseCodePage(true); }
void MessageEditor::mnuWindows1251Cyrillic_Click() { ChooseCodePage(false); }

void MessageEditor::mnuSaveMsg_Click() {
    ChangeToEditor();
    SaveToFile(m_m.L, m_host.Owner(), BodyText(c), "Editor.txt", "Save Editor to file", m_m.F.gSavedFilesDir);
    m_host.HotListAdd(1980, 0);
}

void MessageEditor::mnuPrintEditor_Click() {
    ChangeToEditor();
    PrintText(m_m.L, m_host.Owner(), BodyText(c), 0);
    m_host.HotListAdd(1983, 0);
}

void MessageEditor::mnuDontSendMsg_Click() {
    // A checkable item has flipped its mark itself; an item that is not checkable gets it here.
    if (c.mnuDontSendMsg && !c.mnuDontSendMsg->isCheckable()) {
        c.mnuDontSendMsg->setCheckable(true);
        c.mnuDontSendMsg->setChecked(true);
    }
}

// --- text size ---

void MessageEditor::ApplyTextSize() {
    if (c.Editor) {
        QFont font = c.Editor->font();
        font.setPointSize(cFont.Size());
        c.Editor->setFont(font);
    }
}

void MessageEditor::ApplyStoredTextSize() {
    Foundation& f = m_m.F;
    const qint64 stored = LeadingNumber(GetAppSetting(f, f.gProductName, "Settings", "MsgFontSize", "11"));
    int size = static_cast<int>(std::clamp<qint64>(stored, -1, 1000));
    cFont.Size(size);
    ApplyTextSize();
}

void MessageEditor::mnuMsgTextSizeInc_Click() {
    cFont.Increase();
    ApplyTextSize();
    m_host.ApplyViewerTextSize(cFont.Size());
    if (cFont.Size() == cFont.MaxSize()) {
        if (c.mnuMsgTextSizeInc) c.mnuMsgTextSizeInc->setEnabled(false);
    } else if (cFont.MinSize() < cFont.Size() && c.mnuMsgTextSizeDec) {
        c.mnuMsgTextSizeDec->setEnabled(true);
    }
    SaveAppSetting(m_m.F, m_m.F.gProductName, "Settings", "MsgFontSize", QString::number(cFont.Size()));
}

void MessageEditor::mnuMsgTextSizeDec_Click() {
    cFont.Decrease();
    ApplyTextSize();
    m_host.ApplyViewerTextSize(cFont.Size());
    if (cFont.Size() == cFont.MinSize()) {
        if (c.mnuMsgTextSizeDec) c.mnuMsgTextSizeDec->setEnabled(false);
    } else if (cFont.Size() < cFont.MaxSize() && c.mnuMsgTextSizeInc) {
        c.mnuMsgTextSizeInc->setEnabled(true);
    }
    SaveAppSetting(m_m.F, m_m.F.gProductName, "Settings", "MsgFontSize", QString::number(cFont.Size()));
}

}  // namespace tidepost

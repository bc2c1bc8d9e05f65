#include <QAction>
#include <QDateTime>
#include <QLocale>
#include <QPlainTextEdit>

#include "editor/IEditorHost.h"
#include "editor/MessageEditor.h"
#include "foundation/Definitions.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/MlText.h"
#include "foundation/UsefullCodePages.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "platform/AtomicFile.h"
#include "platform/IClock.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kInsertMenu = 1989;

}  // namespace

void MessageEditor::InsertToEditor(const QString& strText) { tidepost::InsertToEditor(c, strText); }

void MessageEditor::InsertPosition_Click() {
    if (!m_m.F.gSession.MesConnected()) return;
    InsertPositionText();
    m_host.HotListAdd(1990, kInsertMenu);
}

void MessageEditor::InsertSignature_Click() {
    InsertToEditor(GetIniValue(m_m.F, QStringLiteral("[Signature]")));
    m_host.HotListAdd(1992, kInsertMenu);
}

void MessageEditor::insertmobilenumber_Click() {
    InsertToEditor(MlText(m_m.F, 2711, "Mobile No.: ") + QString::number(m_m.F.gSession.MobileNumber()) + kCrLf);
    m_host.HotListAdd(1993, kInsertMenu);
}

void MessageEditor::Insertutcdatetime_Click() {
    if (m_m.F.gSession.MesConnected()) {
        if (m_m.L.Windows.Window) m_m.L.Windows.Window->ShowWaitForm();
        QueueCommand(m_m.L, QStringLiteral("ti u"), true, true);
    }
    m_host.HotListAdd(1994, kInsertMenu);
}

void MessageEditor::InsertLocalDateTime_Click() {
    const QDateTime now = m_m.F.Os.Clock ? m_m.F.Os.Clock->Now() : QDateTime::currentDateTime();
    InsertToEditor(MlText(m_m.F, 2712, "Local Time: ") + QLocale::system().toString(now, "dd. MMMM yyyy hh:mm") +
                   kCrLf);
    m_host.HotListAdd(1995, kInsertMenu);
}

void MessageEditor::mnuOpenMsg_Click() {
    OpenTextFileIntoEditor(false, QString());
    m_host.HotListAdd(1979, 0);
}

void MessageEditor::mnuMergeMsg_Click() { OpenTextFileIntoEditor(true, QString()); }

QString MessageEditor::EncodeText(const QString& strText) const {
    const bool dos866 = c.mnuDos866Cyrillic && c.mnuDos866Cyrillic->isChecked();
    if (m_m.F.Strings.CurrentLanguageId == 1049 && dos866) return Cp866ToCp1251(strText);
    return strText;
}

void MessageEditor::OpenTextFileIntoEditor(bool merge, const QString& initialName) {
    Foundation& f = m_m.F;
    ChangeToEditor();
    OpenFileRequest request;
    request.title = QStringLiteral("Open text file");
    request.filters = {QStringLiteral("All Files, (*.*) (*)")};
    request.fileName = initialName;
    request.defaultSuffix = QStringLiteral("txt");
    request.folder = f.gWorkingDir;
    const QString chosen = f.Os.Boxes ? f.Os.Boxes->GetOpenFileName(request, m_host.Owner()) : QString();
    if (chosen.isEmpty()) return;
    const QString path = chosen.trimmed();

    // The whole file is read before the body changes, so a file that cannot be read leaves the
    // draft as it was.
    QByteArray bytes;
    if (const FileError error = ReadFileBytes(path, bytes)) {
        MessageBoxRequest box;
        box.text = WithFileErrorText(
            f, ComposeErrorText("MainForm.OpenTextFileIntoEditor", error.number, error.description), error.number,
            path);
        box.title = MlErrorTitle(f, error.number);
        box.buttons = MsgButtons::Ok;
        if (f.Os.Boxes) f.Os.Boxes->Show(box, m_host.Owner());
        return;
    }
    const QString text = EncodeText(f.Os.Codec.Decode(bytes));
    if (!merge) SetBodyText(c, QString());
    InsertToEditor(text);

    const qsizetype slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    f.gWorkingDir = path.left(slash + 1);
    SetIniValue(f, QStringLiteral("[working dir]"), f.gWorkingDir, true);
}

}  // namespace tidepost

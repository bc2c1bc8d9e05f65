#include "editor/EditorControls.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {

template <typename T>
T* Find(QObject* root, const char* name) {
    if (root == nullptr) return nullptr;
    if (root->objectName() == QLatin1String(name)) {
        if (auto* self = qobject_cast<T*>(root)) return self;
    }
    return root->findChild<T*>(QLatin1String(name));
}

// The widget holds LF line ends (and paragraph separators for a line break typed in it).
QString ToCrLf(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
    return NormalizeCrLf(text);
}

}  // namespace

EditorControls EditorControls::FindIn(QObject* root) {
    EditorControls c;
    c.ToFieldText = Find<QLineEdit>(root, "ToFieldText");
    c.CCFieldText = Find<QLineEdit>(root, "CCFieldText");
    c.BccFieldText = Find<QLineEdit>(root, "BccFieldText");
    c.SubjectFieldText = Find<QLineEdit>(root, "SubjectFieldText");
    c.Editor = Find<QPlainTextEdit>(root, "Editor");
    c.ToButton = Find<QAbstractButton>(root, "ToButton");
    c.CCButton = Find<QAbstractButton>(root, "CCButton");
    c.BccButton = Find<QAbstractButton>(root, "BccButton");
    c.AddrbookButton = Find<QAbstractButton>(root, "AddrbookButton");
    c.EditorButton = Find<QAbstractButton>(root, "EditorButton");
    c.SubjectLabel = Find<QWidget>(root, "SubjectLabel");
    c.mnuNewMsg = Find<QAction>(root, "mnuNewMsg");
    c.mnuNewMessage = Find<QAction>(root, "mnuNewMessage");
    c.mnuMergeMsg = Find<QAction>(root, "mnuMergeMsg");
    c.mnuOpenMsg = Find<QAction>(root, "mnuOpenMsg");
    c.InsertPosition = Find<QAction>(root, "InsertPosition");
    c.InsertSignature = Find<QAction>(root, "InsertSignature");
    c.insertmobilenumber = Find<QAction>(root, "insertmobilenumber");
    c.Insertutcdatetime = Find<QAction>(root, "Insertutcdatetime");
    c.InsertLocalDateTime = Find<QAction>(root, "InsertLocalDateTime");
    c.mnuSaveMsg = Find<QAction>(root, "mnuSaveMsg");
    c.mnuPrintEditor = Find<QAction>(root, "mnuPrintEditor");
    c.mnuCut = Find<QAction>(root, "mnuCut");
    c.mnuCopy = Find<QAction>(root, "mnuCopy");
    c.mnuPaste = Find<QAction>(root, "mnuPaste");
    c.mnuInsertSpeedCourse = Find<QAction>(root, "mnuInsertSpeedCourse");
    c.mnuInsertVesselName = Find<QAction>(root, "mnuInsertVesselName");
    c.mnuInsertVesselData = Find<QAction>(root, "mnuInsertVesselData");
    c.mnuDos866Cyrillic = Find<QAction>(root, "mnuDos866Cyrillic");
    c.mnuWindows1251Cyrillic = Find<QAction>(root, "mnuWindows1251Cyrillic");
    c.mnuDontSendMsg = Find<QAction>(root, "mnuDontSendMsg");
    c.mnuContacts = Find<QAction>(root, "mnuContacts");
    c.mnuMsgTextSizeInc = Find<QAction>(root, "mnuMsgTextSizeInc");
    c.mnuMsgTextSizeDec = Find<QAction>(root, "mnuMsgTextSizeDec");
    return c;
}

QString BodyText(const EditorControls& c) { return c.Editor ? ToCrLf(c.Editor->toPlainText()) : QString(); }

void SetBodyText(EditorControls& c, const QString& text) {
    if (c.Editor) c.Editor->setPlainText(NormalizeCrLf(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

QString SelectedBodyText(const EditorControls& c) {
    return c.Editor ? ToCrLf(c.Editor->textCursor().selectedText()) : QString();
}

void InsertToEditor(EditorControls& c, const QString& text) {
    if (!c.Editor) return;
    QTextCursor cursor = c.Editor->textCursor();
    cursor.insertText(NormalizeCrLf(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    c.Editor->setTextCursor(cursor);
}

int CrLfLength(const QString& plainText) { return static_cast<int>(ToCrLf(plainText).size()); }

}  // namespace tidepost

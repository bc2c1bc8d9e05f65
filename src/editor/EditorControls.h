#pragma once
#include <QPointer>
#include <QString>

class QAbstractButton;
class QAction;
class QLineEdit;
class QObject;
class QPlainTextEdit;
class QWidget;

namespace tidepost {

// The editor's controls and menu items, found by their object names; one that does not exist
// stays null and whatever would use it does nothing.
struct EditorControls {
    QPointer<QLineEdit> ToFieldText;
    QPointer<QLineEdit> CCFieldText;
    QPointer<QLineEdit> BccFieldText;
    QPointer<QLineEdit> SubjectFieldText;
    QPointer<QPlainTextEdit> Editor;
    QPointer<QAbstractButton> ToButton;
    QPointer<QAbstractButton> CCButton;
    QPointer<QAbstractButton> BccButton;
    QPointer<QAbstractButton> AddrbookButton;
    QPointer<QAbstractButton> EditorButton;
    QPointer<QWidget> SubjectLabel;

    QPointer<QAction> mnuNewMsg;
    QPointer<QAction> mnuNewMessage;
    QPointer<QAction> mnuMergeMsg;
    QPointer<QAction> mnuOpenMsg;
    QPointer<QAction> InsertPosition;
    QPointer<QAction> InsertSignature;
    QPointer<QAction> insertmobilenumber;
    QPointer<QAction> Insertutcdatetime;
    QPointer<QAction> InsertLocalDateTime;
    QPointer<QAction> mnuSaveMsg;
    QPointer<QAction> mnuPrintEditor;
    QPointer<QAction> mnuCut;
    QPointer<QAction> mnuCopy;
    QPointer<QAction> mnuPaste;
    QPointer<QAction> mnuInsertSpeedCourse;
    QPointer<QAction> mnuInsertVesselName;
    QPointer<QAction> mnuInsertVesselData;
    QPointer<QAction> mnuDos866Cyrillic;
    QPointer<QAction> mnuWindows1251Cyrillic;
    QPointer<QAction> mnuDontSendMsg;
    QPointer<QAction> mnuContacts;
    QPointer<QAction> mnuMsgTextSizeInc;
    QPointer<QAction> mnuMsgTextSizeDec;

    // Every control and menu item below root, by its object name.
    static EditorControls FindIn(QObject* root);
};

// The body's text with CR LF line ends, as the program stores and sends it.
QString BodyText(const EditorControls& c);
// Sets the body from a text with any line ends; the program's own texts are never cut.
void SetBodyText(EditorControls& c, const QString& text);
// The body's selected text with CR LF line ends.
QString SelectedBodyText(const EditorControls& c);
// Replaces the body's selection by text and puts the caret after it.
void InsertToEditor(EditorControls& c, const QString& text);
// The length of a text counted as the program counts it: every line end as CR LF.
int CrLfLength(const QString& plainText);

}  // namespace tidepost

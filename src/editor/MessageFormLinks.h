#pragma once
#include <QString>
#include <QStringList>
#include <functional>

#include "editor/ScreenMetrics.h"

class QWidget;

namespace tidepost {

// What the viewer's own save dialog asks for.
struct MessageSaveRequest {
    QStringList filters;         // "Text Files (*.txt)" …, the first selected
    QString proposedName;        // "message.txt"
    QString defaultSuffix;       // "txt"
    QString folder;              // where the dialog opens
    QString title;
};

// What the message viewer reaches in the main window and the editor: the folder grids' stepping,
// the editor's text and view, printing, the text size and the save dialog. Empty members do
// nothing (or give "" and the default size), so the viewer works before its neighbours exist.
struct MessageFormLinks {
    std::function<void()> GetNextInboxMessage;
    std::function<void()> GetPrevInboxMessage;
    std::function<void()> GetNextOutboxMessage;
    std::function<void()> GetPrevOutboxMessage;
    std::function<void()> GetNextEgcMessage;
    std::function<void()> GetPrevEgcMessage;
    // The editor's body text, setting it, and switching the main window to the editor view.
    std::function<QString()> EditorText;
    std::function<void(const QString& text)> SetEditorText;
    std::function<void()> EditorButton_Click;
    // Prints a text on the PC printer, with print-dialog flags.
    std::function<void(QWidget* owner, const QString& text, int flags)> PrintText;
    // The one text size of the editor and the viewer, and its steps.
    std::function<int()> FontSize;
    std::function<void()> mnuMsgTextSizeDec_Click;
    std::function<void()> mnuMsgTextSizeInc_Click;
    // The chosen file, "" when cancelled. Empty: the system's save dialog.
    std::function<QString(QWidget* owner, const MessageSaveRequest& request)> GetSaveFileName;
    // Empty: the real screen.
    ScreenMetricsSource Screen;
};

// The system's save dialog for the viewer (asks before overwriting).
QString ShowMessageSaveDialog(QWidget* owner, const MessageSaveRequest& request);

}  // namespace tidepost

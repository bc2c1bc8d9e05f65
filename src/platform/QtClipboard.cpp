#include "platform/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tidepost {

bool QtClipboard::SetText(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return false;
    clipboard->setText(text);
    return true;
}

bool QtClipboard::Text(QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return false;
    text = clipboard->text();
    return true;
}

}  // namespace tidepost

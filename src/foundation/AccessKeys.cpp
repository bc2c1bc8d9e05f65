#include "foundation/AccessKeys.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

namespace tidepost {

namespace {

// Where the access-key marker stands, or -1.
qsizetype MarkerAt(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] == u'&') {
            ++i;
            continue;
        }
        return caption[i + 1].isLetterOrNumber() ? i : -1;
    }
    return -1;
}

bool BelongsTo(const QWidget* w, const QWidget* window) { return w != nullptr && w->window() == window; }

}  // namespace

QChar AccessKeyOf(const QString& caption) {
    const qsizetype at = MarkerAt(caption);
    return at < 0 ? QChar() : caption[at + 1].toUpper();
}

QString WithoutAccessKey(const QString& caption) {
    const qsizetype at = MarkerAt(caption);
    if (at < 0) return caption;
    QString s = caption;
    s.remove(at, 1);
    return s;
}

QString WithAccessKey(const QString& caption, QSet<QChar>& taken) {
    const QChar own = AccessKeyOf(caption);
    if (!own.isNull() && !taken.contains(own)) {
        taken.insert(own);
        return caption;
    }
    const QString plain = WithoutAccessKey(caption);
    qsizetype chosen = -1;
    // A letter that begins a word first, then any letter; "&&" stays a plain ampersand.
    for (int pass = 0; pass < 2 && chosen < 0; ++pass) {
        for (qsizetype i = 0; i < plain.size(); ++i) {
            if (plain[i] == u'&') {
                ++i;
                continue;
            }
            if (!plain[i].isLetter() || taken.contains(plain[i].toUpper())) continue;
            const bool wordStart = i == 0 || !plain[i - 1].isLetterOrNumber();
            if (pass == 0 && !wordStart) continue;
            chosen = i;
            break;
        }
    }
    if (chosen < 0) return plain;
    taken.insert(plain[chosen].toUpper());
    QString s = plain;
    s.insert(chosen, u'&');
    return s;
}

void AssignMenuAccessKeys(QMenuBar* bar) {
    if (bar == nullptr) return;
    QSet<QChar> taken;
    for (QAction* menu : bar->actions()) {
        if (menu->isSeparator()) continue;
        // A hidden menu's key would still be claimed by the bar and make a button's key ambiguous.
        menu->setText(menu->isVisible() ? WithAccessKey(menu->text(), taken) : WithoutAccessKey(menu->text()));
    }
}

void AssignAccessKeys(QWidget* window, const QList<QAbstractButton*>& buttons) {
    if (window == nullptr) return;
    QSet<QChar> taken;
    const auto take = [&taken](const QString& caption) {
        const QChar key = AccessKeyOf(caption);
        if (!key.isNull()) taken.insert(key);
    };
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
        if (BelongsTo(bar, window))
            for (const QAction* menu : bar->actions())
                if (menu->isVisible()) take(menu->text());
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (BelongsTo(label, window) && label->buddy() != nullptr) take(label->text());
    for (const QGroupBox* frame : window->findChildren<QGroupBox*>())
        if (BelongsTo(frame, window)) take(frame->title());
    for (const QAbstractButton* other : window->findChildren<QAbstractButton*>())
        if (BelongsTo(other, window) && !buttons.contains(const_cast<QAbstractButton*>(other))) take(other->text());
    for (QAbstractButton* button : buttons)
        if (button != nullptr) button->setText(WithAccessKey(button->text(), taken));
}

}  // namespace tidepost

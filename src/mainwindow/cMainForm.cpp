#include "mainwindow/cMainForm.h"

#include <QAction>
#include <QMenu>

namespace tidepost {

namespace {
QString ItemName(int index) { return QStringLiteral("mnuForm(%1)").arg(index); }
}  // namespace

cMainForm::cMainForm(QMenu& mnuForms) : m_menu(&mnuForms) {
    for (int i = 0; i < kFormItems; ++i) {
        if (mnuForm(i)) continue;
        QAction* item = mnuForms.addAction(QString());
        item->setObjectName(ItemName(i));
        item->setVisible(false);
    }
}

QAction* cMainForm::mnuForm(int index) const {
    if (!m_menu || index < 0 || index >= 64) return nullptr;
    for (QAction* action : m_menu->actions())
        if (action->objectName() == ItemName(index)) return action;
    return nullptr;
}

int cMainForm::GetMnuFomsIndex(const QString& fileName) const {
    for (int i = 0; i < 64; ++i) {
        const QAction* item = mnuForm(i);
        if (item && item->data().toString().toLower() == fileName.toLower()) return i;
    }
    return -1;
}

QString cMainForm::GetMnuFomsFileName(int index) const {
    const QAction* item = mnuForm(index);
    return item ? item->data().toString() : QString();
}

QString cMainForm::GetMnuFomsName(int index) const {
    const QAction* item = mnuForm(index);
    return item && item->isVisible() ? item->text() : QString();
}

}  // namespace tidepost

#pragma once
#include <QPointer>
#include <QString>

class QAction;
class QMenu;

namespace tidepost {

// The Forms menu as the hot list sees it: the items mnuForm(0) to mnuForm(63) under mnuForms,
// each visible item one electronic form, its text the title and its data the file name.
class cMainForm {
public:
    static constexpr int kFormItems = 64;
    // Creates the items that are missing, hidden (a hidden position holds no form).
    explicit cMainForm(QMenu& mnuForms);

    // The first position whose file name equals fileName, ignoring case; -1 when none does.
    int GetMnuFomsIndex(const QString& fileName) const;
    // The file name at index; "" outside 0 to 63 or without an item there.
    QString GetMnuFomsFileName(int index) const;
    // The title at index when its item is visible; else "".
    QString GetMnuFomsName(int index) const;
    // The item at index, null when there is none.
    QAction* mnuForm(int index) const;

private:
    QPointer<QMenu> m_menu;
};

}  // namespace tidepost

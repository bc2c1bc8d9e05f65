#pragma once
#include <QComboBox>
#include <QLineEdit>

namespace tidepost {

// A choice whose text can be any value (also one not in its list) but which the operator can
// only change by picking from the list: typed keys go nowhere.
inline QComboBox* NewReadOnlyCombo(QWidget* parent, const QString& name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setReadOnly(true);
    return combo;
}

}  // namespace tidepost

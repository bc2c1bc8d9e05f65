#include "mainwindow/MainFormCaptions.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QFont>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QWidget>

#include "foundation/MlStrings.h"
#include "foundation/WindowPlacement.h"
#include "mainwindow/MainMenuTree.h"

namespace tidepost {

namespace {

using P = CaptionAssignment::Property;

QList<CaptionAssignment> BuildTable() {
    QList<CaptionAssignment> table;
    for (const MainMenuEntry& e : MainMenuTree())
        if (e.stringId != 0) table.append({e.name, P::Caption, 0, e.stringId, e.english});

    const auto add = [&](const char* control, P property, int id, const char* english) {
        table.append({QString::fromLatin1(control), property, 0, id, QString::fromUtf8(english)});
    };
    add("LogFrame", P::Caption, 1926, "Views:");
    add("EditorButton", P::Caption, 1930, "Editor");
    add("EditorButton", P::ToolTipText, 1931, "Click to see Editor");
    add("DistressEditorButton", P::ToolTipText, 1929, "Click for Distress Editor");
    add("InboxButton", P::Caption, 1932, "Inbox");
    add("InboxButton", P::ToolTipText, 1933, "Click to see Inbox");
    add("OutboxButton", P::Caption, 1934, "Outbox");
    add("OutboxButton", P::ToolTipText, 1935, "Click to see Sent items");
    add("EGCButton", P::Caption, 1936, "EGC");
    add("EGCButton", P::ToolTipText, 1937, "Click to see EGC log");
    add("FormsButton", P::Caption, 1927, "Forms");
    add("FormsButton", P::ToolTipText, 1928, "Click to see last shown form");
    add("ToButton", P::Caption, 1945, "To...");
    add("ToButton", P::ToolTipText, 1946, "Insert TO addresses");
    add("ToFieldText", P::ToolTipText, 1940, "Click to enter addresses or double-click to choose from address book");
    add("CCButton", P::Caption, 1943, "Cc...");
    add("CCButton", P::ToolTipText, 1944, "Insert CC addresses");
    add("CCFieldText", P::ToolTipText, 1940, "Click to enter addresses or double-click to choose from address book");
    add("BccButton", P::Caption, 1941, "Bcc...");
    add("BccButton", P::ToolTipText, 1942, "Insert BCC addresses");
    add("BccFieldText", P::ToolTipText, 1940, "Click to enter addresses or double-click to choose from address book");
    add("SubjectLabel", P::Caption, 1948, "Subject:");
    add("AddrbookButton", P::Caption, 1900, "Contacts");
    add("AddrbookButton", P::ToolTipText, 1938, "Open Address Book");
    add("SendButton", P::Caption, 1939, "Send");
    add("SendButton", P::ToolTipText, 1400, "Send message");
    add("Label9", P::Caption, 1920, "PC connection");
    add("Label16", P::Caption, 1917, "GPS");
    add("Label16", P::ToolTipText, 1916, "Click for GPS Status");
    add("Label15", P::Caption, 1918, "Antenna signal");
    add("Label15", P::ToolTipText, 1919, "Click for Modem Status");
    add("StatusFrame", P::Caption, 1921, "Mobile status:");
    add("MobileNumberLabel", P::Caption, 1923, "IMN:");
    add("InHarbourButton", P::Caption, 1914, "Harbour");
    add("Infofield", P::Caption, 105,
        "Automatic test mode: Normal communication disabled. Do not press any distress button unless you are in "
        "distress.");

    const QString bar = QStringLiteral("MainFormStatusBar");
    table.append({bar, P::PanelText, 1, 1924, QStringLiteral("No GPS info")});
    table.append({bar, P::PanelToolTipText, 1, 1924, QStringLiteral("No GPS info")});
    table.append({bar, P::PanelText, 2, 1925, QStringLiteral("No infos received")});
    table.append({bar, P::PanelText, 3, 2161, QStringLiteral("0")});
    return table;
}

bool BelongsTo(const QObject* control, const QWidget& form) {
    for (const QObject* o = control->parent(); o != nullptr; o = o->parent()) {
        if (o == &form) return true;
        const auto* widget = qobject_cast<const QWidget*>(o);
        if (widget && widget->isWindow() && !qobject_cast<const QMenu*>(widget)) return false;
    }
    return false;
}

// The control of a row: the status bar's panel, a menu item (or a menu's own entry), any widget.
QObject* FindControl(QWidget& form, const CaptionAssignment& row) {
    if (row.panel > 0) {
        auto* bar = qobject_cast<QWidget*>(FindFormControl(form, row.control));
        return bar ? bar->findChild<QLabel*>(QStringLiteral("Panel%1").arg(row.panel)) : nullptr;
    }
    return FindFormControl(form, row.control);
}

void Apply(QObject* control, const CaptionAssignment& row, const QString& text) {
    auto* action = qobject_cast<QAction*>(control);
    auto* widget = qobject_cast<QWidget*>(control);
    switch (row.property) {
    case P::Caption:
    case P::PanelText:
        if (action) {
            if (!action->isSeparator()) action->setText(text);
        } else if (auto* label = qobject_cast<QLabel*>(widget)) label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setText(text);
        else if (auto* frame = qobject_cast<QGroupBox*>(widget)) frame->setTitle(text);
        break;
    case P::ToolTipText:
    case P::PanelToolTipText:
        if (action) action->setToolTip(text);
        else if (widget) widget->setToolTip(text);
        break;
    }
}

}  // namespace

QObject* FindFormControl(QWidget& form, const QString& name) {
    const QList<QObject*> named = form.findChildren<QObject*>(name);
    // A menu and its entry share the name: the entry carries the text.
    for (QObject* o : named)
        if (qobject_cast<QAction*>(o) && BelongsTo(o, form)) return o;
    for (QObject* o : named)
        if (o->isWidgetType() && BelongsTo(o, form)) return o;
    return nullptr;
}

const QList<CaptionAssignment>& MainFormCaptionsTable() {
    static const QList<CaptionAssignment> table = BuildTable();
    return table;
}

QStringList ApplyCaptionsTable(QWidget& form, const MlStrings& strings) {
    QStringList skipped;
    for (const CaptionAssignment& row : MainFormCaptionsTable()) {
        QObject* control = FindControl(form, row);
        if (control == nullptr) {
            if (!skipped.contains(row.control)) skipped.append(row.control);
            continue;
        }
        const QString text = strings.GetMlString(row.stringId, row.english);
        if (!text.isEmpty()) Apply(control, row, text);
    }
    return skipped;
}

bool ApplyLanguageFonts(QWidget& form, int languageId) {
    struct Rule {
        const char* button;
        const char* family;
    };
    QList<Rule> rules;
    if (languageId == 1033)
        rules = {{"SendButton", "Arial"}, {"BccButton", "Arial"}, {"OutboxButton", "Arial"}, {"FormsButton", "Arial"}};
    else if (languageId == 1049)
        rules = {{"FormsButton", "Arial"},
                 {"SendButton", "Arial Narrow"},
                 {"BccButton", "Arial Narrow"},
                 {"OutboxButton", "Arial Narrow"}};
    else
        return false;
    // Only the family changes; size and style stay as designed. A family this computer lacks is
    // left out: its stand-in draws smaller than the designed font, not narrower.
    for (const Rule& rule : rules) {
        if (!QFontDatabase::hasFamily(QString::fromLatin1(rule.family))) continue;
        if (auto* button = qobject_cast<QWidget*>(FindFormControl(form, QString::fromLatin1(rule.button)))) {
            QFont font = button->font();
            font.setFamily(QString::fromLatin1(rule.family));
            button->setFont(font);
        }
    }
    for (const char* name : {"InboxButton", "OutboxButton"})
        if (auto* button = qobject_cast<QWidget*>(FindFormControl(form, QString::fromLatin1(name))))
            button->setFixedHeight(Twips(800));
    return true;
}

}  // namespace tidepost

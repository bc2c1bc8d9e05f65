#pragma once
#include <QList>
#include <QString>
#include <QStringList>

class QObject;
class QWidget;

namespace tidepost {

class MlStrings;

// One text of the main window taken from the string table.
struct CaptionAssignment {
    enum Property { Caption, ToolTipText, PanelText, PanelToolTipText };
    QString control;    // object name; for the status bar panels "MainFormStatusBar"
    Property property = Caption;
    int panel = 0;      // 1-based status bar panel, else 0
    int stringId = 0;
    QString english;
};

// The control of that name that belongs to the window itself: its menus and popup menus
// included, the dialogs it owns (which have controls of the same names) left out. Null when none.
QObject* FindFormControl(QWidget& form, const QString& name);

// Every text of the main window by control: the menu items with a string id (from the menu
// definition), the buttons, labels, frames and text boxes, and the first texts of the status bar.
const QList<CaptionAssignment>& MainFormCaptionsTable();

// Writes each assignment's text in the current language to its control, found by object name
// inside `form`; an empty look-up keeps the text the control has. Returns the control names of
// the assignments that found no control (each once, in table order).
QStringList ApplyCaptionsTable(QWidget& form, const MlStrings& strings);

// The per-language fonts of four view buttons and the height of two, by language id: false when
// the language has no rule (nothing changes). Buttons that do not exist are passed over.
bool ApplyLanguageFonts(QWidget& form, int languageId);

}  // namespace tidepost

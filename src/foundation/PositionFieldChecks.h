#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// What the windows that take a typed position share in refusing one.

// One range check of a number box of a position: the box's name, its maximum (the minimum is 0),
// its message and the word that joins the minimum to the maximum.
struct PositionFieldCheck {
    const char* box;
    int maximum;
    int messageId;
    const char* message;
    int joinId;
    const char* join;
};

// Why a window's OK refuses the typed position, and where the focus goes.
struct PositionRefusal {
    QString box;      // the box that takes the focus, its whole text selected
    QString text;     // the message
    bool okCancel;    // a range check asks OK/Cancel (focus only on OK); a total shows OK only
};

// The refusal of a range check: its text, "0", the joining word and the maximum.
QString FieldCheckMessage(const Foundation& f, const PositionFieldCheck& check);

// The refusal of a coordinate as a whole: the message, the degrees, "° ", the minutes, ".", the
// hundredths, "' ", the hemisphere, CR LF and the text that gives the range. The texts go in as
// the caller gives them.
QString CoordinateMessage(const Foundation& f, int messageId, const char* message, const QString& degrees,
                          const QString& minutes, const QString& hundredths, const QString& hemisphere, int rangeId,
                          const char* range);

// The title of every refusal.
QString ValidationTitle(const Foundation& f);

}  // namespace tidepost

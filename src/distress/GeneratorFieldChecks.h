#pragma once
#include <QString>
#include <optional>

#include "distress/DistressGeneratorReplies.h"

namespace tidepost {

struct Foundation;

// One range check of a number box of the distress generator dialog: the box's name, its maximum
// (the minimum is 0) and its message.
struct GeneratorFieldCheck {
    const char* box;
    int maximum;
    int messageId;
    const char* message;
    int joinId;
    const char* join;
};

// The box's text as a number when it holds only digits and fits a double; anything else (empty,
// blanks, a sign, a point, letters, a comma that would shift the command's fields) has none.
std::optional<double> GeneratorFieldValue(const QString& text);

// `ValidateField`: true when the text is a number from 0 to the check's maximum, both allowed.
bool ValidateField(const QString& text, const GeneratorFieldCheck& check);

// The refusal of a range check: its text, "0", the joining word and the maximum.
QString FieldCheckMessage(const Foundation& f, const GeneratorFieldCheck& check);

// Why the dialog's OK refuses the typed position, and where the focus goes.
struct PositionRefusal {
    QString box;      // the box that takes the focus, its whole text selected
    QString text;     // the message
    bool okCancel;    // a range check asks OK/Cancel (focus only on OK); a total shows OK only
};

// `ValidatePosition`: the ten range checks in their order, then the latitude and longitude totals
// (a hemisphere other than its two letters fails its total); the first failure, or none.
std::optional<PositionRefusal> ValidatePosition(const Foundation& f, const DistressGeneratorValues& v);

// The title of every refusal.
QString ValidationTitle(const Foundation& f);

}  // namespace tidepost

#pragma once
#include <QString>
#include <optional>

#include "distress/DistressGeneratorReplies.h"
#include "foundation/PositionFieldChecks.h"

namespace tidepost {

struct Foundation;

// One range check of a number box of the distress generator dialog.
using GeneratorFieldCheck = PositionFieldCheck;

// The box's text as a number when it holds only digits and fits a double; anything else (empty,
// blanks, a sign, a point, letters, a comma that would shift the command's fields) has none.
std::optional<double> GeneratorFieldValue(const QString& text);

// `ValidateField`: true when the text is a number from 0 to the check's maximum, both allowed.
bool ValidateField(const QString& text, const GeneratorFieldCheck& check);

// `ValidatePosition`: the ten range checks in their order, then the latitude and longitude totals
// (a hemisphere other than its two letters fails its total); the first failure, or none.
std::optional<PositionRefusal> ValidatePosition(const Foundation& f, const DistressGeneratorValues& v);

}  // namespace tidepost

#pragma once
#include <QValidator>

namespace tidepost {

// True when the text can stand as one field of a "|"-separated data file line: no "|" and no
// control character (a line break would split the line, a "|" shift every later field).
bool IsFileFieldText(const QString& text);

// Refuses typed and pasted text that IsFileFieldText refuses, so such text never reaches a file.
class FileFieldValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

}  // namespace tidepost

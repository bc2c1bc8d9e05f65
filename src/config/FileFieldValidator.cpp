#include "config/FileFieldValidator.h"

#include <algorithm>

namespace tidepost {

bool IsFileFieldText(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) {
        return c == u'|' || c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Control;
    });
}

QValidator::State FileFieldValidator::validate(QString& input, int&) const {
    return IsFileFieldText(input) ? Acceptable : Invalid;
}

}  // namespace tidepost

#include "remote/SendResultText.h"

#include <QLocale>

#include "foundation/Foundation.h"
#include "messages/SendResult.h"

namespace tidepost {

namespace {

int SystemLanguageId() {
    switch (QLocale::system().language()) {
    case QLocale::Russian: return 1049;
    case QLocale::French: return 1036;
    default: return 1033;
    }
}

}  // namespace

QString SendResultText(const Foundation& f, int code) {
    if (code < SendResult::Submitted || code > SendResult::NoDefaultLes) return {};
    const StringTable& table = f.Strings.Table();
    const QString text = table.GetString(code, SystemLanguageId());
    return text.isEmpty() ? table.GetString(code, 1033) : text;
}

}  // namespace tidepost

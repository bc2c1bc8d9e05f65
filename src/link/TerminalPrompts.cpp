#include "link/TerminalPrompts.h"

#include <array>

namespace tidepost {

namespace {

constexpr std::array<const char*, 10> kPrompts = {
    "can0:/$ ", "can1:/$ ", "can2:/$ ", "kv880:/$ ", "> ", " > ",
    "Enter password: ", "Enter new password: ", "Confirm new password: ", "Enter filenumber > "};

}  // namespace

int GetPromptKind(const QString& line) {
    for (std::size_t i = 0; i < kPrompts.size(); ++i) {
        if (line.startsWith(QLatin1String(kPrompts[i]))) return int(i) + 1;
    }
    return 0;
}

bool IsExactlyPrompt(const QString& line) {
    for (const char* prompt : kPrompts) {
        if (line == QLatin1String(prompt)) return true;
    }
    return false;
}

bool IsPasswordLine(const QString& line) {
    const int kind = GetPromptKind(line);
    return kind >= 7 && kind <= 9;
}

}  // namespace tidepost

#include "messages/AddressCodes.h"

#include <array>

namespace tidepost {

namespace {
constexpr std::array<const char*, 9> kTypeWords = {"Email", "Telex", "Fax", "InmC", "PSTN", "SAC", "DNID", "X25", "SMS"};
constexpr std::array<const char*, 3> kFormatWords = {"5", "7", "8"};

template <std::size_t N>
std::uint8_t WordToCode(const std::array<const char*, N>& words, QStringView word) {
    for (std::size_t i = 0; i < N; ++i)
        if (word == QLatin1String(words[i])) return static_cast<std::uint8_t>(i);
    return 0;
}

template <std::size_t N>
QString CodeToWord(const std::array<const char*, N>& words, int code) {
    return code >= 0 && code < static_cast<int>(N) ? QString::fromLatin1(words[static_cast<std::size_t>(code)])
                                                   : QString();
}
}  // namespace

std::uint8_t TypeWordToCode(QStringView word) { return WordToCode(kTypeWords, word); }
QString TypeCodeToWord(int code) { return CodeToWord(kTypeWords, code); }
std::uint8_t FormatWordToCode(QStringView word) { return WordToCode(kFormatWords, word); }
QString FormatCodeToWord(int code) { return CodeToWord(kFormatWords, code); }

}  // namespace tidepost

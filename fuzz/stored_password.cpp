// A stored password as the per-user settings store holds it (a file the user may edit by hand):
// any text is checked against typed passwords; what the decoder accepts must encode back to
// itself, and what it refuses matches nothing.
#include "FuzzWorld.h"
#include "config/StoredPassword.h"
#include "platform/ISettingsStore.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    const QString stored = w.f.Os.Codec.Decode(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const std::optional<QString> password = DecodeStoredPassword(w.f.Os.Codec, stored);
    if (password && EncodeStoredPassword(w.f.Os.Codec, *password) != stored) fuzz::Broken("decode then encode differs");
    w.platform.Settings.Save(w.f.gProductName, "Config", kConfigPasswordKey, stored);
    const bool matches = StoredPasswordMatches(w.f, kConfigPasswordKey, password.value_or(QStringLiteral("x")));
    if (matches != password.has_value()) fuzz::Broken("a stored value matched other than its own password");
    return 0;
}

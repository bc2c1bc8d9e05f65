// Remote-configuration packets in received text: any text is looked for a packet and decoded, once
// as it came and once behind a good token, so that the command parsing is reached too.
#include "FuzzWorld.h"
#include "remote/MD5Driver.h"
#include "remote/cRemoteConfig.h"

TIDEPOST_FUZZ_START_QT

namespace {

void Check(const tidepost::RemoteConfigPacket& p) {
    using tidepost::cRemoteConfig;
    if (p.Commands.size() > cRemoteConfig::kMaxCommands) tidepost::fuzz::Broken("more commands than a packet holds");
    for (const auto& c : p.Commands) {
        if (c.ParamCount > cRemoteConfig::kMaxParams) tidepost::fuzz::Broken("more parameters than a command holds");
        for (int i = c.ParamCount; i < cRemoteConfig::kMaxParams; ++i)
            if (!c.Params[i].isEmpty()) tidepost::fuzz::Broken("a parameter beyond the count");
        if (c.Valid && !cRemoteConfig::IsKnownCommand(c.Name)) tidepost::fuzz::Broken("an unknown command marked valid");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    const QString text = w.f.Os.Codec.Decode(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    const QDate date(2026, 12, 10);
    const QTime time(14, 20);
    ILog silent;
    for (const QString& candidate : {text, "$XYWGHJIP$" + GetMD5Hex(w.f.Os.Codec, "2026121014secret123") + "$" + text}) {
        cRemoteConfig decoder(w.f.Os.Codec);
        decoder.SetLogging(&silent);
        decoder.SetPassword("secret123");
        decoder.SetUTCDate(date);
        decoder.SetUTCTime(time);
        const bool exists = decoder.ExistConfig(candidate);
        const RemoteConfigPacket packet = decoder.DecodeConfig(candidate);
        if (!exists && (packet.PasswordOK || !packet.Commands.isEmpty())) fuzz::Broken("a packet where none was found");
        Check(packet);
    }
    return 0;
}

#include "remote/Remote.h"

#include <memory>

#include "foundation/Foundation.h"
#include "messages/Messages.h"
#include "remote/cRemoteConfig.h"
#include "remote/cRemoteConfigProcess.h"

namespace tidepost {

Remote::Remote(Foundation& foundation, Link& link, Messages& messages) : F(foundation), L(link), M(messages) {}

void RegisterRemoteConfig(Remote& r) {
    r.M.NewRemoteConfig = [&r] { return std::make_unique<cRemoteConfig>(r.F.Os.Codec); };
    r.M.NewRemoteConfigProcess = [&r] { return std::make_unique<cRemoteConfigProcess>(r.M); };
}

}  // namespace tidepost

#include "messages/GroupLes.h"

#include "foundation/Foundation.h"

namespace tidepost {

bool IsProviderType(quint8 destinationType) { return destinationType == 0 || destinationType == 8; }

QString GroupLes(const Foundation& f, quint8 destinationType) {
    const OceanIndex ocean = f.gConfiguration.LastOcean();
    if (ocean >= kOceanCount) return {};
    return IsProviderType(destinationType) ? f.gConfiguration.DefaultISPLes(ocean) : f.gConfiguration.DefaultLes(ocean);
}

}  // namespace tidepost

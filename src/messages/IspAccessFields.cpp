#include "messages/IspAccessFields.h"

#include "foundation/IspFile.h"

namespace tidepost {

quint8 GetIspAccessType(Foundation& f, const QString& provider) {
    const QString type = GetISPElement(f, provider, 11);
    if (type == QLatin1String("SAC")) return 6;
    if (type == QLatin1String("X.25")) return 3;
    return 255;
}

QString GetIspAccessNumber(Foundation& f, const QString& provider) { return GetISPElement(f, provider, 12); }

QString GetIspSmsAccess(Foundation& f, const QString& provider) { return GetISPElement(f, provider, 16); }

}  // namespace tidepost

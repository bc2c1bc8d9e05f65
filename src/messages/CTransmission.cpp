#include "messages/CTransmission.h"

#include "messages/IspAccessFields.h"
#include "messages/Messages.h"

namespace tidepost {

namespace {
// The "-t" code with which an e-mail provider is reached over X.25 takes no extension.
constexpr quint8 kX25Access = 3;
constexpr quint8 kEightBitPresentation = 7;
}  // namespace

bool CTransmission::SetPresentation(quint8 format) {
    switch (format) {
    case 0: m_presentation = 6; return true;
    case 1: m_presentation = 0; return true;
    case 2: m_presentation = kEightBitPresentation; return true;
    default: return false;
    }
}

bool CTransmission::SetDestination(quint8 Index, const QString& Address, const QString& MemberOrPrefix) {
    switch (Index) {
    case 0:  // E-mail, through the provider's access
        m_destinationCode = GetIspAccessType(m_messages.F, ISP);
        m_destinationExt = m_destinationCode == kX25Access ? QString() : GetIspAccessNumber(m_messages.F, ISP);
        break;
    case 1:  // Telex
        m_destinationCode = 0;
        m_destinationExt.clear();
        break;
    case 2:  // Fax
        m_destinationCode = 1;
        m_destinationExt = QStringLiteral("T30");
        break;
    case 3:  // Inmarsat-C mobile
        m_destinationCode = m_presentation == kEightBitPresentation ? 3 : 0;
        m_destinationExt.clear();
        break;
    case 4:  // PSTN modem
        m_destinationCode = 1;
        m_destinationExt = QStringLiteral("V22B");
        break;
    case 5:  // Special access code
        m_destinationCode = 6;
        m_destinationExt = Address;
        break;
    case 6:  // DNID and member
        m_destinationCode = 5;
        m_destinationExt = Address + u',' + MemberOrPrefix;
        break;
    case 7:  // X.25
        m_destinationCode = 3;
        m_destinationExt.clear();
        break;
    case 8:  // SMS, through the provider's SMS access code
        m_destinationCode = 6;
        m_destinationExt = GetIspSmsAccess(m_messages.F, ISP);
        break;
    default:
        break;
    }
    return true;
}

bool CTransmission::SetParameters(const QString& isp, bool ReqConf, bool PrintMes, bool DESCheck) {
    ISP = isp;
    m_requestConfirmation = ReqConf;
    m_printMessage = PrintMes;
    m_desEncrypted = DESCheck;
    return true;
}

}  // namespace tidepost

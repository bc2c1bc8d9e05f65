#pragma once
#include <QtGlobal>

namespace tidepost {

// The answer of a one-call send (CTransmission::SendMessageToAddress and
// SendMessageToAddressBookEntry) to the HTTP server and the remote configuration.
namespace SendResult {
inline constexpr qint16 NoGroup = 0;             // no name gave a group; also a failure inside the send
inline constexpr qint16 Submitted = 1000;        // the reference holds the outbox file name
inline constexpr qint16 NoProviderLes = 1001;    // no e-mail provider LES for the ocean (e-mail, SMS)
inline constexpr qint16 NoDefaultLes = 1002;     // no default LES for the ocean (other types)
inline constexpr qint16 NotConnected = 1003;     // the transceiver is not connected
inline constexpr qint16 FormatFailed = 1010;
inline constexpr qint16 UploadFailed = 1011;
inline constexpr qint16 SubmissionFailed = 1012;
inline constexpr qint16 LogFailed = 1013;        // submitted, but the outbox log line was not written
inline constexpr qint16 ConversionFailed = 1014;
inline constexpr qint16 BadAddress = 1020;       // empty, blank, or holding a line break
inline constexpr qint16 NoEntries = 1021;        // the list of address-book names is empty
inline constexpr qint16 UnknownEntry = 1022;     // a name is not in the address book
}  // namespace SendResult

}  // namespace tidepost

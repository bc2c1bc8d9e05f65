// SLP datagrams from the network: the header and both reply kinds are decoded from any bytes.
#include "FuzzWorld.h"
#include "platform/SlpMessages.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    const QByteArray datagram(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto header = slp::DecodeHeader(datagram);
    const auto service = slp::DecodeServiceReply(datagram);
    const auto attributes = slp::DecodeAttributeReply(datagram);
    if ((service || attributes) && !header) fuzz::Broken("a reply decoded without a valid header");
    if (header && (header->BodyOffset < 0 || header->BodyOffset > datagram.size()))
        fuzz::Broken("the body begins outside the datagram");
    return 0;
}

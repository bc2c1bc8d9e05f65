#pragma once
#include <QString>
#include <memory>
#include <optional>

namespace tidepost {

// Where a service search is sent: the SLP multicast group on the standard port unless the
// settings name another target (a unicast responder on loopback, for a trial without a network).
struct SlpTarget {
    static inline const QString DefaultHost = QStringLiteral("239.255.255.253");
    static constexpr quint16 DefaultPort = 427;
    QString Host = DefaultHost;
    quint16 Port = DefaultPort;
    bool IsDefault() const { return Host == DefaultHost && Port == DefaultPort; }
};

// "host:port" ("127.0.0.1:10427", "[::1]:10427", "tcu.local:427"); nothing when the text is not
// of that form or the port is outside 1..65535.
std::optional<SlpTarget> ParseSlpTarget(const QString& text);

// An answer that arrives later. The user interface never waits for it: the caller looks again on
// a later tick of its timer.
class IPendingAnswer {
public:
    virtual ~IPendingAnswer() = default;
    virtual bool IsFinished() const = 0;
    // Once finished: the text the request produced ("" while it runs).
    virtual QString Output() const = 0;
    // Once finished: a line for the error log when the request failed, "" otherwise.
    virtual QString ErrorLogLine() const = 0;
};

// The search for services on the ship's network. Answers come as the text slptool prints, so that
// one parser reads them whichever way they were obtained:
//   FindServices:   one line per service, "<url>,<lifetime>", e.g.
//                   "service:device.kalvenor://192.168.1.10,65535"
//   FindAttributes: the attribute list, e.g. "(device-model=880),(device-sw-version=1.23)"
// Dropping an answer before it finished abandons its request.
class ISlpDiscovery {
public:
    virtual ~ISlpDiscovery() = default;
    virtual std::unique_ptr<IPendingAnswer> FindServices(const QString& serviceType, const SlpTarget& target) = 0;
    // Asks one host (by its address, at the target's port) for the attributes of a service type.
    virtual std::unique_ptr<IPendingAnswer> FindAttributes(const QString& address, const QString& serviceType,
                                                           const SlpTarget& target) = 0;
};

}  // namespace tidepost

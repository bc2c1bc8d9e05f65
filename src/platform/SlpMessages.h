#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace tidepost::slp {

// The SLPv2 messages of a user agent (RFC 2608): the two requests it sends and the two replies it
// reads. Strings travel as UTF-8, numbers in network byte order.
enum FunctionId : quint8 { SrvRqst = 1, SrvRply = 2, AttrRqst = 6, AttrRply = 7 };
constexpr quint8 Version = 2;
// Header flag: the request went to a multicast group.
constexpr quint16 RequestMcastFlag = 0x2000;
inline const QString DefaultScope = QStringLiteral("DEFAULT");
inline const QString LanguageTag = QStringLiteral("en");

struct Header {
    quint8 Version = 0;
    quint8 Function = 0;
    quint32 Length = 0;
    quint16 Flags = 0;
    quint16 Xid = 0;
    QString Language;
    int BodyOffset = 0;  // where the message's own fields begin
};

struct UrlEntry {
    QString Url;
    quint16 Lifetime = 0;  // seconds
};

struct ServiceReply {
    quint16 Xid = 0;
    quint16 ErrorCode = 0;
    QList<UrlEntry> Urls;
};

struct AttributeReply {
    quint16 Xid = 0;
    quint16 ErrorCode = 0;
    QString Attributes;  // "(name=value),(name=value)"
};

// previousResponders: the addresses that already answered this search, so they stay quiet when
// the request is sent again.
QByteArray EncodeServiceRequest(quint16 xid, bool multicast, const QStringList& previousResponders,
                                 const QString& serviceType, const QString& scopes = DefaultScope);
// urlOrType: a service URL or a service type; an empty tag list asks for every attribute.
QByteArray EncodeAttributeRequest(quint16 xid, const QString& urlOrType, const QStringList& tags,
                                  const QString& scopes = DefaultScope);

// Nothing for a datagram that is not a well-formed SLPv2 message of that kind: a reply from the
// network is checked field by field against the datagram's size.
std::optional<Header> DecodeHeader(const QByteArray& datagram);
std::optional<ServiceReply> DecodeServiceReply(const QByteArray& datagram);
std::optional<AttributeReply> DecodeAttributeReply(const QByteArray& datagram);

}  // namespace tidepost::slp

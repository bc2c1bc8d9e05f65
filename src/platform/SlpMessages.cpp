#include "platform/SlpMessages.h"

namespace tidepost::slp {

namespace {

class Writer {
public:
    void U8(quint8 v) { m_bytes.append(static_cast<char>(v)); }
    void U16(quint16 v) { U8(static_cast<quint8>(v >> 8)); U8(static_cast<quint8>(v)); }
    void U24(quint32 v) { U8(static_cast<quint8>(v >> 16)); U16(static_cast<quint16>(v)); }
    void String(const QString& s) {
        const QByteArray utf8 = s.toUtf8();
        U16(static_cast<quint16>(utf8.size()));
        m_bytes.append(utf8);
    }
    QByteArray& Bytes() { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads fields in order; once a field runs past the end, every later read fails too.
class Reader {
public:
    Reader(const QByteArray& bytes, int offset, int end) : m_bytes(bytes), m_pos(offset), m_end(end) {}
    bool Ok() const { return m_ok; }
    quint8 U8() {
        if (!Need(1)) return 0;
        return static_cast<quint8>(m_bytes[m_pos++]);
    }
    quint16 U16() {
        const quint16 hi = U8();
        return static_cast<quint16>((hi << 8) | U8());
    }
    quint32 U24() {
        const quint32 hi = U8();
        return (hi << 16) | U16();
    }
    QString String() {
        const int n = U16();
        if (!Need(n)) return {};
        const QString s = QString::fromUtf8(m_bytes.constData() + m_pos, n);
        m_pos += n;
        return s;
    }
    void Skip(int n) {
        if (Need(n)) m_pos += n;
    }
    int Pos() const { return m_pos; }

private:
    bool Need(int n) {
        if (!m_ok || n < 0 || m_end - m_pos < n) m_ok = false;
        return m_ok;
    }
    const QByteArray& m_bytes;
    int m_pos;
    int m_end;
    bool m_ok = true;
};

QByteArray Message(FunctionId function, quint16 xid, quint16 flags, const QByteArray& body) {
    Writer w;
    const QByteArray lang = LanguageTag.toUtf8();
    const quint32 length = static_cast<quint32>(14 + lang.size() + body.size());
    w.U8(Version);
    w.U8(function);
    w.U24(length);
    w.U16(flags);
    w.U24(0);  // no extensions
    w.U16(xid);
    w.String(LanguageTag);
    w.Bytes().append(body);
    return w.Bytes();
}

// The header of a reply of the expected kind, with a reader placed at its body.
std::optional<Header> ReplyHeader(const QByteArray& datagram, FunctionId function) {
    const auto h = DecodeHeader(datagram);
    if (!h || h->Function != function) return std::nullopt;
    return h;
}

// An authentication block: its BSD, its length (which counts the whole block) and the rest.
void SkipAuthBlock(Reader& r) {
    r.U16();
    const int length = r.U16();
    r.Skip(length - 4);
}

}  // namespace

QByteArray EncodeServiceRequest(quint16 xid, bool multicast, const QStringList& previousResponders,
                                 const QString& serviceType, const QString& scopes) {
    Writer body;
    body.String(previousResponders.join(','));
    body.String(serviceType);
    body.String(scopes);
    body.String(QString());  // no predicate
    body.String(QString());  // no security parameter index
    return Message(SrvRqst, xid, multicast ? RequestMcastFlag : 0, body.Bytes());
}

QByteArray EncodeAttributeRequest(quint16 xid, const QString& urlOrType, const QStringList& tags,
                                  const QString& scopes) {
    Writer body;
    body.String(QString());  // no previous responders: sent to one host
    body.String(urlOrType);
    body.String(scopes);
    body.String(tags.join(','));
    body.String(QString());
    return Message(AttrRqst, xid, 0, body.Bytes());
}

std::optional<Header> DecodeHeader(const QByteArray& datagram) {
    Reader r(datagram, 0, static_cast<int>(datagram.size()));
    Header h;
    h.Version = r.U8();
    h.Function = r.U8();
    h.Length = r.U24();
    h.Flags = r.U16();
    r.U24();  // extensions are not used
    h.Xid = r.U16();
    h.Language = r.String();
    if (!r.Ok() || h.Version != Version) return std::nullopt;
    // A length that claims more than arrived, or less than the header itself, is not a message.
    if (h.Length > static_cast<quint32>(datagram.size()) || h.Length < static_cast<quint32>(r.Pos()))
        return std::nullopt;
    h.BodyOffset = r.Pos();
    return h;
}

std::optional<ServiceReply> DecodeServiceReply(const QByteArray& datagram) {
    const auto h = ReplyHeader(datagram, SrvRply);
    if (!h) return std::nullopt;
    Reader r(datagram, h->BodyOffset, static_cast<int>(h->Length));
    ServiceReply reply;
    reply.Xid = h->Xid;
    reply.ErrorCode = r.U16();
    // An error reply may end after its error code.
    if (r.Ok() && reply.ErrorCode != 0) return reply;
    const int count = r.U16();
    for (int i = 0; i < count && r.Ok(); ++i) {
        UrlEntry e;
        r.U8();  // reserved
        e.Lifetime = r.U16();
        e.Url = r.String();
        const int auths = r.U8();
        for (int a = 0; a < auths && r.Ok(); ++a) SkipAuthBlock(r);
        if (r.Ok()) reply.Urls.append(e);
    }
    if (!r.Ok()) return std::nullopt;
    return reply;
}

std::optional<AttributeReply> DecodeAttributeReply(const QByteArray& datagram) {
    const auto h = ReplyHeader(datagram, AttrRply);
    if (!h) return std::nullopt;
    Reader r(datagram, h->BodyOffset, static_cast<int>(h->Length));
    AttributeReply reply;
    reply.Xid = h->Xid;
    reply.ErrorCode = r.U16();
    if (r.Ok() && reply.ErrorCode != 0) return reply;
    reply.Attributes = r.String();
    if (!r.Ok()) return std::nullopt;
    return reply;
}

}  // namespace tidepost::slp

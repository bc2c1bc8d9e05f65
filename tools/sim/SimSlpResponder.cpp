#include "sim/SimSlpResponder.h"

#include <QNetworkDatagram>
#include <QTimer>
#include <optional>

namespace tidepost::sim {

namespace {

enum : quint8 { kSrvRqst = 1, kSrvRply = 2, kAttrRqst = 6, kAttrRply = 7 };
constexpr quint16 kMcastFlag = 0x2000;
constexpr quint16 kScopeNotSupported = 4;

struct Request {
    quint8 Function = 0;
    quint16 Flags = 0;
    quint16 Xid = 0;
    QString Language;
    QStringList Fields;  // the five strings of a SrvRqst or AttrRqst, in order
};

// Reads a request; nothing when the datagram is cut short or not SLPv2.
std::optional<Request> ReadRequest(const QByteArray& d) {
    qsizetype pos = 0;
    bool ok = true;
    const auto byte = [&]() -> quint8 {
        if (pos >= d.size()) {
            ok = false;
            return 0;
        }
        return static_cast<quint8>(d[pos++]);
    };
    const auto u16 = [&]() -> quint16 {
        const quint16 hi = byte();
        return static_cast<quint16>((hi << 8) | byte());
    };
    const auto text = [&]() -> QString {
        const quint16 n = u16();
        if (!ok || d.size() - pos < n) {
            ok = false;
            return {};
        }
        const QString s = QString::fromUtf8(d.constData() + pos, n);
        pos += n;
        return s;
    };
    Request r;
    if (byte() != 2) return std::nullopt;
    r.Function = byte();
    pos += 3;  // length
    r.Flags = u16();
    pos += 3;  // extension offset
    r.Xid = u16();
    r.Language = text();
    for (int i = 0; i < 5 && ok; ++i) r.Fields.append(text());
    if (!ok) return std::nullopt;
    return r;
}

class Out {
public:
    void U8(quint8 v) { m_b.append(static_cast<char>(v)); }
    void U16(quint16 v) { U8(static_cast<quint8>(v >> 8)); U8(static_cast<quint8>(v)); }
    void Text(const QString& s) {
        const QByteArray u = s.toUtf8();
        U16(static_cast<quint16>(u.size()));
        m_b.append(u);
    }
    QByteArray Message(quint8 function, quint16 xid, const QString& language) const {
        Out h;
        const QByteArray lang = language.toUtf8();
        const int length = 14 + static_cast<int>(lang.size()) + static_cast<int>(m_b.size());
        h.U8(2);
        h.U8(function);
        h.U8(static_cast<quint8>(length >> 16));
        h.U16(static_cast<quint16>(length));
        h.U16(0);
        h.U8(0);
        h.U16(0);
        h.U16(xid);
        h.Text(language);
        return h.m_b + m_b;
    }

private:
    QByteArray m_b;
};

QString TypeOf(const QString& url) {
    const qsizetype sep = url.indexOf("://");
    return sep < 0 ? url : url.left(sep);
}

bool InScopes(const QString& scopes) {
    if (scopes.isEmpty()) return true;
    for (const QString& s : scopes.split(','))
        if (s.trimmed().compare("DEFAULT", Qt::CaseInsensitive) == 0) return true;
    return false;
}

// The attributes of a list whose tag is one of `tags` (all of them for no tags).
QString SelectAttributes(const QString& list, const QString& tags) {
    const QStringList wanted = tags.split(',', Qt::SkipEmptyParts);
    if (wanted.isEmpty()) return list;
    QStringList items;
    int depth = 0;
    QString current;
    for (const QChar c : list) {
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == ',' && depth == 0) {
            items.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    if (!current.isEmpty()) items.append(current);
    QStringList kept;
    for (const QString& item : items) {
        QString tag = item.trimmed();
        if (tag.startsWith('(')) tag = tag.mid(1).section('=', 0, 0);
        for (const QString& w : wanted)
            if (w.trimmed().compare(tag.trimmed(), Qt::CaseInsensitive) == 0) kept.append(item);
    }
    return kept.join(',');
}

}  // namespace

SimSlpResponder::SimSlpResponder() {
    QObject::connect(&m_socket, &QUdpSocket::readyRead, &m_socket, [this] { OnReadyRead(); });
}

bool SimSlpResponder::Listen(const QHostAddress& address, quint16 port) { return m_socket.bind(address, port); }

void SimSlpResponder::OnReadyRead() {
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram d = m_socket.receiveDatagram();
        if (d.isValid()) Answer(d.data(), d.senderAddress(), static_cast<quint16>(d.senderPort()));
    }
}

void SimSlpResponder::Answer(const QByteArray& datagram, const QHostAddress& sender, quint16 senderPort) {
    const auto r = ReadRequest(datagram);
    if (!r) return;
    const bool multicast = (r->Flags & kMcastFlag) != 0;
    const QString previous = r->Fields.value(0);
    if (r->Function == kSrvRqst) {
        ++ServiceRequests;
        PreviousResponders.append(previous);
    } else if (r->Function == kAttrRqst) {
        ++AttributeRequests;
    } else {
        return;
    }
    if (previous.split(',').contains(Address().toString())) return;

    Out body;
    if (!InScopes(r->Fields.value(2))) {
        if (multicast) return;
        body.U16(kScopeNotSupported);
        if (r->Function == kSrvRqst) body.U16(0);
        else body.Text(QString());
        Reply(body.Message(r->Function == kSrvRqst ? kSrvRply : kAttrRply, r->Xid, r->Language), sender, senderPort);
        return;
    }

    if (r->Function == kSrvRqst) {
        QList<SlpService> matching;
        for (const SlpService& s : Services)
            if (TypeOf(s.Url).compare(r->Fields.value(1), Qt::CaseInsensitive) == 0) matching.append(s);
        if (matching.isEmpty() && multicast) return;
        body.U16(0);
        body.U16(static_cast<quint16>(matching.size()));
        for (const SlpService& s : matching) {
            body.U8(0);
            body.U16(s.Lifetime);
            body.Text(s.Url);
            body.U8(0);
        }
        Reply(body.Message(kSrvRply, r->Xid, r->Language), sender, senderPort);
        return;
    }

    const QString named = r->Fields.value(1);
    const SlpService* found = nullptr;
    for (const SlpService& s : Services)
        if (s.Url.compare(named, Qt::CaseInsensitive) == 0) found = &s;
    for (const SlpService& s : Services)
        if (!found && TypeOf(s.Url).compare(named, Qt::CaseInsensitive) == 0) found = &s;
    if (!found && multicast) return;
    body.U16(0);
    body.Text(found ? SelectAttributes(found->Attributes, r->Fields.value(3)) : QString());
    body.U8(0);
    Reply(body.Message(kAttrRply, r->Xid, r->Language), sender, senderPort);
}

void SimSlpResponder::Reply(const QByteArray& reply, const QHostAddress& to, quint16 port) {
    const QList<QByteArray> noise = NoiseBeforeReply ? NoiseBeforeReply(reply) : QList<QByteArray>();
    const auto send = [this, reply, noise, to, port] {
        for (const QByteArray& n : noise) m_socket.writeDatagram(n, to, port);
        m_socket.writeDatagram(reply, to, port);
    };
    if (ReplyDelayMs <= 0) send();
    else QTimer::singleShot(ReplyDelayMs, &m_socket, send);
}

}  // namespace tidepost::sim

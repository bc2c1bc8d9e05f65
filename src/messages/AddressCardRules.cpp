#include "messages/AddressCardRules.h"

#include "messages/AddressEntry.h"

namespace tidepost {

namespace {

constexpr int kEmailType = 0;
constexpr int kTelexType = 1;
constexpr int kFaxType = 2;
constexpr int kInmcType = 3;
constexpr int kPstnType = 4;
constexpr int kSacType = 5;
constexpr int kDnidType = 6;
constexpr int kX25Type = 7;
constexpr int kSmsType = 8;

constexpr int kMemberBox = 2586;
constexpr int kDnidLengthBox = 2587;
constexpr int kInmcLengthBox = 2588;
constexpr int kMaxDnidLength = 5;
constexpr int kMaxInmcLength = 12;
constexpr int kMaxMember = 255;

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsBackspace(QChar c) { return c.unicode() == kBackspaceKey; }

bool AllDigits(QStringView text) {
    for (QChar c : text)
        if (!IsDigit(c)) return false;
    return true;
}

constexpr CardKeyVerdict kPass{true, 0};
constexpr CardKeyVerdict kSwallow{false, 0};

}  // namespace

CardKeyVerdict NameKey(QChar key) { return key == u';' || key == u'/' ? kSwallow : kPass; }

CardKeyVerdict PrefixKey(QChar key) { return IsDigit(key) || IsBackspace(key) ? kPass : kSwallow; }

CardKeyVerdict MemberKey(const QString& text, int selStart, int selLength, QChar key) {
    if (IsBackspace(key)) return kPass;
    if (!IsDigit(key)) return {false, kMemberBox};
    // The number as it will read with the key in its place: typed in front of the digits or over
    // a selection, the key does not simply go to the end.
    const int start = qBound(0, selStart, int(text.size()));
    const int length = qBound(0, selLength, int(text.size()) - start);
    const QString after = text.left(start) + key + text.mid(start + length);
    const int value = after.toInt();
    return value >= 1 && value <= kMaxMember ? kPass : CardKeyVerdict{false, kMemberBox};
}

CardKeyVerdict NumberKey(int type, const QString& text, int selStart, int selLength, QChar key) {
    if (type != kEmailType && type != kTelexType && type != kSacType) {
        const bool plusAllowed = (type == kFaxType || type == kPstnType) && selStart == 0;
        const bool passes = plusAllowed ? IsDigit(key) || key == u'+' : IsDigit(key) || IsBackspace(key);
        if (!passes) return kSwallow;
    }
    if (type == kDnidType && text.size() >= kMaxDnidLength && !IsBackspace(key)) return {false, kDnidLengthBox};
    if (type == kInmcType) {
        switch (selStart) {
        case 0:
        case 1: return kSwallow;  // the "58" every Inmarsat-C mobile number begins with
        case 2:
            if (key < u'0' || key > u'4') return kSwallow;  // the ocean region digit
            break;
        case 3:
            if (key != u'4' && !IsBackspace(key)) return kSwallow;  // a mobile number begins with 4
            break;
        default: break;
        }
        // Only a key that replaces a selection may be typed into a full number.
        if (text.size() >= kMaxInmcLength && selLength == 0 && !IsBackspace(key))
            return {false, kInmcLengthBox};
    }
    return kPass;
}

bool NumberDeleteKeyPasses(int type, int selStart) { return type != kInmcType || selStart > 1; }

bool IsAcceptableCardName(const QString& name) {
    return IsStorableAddressName(name) && !name.contains(u'/');
}

bool IsAcceptableCardNumber(int type, const QString& number) {
    if (!IsStorableAddressText(number)) return false;
    switch (type) {
    case kInmcType:
    case kDnidType:
    case kX25Type:
    case kSmsType: return AllDigits(number);
    case kFaxType:
    case kPstnType: return AllDigits(number.startsWith(u'+') ? QStringView(number).mid(1) : QStringView(number));
    default: return true;
    }
}

bool IsAcceptableMemberNo(const QString& member) {
    if (member.isEmpty()) return true;
    if (!AllDigits(member)) return false;
    bool ok = false;
    const int value = member.toInt(&ok);
    return ok && value >= 1 && value <= kMaxMember;
}

bool IsAcceptablePrefix(const QString& prefix) { return prefix.size() == 2 && AllDigits(prefix); }

}  // namespace tidepost

#pragma once
#include <QString>

namespace tidepost {

struct Reporting;

// The listing part of a reply to "st -d": from the first "Name" to the end of the first
// "DNID(s) stored" after it (letter case ignored); "" when either is missing.
QString DnidBlock(const QString& reply);

// The reply to "st -d". The listing goes to "ErrorLog.txt" and then, by DnidReplyTarget, either
// into the DNID store and the DNID list dialog (0) or, unread by the store, to the set-up of a
// new reporting program (1). A reply without "Name" is dropped.
void HandleDnidListReply(Reporting& r, const QString& reply);

}  // namespace tidepost

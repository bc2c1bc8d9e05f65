#pragma once
#include <QList>
#include <QString>
#include <array>

namespace tidepost {

struct Link;

// How a row's text is compared with a reply. All comparisons are exact unless the kind says
// otherwise.
enum class ReplyMatch {
    Echo,                 // the reply begins with the text and EchoTerminator (the text alone until one is learnt)
    Start,                // the reply begins with the text
    StartIgnoringCase,    // the same, letter case ignored
    AnywhereIgnoringCase, // the text occurs anywhere in the reply, letter case ignored
    UploadCheckEcho       // the echo of the text and the name of an upload awaiting its size check, 15 characters in all
};

// One row of the dispatch table: the echoed command at the start of a reply selects the rows, and
// each matching row runs its action with the whole reply, in table order.
struct ReplyRow {
    int Number;         // 1..47: the table order
    const char* Text;
    ReplyMatch Match;
    void (*Action)(Link& link, const QString& reply);
};

inline constexpr int kReplyRowCount = 47;

// The rows, in table order.
const std::array<ReplyRow, kReplyRowCount>& ReplyRows();

// Whether the row matches the reply with the line end learnt so far.
bool RowMatches(const Link& link, const ReplyRow& row, const QString& reply);
// The numbers of the rows that match, in table order.
QList<int> MatchingRows(const Link& link, const QString& reply);

}  // namespace tidepost

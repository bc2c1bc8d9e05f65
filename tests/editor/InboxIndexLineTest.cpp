#include <gtest/gtest.h>

#include "editor/FolderGridFamily.h"
#include "editor/InboxIndexLine.h"
#include "messages/EgcCodes.h"

using namespace tidepost;

namespace {

// in.idx fields: LES, service, priority, bits, date, time, size, reference, routing, read, file.
TEST(InboxIndexLine, RowCellsColourAndWeightPerLine) {
    const struct Case {
        const char* line;
        QStringList cells;  // empty: no row
        int colour;
        bool bold;
    } cases[] = {
        {"112:T X:0:0:2026-12-10 14:05:1 024:R 7:Route:Yes:26121001.txt",
         {"26121001.txt", "112", "TX", ConvertEGCPriorityNo(0), ConvertEGCLanguage(0), "2026-12-10 14:05", "1024",
          "R7", "Route"},
         kGridBlack, false},
        {"112:TX: 3 :x:d:t:s:r:o:no:n.txt",
         {"n.txt", "112", "TX", ConvertEGCPriorityNo(3), "Unknown", "d:t", "s", "r", "o"}, kGridRed, true},
        {"44:TX:2", {"", "44", "TX", ConvertEGCPriorityNo(2), "Unknown", ":", "", "", ""}, kGridRed, false},
        {"a:b:c:d:e:f:g:h:i:j:k:l:m", {"k", "a", "b", "Unknown", "Unknown", "e:f", "g", "h", "i"}, kGridBlack, false},
        {"   ", {}, 0, false},
        {"", {}, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const std::optional<FlexRow> row = InboxRowFromIndexLine(QString::fromLatin1(c.line));
        if (c.cells.isEmpty()) {
            EXPECT_FALSE(row);
            continue;
        }
        ASSERT_TRUE(row);
        EXPECT_EQ(row->Cells(), c.cells);
        EXPECT_EQ(row->ForeColor, c.colour);
        EXPECT_EQ(row->Bold, c.bold);
    }
}

}  // namespace

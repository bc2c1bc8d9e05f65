#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <tuple>
#include <vector>

#include "foundation/RuntimeError.h"
#include "messages/CMessage.h"

using namespace tidepost;

namespace {

QString Shown(bool ok, const QString& text) { return QString(ok ? "true " : "false ") + text; }

TEST(CMessage, StartsEmptyWithStatusOne) {
    const CMessage message;
    EXPECT_EQ(message.Status, 1);
    EXPECT_EQ(message.GroupId, 0);
    EXPECT_TRUE(message.Subject.isEmpty());
    EXPECT_TRUE(message.TextField.isEmpty());
    EXPECT_EQ(message.GetAddressMatrix(), RecipientMatrix{});
}

// Each case works on a new message and shows what it observed: a result and a cell or list.
TEST(CMessage, CellsAndAliases) {
    struct Case {
        const char* name;
        std::function<QString(CMessage&)> run;
        QString expected;
    };
    auto aliases = [](std::initializer_list<std::tuple<int, int, int, QString>> cells) {
        RecipientMatrix matrix;
        for (const auto& [type, format, list, text] : cells) matrix.Cell(type, format, list) = text;
        return matrix;
    };
    const std::vector<Case> cases = {
        {"A then B into an empty cell",
         [](CMessage& msg) {
             msg.AppendAddressCell("A", 2, 1, 0);
             const bool ok = msg.AppendAddressCell("B", 2, 1, 0);
             return Shown(ok, msg.GetAddressCell(2, 1, 0));
         },
         "true A;B"},
        {"an empty address succeeds and changes nothing",
         [](CMessage& msg) {
             msg.AppendAddressCell("A", 2, 1, 0);
             const bool ok = msg.AppendAddressCell("", 2, 1, 0);
             return Shown(ok, msg.GetAddressCell(2, 1, 0));
         },
         "true A"},
        {"append to type 9 fails", [](CMessage& msg) { return Shown(msg.AppendAddressCell("A", 9, 0, 0), ""); },
         "false "},
        {"append to format 3 fails", [](CMessage& msg) { return Shown(msg.AppendAddressCell("A", 0, 3, 0), ""); },
         "false "},
        {"append to list 3 fails", [](CMessage& msg) { return Shown(msg.AppendAddressCell("A", 0, 0, 3), ""); },
         "false "},
        {"set replaces the cell",
         [](CMessage& msg) {
             msg.AppendAddressCell("A", 8, 2, 2);
             const bool ok = msg.SetAddressCell("B;C", 8, 2, 2);
             return Shown(ok, msg.GetAddressCell(8, 2, 2));
         },
         "true B;C"},
        {"set of type 9 or format 3 fails",
         [](CMessage& msg) {
             return Shown(msg.SetAddressCell("A", 9, 0, 0) || msg.SetAddressCell("A", 0, 3, 0), "");
         },
         "false "},
        {"field aliases with ',' for ';'",
         [&](CMessage& msg) {
             msg.SetAliasMatrix(aliases({{0, 1, 1, "Ops;Agent"}}));
             return msg.GetFieldAliases(0, 1, 1);
         },
         "Ops,Agent"},
        {"all aliases without an empty item for an empty list",
         [&](CMessage& msg) {
             msg.SetAliasMatrix(aliases({{1, 0, 0, "Ops;Agent"}, {1, 0, 2, "Owner"}, {1, 1, 1, "Other"}}));
             return msg.GetAllAliases(1, 0);
         },
         "Ops,Agent,Owner"},
        {"the first address of To",
         [](CMessage& msg) {
             msg.SetAddressCell("x;y", 3, 2, 0);
             msg.SetAddressCell("z", 3, 2, 1);
             return msg.GetFirstAddress(3, 2);
         },
         "x"},
        {"no first address when only Cc and Bcc hold items",
         [](CMessage& msg) {
             msg.SetAddressCell("z", 3, 2, 1);
             msg.SetAddressCell("w", 3, 2, 2);
             return msg.GetFirstAddress(3, 2);
         },
         ""},
        {"no recipient in cells of blanks only",
         [](CMessage& msg) {
             for (int list = 0; list < 3; ++list) msg.SetAddressCell("   ", 4, 0, list);
             return Shown(msg.ExistRecipient(4, 0), "");
         },
         "false "},
        {"a recipient in Bcc alone",
         [](CMessage& msg) {
             msg.SetAddressCell(" x ", 4, 0, 2);
             return Shown(msg.ExistRecipient(4, 0), "");
         },
         "true "},
        {"a matrix is copied on set",
         [](CMessage& msg) {
             RecipientMatrix matrix;
             matrix.Cell(5, 0, 0) = "A";
             msg.SetAddressMatrix(matrix);
             msg.SetAliasMatrix(matrix);
             matrix.Cell(5, 0, 0) = "B";
             return msg.GetAddressCell(5, 0, 0) + msg.GetFieldAliases(5, 0, 0);
         },
         "AA"},
        {"a matrix is copied on get",
         [](CMessage& msg) {
             msg.SetAddressCell("A", 5, 0, 0);
             RecipientMatrix copy = msg.GetAddressMatrix();
             copy.Cell(5, 0, 0) = "B";
             return msg.GetAddressCell(5, 0, 0);
         },
         "A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMessage message;
        EXPECT_EQ(c.run(message), c.expected);
    }
}

// An index out of range is the classic error 9 for the caller, not a quiet empty result.
TEST(CMessage, OutOfRangeIsSubscriptError) {
    struct Case {
        const char* name;
        std::function<void(CMessage&)> run;
    };
    const std::vector<Case> cases = {
        {"cell of type 9", [](CMessage& msg) { msg.GetAddressCell(9, 0, 0); }},
        {"cell of format 3", [](CMessage& msg) { msg.GetAddressCell(0, 3, 0); }},
        {"cell of list 3", [](CMessage& msg) { msg.GetAddressCell(0, 0, 3); }},
        {"set of list 3", [](CMessage& msg) { msg.SetAddressCell("A", 0, 0, 3); }},
        {"aliases of list 3", [](CMessage& msg) { msg.GetFieldAliases(0, 0, 3); }},
        {"first address of type 9", [](CMessage& msg) { msg.GetFirstAddress(9, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMessage message;
        try {
            c.run(message);
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number, 9);
        }
        EXPECT_EQ(message.GetAddressMatrix(), RecipientMatrix{});
    }
}

}  // namespace

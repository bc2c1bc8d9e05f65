#include <gtest/gtest.h>

#include "foundation/Foundation.h"
#include "foundation/StandardButtons.h"
#include "support/TestPlatform.h"

using namespace tidepost;

TEST(StandardButtons, MessageBoxButtonsSpeakTheLanguageInUse) {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    EXPECT_EQ(StandardButtonCaption(f, MsgAnswer::Yes), "&Yes");
    EXPECT_EQ(StandardButtonCaption(f, MsgAnswer::Cancel), "&Cancel");
    f.Strings.CurrentLanguageId = 1049;
    EXPECT_EQ(StandardButtonCaption(f, MsgAnswer::Yes), f.Strings.GetString(1, 1049));
    EXPECT_EQ(StandardButtonCaption(f, MsgAnswer::No), f.Strings.GetString(2, 1049));
    EXPECT_EQ(StandardButtonCaption(f, MsgAnswer::Ok), f.Strings.GetString(3, 1049));
    EXPECT_EQ(StandardButtonCaption(f, MsgAnswer::Retry), "") << "no text: Qt's own stays";
}

#include <gtest/gtest.h>

#include "link/Link.h"
#include "support/TestPlatform.h"

TEST(Link, StartsWithAnEmptyQueue) {
    tidepost::test::TestPlatform platform;
    tidepost::Foundation f(platform.Os);
    tidepost::Link link(f);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_FALSE(link.Dialogue.ClosingDown);
}

#include <gtest/gtest.h>

#include "foundation/Foundation.h"
#include "support/TestPlatform.h"

TEST(Foundation, BuildsOnFakes) {
    tidepost::test::TestPlatform platform;
    tidepost::Foundation f(platform.Os);
    EXPECT_EQ(&f.Os, &platform.Os);
}

#include <gtest/gtest.h>
#include <cstdio>
TEST(Toolchain, PrintsLikeC) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%f %f", 0.1f * 3.0f, 1.0 / 0.0);
    EXPECT_STREQ("0.300000 inf", buf);
}

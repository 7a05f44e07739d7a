#include "base/fout.h"
#include "base/fquat.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(QuaternionStream, FourFloatsInOrderEachReversedOnItsOwn) {
    FOUT out;
    FOUTMEM mem;
    ASSERT_TRUE(mem.Create(out, 0));
    const FQUAT pair[2] = {FQUAT(1, 2, 3, 4), FQUAT(-1, 0.5f, 0, 1)};
    EXPECT_TRUE(out.WriteQuat(FQUAT(1.0f, 0, 0, 2.0f)));
    out.SetLittleEndian(0);
    EXPECT_TRUE(out.WriteQuat(FQUAT(1.0f, 0, 0, 0)));
    EXPECT_TRUE(out.WriteQuat(pair, 2));
    ASSERT_EQ(out.Tell(), 64);
    const unsigned char expected[] = {0, 0, 0x80, 0x3f, 0, 0,    0,    0,    0, 0,
                                      0, 0, 0,    0,    0, 0x40, 0x3f, 0x80, 0, 0};
    EXPECT_EQ(0, memcmp(mem.GetBuffer(), expected, sizeof expected));

    FOUT in;
    FOUTMEM view(in, mem.GetBuffer(), out.Tell());
    EXPECT_EQ(in.ReadQuat(), FQUAT(1.0f, 0, 0, 2.0f));
    in.SetLittleEndian(0);
    FQUAT q, back[2];
    EXPECT_TRUE(in.ReadQuat(&q));
    EXPECT_EQ(q, FQUAT(1.0f, 0, 0, 0));
    EXPECT_TRUE(in.ReadQuat(back, 2));
    EXPECT_EQ(back[1], pair[1]);
    EXPECT_FALSE(in.ReadQuat(&q));
    EXPECT_EQ(in.ReadQuat(), FQUAT(0, 0, 0, 0));
}

} // namespace

// Decoding of the processor's identification and the feature bits the render job checks.
#include "base/cpuinfo.h"
#include <gtest/gtest.h>
#include <cstring>
#include <tuple>

namespace {

CPUID_REGS Regs(const char* vendor, unsigned signature, unsigned standard, unsigned limit,
                unsigned extended) {
    CPUID_REGS regs = {{}, signature, standard, limit, extended};
    std::memcpy(regs.vendor, vendor, 12);
    return regs;
}

TEST(CpuInfo, DecodesFeaturesFamiliesAndNamesAndThisProcessorHasSse2) {
    const unsigned mmx = 1u << 23, sse = 1u << 25, sse2 = 1u << 26, now3d = 1u << 31;
    EXPECT_EQ(CPU_FEATURE_MMX | CPU_FEATURE_SSE | CPU_FEATURE_SSE2 | CPU_FEATURE_3DNOW,
              DecodeCpuInfo(Regs("AuthenticAMD", 0x600, mmx | sse | sse2, 0x80000001, now3d), nullptr));
    // Below the extended range the extended register means nothing.
    EXPECT_EQ(0, DecodeCpuInfo(Regs("AuthenticAMD", 0x580, 0, 0x7FFFFFFF, now3d), nullptr));
    CPUINFO info;
    std::memset(&info, 0x5A, sizeof info);
    EXPECT_EQ(CPU_FEATURE_SSE2, DecodeCpuInfo(Regs("GenuineIntel", 0x00000F29, sse2, 0, 0), &info));
    EXPECT_STREQ("GenuineIntel", info.v_name);
    EXPECT_EQ(std::make_tuple(15, 2, 9), std::make_tuple(info.family, info.model, info.stepping));
    DecodeCpuInfo(Regs("GenuineIntel", 0x00100F00, 0, 0, 0), &info);
    EXPECT_EQ(31, info.family); // the extended family counts too
    EXPECT_STREQ("AMD K6-2", MapCpuModelName(5, 8, "AuthenticAMD"));
    EXPECT_STREQ("Cyrix", MapCpuModelName(99, -3, "CyrixInstead"));
    EXPECT_TRUE(GetCpuInfo(&info) & CPU_FEATURE_SSE2);
    std::string text;
    FormatCpuInfo(&info, text);
    EXPECT_NE(std::string::npos, text.find("\tyes\t_CPU_FEATURE_SSE2\n"));
    EXPECT_NE(std::string::npos, text.find("checks:\t\t0000000f\n"));
}

} // namespace

#include "base/cpuinfo.h"
#include <climits>
#include <cpuid.h>
#include <cstdio>
#include <cstring>

int HasCpuid() {
    // A processor has cpuid exactly when software can toggle the ID bit (21) of EFLAGS.
    unsigned before, after;
    __asm__ volatile("pushfl\n\t"
                     "pushfl\n\t"
                     "popl %0\n\t"
                     "movl %0, %1\n\t"
                     "xorl $0x200000, %0\n\t"
                     "pushl %0\n\t"
                     "popfl\n\t"
                     "pushfl\n\t"
                     "popl %0\n\t"
                     "popfl"
                     : "=&r"(after), "=&r"(before));
    return ((before ^ after) & 0x200000) != 0;
}

int ReadCpuidRegisters(CPUID_REGS& regs) {
    if (!HasCpuid()) return 0;
    unsigned a, b, c, d;
    __cpuid(0, a, b, c, d);
    regs.vendor[0] = b;
    regs.vendor[1] = d;
    regs.vendor[2] = c;
    __cpuid(1, a, b, c, d);
    regs.signature = a;
    regs.standard = d;
    __cpuid(0x80000000, a, b, c, d);
    regs.extended_limit = a;
    regs.extended = 0;
    if (a >= 0x80000000u) {
        __cpuid(0x80000001, a, b, c, d);
        regs.extended = d;
    }
    return 1;
}

int DecodeCpuInfo(const CPUID_REGS& regs, CPUINFO* info) {
    unsigned extended = regs.extended_limit >= 0x80000000u ? regs.extended : 0;
    int bits = 0;
    if (regs.standard & (1u << 23)) bits |= CPU_FEATURE_MMX;
    if (extended & (1u << 31)) bits |= CPU_FEATURE_3DNOW;
    if (regs.standard & (1u << 25)) bits |= CPU_FEATURE_SSE;
    if (regs.standard & (1u << 26)) bits |= CPU_FEATURE_SSE2;
    if (info) {
        std::memset(info, 0, sizeof *info);
        info->feature = bits;
        info->family = (regs.signature >> 8) & 0xF;
        if (info->family == 15) info->family |= (regs.signature >> 16) & 0xFF0;
        info->model = (regs.signature >> 4) & 0xF;
        info->stepping = regs.signature & 0xF;
        std::memcpy(info->v_name, regs.vendor, 12);
        std::snprintf(info->model_name, sizeof info->model_name, "%s",
                      MapCpuModelName(info->family, info->model, info->v_name));
        info->checks = 15;
    }
    return bits;
}

int GetCpuInfo(CPUINFO* info) {
    CPUID_REGS regs;
    if (!ReadCpuidRegisters(regs)) return 0;
    return DecodeCpuInfo(regs, info);
}

const char* MapCpuModelName(int family, int model, const char* vendor) {
    struct Row {
        const char* vendor;
        int family, first, last; // an inclusive model range; family -1 for any family
        const char* name;
    };
    static const Row rows[] = {
        {"AuthenticAMD", 4, 0, 15, "AMD Am486"},
        {"AuthenticAMD", 5, 0, 3, "AMD K5"},
        {"AuthenticAMD", 5, 6, 7, "AMD K6"},
        {"AuthenticAMD", 5, 8, 8, "AMD K6-2"},
        {"AuthenticAMD", 5, 9, 15, "AMD K6-3"},
        {"AuthenticAMD", 6, 0, 15, "AMD ATHLON"},
        {"GenuineIntel", 4, 0, 1, "INTEL 486DX"},
        {"GenuineIntel", 4, 2, 2, "INTEL 486SX"},
        {"GenuineIntel", 4, 3, 3, "INTEL 486DX2"},
        {"GenuineIntel", 4, 4, 4, "INTEL 486SL"},
        {"GenuineIntel", 4, 5, 5, "INTEL 486SX2"},
        {"GenuineIntel", 4, 7, 7, "INTEL 486DX2E"},
        {"GenuineIntel", 4, 8, 8, "INTEL 486DX4"},
        {"GenuineIntel", 5, 1, 3, "INTEL Pentium"},
        {"GenuineIntel", 5, 4, 4, "INTEL Pentium-MMX"},
        {"GenuineIntel", 6, 1, 1, "INTEL Pentium-Pro"},
        {"GenuineIntel", 6, 3, 3, "INTEL Pentium-II"},
        {"GenuineIntel", 6, 5, 5, "INTEL Pentium-II"},
        {"GenuineIntel", 6, 6, 6, "INTEL Celeron"},
        {"GenuineIntel", 6, 7, 8, "INTEL Pentium-III"},
        {"GenuineIntel", 6, 10, 10, "INTEL Pentium-III"},
        {"GenuineIntel", 15, 0, 0, "INTEL Pentium-4"},
        {"CyrixInstead", -1, INT_MIN, INT_MAX, "Cyrix"},
        {"CentaurHauls", -1, INT_MIN, INT_MAX, "Centaur"},
    };
    for (const Row& row : rows)
        if (std::strncmp(vendor, row.vendor, 12) == 0 && (row.family < 0 || row.family == family) &&
            model >= row.first && model <= row.last)
            return row.name;
    return "Unknown";
}

void FormatCpuFeatures(std::string& text, int feature, int checks) {
    static const char* const names[] = {"MMX", "SSE", "SSE2", "3DNOW"};
    char line[64];
    for (int i = 0; i < 4; ++i)
        if (checks & (1 << i)) {
            std::snprintf(line, sizeof line, "\t%s\t_CPU_FEATURE_%s\n", (feature & (1 << i)) ? "yes" : "no",
                          names[i]);
            text += line;
        }
}

void FormatCpuInfo(CPUINFO* info, std::string& text) {
    CPUINFO local = {};
    if (!info) info = &local;
    GetCpuInfo(info);
    char line[1024];
    text.clear();
    std::snprintf(line, sizeof line,
                  "v_name:\t\t%s\nmodel:\t\t%s\nfamily:\t\t%d\nmodel:\t\t%d\nstepping:\t%d\nfeature:\t%08x\n",
                  info->v_name, info->model_name, info->family, info->model, info->stepping, info->feature);
    text += line;
    FormatCpuFeatures(text, info->feature, info->checks);
    std::snprintf(line, sizeof line, "checks:\t\t%08x\n", info->checks);
    text += line;
}

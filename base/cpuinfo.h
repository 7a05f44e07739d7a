// Processor identification through the cpuid instruction: vendor, signature and feature bits.
#pragma once
#include <string>

enum : int {
    CPU_FEATURE_MMX = 1,
    CPU_FEATURE_SSE = 2,
    CPU_FEATURE_SSE2 = 4,
    CPU_FEATURE_3DNOW = 8,
};

struct CPUINFO {
    char v_name[13];
    char model_name[31];
    int family;
    int model;
    int stepping;
    int feature;
    int os_support;
    int checks;
};

// The raw register results the identification works from: read from the processor by
// ReadCpuidRegisters, or made up by a test that plays another processor.
struct CPUID_REGS {
    unsigned vendor[3];      // leaf 0: EBX, EDX, ECX
    unsigned signature;      // leaf 1: EAX
    unsigned standard;       // leaf 1: EDX
    unsigned extended_limit; // leaf 0x80000000: EAX
    unsigned extended;       // leaf 0x80000001: EDX
};

// 1 when the processor has the cpuid instruction.
int HasCpuid();
// Reads the registers from this processor; 0 when it has no cpuid.
int ReadCpuidRegisters(CPUID_REGS& regs);
// Decodes the registers into the feature bits and, when a record is given, fills it.
int DecodeCpuInfo(const CPUID_REGS& regs, CPUINFO* info);
// Feature bits of this processor (0 without cpuid, leaving the record untouched).
int GetCpuInfo(CPUINFO* info);
const char* MapCpuModelName(int family, int model, const char* vendor);
void FormatCpuFeatures(std::string& text, int feature, int checks);
void FormatCpuInfo(CPUINFO* info, std::string& text);

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/uregkey.h"

namespace {

const char* kParent = "Software\\pyldlgHX-tests";
const char* kKey = "Software\\pyldlgHX-tests\\uregkey";

void SetRaw(const UREGKEY& reg, const char* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(ERROR_SUCCESS,
              RegSetValueExA(reg.GetHandle(), name, 0, type, static_cast<const BYTE*>(data), size));
}

} // namespace

TEST(Uregkey, ValuesThatDoNotFitLeaveTheOutValueAndStringsEndInAZero) {
    RegDeleteTreeA(HKEY_CURRENT_USER, kParent);
    UREGKEY reg;
    ASSERT_EQ(1, reg.Create(kKey));
    EXPECT_EQ(1, reg.SetFloat("float", 0.1f));
    EXPECT_EQ(1, reg.SetUInt("uint", 0xFEDCBA98u));
    SetRaw(reg, "short", REG_BINARY, "\x01\x02", 2);
    SetRaw(reg, "long", REG_BINARY, "\x01\x02\x03\x04\x05\x06\x07\x08", 8);
    SetRaw(reg, "bare", REG_SZ, "abcdefgh", 8); // fills the buffer with no zero
    SetRaw(reg, "abc", REG_SZ, "abc", 3);       // stored without its zero
    float f = 0;
    EXPECT_EQ(1, reg.GetFloat("float", &f));
    EXPECT_EQ(0, memcmp(&f, "\xCD\xCC\xCC\x3D", 4)); // bit for bit, stored as a DWORD
    DWORD type = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(reg.GetHandle(), "float", 0, &type, 0, 0));
    EXPECT_EQ(DWORD(REG_DWORD), type);
    unsigned u = 0;
    EXPECT_EQ(1, reg.GetUInt("uint", &u));
    EXPECT_EQ(0xFEDCBA98u, u);
    int i = 55;
    for (const char* name : {"missing", "short", "long"})
        EXPECT_EQ(0, reg.GetInt(name, &i)) << name;
    EXPECT_EQ(55, i);
    char text[8] = "keep";
    for (const char* name : {"missing", "bare"})
        EXPECT_EQ(0, reg.GetString(name, text, sizeof text)) << name;
    EXPECT_STREQ("keep", text);
    memset(text, 'x', sizeof text);
    EXPECT_EQ(1, reg.GetString("abc", text, sizeof text));
    EXPECT_STREQ("abc", text);

    EXPECT_EQ(0, reg.Open("Software\\pyldlgHX-tests\\no such key"));
    EXPECT_EQ(nullptr, reg.GetHandle()); // a key that did not open is no key
    EXPECT_EQ(0, reg.SetInt("x", 1));
    std::string tooLong = std::string(kParent) + "\\" + std::string(300, 'a'); // past the name limit
    EXPECT_EQ(0, reg.Create(tooLong.c_str()));
    RegDeleteTreeA(HKEY_CURRENT_USER, kParent);
}

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>

#include "base/uregkey.h"

// The mends over the registry: values of the wrong size never touch the caller's variable,
// strings always end in a zero inside the buffer, and a key that did not open is no key.
TEST(Uregkey, ValuesThatDoNotFitLeaveTheOutValueAndStringsEndInAZero) {
    const char* parent = "Software\\pyldlgHX-tests";
    RegDeleteTreeA(HKEY_CURRENT_USER, parent);
    UREGKEY reg;
    ASSERT_EQ(1, reg.Create("Software\\pyldlgHX-tests\\uregkey"));
    const struct {
        const char* name;
        DWORD type;
        const char* data;
        DWORD size;
    } values[] = {{"short", REG_BINARY, "\x01\x02", 2},
                  {"long", REG_BINARY, "12345678", 8},
                  {"bare", REG_SZ, "abcdefgh", 8},
                  {"abc", REG_SZ, "abc", 3}};
    for (const auto& v : values)
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(reg.GetHandle(), v.name, 0, v.type,
                                                reinterpret_cast<const BYTE*>(v.data), v.size));
    int i = 55;
    char text[8] = "keep";
    for (const char* name : {"missing", "short", "long"})
        EXPECT_EQ(0, reg.GetInt(name, &i)) << name;
    for (const char* name : {"missing", "bare"}) // "bare" fills the buffer with no zero
        EXPECT_EQ(0, reg.GetString(name, text, sizeof text)) << name;
    EXPECT_EQ(std::pair(55, std::string("keep")), std::pair(i, std::string(text)));
    memset(text, 'x', sizeof text);
    EXPECT_EQ(1, reg.GetString("abc", text, sizeof text)); // stored without its zero
    EXPECT_STREQ("abc", text);

    EXPECT_EQ(std::tuple(0, HKEY(nullptr), 0), (std::tuple{reg.Open("Software\\pyldlgHX-tests\\no such key"),
                                                           reg.GetHandle(), reg.SetInt("x", 1)}));
    EXPECT_EQ(
        0, reg.Create((std::string(parent) + "\\" + std::string(300, 'a')).c_str())); // past the name limit
    RegDeleteTreeA(HKEY_CURRENT_USER, parent);
}

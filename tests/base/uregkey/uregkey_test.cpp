#include <gtest/gtest.h>
#include <cstring>
#include <string>
#include "base/uregkey.h"

namespace {
const char* kParent = "Software\\pyldlgHX-tests";
const char* kKey = "Software\\pyldlgHX-tests\\uregkey";

// Each case starts from a fresh test key and deletes it afterwards.
struct RegistryTest : ::testing::Test {
    UREGKEY reg;
    void SetUp() override {
        DeleteTestKey();
        ASSERT_EQ(1, reg.Create(kKey));
    }
    void TearDown() override {
        reg.Close();
        DeleteTestKey();
        HKEY probe;
        EXPECT_NE(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, kParent, 0, KEY_READ, &probe));
    }
    static void DeleteTestKey() { RegDeleteTreeA(HKEY_CURRENT_USER, kParent); }
    void SetRaw(const char* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(ERROR_SUCCESS,
                  RegSetValueExA(reg.GetHandle(), name, 0, type, static_cast<const BYTE*>(data), size));
    }
};
} // namespace

TEST_F(RegistryTest, ValuesOfEachTypeRoundTrip) {
    EXPECT_EQ(1, reg.SetInt("int", -7));
    EXPECT_EQ(1, reg.SetUInt("uint", 0xFEDCBA98u));
    EXPECT_EQ(1, reg.SetFloat("float", 0.1f));
    EXPECT_EQ(1, reg.SetString("text", "C:\\作業\\tmp"));
    reg.Close();
    reg.Close(); // twice is harmless

    UREGKEY in;
    ASSERT_EQ(1, in.Open(kKey));
    int i = 0;
    unsigned u = 0;
    float f = 0;
    char text[1024] = "";
    EXPECT_EQ(1, in.GetInt("int", &i));
    EXPECT_EQ(-7, i);
    EXPECT_EQ(1, in.GetUInt("uint", &u));
    EXPECT_EQ(0xFEDCBA98u, u);
    EXPECT_EQ(1, in.GetFloat("float", &f));
    EXPECT_EQ(0, memcmp(&f, "\xCD\xCC\xCC\x3D", 4)); // bit for bit
    EXPECT_EQ(1, in.GetString("text", text, sizeof text));
    EXPECT_STREQ("C:\\作業\\tmp", text);

    DWORD type = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(in.GetHandle(), "float", 0, &type, 0, 0));
    EXPECT_EQ(static_cast<DWORD>(REG_DWORD), type);
    // A key opened for reading takes no writes.
    EXPECT_EQ(0, in.SetInt("int", 1));
}

TEST_F(RegistryTest, MissingOrWrongSizedValuesLeaveTheOutValue) {
    SetRaw("short", REG_BINARY, "\x01\x02", 2);
    SetRaw("long", REG_BINARY, "\x01\x02\x03\x04\x05\x06\x07\x08", 8);
    int i = 55;
    float f = 2.5f;
    EXPECT_EQ(0, reg.GetInt("missing", &i));
    EXPECT_EQ(0, reg.GetInt("short", &i));
    EXPECT_EQ(0, reg.GetInt("long", &i));
    EXPECT_EQ(0, reg.GetFloat("short", &f));
    EXPECT_EQ(55, i);
    EXPECT_EQ(2.5f, f);
    // Another type of the right size is read unchanged.
    SetRaw("four", REG_BINARY, "\x2A\x00\x00\x00", 4);
    EXPECT_EQ(1, reg.GetInt("four", &i));
    EXPECT_EQ(42, i);

    char text[8] = "keep";
    EXPECT_EQ(0, reg.GetString("missing", text, sizeof text));
    EXPECT_STREQ("keep", text);
}

TEST_F(RegistryTest, StringsAreAlwaysTerminated) {
    char text[8];
    reg.SetString("long", "0123456789");
    strcpy(text, "keep");
    EXPECT_EQ(0, reg.GetString("long", text, sizeof text)); // longer than the buffer
    EXPECT_STREQ("keep", text);

    SetRaw("bare", REG_SZ, "abcdefgh", 8); // fills the buffer with no zero
    EXPECT_EQ(0, reg.GetString("bare", text, sizeof text));
    EXPECT_STREQ("keep", text);

    SetRaw("short", REG_SZ, "abc", 3); // stored without its zero
    memset(text, 'x', sizeof text);
    EXPECT_EQ(1, reg.GetString("short", text, sizeof text));
    EXPECT_STREQ("abc", text);

    reg.SetString("fits", "1234567");
    EXPECT_EQ(1, reg.GetString("fits", text, sizeof text));
    EXPECT_STREQ("1234567", text);
}

TEST(Uregkey, FailuresAreReported) {
    UREGKEY reg;
    EXPECT_EQ(0, reg.Open(nullptr));
    EXPECT_EQ(0, reg.Create(nullptr));
    EXPECT_EQ(0, reg.Open("Software\\pyldlgHX-tests\\no such key"));
    std::string tooLong = std::string(kParent) + "\\" + std::string(300, 'a'); // past the name limit
    EXPECT_EQ(0, reg.Create(tooLong.c_str()));
    RegDeleteTreeA(HKEY_CURRENT_USER, kParent);
    EXPECT_EQ(0, reg.SetInt("x", 1)); // no key open
    int i = 3;
    EXPECT_EQ(0, reg.GetInt("x", &i));
    EXPECT_EQ(3, i);
}

#include <climits>

#include "host/hxsetting.h"
#include "ownhost.h"

namespace {

// Saves `value`, then loads it over `other`, with `other` as the default.
template <class T> T RoundTrip(const HXSetting& setting, const char* key, T value, T other) {
    EXPECT_NE(0, setting.Save(key, value));
    setting.Load(key, other, other);
    return other;
}

TEST_F(OwnHost, SettingsKeepEachTypeInThePlugInsSectionOfTheHostsFile) {
    Bare<HXCommandPlugin> plugin;
    hxhost::SetSettingsFile("");
    EXPECT_EQ(nullptr, plugin.OpenSetting());
    char folder[MAX_PATH] = {};
    char file[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    ASSERT_NE(0u, GetTempFileNameA(folder, "ini", 0, file));
    hxhost::SetSettingsFile(file);
    HXSetting* setting = plugin.OpenSetting();
    ASSERT_NE(nullptr, setting);
    EXPECT_EQ(INT_MIN, RoundTrip(*setting, "int", INT_MIN, 5));
    EXPECT_EQ(0xFFFFFFFFu, RoundTrip(*setting, "unsigned", 0xFFFFFFFFu, 5u));
    EXPECT_EQ(-0.15625f, RoundTrip(*setting, "float", -0.15625f, 5.0f));
    EXPECT_FALSE(RoundTrip(*setting, "bool", false, true));
    // A long text comes back cut by the reader, never past its buffer.
    std::string text;
    EXPECT_NE(0, setting->Save("text", std::string(5000, 'x').c_str()));
    setting->Load("text", text, "");
    EXPECT_EQ(std::string(2047, 'x'), text);
    // Written by hand into the plug-in's section: a float that does not parse keeps its value (and
    // comes from that section, or the default would have replaced it).
    WritePrivateProfileStringA("Plugin.0000001A:00000B00", "odd", "not a number", file);
    float odd = 2.5f;
    setting->Load("odd", odd, 7.0f);
    EXPECT_EQ(2.5f, odd);
    plugin.CloseSetting(setting);
    hxhost::SetSettingsFile("");
    DeleteFileA(file);
}

} // namespace

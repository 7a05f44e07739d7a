#include <gtest/gtest.h>

#include <climits>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "host/hxexports.h"
#include "host/hxplugin.h"
#include "host/hxsetting.h"
#include "sender.h"
#include "tools/hxhost/hxhostlib.h"

namespace {

const char kSection[] = "Plugin.0000001A:00000B00";

// A fresh ini file in the temporary folder, handed out by this test executable acting as the host.
class Settings : public testing::Test {
  protected:
    void SetUp() override {
        char self[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, self, MAX_PATH);
        ASSERT_TRUE(HXInit(self));
        char folder[MAX_PATH] = {};
        char file[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        ASSERT_NE(0u, GetTempFileNameA(folder, "ini", 0, file));
        file_ = file;
        hxhost::SetSettingsFile(file_);
        setting_.reset(owner_.OpenSetting());
        ASSERT_NE(nullptr, setting_);
    }
    void TearDown() override {
        hxhost::SetSettingsFile("");
        setting_.reset();
        DeleteFileA(file_.c_str());
    }

    // Writes straight into the plug-in's section, as a user editing the file would.
    void Put(const char* key, const char* text) {
        WritePrivateProfileStringA(kSection, key, text, file_.c_str());
    }
    std::string FileText() {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, file_.c_str()); // flush
        std::ifstream in(file_, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    Sender owner_;
    std::string file_;
    std::unique_ptr<HXSetting> setting_;
};

TEST_F(Settings, OpenSettingNamesTheSectionAfterThePlugInOnTheHostsFile) {
    EXPECT_EQ(1, setting_->Save("k", 3));
    EXPECT_NE(std::string::npos, FileText().find("[Plugin.0000001A:00000B00]\r\nk=3\r\n")) << FileText();

    hxhost::SetSettingsFile("");
    EXPECT_EQ(nullptr, owner_.OpenSetting());
    hxhost::SetSettingsFile("C:\\" + std::string(300, 'a') + ".ini");
    EXPECT_EQ(nullptr, owner_.OpenSetting());

    owner_.CloseSetting(nullptr);
    owner_.CloseSetting(owner_.OpenSetting());
}

// Each type comes back as saved, and a missing key gives the default.
TEST_F(Settings, EachTypeComesBackAsSavedOrAsItsDefault) {
    for (int i : {-1, INT_MIN, INT_MAX}) {
        int value = 5;
        EXPECT_NE(0, setting_->Save("int", i));
        setting_->Load("int", value, 5);
        EXPECT_EQ(i, value);
    }
    unsigned u = 5;
    EXPECT_NE(0, setting_->Save("unsigned", 0xFFFFFFFFu));
    setting_->Load("unsigned", u, 5);
    EXPECT_EQ(0xFFFFFFFFu, u);
    for (float f : {-0.15625f, 3.0e-30f}) {
        float value = 5;
        EXPECT_NE(0, setting_->Save("float", f));
        setting_->Load("float", value, 5);
        EXPECT_EQ(f, value);
    }
    std::string t;
    EXPECT_NE(0, setting_->Save("text", "日本語の値"));
    setting_->Load("text", t, "default");
    EXPECT_EQ("日本語の値", t);
    bool b = true;
    EXPECT_NE(0, setting_->Save("bool", false));
    setting_->Load("bool", b, true);
    EXPECT_FALSE(b);
    EXPECT_NE(std::string::npos, FileText().find("bool=0\r\n"));

    setting_->Load("none", b, true);
    EXPECT_TRUE(b);
    setting_->Load("none", u, 4000000000u);
    EXPECT_EQ(4000000000u, u);
    setting_->Load("none", t, "");
    EXPECT_EQ("", t);
}

TEST_F(Settings, StoredTextsAreReadAsTheirTypeAllows) {
    EXPECT_NE(0, setting_->Save("one", 1.0f));
    EXPECT_NE(std::string::npos, FileText().find("one=1.000000e+00\r\n"));

    bool b = false;
    for (const char* text : {"2", "-1"}) {
        Put("flag", text);
        setting_->Load("flag", b, false);
        EXPECT_TRUE(b) << text;
    }
    Put("flag", "0");
    setting_->Load("flag", b, true);
    EXPECT_FALSE(b);

    float f = 0;
    for (const char* text : {"1.000000e+000", "1.000000e+00", "1"}) {
        Put("float", text);
        f = 0;
        setting_->Load("float", f, 7.0f);
        EXPECT_EQ(1.0f, f) << text;
    }
    Put("float", "not a number");
    f = 2.5f;
    setting_->Load("float", f, 7.0f);
    EXPECT_EQ(2.5f, f);
}

TEST_F(Settings, LongValuesAreCutByTheReaderNeverOverflow) {
    const std::string longText(5000, 'x');
    EXPECT_NE(0, setting_->Save("long", longText.c_str()));
    std::string t;
    setting_->Load("long", t, "");
    EXPECT_EQ(longText.substr(0, 2047), t);

    // A long default passes through the same bounded buffer.
    setting_->Load("absent", t, longText.c_str());
    EXPECT_EQ(longText.substr(0, 2047), t);

    Put("longfloat", ("0.25" + std::string(3000, '0')).c_str());
    float f = 9.0f;
    setting_->Load("longfloat", f, 0.0f);
    EXPECT_EQ(0.25f, f);
}

} // namespace

// The stand-in renderer draws what the scene and model files describe and refuses what it cannot read.
#include <gtest/gtest.h>
#include <windows.h>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::string WinPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path[0] == '\\' ? "Z:" + path : path;
}

class Pyrell : public ::testing::Test {
  protected:
    void SetUp() override {
        char tmp[MAX_PATH];
        GetTempPathA(sizeof tmp, tmp);
        dir_ = std::string(tmp) + "pyrell_test_" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(dir_.c_str(), nullptr);
        DeleteFileA(Out().c_str());
    }

    std::string Out() const { return dir_ + "out.bmp"; }

    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ + name, std::ios::binary) << text;
    }

    // The scene of one red quad filling the middle of the view, seen from +z.
    void WriteScene(const std::string& model_name = "m.hxo") {
        Write("s.pyl",
              "pyrell100225\r\n\r\nnew Space \"0\"\r\n\r\n\tnew Volume \"default\"\r\n"
              "\t\tBackground            0\r\n\r\n\t\tnew Eye \"0\"\r\n"
              "\t\t\tPosition    0.000000 0.000000 10.000000\r\n"
              "\t\t\tFocus       0.000000 0.000000 0.000000\r\n"
              "\t\t\tUpside      0.000000 1.000000 0.000000\r\n"
              "\t\t\tShift       0.000000 0.000000\r\n"
              "\t\t\tFilmSize    36.000000\r\n\t\t\tFocalLength 50.000000\r\n\r\n"
              "\tnew Object \"0\"\r\n\t\tFile     \"" +
                  dir_ + model_name +
                  "\"\r\n\r\n"
                  "\tnew Material \"red\"\r\n\t\tDiffuse             1.000000 0.000000 0.000000\r\n\r\n");
        Write("m.hxo",
              "Hexagrel Document\r\nFormat Text Ver 1.0\r\n\r\nMaterial 1 {\r\n"
              "\t\"red\" col(1.000000 1.000000 1.000000 1.000000) dif(1.000000)\r\n}\r\n"
              "Object \"quad\" {\r\n\tvisible 15\r\n\tvertex 4 {\r\n\t\t-1.000000 -1.000000 0.000000\r\n"
              "\t\t1.000000 -1.000000 0.000000\r\n\t\t1.000000 1.000000 -0.000000\r\n"
              "\t\t-1.000000 1.000000 0.000000\r\n\t}\r\n\tface 2 {\r\n"
              "\t\t4 V(0 1 2 3) M(0) UV(0.000000 0.000000 1.000000 0.000000 1.000000 1.000000 "
              "0.000000 1.000000)\r\n\t}\r\n}\r\neof\r\n");
    }

    DWORD Run(const std::string& options) {
        std::string cmd = "\"" + WinPath(PYRELL_EXE) + "\" \"" + dir_ + "s.pyl\" " + options;
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi;
        std::vector<char> line(cmd.begin(), cmd.end());
        line.push_back(0);
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
            return 0xDEAD;
        WaitForSingleObject(pi.hProcess, INFINITE);
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        return code;
    }

    std::string Options() const {
        return "/run /width=40 /height=30 /bg=\"\" /out=\"" + Out() + "\" preview";
    }

    std::vector<unsigned char> ReadOut() {
        std::ifstream in(Out(), std::ios::binary);
        return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
    }

    std::string dir_;
};

TEST_F(Pyrell, DrawsTheModelInItsDiffuseColour) {
    WriteScene();
    ASSERT_EQ(0u, Run(Options()));
    auto bmp = ReadOut();
    ASSERT_EQ(54u + 120 * 30, bmp.size()); // 40 pixels * 3 bytes is already a multiple of 4
    EXPECT_EQ(40, bmp[18]);
    EXPECT_EQ(30, bmp[22]);
    const unsigned char* centre = &bmp[54 + 15 * 120 + 20 * 3];
    EXPECT_EQ(0, centre[0]);   // blue
    EXPECT_GT(centre[2], 200); // red, lit head-on
    const unsigned char* corner = &bmp[54];
    EXPECT_EQ(0, corner[0] + corner[1] + corner[2]);
}

TEST_F(Pyrell, RefusesWhatItCannotRead) {
    WriteScene("missing.hxo");
    EXPECT_EQ(2u, Run(Options()));
    Write("s.pyl", "not a scene\r\n");
    EXPECT_EQ(2u, Run(Options()));
    WriteScene();
    Write("m.hxo", "Hexagrel Document\r\nFormat Text Ver 1.0\r\n\r\nObject \"q\" {\r\n\tvertex 1 {\r\n"
                   "\t\t0 0 0\r\n\t}\r\n\tface 1 {\r\n\t\t3 V(0 1 2)\r\n\t}\r\n}\r\neof\r\n");
    EXPECT_EQ(2u, Run(Options()));
    WriteScene();
    EXPECT_EQ(2u, Run("/run /width=0 /height=30 /out=\"" + Out() + "\""));
    EXPECT_TRUE(ReadOut().empty());
}

TEST_F(Pyrell, FailsOnPurposeWhenTold) {
    WriteScene();
    SetEnvironmentVariableA("PYRELL_EXIT", "7");
    EXPECT_EQ(7u, Run(Options()));
    SetEnvironmentVariableA("PYRELL_EXIT", nullptr);
    EXPECT_TRUE(ReadOut().empty());
    SetEnvironmentVariableA("PYRELL_TRUNCATE", "1");
    EXPECT_EQ(0u, Run(Options()));
    SetEnvironmentVariableA("PYRELL_TRUNCATE", nullptr);
    EXPECT_EQ((54u + 120 * 30) / 2, ReadOut().size());
}

} // namespace

// The stand-in renderer draws what the scene and model files describe and refuses what it cannot read.
#include <gtest/gtest.h>

#include "tests/common/testfiles.h"

namespace {

const size_t kPicture = 54 + 120 * 30; // 40 x 30 at 24 bits: rows of 120 bytes need no padding

class Pyrell : public ::testing::Test {
  protected:
    // The scene of one red quad filling the middle of the view, seen from +z.
    void WriteScene() {
        WriteScratch(
            "s.pyl",
            "pyrell100225\r\n\r\nnew Space \"0\"\r\n\r\n\tnew Volume \"default\"\r\n"
            "\t\tBackground            0\r\n\r\n\t\tnew Eye \"0\"\r\n"
            "\t\t\tPosition    0.000000 0.000000 10.000000\r\n"
            "\t\t\tFocus       0.000000 0.000000 0.000000\r\n"
            "\t\t\tUpside      0.000000 1.000000 0.000000\r\n"
            "\t\t\tShift       0.000000 0.000000\r\n"
            "\t\t\tFilmSize    36.000000\r\n\t\t\tFocalLength 50.000000\r\n\r\n"
            "\tnew Object \"0\"\r\n\t\tFile     \"" +
                ScratchPath("m.hxo") +
                "\"\r\n\r\n"
                "\tnew Material \"red\"\r\n\t\tDiffuse             1.000000 0.000000 0.000000\r\n\r\n");
        WriteScratch(
            "m.hxo",
            "Hexagrel Document\r\nFormat Text Ver 1.0\r\n\r\nMaterial 1 {\r\n"
            "\t\"red\" col(1.000000 1.000000 1.000000 1.000000) dif(1.000000)\r\n}\r\n"
            "Object \"quad\" {\r\n\tvisible 15\r\n\tvertex 4 {\r\n\t\t-1.000000 -1.000000 0.000000\r\n"
            "\t\t1.000000 -1.000000 0.000000\r\n\t\t1.000000 1.000000 -0.000000\r\n"
            "\t\t-1.000000 1.000000 0.000000\r\n\t}\r\n\tface 2 {\r\n"
            "\t\t4 V(0 1 2 3) M(0) UV(0.000000 0.000000 1.000000 0.000000 1.000000 1.000000 "
            "0.000000 1.000000)\r\n\t}\r\n}\r\neof\r\n");
    }

    // Runs the renderer on the scene with the size options given, and returns its exit code.
    DWORD Run(const std::string& size = "/width=40 /height=30") {
        DeleteFileA(ScratchPath("out.bmp").c_str());
        return RunProcess(QuotedWinPath(PYRELL_EXE) + " \"" + ScratchPath("s.pyl") + "\" /run " + size +
                          " /bg=\"\" /out=\"" + ScratchPath("out.bmp") + "\" preview")
            .code;
    }
    std::string Out() { return ReadFileBytes(ScratchPath("out.bmp")); }
};

TEST_F(Pyrell, DrawsTheModelInItsDiffuseColour) {
    WriteScene();
    ASSERT_EQ(0u, Run());
    const std::string bmp = Out();
    ASSERT_EQ(kPicture, bmp.size());
    const unsigned char* centre = reinterpret_cast<const unsigned char*>(&bmp[54 + 15 * 120 + 20 * 3]);
    EXPECT_EQ(0, centre[0]);   // blue
    EXPECT_GT(centre[2], 200); // red, lit head-on
}

// What it cannot read it refuses with code 2 and no picture; for tests it fails on purpose when told.
TEST_F(Pyrell, RefusesWhatItCannotReadAndFailsWhenTold) {
    const struct {
        const char* file; // replaced for this row, when set
        const char* text;
        const char* variable; // set to `value` for this row, when set
        const char* value;
        const char* size;
        DWORD code;
        size_t written;
    } rows[] = {
        {"s.pyl", "not a scene\r\n", nullptr, nullptr, "/width=40 /height=30", 2, 0},
        {"m.hxo",
         "Hexagrel Document\r\nFormat Text Ver 1.0\r\n\r\nObject \"q\" {\r\n\tvertex 1 {\r\n\t\t0 0 0\r\n"
         "\t}\r\n\tface 1 {\r\n\t\t3 V(0 1 2)\r\n\t}\r\n}\r\neof\r\n",
         nullptr, nullptr, "/width=40 /height=30", 2, 0},
        {nullptr, nullptr, nullptr, nullptr, "/width=0 /height=30", 2, 0},
        {nullptr, nullptr, "PYRELL_EXIT", "7", "/width=40 /height=30", 7, 0},
        {nullptr, nullptr, "PYRELL_NOWRITE", "1", "/width=40 /height=30", 0, 0},
        {nullptr, nullptr, "PYRELL_TRUNCATE", "1", "/width=40 /height=30", 0, kPicture / 2},
    };
    for (const auto& row : rows) {
        WriteScene();
        if (row.file) WriteScratch(row.file, row.text);
        if (row.variable) SetEnvironmentVariableA(row.variable, row.value);
        EXPECT_EQ(row.code, Run(row.size)) << (row.file ? row.file : row.size);
        if (row.variable) SetEnvironmentVariableA(row.variable, nullptr);
        EXPECT_EQ(row.written, Out().size()) << (row.variable ? row.variable : row.size);
    }
}

} // namespace

#include <gtest/gtest.h>

#include <string>

#include "base/tabfout.h"

namespace {

struct TabText {
    TABFOUT out;
    FOUTMEM mem;
    TabText() {
        mem.Create(out, 0);
        out.ClearIndent();
    }
    std::string Text() { return std::string(reinterpret_cast<char*>(mem.GetBuffer()), out.Tell()); }
};

} // namespace

TEST(Tabfout, IndentsLinesAndEndsThemWithCrLf) {
    TabText t;
    t.out.IndentPrintLn("top");
    t.out.PushIndent();
    t.out.PushIndent();
    t.out.IndentPrintLn("a %d", 5);
    t.out.PrintLn(""); // a blank line carries no tabs
    t.out.IndentPrint("x=");
    t.out.Print("%s", "50%");
    t.out.NewLine();
    t.out.PopIndent();
    EXPECT_TRUE(t.out.IndentNewLine());
    EXPECT_TRUE(t.out.IndentWrite32(1.0f));
    t.out.PopIndent();
    t.out.PopIndent(); // already empty: stays empty
    t.out.IndentPrintLn("end");
    EXPECT_EQ(std::string("top\r\n\t\ta 5\r\n\r\n\t\tx=50%\r\n\t\r\n\t\x00\x00\x80\x3f"
                          "end\r\n",
                          36),
              t.Text());
}

TEST(Tabfout, IgnoresPushesBeyondItsCapacity) {
    TabText t;
    for (int i = 0; i < 300; i++)
        t.out.PushIndent();
    EXPECT_EQ(255, t.out.GetIndentDepth());
    t.out.IndentPrintLn("deep");
    EXPECT_EQ(std::string(255, '\t') + "deep\r\n", t.Text());
}

TEST(Tabfout, LinesAroundTheLineBufferSizeAreExact) {
    for (int depth : {0, 3}) {
        for (size_t len : {1010u, 1020u, 1021u, 1022u, 1023u, 1024u, 1025u, 1026u, 1029u, 5000u}) {
            TabText t;
            for (int i = 0; i < depth; i++)
                t.out.PushIndent();
            std::string text(len, 'x');
            t.out.IndentPrintLn("%s", text.c_str());
            ASSERT_EQ(std::string(depth, '\t') + text + "\r\n", t.Text()) << len;
        }
    }
}

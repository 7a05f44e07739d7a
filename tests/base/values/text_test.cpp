#include "base/trace.h"
#include "base/umess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Received {
    std::vector<void*> contexts;
    std::vector<std::string> texts;
};
Received received;

void Record(void* context, const char* text) {
    received.contexts.push_back(context);
    received.texts.push_back(text);
}

class TextSink : public ::testing::Test {
  protected:
    void SetUp() override { received = Received(); }
    void TearDown() override { ResetTrace(); }
};

// At least n bytes of "a" and a two-byte Shift-JIS character in turn, the phase choosing where
// the pattern starts. The trail byte 0x9F could itself start a character, so only a walk from
// the start finds the boundaries.
std::string MixedLine(size_t n, size_t phase = 0) {
    std::string s;
    while (s.size() < n)
        s += (s.size() + phase) % 3 == 0 ? "a" : "\x88\x9F";
    return s;
}

TEST_F(TextSink, LineFormsFollowTheNewlineFlagAndPrintIsNotAFormat) {
    int owner = 0;
    UMESS sink, copy;
    sink.SetCallback(&owner, Record);
    sink.PrintfLn("a%d", 1);
    copy.SetNewLine(0).CopyTarget(sink);
    copy.PrintfLn("a%d", 1);
    copy.Print("100%d");
    ASSERT_EQ(received.texts.size(), 3u);
    EXPECT_EQ(received.contexts[0], &owner);
    EXPECT_EQ(received.texts[0], "a1\n");
    EXPECT_EQ(received.texts[1], "a1");
    EXPECT_EQ(received.texts[2], "100%d");
}

TEST_F(TextSink, LongLinesAreCutOnACharacterBoundary) {
    UMESS sink;
    sink.SetCallback(nullptr, Record);
    for (size_t phase = 0; phase < 3; phase++) {
        for (size_t n : {1021u, 1022u, 1023u, 1024u, 5000u}) {
            std::string line = MixedLine(n, phase);
            sink.Printf("%s", line.c_str());
            sink.PrintfLn("%s", line.c_str());
            ASSERT_EQ(received.texts.size(), 2u);
            for (int withNewline = 0; withNewline < 2; withNewline++) {
                std::string text = received.texts[withNewline];
                if (withNewline) {
                    ASSERT_EQ(text.back(), '\n') << n;
                    text.pop_back();
                }
                size_t limit = withNewline ? 1022 : 1023;
                if (line.size() <= limit) {
                    EXPECT_EQ(text, line);
                    continue;
                }
                // Cut to whole characters: at most one byte short of the limit.
                EXPECT_GE(text.size(), limit - 1) << n << " " << phase;
                EXPECT_EQ(MixedLine(text.size(), phase), text) << n << " " << phase;
            }
            received = Received();
        }
    }
}

TEST_F(TextSink, TraceGoesToTheInstalledSinkAndANullSinkTurnsItOff) {
    int owner = 0;
    SetTrace(&owner, Record);
    Trace("event %d", 200);
    TraceNoNewline("no%s", "line");
    float m[16];
    for (int i = 0; i < 16; i++)
        m[i] = (float)i;
    TraceMatrix("view", m);
    ASSERT_EQ(received.texts.size(), 6u);
    EXPECT_EQ(received.contexts[0], &owner);
    EXPECT_EQ(received.texts[0], "event 200\n");
    EXPECT_EQ(received.texts[1], "noline");
    EXPECT_EQ(received.texts[5], "view[3] (12.000000,13.000000,14.000000,15.000000)\n");

    SetTrace(nullptr, nullptr);
    EXPECT_EQ(IsTraceOn(), 0);
    Trace("x");
    TraceMatrix("m", m);
    EXPECT_EQ(received.texts.size(), 6u);
}

TEST_F(TextSink, LongTraceLinesAreCut) {
    SetTrace(nullptr, Record);
    std::string line = MixedLine(3000);
    Trace("%s", line.c_str());
    ASSERT_EQ(received.texts.size(), 1u);
    const std::string& text = received.texts[0];
    EXPECT_EQ(text.back(), '\n');
    std::string body = text.substr(0, text.size() - 1);
    EXPECT_GE(body.size(), 1021u);
    EXPECT_EQ(MixedLine(body.size()), body);
}

} // namespace

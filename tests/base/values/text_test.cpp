#include "base/trace.h"
#include "base/umess.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Received {
    std::vector<void*> contexts;
    std::vector<std::string> texts;
} received;

void Record(void* context, const char* text) {
    received.contexts.push_back(context);
    received.texts.push_back(text);
}

class TextSink : public ::testing::Test {
  protected:
    void SetUp() override { received = Received(); }
    void TearDown() override {
        ResetTrace();
        SetTraceNewLine(1);
    }
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

TEST_F(TextSink, SinksFollowTheirNewlineFlagAndPrintIsNotAFormat) {
    int owner = 0;
    UMESS sink, copy;
    sink.SetCallback(&owner, Record);
    sink.PrintfLn("a%d", 1);
    copy.SetNewLine(0).CopyTarget(sink);
    copy.PrintfLn("a%d", 1);
    copy.Print("100%d");
    SetTrace(&owner, Record);
    Trace("event %d", 200);
    TraceNoNewline("no%s", "line");
    SetTraceNewLine(0);
    Trace("flag %s", "off");
    TraceMatrix("view", std::vector<float>(16, 1.5f).data());
    SetTrace(nullptr, nullptr); // a null sink turns the trace off
    EXPECT_EQ(IsTraceOn(), 0);
    Trace("x");
    const std::vector<std::string> want = {
        "a1\n", "a1", "100%d", "event 200\n", "noline", "flag off", "view[0] (1.500000,1.500000,1.500000,1.500000)"};
    ASSERT_EQ(received.texts.size(), 10u); // four matrix rows
    received.texts.resize(want.size());
    EXPECT_EQ(received.texts, want);
    EXPECT_EQ(received.contexts[3], &owner);
}

TEST_F(TextSink, LongLinesAreCutOnACharacterBoundary) {
    UMESS sink;
    sink.SetCallback(nullptr, Record);
    SetTrace(nullptr, Record);
    for (size_t phase = 0; phase < 3; phase++) {
        for (size_t n : {1021u, 1022u, 1023u, 1024u, 5000u}) {
            std::string line = MixedLine(n, phase);
            received = Received();
            sink.Printf("%s", line.c_str());
            sink.PrintfLn("%s", line.c_str());
            Trace("%s", line.c_str());
            ASSERT_EQ(received.texts.size(), 3u);
            for (int i = 0; i < 3; i++) {
                std::string text = received.texts[i];
                if (i) {
                    ASSERT_EQ(text.back(), '\n') << n;
                    text.pop_back();
                }
                size_t limit = i ? 1022 : 1023;
                if (line.size() <= limit) {
                    EXPECT_EQ(text, line);
                    continue;
                }
                EXPECT_GE(text.size(), limit - 1) << n << " " << phase; // whole characters only
                EXPECT_EQ(MixedLine(text.size(), phase), text) << n << " " << phase;
            }
        }
    }
}

} // namespace
